// The bytes the process holds through operator new, and the most it held since the last reset;
// peak_memory.cpp replaces the global allocation functions to track them, so link it into a
// benchmark binary of its own.
#pragma once

#include <cstddef>

namespace benchsupport {

std::size_t BytesInUse();
/// The most bytes held since ResetPeak().
std::size_t PeakBytes();
/// Starts a new peak at what is held now.
void ResetPeak();

} // namespace benchsupport

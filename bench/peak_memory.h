// The heap a benchmark's runs hold at most: peak_memory.cpp replaces the global allocation
// functions of its binary (and so of the plug-ins it loads) with ones that count the bytes in use.
#pragma once

#include <cstddef>

namespace benchsupport {

/// Starts a new peak at the bytes in use now.
void ResetPeak();
/// The most bytes in use since the last ResetPeak, above what was in use then.
std::size_t PeakBytesSinceReset();

} // namespace benchsupport

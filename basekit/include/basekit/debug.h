/// \file
/// \brief Trace hooks for diagnostics.
///
/// Each overload builds its line of text ("label: value") and hands it to one internal sink,
/// which in the delivered build writes nothing anywhere. The hooks stay in the code so that a
/// breakpoint or a future log sees what the callers report, at no cost to their results.
#pragma once

#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "basekit/basekit_export.h"

namespace basekit {

BASEKIT_EXPORT void Debug(int value, std::wstring_view label);
BASEKIT_EXPORT void Debug(const char *text, std::wstring_view label);
BASEKIT_EXPORT void Debug(std::wstring_view text, std::wstring_view label);
/// The numbers joined with ",".
BASEKIT_EXPORT void Debug(const int *values, int count, std::wstring_view label);
BASEKIT_EXPORT void Debug(const std::vector<int> &values, std::wstring_view label);
BASEKIT_EXPORT void Debug(const std::list<int> &values, std::wstring_view label);

} // namespace basekit

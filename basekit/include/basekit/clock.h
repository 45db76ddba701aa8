/// \file
/// \brief Reading the local clock as milliseconds since midnight.
#pragma once

#include "basekit/basekit_export.h"

namespace basekit {

/// Milliseconds since midnight of a broken-down clock time: 01:02:03.004 is 3723004.
constexpr int MillisSinceMidnight(int hour, int minute, int second, int millisecond)
{
    return ((hour * 3600 + minute * 60 + second) * 1000) + millisecond;
}

/// Milliseconds since local midnight on the local clock, 0 .. 86400999.
BASEKIT_EXPORT int GetTimeAsMillis();

} // namespace basekit

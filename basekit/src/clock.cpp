#include "basekit/clock.h"

#include <ctime>

namespace basekit {

int GetTimeAsMillis()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    if (localtime_r(&now.tv_sec, &local) == nullptr) {
        return 0;
    }
    return MillisSinceMidnight(local.tm_hour, local.tm_min, local.tm_sec,
                               static_cast<int>(now.tv_nsec / 1000000));
}

} // namespace basekit

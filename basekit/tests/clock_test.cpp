#include "basekit/clock.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace basekit {
namespace {

static_assert(MillisSinceMidnight(1, 2, 3, 4) == 3723004);

struct ClockCase {
    int hour, minute, second, millisecond;
    int expected;
};

class MillisSinceMidnightTest : public testing::TestWithParam<ClockCase> {};

TEST_P(MillisSinceMidnightTest, CountsFromMidnight)
{
    const ClockCase &c = GetParam();
    EXPECT_EQ(MillisSinceMidnight(c.hour, c.minute, c.second, c.millisecond), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MillisSinceMidnightTest,
                         testing::Values(ClockCase{0, 0, 0, 0, 0}, ClockCase{1, 2, 3, 4, 3723004},
                                         ClockCase{12, 0, 0, 0, 43200000},
                                         ClockCase{23, 59, 59, 999, 86399999}));

// Sets TZ for one test and puts the previous value back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char *zone)
    {
        if (const char *old = std::getenv("TZ")) {
            previous_ = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (previous_) {
            setenv("TZ", previous_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone &) = delete;
    ScopedTimeZone &operator=(const ScopedTimeZone &) = delete;

private:
    std::optional<std::string> previous_;
};

TEST(GetTimeAsMillisTest, ReadsTheLocalClock)
{
    // A zone eight hours east of UTC, spelled out so that no zone database is needed.
    ScopedTimeZone zone("XST-8");
    constexpr long long kDay = 86400;
    constexpr long long kOffset = 8 * 3600;
    const long long before = (static_cast<long long>(std::time(nullptr)) + kOffset) % kDay;
    const int millis = GetTimeAsMillis();
    const long long after = (static_cast<long long>(std::time(nullptr)) + kOffset) % kDay;
    if (after < before) {
        GTEST_SKIP() << "the local clock passed midnight during the test";
    }
    EXPECT_GE(millis / 1000, before);
    EXPECT_LE(millis / 1000, after);
    EXPECT_GE(millis, 0);
}

} // namespace
} // namespace basekit

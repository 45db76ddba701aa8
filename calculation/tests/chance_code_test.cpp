#include "calculation/chance_code.h"

#include <gtest/gtest.h>

namespace calculation {
namespace {

TEST(ChanceCodeTest, FivePercentagesWithHalvesRoundedAwayFromZero)
{
    // 6.25 must read 6.3, not the 6.2 of round-half-to-even formatting.
    EXPECT_EQ(GenerateChanceCode(), L"{6.3,25.0,37.5,25.0,6.3}");
}

} // namespace
} // namespace calculation

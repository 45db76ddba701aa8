// The multiplier betting plan: its rows, where it ends, and the text of a saved plan.
#include "plan/betting_plan.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "basekit/text_convert.h"

namespace qel::testing {
namespace {

using Rows = std::vector<PlanRow>;

struct PlanCase {
    const char *what;
    PlanInputs inputs;
    Rows expected;
};

class GeneratePlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(GeneratePlanTest, Rows)
{
    EXPECT_EQ(GeneratePlan(GetParam().inputs), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GeneratePlanTest,
    ::testing::Values(
        PlanCase{"rate 1 already brings the profit",
                 {1000, 100, 3},
                 {{1, 1, 2, 2, 998}, {2, 1, 2, 4, 996}, {3, 1, 2, 6, 994}}},
        // Draw 1: 1 × 8 − 0 < 10, 2 × 8 = 16; draw 2 keeps 2 (16 − 4 = 12); draw 3: 2 × 8 − 8 < 10, 3 × 8 − 8
        // = 16.
        PlanCase{"raised when needed", {10, 10, 3}, {{1, 2, 4, 4, 16}, {2, 2, 4, 8, 12}, {3, 3, 6, 14, 16}}},
        // With a net gain of 1 per multiple the stake triples each draw, 2 × 3^(n−2). In draw 13 the
        // multiplier would have to grow by 236196 to 354294: the search stops 100000 higher, at
        // 218098, whose win (654294) no longer pays back the 790490 staked, so the plan ends.
        PlanCase{"ends where a win no longer pays back the stakes",
                 {3, 0, 30},
                 {{1, 1, 2, 2, 1},
                  {2, 2, 4, 6, 0},
                  {3, 6, 12, 18, 0},
                  {4, 18, 36, 54, 0},
                  {5, 54, 108, 162, 0},
                  {6, 162, 324, 486, 0},
                  {7, 486, 972, 1458, 0},
                  {8, 1458, 2916, 4374, 0},
                  {9, 4374, 8748, 13122, 0},
                  {10, 13122, 26244, 39366, 0},
                  {11, 39366, 78732, 118098, 0},
                  {12, 118098, 236196, 354294, 0}}},
        // The search gives up after 100000 raises and the draw keeps its row, below the profit
        // wanted: 100001 × 3 − 200002 = 100001; in draw 2, 200001 × 3 − 600004 < 0.
        PlanCase{"the search gives up after 100000 raises",
                 {3, 1000000, 5},
                 {{1, 100001, 200002, 200002, 100001}}},
        PlanCase{"no draws", {1000, 100, 0}, {}}, PlanCase{"fewer than no draws", {1000, 100, -5}, {}},
        // A prize of no more than the stake never wins more than it stakes.
        PlanCase{"prize equal to the stake", {2, 10, 3}, {}},
        PlanCase{"prize equal to the stake, no profit", {2, 0, 3}, {}},
        PlanCase{"prize below the stake", {1, 0, 3}, {}}, PlanCase{"negative prize", {-7, 0, 3}, {}},
        // 2 × (2^31 − 1) − 4 would be the first win: more than the page shows, so no row at all.
        PlanCase{"the first win is beyond 32 bits",
                 {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 3},
                 {}},
        PlanCase{"the largest prize with rate 1",
                 {std::numeric_limits<int>::max(), 0, 2},
                 {{1, 1, 2, 2, 2147483645}, {2, 1, 2, 4, 2147483643}}}));

// The plan as the algorithm states it, step by step, in 64 bits and with nothing cut off: the
// multiplier raised by one at a time, at most 100000 times per draw.
struct WideRow {
    std::int64_t qiHao, rate, stake, total, revenue;
};

std::vector<WideRow> StepByStep(const PlanInputs &in)
{
    std::vector<WideRow> rows;
    const std::int64_t gain = std::int64_t{in.oneBonus} - 2;
    std::int64_t rate = 1;
    std::int64_t total = 0;
    for (int draw = 1; draw <= in.qiShu; ++draw) {
        for (int raise = 0; raise < 100000 && rate * gain - total < in.minBonus; ++raise) {
            ++rate;
        }
        total += 2 * rate;
        const std::int64_t revenue = rate * in.oneBonus - total;
        if (revenue < 0) {
            break;
        }
        rows.push_back({draw, rate, 2 * rate, total, revenue});
    }
    return rows;
}

TEST(BettingPlanTest, ALongPlanEndsBeforeItsFiguresPassThirtyTwoBits)
{
    // The stakes grow by a fifth of a percent a draw; the total passes 2^31 − 1 after some
    // thousands of draws, where 32-bit arithmetic used to wrap round.
    const PlanInputs inputs{1000, 100, kMaxPlanDraws};
    const Rows plan = GeneratePlan(inputs);
    const std::vector<WideRow> wide = StepByStep(inputs);
    ASSERT_GT(wide.size(), plan.size()) << "the plan should end early";
    ASSERT_GT(plan.size(), 1000U);
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const WideRow &w = wide[i];
        ASSERT_EQ(plan[i],
                  (PlanRow{static_cast<int>(w.qiHao), static_cast<int>(w.rate), static_cast<int>(w.stake),
                           static_cast<int>(w.total), static_cast<int>(w.revenue)}))
            << "draw " << i + 1;
        EXPECT_GE(plan[i].revenue, inputs.minBonus);
        if (i > 0) {
            EXPECT_GE(plan[i].rate, plan[i - 1].rate) << "the multiplier never falls";
        }
    }
    const WideRow &next = wide[plan.size()];
    EXPECT_GT(std::max({next.stake, next.total, next.revenue}), kLargest)
        << "the plan ends at the first draw the page could not show";
}

TEST(BettingPlanTest, AtMostTenThousandDraws)
{
    // Rate 1 throughout: the stakes are 2 a draw.
    Rows plan = GeneratePlan({1000000000, 0, kMaxPlanDraws});
    ASSERT_EQ(plan.size(), 10000U);
    EXPECT_EQ(plan.back(), (PlanRow{10000, 1, 2, 20000, 999980000}));
    EXPECT_EQ(GeneratePlan({1000000000, 0, std::numeric_limits<int>::max()}).size(), 10000U);
}

TEST(BettingPlanTest, FileTextHasTheHeadingAndOneLinePerRow)
{
    BettingPlan plan{{10, 10, 30}, GeneratePlan({10, 10, 3})};
    EXPECT_EQ(basekit::UnicodeToUTF8Str(PlanFileText(plan, L"2024-03-05_07-08-09")),
              "保存时间：2024-03-05_07-08-09\r\n"
              "单注中奖金额：10元;\r\n"
              "最低盈利金额：10元;\r\n"
              "计划追号期数：30期,有效期数：3期;\r\n"
              "期号   本期需投倍数(倍)  本期需投金额(元)  截止本期累计投入(元)  盈利(元)\r\n"
              "1  2  4  4  16\r\n"
              "2  2  4  8  12\r\n"
              "3  3  6  14  16\r\n");
}

} // namespace
} // namespace qel::testing

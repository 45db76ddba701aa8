#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "calculation/calculation_util.h"

namespace calculation {
namespace {

int N(const std::vector<int> &row)
{
    return static_cast<int>(row.size());
}

std::wstring Trace(const std::vector<int> &row)
{
    std::wstring text;
    for (int v : row) {
        text += std::to_wstring(v) + L' ';
    }
    return text;
}

/// Ascending runs of consecutive numbers of the given lengths, a gap of one number between them.
std::vector<int> Runs(const std::vector<int> &lengths)
{
    std::vector<int> row;
    int next = 1;
    for (int length : lengths) {
        for (int i = 0; i < length; ++i) {
            row.push_back(next++);
        }
        ++next;
    }
    return row;
}

/// Value i + 1 repeated counts[i] times, the values interleaved so that equal ones are apart.
std::vector<int> Repeats(const std::vector<int> &counts)
{
    std::vector<int> row;
    for (int round = 0;; ++round) {
        bool any = false;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            if (round < counts[i]) {
                row.push_back(static_cast<int>(i) + 1);
                any = true;
            }
        }
        if (!any) {
            return row;
        }
    }
}

std::vector<int> Shifted(std::vector<int> row, int offset)
{
    for (int &v : row) {
        v += offset;
    }
    return row;
}

// ---- Consecutive numbers -----------------------------------------------------------------------

TEST(CalculationUtilGroupsTest, LianMa)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> row;
        int mode;
        int code;
    } cases[] = {
        // Two or three numbers: the count of steps of +1.
        {{5, 4}, 1, 1},    // mode 1 sorts short rows: 4 5
        {{5, 4}, 2, 0},    // as given, 5 -> 4 is no step up
        {{2, 2, 3}, 0, 1}, // repeats dropped: 2 3
        {{1, 2, 3}, 0, 2},
        {{3, 1, 2}, 1, 2},
        {{3, 5, 3}, 0, 0},
        {{2, 2, 1}, 0, 1}, // dice
        // Four to seven numbers: the run code.
        {{3, 4, 5, 9, 10}, 0, 1213},
        {{10, 9, 3, 4, 5}, 0, 1213}, // sorted first
        {{10, 9, 3, 4, 5}, 2, 13},   // as given: only 3 4 5 link
        {{1, 3, 5, 7}, 0, 0},
        {{1, 2, 4, 5}, 1, 22},
        {{1, 2, 3, 4, 5}, 1, 15},
        {{1, 2, 3, 5, 6}, 1, 1213},
        {{9, 0, 4, 4, 8}, 0, 12},    // five digits: 0 4 8 9 once sorted
        {{4, 8, 15, 21, 22}, 1, 12}, // 5 of 22: 21 22
        {{3, 12, 19, 25, 31}, 1, 0},
        {{1, 2, 3, 10, 11, 20}, 1, 1213},
        {{1, 2, 3, 4, 20, 21}, 1, 1214},
        {{1, 2, 4, 5, 7, 8}, 1, 32},
        {{1, 2, 3, 5, 6, 7}, 1, 23},
        {{1, 2, 3, 4, 5, 6}, 1, 16},
        {{2, 7, 8, 15, 21, 22, 30}, 1, 22}, // 7 of 30: 7 8 and 21 22
        {{1, 2, 3, 4, 5, 6, 7}, 1, 17},
        {{1, 2, 4, 5, 7, 8, 10}, 1, 32},
        {{1, 2, 3, 4, 6, 7, 8}, 1, 1314},
        {{1, 2, 4, 5, 7, 8, 9}, 1, 2213},
        {{1, 2, 4, 5, 6, 7, 8}, 1, 1215},
        // Any other length gives 0.
        {{1, 2, 3, 4, 5, 6, 7, 8}, 1, 0},
        {{4}, 0, 0},
        {{}, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.GetLianMa(c.row.data(), N(c.row), c.mode), c.code);
    }
}

TEST(CalculationUtilGroupsTest, RunCodesOfTheValuesAsGiven)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> values;
        int code;
    } cases[] = {
        {{3, 4, 5, 9, 10}, 1213},
        {{1, 2, 4, 5}, 22},
        {{5, 4, 3, 2}, 0},  // only steps up link
        {{1, 2, 2, 3}, 22}, // equal neighbours do not link: 1 2 and 2 3
        {{1, 2, 3, 4, 5, 6}, 16},
        {{1, 2, 4, 5, 7, 8, 10}, 32},
        // Longer rows than a seven-slot buffer, computed in full.
        {Runs({20}), 120},
        {Runs({2, 2, 2, 2, 2, 2, 2, 2, 2, 2}), 102},
        // 17 numbers in runs 3 2 2 4 1 2 3: three of 2, two of 3, one of 4.
        {Runs({3, 2, 2, 4, 1, 2, 3}), 322314},
        {Runs({2, 3, 4, 5, 6}), 1213141516},
        // Sizes 2 to 7 once each would be 121314151617, too long for an int.
        {Runs({2, 3, 4, 5, 6, 7}), INT_MAX},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.values));
        const int *v = c.values.data();
        int n = N(c.values);
        EXPECT_EQ(util.GetLianMaFor5Ofy(v, n), c.code);
        EXPECT_EQ(util.GetLianMaFor6Ofy(v, n), c.code);
        EXPECT_EQ(util.GetLianMaFor7Ofy(v, n), c.code);
    }
}

TEST(CalculationUtilGroupsTest, LianMaForMagic3)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> row;
        int steps;
    } cases[] = {{{1, 3, 5}, 0}, {{1, 2, 5}, 1}, {{5, 1, 2}, 1}, {{1, 2, 3}, 2}, {{3, 2, 1}, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.GetLianMaForMagic3(c.row.data(), N(c.row)), c.steps);
    }
}

// ---- Same tails and same numbers ---------------------------------------------------------------

TEST(CalculationUtilGroupsTest, SameTailCodes)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> row;
        int code;
    } cases[] = {
        {{1, 11, 21, 2, 12}, 1213}, // tails 1 1 1 2 2
        {{1, 2, 3, 4, 5}, 0},
        {{3, 12, 19, 25, 31}, 0},           // tails 3 2 9 5 1
        {{4, 8, 15, 21, 22}, 0},            // tails 4 8 5 1 2
        {{1, 11, 2, 3, 4, 5}, 12},          // six numbers
        {{2, 7, 8, 15, 21, 22, 30}, 12},    // tails 2 7 8 5 1 2 0
        {{1, 11, 21, 31, 2, 12, 22}, 1314}, // tails 1 x4, 2 x3
        {{10, 20, 30, 3, 13, 23, 33}, 1314},
        {{5, 5, 5, 5, 5, 5, 5}, 17},
        {{5, 15, 25, 35, 5, 15, 1}, 16},
        {{1, 11, 2, 12, 3, 13, 23}, 2213},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        const int *r = c.row.data();
        int n = N(c.row);
        EXPECT_EQ(util.GetSameTailGroup(r, n), c.code);
        EXPECT_EQ(util.GetSameTailGroupFor5(r, n), c.code);
        EXPECT_EQ(util.GetSameTailGroupFor6(r, n), c.code);
        EXPECT_EQ(util.GetSameTailGroupFor7(r, n), c.code);
        EXPECT_EQ(util.GetSameTailNumFor7(r, n), c.code);
    }
}

TEST(CalculationUtilGroupsTest, SameNumberCodes)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> row;
        int code;
    } cases[] = {
        {{3, 3, 5, 5, 5}, 1213},
        {{3, 12, 19, 25, 31}, 0},
        {{9, 0, 4, 4, 8}, 12}, // five digits
        {{3, 5, 3}, 12},
        {{7, 7, 7}, 13},
        {{2, 2, 1}, 12}, // dice
        {{5, 5, 5}, 13},
        {{1, 1, 2, 2, 3, 3, 3}, 2213},
        {{1, 1, 2, 2, 3, 3, 4}, 32},
        {{6, 6, 6, 6, 6, 6, 6}, 17},
        {{6, 6, 6, 1, 6, 6, 6}, 16},
        {{1, 11, 21}, 0}, // same tails are not same numbers
        // Long rows, beyond every fixed buffer, computed in full.
        {std::vector<int>(20, 1), 120},
        {Repeats({2, 2, 2, 2, 2, 2, 2, 2, 2}), 92},
        // 17 values: counts 3 2 2 4 1 2 3 -> three of 2, two of 3, one of 4.
        {Repeats({3, 2, 2, 4, 1, 2, 3}), 322314},
        {Repeats({2, 3, 4, 5, 6, 7}), INT_MAX},
        // Values beyond 63 (no lotto or digit row has them) are grouped the same way.
        {{100, 200, 100, 200, 200}, 1213},
        {{64, 65, 66}, 0},
        {Shifted(Repeats({3, 2, 2, 4, 1, 2, 3}), 1000), 322314},
        {std::vector<int>(300, 70), 1300},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        const int *r = c.row.data();
        int n = N(c.row);
        EXPECT_EQ(util.GetSameNumGroup(r, n), c.code);
        EXPECT_EQ(util.GetSameNumGroupFor5(r, n), c.code);
        EXPECT_EQ(util.GetSameNumGroupFor6(r, n), c.code);
        EXPECT_EQ(util.GetSameNumGroupFor7(r, n), c.code);
        EXPECT_EQ(util.GetChongMuNum(r, n), c.code);
        EXPECT_EQ(util.GetChongMuNumFor7(r, n), c.code);
    }
}

// ---- Checks --------------------------------------------------------------------------------------------

struct CheckCase {
    std::vector<int> list;
    std::vector<int> row;
    int result;
};

TEST(CalculationUtilGroupsTest, CheckChongMa)
{
    CCalculationUtil util;
    const CheckCase cases[] = {
        {{-1}, {1, 2, 3}, 1}, // -1: no repeat, and there is none
        {{-1}, {4, 4, 1}, 0},
        {{4}, {4, 4, 1}, 1},
        {{4}, {1, 2, 3}, 0},
        {{1}, {4, 4, 1}, 0},       // 1 occurs only once
        {{2, -1}, {1, 2, 3}, 1},   // decided at the -1
        {{9, 4}, {4, 0, 4, 8}, 1}, // decided at the 4
        {{}, {4, 4, 1}, 0},
        // Values beyond 63.
        {{100}, {100, 5, 100}, 1},
        {{-1}, {100, 200, 300}, 1},
        {{-1}, Shifted(Repeats({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), 500), 1},
        {{-1}, Shifted(Repeats({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2}), 500), 0},
    };
    for (const CheckCase &c : cases) {
        SCOPED_TRACE(Trace(c.list) + L"| " + Trace(c.row));
        EXPECT_EQ(util.CheckChongMa(c.list.data(), N(c.list), c.row.data(), N(c.row)), c.result);
    }
}

TEST(CalculationUtilGroupsTest, CheckChongMaNumAndSameTailNum)
{
    CCalculationUtil util;
    const CheckCase sameNum[] = {
        {{12}, {9, 0, 4, 4, 8}, 1},
        {{13}, {9, 0, 4, 4, 8}, 0},
        {{0, 2213}, {1, 1, 2, 2, 3, 3, 3}, 1}, // seven numbers
        {{0}, {1, 2, 3}, 1},
    };
    for (const CheckCase &c : sameNum) {
        SCOPED_TRACE(Trace(c.list) + L"| " + Trace(c.row));
        EXPECT_EQ(util.CheckChongMaNum(c.list.data(), N(c.list), c.row.data(), N(c.row)), c.result);
    }
    const CheckCase sameTail[] = {
        {{1213}, {1, 11, 21, 2, 12}, 1},      {{0}, {1, 11, 21, 2, 12}, 0},
        {{12}, {2, 7, 8, 15, 21, 22, 30}, 1},                            // seven numbers
        {{12}, {1, 11, 2, 3, 4, 5}, 1},                                  // six
        {{0}, {4, 8, 15, 21, 22}, 1},         {{13}, {1, 11, 21, 5}, 1}, // four numbers
    };
    for (const CheckCase &c : sameTail) {
        SCOPED_TRACE(Trace(c.list) + L"| " + Trace(c.row));
        EXPECT_EQ(util.CheckSameTailNum(c.list.data(), N(c.list), c.row.data(), N(c.row)), c.result);
    }
}

TEST(CalculationUtilGroupsTest, CheckTail)
{
    CCalculationUtil util;
    const CheckCase cases[] = {
        {{1, 2}, {11, 22, 31}, 1},
        {{1, 2}, {11, 23}, 0},
        {{0}, {10, 20, 30}, 1},
        {{5}, {}, 1},
        // Twelve numbers, more than a ten-slot buffer: every one is tested.
        {{1}, {1, 11, 21, 31, 1, 11, 21, 31, 1, 11, 21, 31}, 1},
        {{1}, {1, 11, 21, 31, 1, 11, 21, 31, 1, 11, 21, 32}, 0},
    };
    for (const CheckCase &c : cases) {
        SCOPED_TRACE(Trace(c.list) + L"| " + Trace(c.row));
        EXPECT_EQ(util.CheckTail(c.list.data(), N(c.list), c.row.data(), N(c.row)), c.result);
    }
}

TEST(CalculationUtilGroupsTest, CheckOnlySameTail)
{
    CCalculationUtil util;
    const CheckCase cases[] = {
        {{1}, {11, 21, 5}, 1},
        {{2}, {11, 21, 5}, 0},
        {{-1}, {11, 22, 33}, 1}, // all last digits differ
        {{-1}, {11, 21}, 0},
        {{3, -1}, {11, 22, 33}, 1},
        {{}, {11, 21}, 0},
        {{2}, {2, 7, 8, 15, 21, 22, 30}, 1}, // 2 and 22
        {{2}, {4, 8, 15, 21, 22}, 0},
        {{-1}, {-1, 9}, 1}, // tails -1 and 9 differ
    };
    for (const CheckCase &c : cases) {
        SCOPED_TRACE(Trace(c.list) + L"| " + Trace(c.row));
        EXPECT_EQ(util.CheckOnlySameTail(c.list.data(), N(c.list), c.row.data(), N(c.row)), c.result);
        EXPECT_EQ(util.CheckSameTail(c.list.data(), N(c.list), c.row.data(), N(c.row)), c.result);
    }
}

TEST(CalculationUtilGroupsTest, CheckSameTailTimes)
{
    CCalculationUtil util;
    const std::vector<int> row{11, 21, 2, 12, 3}; // tails 1 1 2 2 3
    struct Case {
        std::vector<int> tails;
        int times, result;
    } cases[] = {{{1, 2}, 2, 1}, {{1, 2}, 1, 0}, {{3}, 1, 1}, {{4}, 0, 1}, {{}, 5, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.tails));
        EXPECT_EQ(util.CheckSameTail(row.data(), N(row), c.tails.data(), N(c.tails), c.times), c.result);
    }
}

TEST(CalculationUtilGroupsTest, CheckZiDingYi)
{
    CCalculationUtil util;
    const std::vector<int> row{1, 2, 2, 5};
    const std::vector<int> set{2, 5, 9};
    // Distinct row values in the set: 2 and 5.
    const std::vector<int> two{2}, three{3}, none{};
    EXPECT_EQ(util.CheckZiDingYi(row.data(), 4, set.data(), 3, two.data(), 1), 1);
    EXPECT_EQ(util.CheckZiDingYi(row.data(), 4, set.data(), 3, three.data(), 1), 0);
    EXPECT_EQ(util.CheckZiDingYi(row.data(), 4, set.data(), 3, none.data(), 0), 0);
}

} // namespace
} // namespace calculation

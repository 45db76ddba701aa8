#include "calculation/calculation_util.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

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

// ---- Values ------------------------------------------------------------------------------------

struct ValueCase {
    std::vector<int> row;
    int sum, tailSum, sumTail, span, biggest, smallest, average, biggestLag, ac;
};

// Games: three digits, five digits, 5 of 35, 7 of 30, 5 of 22 holding 22, three dice.
// AC: distinct absolute differences of all pairs minus (n - 1).
const ValueCase kValueCases[] = {
    // 3 5 3: average 11/3 = 3.67 -> 4; differences 2, 0, 2 -> {0, 2} -> 2 - 2 = 0.
    {{3, 5, 3}, 11, 11, 1, 2, 5, 3, 4, 2, 0},
    // 0 9 4: differences 9, 4, 5 -> 3 - 2 = 1.
    {{0, 9, 4}, 13, 13, 3, 9, 9, 0, 4, 9, 1},
    // 9 0 4 4 8: average 5.0 -> 5; differences {9, 5, 1, 4, 8, 0} -> 6 - 4 = 2.
    {{9, 0, 4, 4, 8}, 25, 25, 5, 9, 9, 0, 5, 9, 2},
    // 3 12 19 25 31: tails 3+2+9+5+1; differences {9,16,22,28,7,13,19,6,12} (6 twice) -> 9 - 4.
    {{3, 12, 19, 25, 31}, 90, 20, 0, 28, 31, 3, 18, 9, 5},
    // 2 7 8 15 21 22 30: 21 differences, 14 distinct {1,5,6,7,8,9,13,14,15,19,20,22,23,28} -> 14 - 6.
    {{2, 7, 8, 15, 21, 22, 30}, 105, 25, 5, 28, 30, 2, 15, 8, 8},
    // 4 8 15 21 22: differences {4,11,17,18,7,13,14,6,1} (7 twice) -> 9 - 4.
    {{4, 8, 15, 21, 22}, 70, 20, 0, 18, 22, 4, 14, 7, 5},
    // Dice 2 2 1: average 5/3 = 1.67 -> 2; differences 0, 1, 1 -> 2 - 2 = 0.
    {{2, 2, 1}, 5, 5, 5, 1, 2, 1, 2, 1, 0},
    // The worked AC example: differences 1,2,4,7,1,3,6,2,5,3 -> 7 distinct - 4 = 3.
    {{1, 2, 3, 5, 8}, 19, 19, 9, 7, 8, 1, 4, 3, 3},
    // Half rounds up: 1.5 -> 2; 1.33 -> 1.
    {{1, 2}, 3, 3, 3, 1, 2, 1, 2, 1, 0},
    {{1, 1, 2}, 4, 4, 4, 1, 2, 1, 1, 1, 0},
};

TEST(CalculationUtilTest, Values)
{
    CCalculationUtil util;
    for (const ValueCase &c : kValueCases) {
        SCOPED_TRACE(Trace(c.row));
        const int *row = c.row.data();
        int n = N(c.row);
        EXPECT_EQ(util.GetSum(row, n), c.sum);
        EXPECT_EQ(util.GetTailSum(row, n), c.tailSum);
        EXPECT_EQ(util.GetSumTail(row, n), c.sumTail);
        EXPECT_EQ(util.GetSpan(row, n), c.span);
        EXPECT_EQ(util.GetBiggest(row, n), c.biggest);
        EXPECT_EQ(util.GetSmallest(row, n), c.smallest);
        EXPECT_EQ(util.GetAverage(row, n), c.average);
        EXPECT_EQ(util.GetBiggestLag(row, n), c.biggestLag);
        EXPECT_EQ(util.GetAc(row, n), c.ac);
    }
}

TEST(CalculationUtilTest, AcCountsEveryPairOfAnyRow)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> row;
        int ac;
    } cases[] = {
        // Twelve numbers (66 pairs, more than a 50-slot buffer): 1..12 gives differences 1..11.
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0},
        // Wide differences: 100, 200, 1000, 100, 900, 800 -> 5 distinct - 3.
        {{0, 100, 200, 1000}, 2},
        // Small and wide mixed: 1, 99, 100, 98, 99, 1 -> 4 distinct - 3.
        {{1, 2, 100, 101}, 1},
        {{7}, 0},
        {{}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.GetAc(c.row.data(), N(c.row)), c.ac);
    }
}

TEST(CalculationUtilTest, EmptyAndNegativeCountsAreEmptyRows)
{
    CCalculationUtil util;
    int row[] = {5, 6};
    for (int n : {0, -3}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(util.GetSum(row, n), 0);
        EXPECT_EQ(util.GetSpan(row, n), 0);
        EXPECT_EQ(util.GetAverage(row, n), 0);
        EXPECT_EQ(util.GetAc(row, n), 0);
        EXPECT_EQ(util.OddEvenRate(row, n), 0);
        EXPECT_EQ(util.OddEvenRateText(row, n), L"0:0");
        EXPECT_TRUE(util.GetTails(row, n).empty());
        EXPECT_EQ(util.GetOddEven(row, n), L"");
        EXPECT_EQ(util.ArrayToStrNoCSS(row, n, L",", 1), L"");
    }
}

TEST(CalculationUtilTest, Tails)
{
    CCalculationUtil util;
    std::vector<int> row{3, 12, 19, 25, 30};
    EXPECT_EQ(util.GetTails(row.data(), N(row)), (std::vector<int>{3, 2, 9, 5, 0}));
}

// ---- Ratios --------------------------------------------------------------------------------------

struct RatioCase {
    std::vector<int> row;
    int limit, width;
    int oddEven;
    const wchar_t *oddEvenText;
    int zhiHe;
    const wchar_t *zhiHeText;
    int bigSmall;
    const wchar_t *bigSmallText;
    int threeArea;
    const wchar_t *threeAreaText;
    int luShu;
    const wchar_t *luShuText;
};

// limit is the smallest big number, width the width of each of three areas.
const RatioCase kRatioCases[] = {
    // Digits 3 5 3 (big from 5, areas 0-3, 4-6, 7-9): 3 and 5 are primes; 3 % 3 = 0, 5 % 3 = 2.
    {{3, 5, 3}, 5, 3, 30, L"3:0", 30, L"3:0", 12, L"1:2", 210, L"2:1:0", 201, L"2:0:1"},
    // 0 9 4: no primes (0 composite); 0 area 1, 9 area 3, 4 area 2; routes 0, 0, 1.
    {{0, 9, 4}, 5, 3, 12, L"1:2", 3, L"0:3", 12, L"1:2", 111, L"1:1:1", 210, L"2:1:0"},
    // Five digits 9 0 4 4 8: big 9, 8; areas 9, 8 in 3, 4, 4 in 2, 0 in 1; routes 0 0 1 1 2.
    {{9, 0, 4, 4, 8}, 5, 3, 14, L"1:4", 5, L"0:5", 23, L"2:3", 122, L"1:2:2", 221, L"2:2:1"},
    // 5 of 35 (big from 18, width 12): odd 3 19 25 31; primes 3 19 31; routes 0 0 1 1 1.
    {{3, 12, 19, 25, 31}, 18, 12, 41, L"4:1", 32, L"3:2", 32, L"3:2", 212, L"2:1:2", 230, L"2:3:0"},
    // 7 of 30 (big from 16, width 10): primes 2 7; routes 2 1 2 0 0 1 0.
    {{2, 7, 8, 15, 21, 22, 30}, 16, 10, 34, L"3:4", 25, L"2:5", 34, L"3:4", 313, L"3:1:3", 322, L"3:2:2"},
    // 5 of 22 (big from 12, width 7): 22 is above 2 × 7 and counts in area 3.
    {{4, 8, 15, 21, 22}, 12, 7, 23, L"2:3", 5, L"0:5", 32, L"3:2", 113, L"1:1:3", 221, L"2:2:1"},
    // Dice 1 3 6 (big from 4, width 2): 1 counts as prime.
    {{1, 3, 6}, 4, 2, 21, L"2:1", 21, L"2:1", 12, L"1:2", 111, L"1:1:1", 210, L"2:1:0"},
    // The worked examples.
    {{1, 2, 3}, 5, 3, 21, L"2:1", 30, L"3:0", 3, L"0:3", 300, L"3:0:0", 111, L"1:1:1"},
    {{1, 6, 9}, 5, 3, 21, L"2:1", 12, L"1:2", 21, L"2:1", 111, L"1:1:1", 210, L"2:1:0"},
    {{1, 12, 13, 24, 25}, 18, 12, 32, L"3:2", 23, L"2:3", 23, L"2:3", 221, L"2:2:1", 230, L"2:3:0"},
    {{1, 4, 9}, 5, 3, 21, L"2:1", 12, L"1:2", 12, L"1:2", 111, L"1:1:1", 120, L"1:2:0"},
};

TEST(CalculationUtilTest, Ratios)
{
    CCalculationUtil util;
    for (const RatioCase &c : kRatioCases) {
        SCOPED_TRACE(Trace(c.row));
        const int *row = c.row.data();
        int n = N(c.row);
        EXPECT_EQ(util.OddEvenRate(row, n), c.oddEven);
        EXPECT_EQ(util.OddEvenRateText(row, n), c.oddEvenText);
        EXPECT_EQ(util.ZhiHeRate(row, n), c.zhiHe);
        EXPECT_EQ(util.ZhiHeRateText(row, n), c.zhiHeText);
        EXPECT_EQ(util.BigSmallRate(row, n, c.limit), c.bigSmall);
        EXPECT_EQ(util.BigSmallRateText(row, n, c.limit), c.bigSmallText);
        EXPECT_EQ(util.ThreeAreaRate(row, n, c.width), c.threeArea);
        EXPECT_EQ(util.ThreeAreaRateText(row, n, c.width), c.threeAreaText);
        EXPECT_EQ(util.LuShuRate(row, n), c.luShu);
        EXPECT_EQ(util.LuShuRateText(row, n), c.luShuText);
    }
}

TEST(CalculationUtilTest, WuXingRateAndText)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> row;
        int mode;
        const wchar_t *rate;
        const wchar_t *text;
    } cases[] = {
        // 9 metal, 3 wood, 36 in no element: counted under 4, and no character.
        {{9, 3, 36}, 1, L"1:1:0:0:1", L"金木"},
        // 3 wood, 12 water, 19 fire, 25 water, 31 fire.
        {{3, 12, 19, 25, 31}, 1, L"0:1:2:2:0", L"木水火水火"},
        // 4 8 15 21 22: 4 wood, 8 earth, 15 wood, 21 metal, 22 metal.
        {{4, 8, 15, 21, 22}, 1, L"2:2:0:0:1", L"木土木金金"},
        // Digits: v % 5 -> 0 metal, 9 and 4 earth, 8 fire.
        {{9, 0, 4, 4, 8}, 0, L"1:0:0:1:3", L"土金土土火"},
        // Digit mode leaves 12 out (under 4 in the rate).
        {{7, 12}, 0, L"0:0:1:0:1", L"水"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.WuXingRateText(c.row.data(), N(c.row), c.mode), c.rate);
        EXPECT_EQ(util.GetWuXingText(c.row.data(), N(c.row), c.mode), c.text);
    }
}

// ---- Per-number class strings ---------------------------------------------------------------------

struct ClassCase {
    std::vector<int> row;
    int limit, width;
    const wchar_t *bigSmall, *oddEven, *zhiHe, *luShu, *threeArea;
    const wchar_t *bigSmallText, *oddEvenText, *zhiHeText, *threeAreaText;
};

// threeArea digits are (v - 1) / width clamped to 2; the area text is 1, 2, 3 by comparison.
const ClassCase kClassCases[] = {
    // (3-1)/3 = 0, (5-1)/3 = 1.
    {{3, 5, 3}, 5, 3, L"010", L"111", L"111", L"020", L"010", L"小大小", L"奇奇奇", L"质质质", L"121"},
    // (0-1)/3 truncates to 0; (9-1)/3 = 2; (4-1)/3 = 1.
    {{0, 9, 4}, 5, 3, L"010", L"010", L"000", L"001", L"021", L"小大小", L"偶奇偶", L"合合合", L"132"},
    // 19/18 = 1; (25-1)/12 = 2, (31-1)/12 = 2.
    {{3, 12, 19, 25, 31},
     18,
     12,
     L"00111",
     L"10111",
     L"10101",
     L"00111",
     L"00122",
     L"小小大大大",
     L"奇偶奇奇奇",
     L"质合质合质",
     L"11233"},
    // 5 of 22 with width 7: (22-1)/7 = 3 belongs to the third area, digit 2.
    {{4, 8, 15, 21, 22},
     12,
     7,
     L"00111",
     L"00110",
     L"00000",
     L"12001",
     L"01222",
     L"小小大大大",
     L"偶偶奇奇偶",
     L"合合合合合",
     L"12333"},
    // 7 of 30, width 10: (30-1)/10 = 2.
    {{2, 7, 8, 15, 21, 22, 30},
     16,
     10,
     L"0000111",
     L"0101100",
     L"1100000",
     L"2120010",
     L"0001222",
     L"小小小小大大大",
     L"偶奇偶奇奇偶偶",
     L"质质合合合合合",
     L"1112333"},
    // Dice, big from 4, width 2.
    {{1, 3, 6}, 4, 2, L"001", L"110", L"110", L"100", L"012", L"小小大", L"奇奇偶", L"质质合", L"123"},
};

TEST(CalculationUtilTest, ClassStrings)
{
    CCalculationUtil util;
    for (const ClassCase &c : kClassCases) {
        SCOPED_TRACE(Trace(c.row));
        const int *row = c.row.data();
        int n = N(c.row);
        EXPECT_EQ(util.GetBigSmall(row, n, c.limit), c.bigSmall);
        EXPECT_EQ(util.GetOddEven(row, n), c.oddEven);
        EXPECT_EQ(util.GetZhiHe(row, n), c.zhiHe);
        EXPECT_EQ(util.GetLuShuText(row, n), c.luShu);
        EXPECT_EQ(util.GetThreeArea(row, n, c.width), c.threeArea);
        EXPECT_EQ(util.GetBigSmallText(row, n, c.limit), c.bigSmallText);
        EXPECT_EQ(util.GetOddEvenText(row, n), c.oddEvenText);
        EXPECT_EQ(util.GetZhiHeText(row, n), c.zhiHeText);
        EXPECT_EQ(util.GetThreeAreaText(row, n, c.width), c.threeAreaText);

        ClassText text;
        util.GetBigSmall(row, n, c.limit, text);
        EXPECT_EQ(text.view(), c.bigSmall);
        util.GetOddEven(row, n, text);
        EXPECT_EQ(text.view(), c.oddEven);
        util.GetZhiHe(row, n, text);
        EXPECT_EQ(text.view(), c.zhiHe);
        util.GetLuShuText(row, n, text);
        EXPECT_EQ(text.view(), c.luShu);
        util.GetThreeArea(row, n, c.width, text);
        EXPECT_EQ(text.view(), c.threeArea);
        EXPECT_TRUE(text.complete());
    }
}

TEST(CalculationUtilTest, ZeroDivisorsGiveNoClass)
{
    CCalculationUtil util;
    std::vector<int> row{3, 12, 19};
    EXPECT_EQ(util.GetBigSmall(row.data(), 3, 0), L"");
    EXPECT_EQ(util.GetBigSmallText(row.data(), 3, 0), L"");
    EXPECT_EQ(util.GetThreeArea(row.data(), 3, 0), L"");
    EXPECT_EQ(util.GetBigOrSmallNum(row.data(), 3, 0, 0), 0);
    EXPECT_EQ(util.GetBigOrSmallSum(row.data(), 3, 1, 0), 0);
    // Comparisons need no division: with width 0 every positive number is above 2 × 0.
    EXPECT_EQ(util.ThreeAreaRate(row.data(), 3, 0), 3);
    std::vector<std::vector<int>> anyDigit{{0, 1, 2}, {0, 1, 2}, {0, 1, 2}};
    EXPECT_EQ(util.CheckEveryPosBigSmall(row.data(), 3, anyDigit, 0), 0);
    EXPECT_EQ(util.CheckEveryPosArea(row.data(), 3, anyDigit, 0), 0);
    EXPECT_EQ(util.CheckEveryPos(row.data(), 3, anyDigit, 0), 0);
    EXPECT_EQ(util.CheckEveryPos(row.data(), 3, {{}, {}, {}}, 0), 1); // nothing tested
}

TEST(CalculationUtilTest, ClassTextReportsWhatDidNotFit)
{
    CCalculationUtil util;
    std::vector<int> row(ClassText::kCapacity + 1, 7);
    ClassText text;
    util.GetOddEven(row.data(), N(row), text);
    EXPECT_FALSE(text.complete());
    EXPECT_EQ(text.length(), ClassText::kCapacity);
    // The std::wstring form has no limit.
    EXPECT_EQ(util.GetOddEven(row.data(), N(row)), std::wstring(row.size(), L'1'));
    text.clear();
    EXPECT_TRUE(text.complete());
}

// ---- Primes and elements ----------------------------------------------------------------------------

TEST(CalculationUtilTest, TwoPrimeRules)
{
    CCalculationUtil util;
    // Both rules on 0..36: 1 counts as prime, 0 does not.
    const std::vector<int> primes{1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};
    for (int v = 0; v <= 36; ++v) {
        SCOPED_TRACE(v);
        bool prime = std::find(primes.begin(), primes.end(), v) != primes.end();
        EXPECT_EQ(util.IsZhiOrHe(v), prime ? 1 : 0);
        EXPECT_EQ(util.GetZhiHe(&v, 1), prime ? L"1" : L"0");
    }
    // Beyond 36 they part: the set rule knows only its list, the seed rule tests 2, 3, 5, 7.
    struct Case {
        int v;
        int seedRule;
        const wchar_t *setRule;
    } cases[] = {{37, 1, L"0"}, {49, 0, L"0"}, {121, 1, L"0"}, {64, 0, L"0"}, {-1, 1, L"0"}, {-2, 0, L"0"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(util.IsZhiOrHe(c.v), c.seedRule);
        EXPECT_EQ(util.GetZhiHe(&c.v, 1), c.setRule);
    }
}

TEST(CalculationUtilTest, WuXingOfOneNumber)
{
    CCalculationUtil util;
    struct Case {
        int v, mode, element;
    } cases[] = {
        {33, 1, 0}, {36, 1, -1}, {0, 1, -1}, {1, 1, 2}, {35, 1, 4}, {3, 1, 1}, {7, 1, 3},   {-4, 1, -1},
        {7, 0, 2},  {12, 0, -1}, {0, 0, 0},  {5, 0, 0}, {9, 2, 4},  {4, 0, 4}, {-1, 0, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(util.GetWuXing(c.v, c.mode), c.element);
    }
    // The element rows partition 1..35: each number in exactly one.
    for (int v = 1; v <= 35; ++v) {
        int rows = 0;
        for (const auto &elementRow : CCalculationUtil::kWuXingRows) {
            rows += static_cast<int>(std::count(elementRow.begin(), elementRow.end(), v));
        }
        EXPECT_EQ(rows, 1) << v;
        EXPECT_NE(util.GetWuXing(v, 1), -1) << v;
    }
}

// ---- Class counts and sums ------------------------------------------------------------------------

TEST(CalculationUtilTest, ClassCountsAndSums)
{
    CCalculationUtil util;
    const std::vector<int> lotto{3, 12, 19, 25, 31};
    const int *r = lotto.data();
    EXPECT_EQ(util.GetOddOrEvenNum(r, 5, 1), 4);
    EXPECT_EQ(util.GetOddOrEvenSum(r, 5, 1), 78); // 3 + 19 + 25 + 31
    EXPECT_EQ(util.GetOddOrEvenNum(r, 5, 0), 1);
    EXPECT_EQ(util.GetOddOrEvenSum(r, 5, 0), 12);
    EXPECT_EQ(util.GetZhiOrHeNum(r, 5, 1), 3); // 3, 19, 31 (seed rule)
    EXPECT_EQ(util.GetZhiOrHeSum(r, 5, 1), 53);
    EXPECT_EQ(util.GetZhiOrHeNum(r, 5, 0), 2);
    EXPECT_EQ(util.GetZhiOrHeSum(r, 5, 0), 37);
    EXPECT_EQ(util.GetBigOrSmallNum(r, 5, 1, 18), 3);
    EXPECT_EQ(util.GetBigOrSmallSum(r, 5, 1, 18), 75);
    EXPECT_EQ(util.GetBigOrSmallNum(r, 5, 0, 18), 2);
    EXPECT_EQ(util.GetBigOrSmallSum(r, 5, 0, 18), 15);
    EXPECT_EQ(util.GetWuXingNum(r, 5, 2, 1), 2); // 12, 25
    EXPECT_EQ(util.GetWuXingNum(r, 5, 3, 1), 2); // 19, 31
    EXPECT_EQ(util.GetWuXingNum(r, 5, 0, 1), 0);
    EXPECT_EQ(util.GetWuXingNum(r, 5, 7, 1), 0);

    const std::vector<int> seven{2, 7, 8, 15, 21, 22, 30};
    EXPECT_EQ(util.GetLuShuNum(seven.data(), 7, 0), 3); // 15, 21, 30
    EXPECT_EQ(util.GetLuShuSum(seven.data(), 7, 0), 66);
    EXPECT_EQ(util.GetLuShuNum(seven.data(), 7, 1), 2); // 7, 22
    EXPECT_EQ(util.GetLuShuSum(seven.data(), 7, 1), 29);
    EXPECT_EQ(util.GetLuShuNum(seven.data(), 7, 2), 2); // 2, 8
    EXPECT_EQ(util.GetLuShuSum(seven.data(), 7, 2), 10);

    const std::vector<int> small{4, 8, 15, 21, 22};
    EXPECT_EQ(util.GetAreaNum(small.data(), 5, 7, 0), 1);
    EXPECT_EQ(util.GetAreaNum(small.data(), 5, 7, 1), 1);
    EXPECT_EQ(util.GetAreaNum(small.data(), 5, 7, 2), 3);
    EXPECT_EQ(util.GetAreaNum(small.data(), 5, 7, 5), 3); // any other area is the third
    EXPECT_EQ(util.GetAreaNum2(small.data(), 5, 8, 21), 3);
    EXPECT_EQ(util.GetZhiOrHeNum(small.data(), 5, 1), 0);
    EXPECT_EQ(util.GetZhiOrHeSum(small.data(), 5, 0), 70);

    const std::vector<int> digits{9, 0, 4, 4, 8};
    EXPECT_EQ(util.GetWuXingNum(digits.data(), 5, 4, 0), 3); // 9, 4, 4
    EXPECT_EQ(util.GetWuXingNum(digits.data(), 5, 0, 0), 1); // 0 (no 5)
}

// ---- Shapes ---------------------------------------------------------------------------------------

TEST(CalculationUtilTest, TwoPositionCodes)
{
    CCalculationUtil util;
    const std::vector<int> row{3, 12, 19, 25, 31};
    const int p13[] = {1, 3};
    const int p31[] = {3, 1};
    const int p01[] = {0, 1};
    EXPECT_EQ(util.GetErWeiHe(row.data(), p13), 37);
    EXPECT_EQ(util.GetErWeiCha(row.data(), p13), 13);
    EXPECT_EQ(util.GetErWeiCha(row.data(), p31), 13);
    EXPECT_EQ(util.GetErWeiMa(row.data(), p31), L"1225"); // smaller first
    EXPECT_EQ(util.GetErWeiMa(row.data(), p01), L"312");
    ClassText text;
    util.GetErWeiMa(row.data(), p31, text);
    EXPECT_EQ(text.view(), L"1225");
}

TEST(CalculationUtilTest, CheckErMa)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> codes, row;
        int result;
    } cases[] = {
        {{35}, {5, 3, 9}, 1}, // pair 5, 3 -> 35
        {{59}, {5, 3, 9}, 1},
        {{95}, {5, 3, 9}, 0}, // the smaller digit always comes first
        {{12, 44}, {4, 0, 4}, 1},
        {{}, {5, 3, 9}, 0},
        // Nine numbers: the pair 8, 9 sits at positions 7 and 8.
        {{89}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.CheckErMa(c.codes.data(), N(c.codes), c.row.data(), N(c.row)), c.result);
    }
}

TEST(CalculationUtilTest, ThreeDigitShapes)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> row;
        int distinct;
        const wchar_t *shape;
        int repeated;
        const wchar_t *lian;
    } cases[] = {
        {{3, 5, 3}, 2, L"<span style='color:red'>组三</span>", 3, L"不连"},
        {{5, 3, 3}, 2, L"<span style='color:red'>组三</span>", 3, L"不连"},
        {{3, 3, 5}, 2, L"<span style='color:red'>组三</span>", 3, L"不连"},
        {{7, 7, 7}, 1, L"<span style='color:orange'>豹子</span>", 7, L"不连"},
        // differences 1, 2, 1 sum to 4
        {{1, 2, 3}, 3, L"组六", -1, L"<span style='color:yellow'>三连</span>"},
        {{3, 1, 2}, 3, L"组六", -1, L"<span style='color:yellow'>三连</span>"},
        // 1, 4, 3 and 0, 1, 1: one step, not a run of three
        {{1, 2, 5}, 3, L"组六", -1, L"<span style='color:red'>二连</span>"},
        {{2, 2, 3}, 2, L"<span style='color:red'>组三</span>", 2, L"<span style='color:red'>二连</span>"},
        {{1, 3, 5}, 3, L"组六", -1, L"不连"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.IsZlOrZsOrBz(c.row.data(), 3), c.distinct);
        EXPECT_EQ(util.zuXuanOrZhiText(c.row.data(), 3), c.shape);
        EXPECT_EQ(util.GetChongMaForMagic3(c.row.data(), 3), c.repeated);
        EXPECT_EQ(util.GetLianMaForMagic3Text(c.row.data(), 3), c.lian);
    }
    int two[] = {5, 5};
    EXPECT_EQ(util.GetChongMaForMagic3(two, 2), -1); // too short to read three digits
}

TEST(CalculationUtilTest, NumbersNoGameHasNeverOverflowTheStatistics)
{
    CCalculationUtil util;
    int high[] = {INT_MAX, INT_MAX, INT_MAX};
    int spread[] = {INT_MIN, INT_MAX, 0};
    int low[] = {INT_MIN, INT_MIN, INT_MIN};
    EXPECT_EQ(util.GetSum(high, 3), INT_MAX);
    EXPECT_EQ(util.GetSum(low, 3), INT_MIN);
    EXPECT_EQ(util.GetSum(spread, 3), -1);
    EXPECT_EQ(util.GetSpan(spread, 3), INT_MAX);
    EXPECT_EQ(util.GetSpan(high, 3), 0);
    EXPECT_EQ(util.GetAverage(high, 3), INT_MAX / 3);
    EXPECT_EQ(util.GetNumLagForMagic3(high, 3), static_cast<int>(111LL * INT_MAX / 250));
    EXPECT_EQ(util.GetNumLagForQuick3(low, 3), 0);
    EXPECT_EQ(util.GetNumLagForTtc4Of10(low, 3), -1);
    EXPECT_EQ(util.GetSum(high, 3) % 10, util.GetSumTail(high, 3));
    EXPECT_EQ(util.GetAc(spread, 3), 1);
}

TEST(CalculationUtilTest, NumberLags)
{
    CCalculationUtil util;
    struct Case {
        std::vector<int> row;
        int magic3, quick3;
    } cases[] = {
        // 100 r0 + 10 r1 + r2: Magic3 / 250; Quick3 by the bounds 221, 332, 443, 555.
        {{2, 2, 1}, 0, 0}, {{2, 2, 2}, 0, 1}, {{3, 3, 2}, 1, 1}, {{3, 3, 3}, 1, 2}, {{4, 4, 3}, 1, 2},
        {{4, 4, 4}, 1, 3}, {{5, 5, 4}, 2, 3}, {{5, 5, 5}, 2, 4}, {{6, 6, 6}, 2, 4}, {{2, 4, 9}, 0, 1},
        {{2, 5, 0}, 1, 1}, {{9, 9, 9}, 3, 4}, {{7, 4, 9}, 2, 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.GetNumLagForMagic3(c.row.data(), 3), c.magic3);
        EXPECT_EQ(util.GetNumLagForQuick3(c.row.data(), 3), c.quick3);
    }
    int four[] = {3, 9, 9, 9};
    int low[] = {0, 1, 2, 3};
    EXPECT_EQ(util.GetNumLagForTtc4Of10(four, 4), 3);
    EXPECT_EQ(util.GetNumLagForTtc4Of10(low, 4), 0);
    EXPECT_EQ(util.GetNumLagForTtc4Of10(four, 3), -1);
    EXPECT_EQ(util.GetNumLagForQuick3(four, 2), -1);
}

TEST(CalculationUtilTest, SameNumberAndRunTexts)
{
    CCalculationUtil util;
    struct SameCase {
        std::vector<int> row;
        const wchar_t *text;
    } same[] = {{{1, 1, 2}, L"1"}, {{1, 2, 3}, L"-"}, {{4, 2, 4, 2, 2}, L"4,2"}, {{}, L"-"}};
    for (const SameCase &c : same) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.GetSameNumText(c.row.data(), N(c.row)), c.text);
    }

    struct LianCase {
        std::vector<int> row;
        int keep;
        const wchar_t *text;
    } lian[] = {
        {{5, 3, 4, 9, 10}, 0, L"3,4,5,9,10"}, // sorted: 3 4 5 and 9 10
        {{5, 3, 4, 9, 10}, 1, L"3,4,9,10"},   // as given: 5 has no neighbour 4 or 6 beside it
        {{2, 2, 3}, 0, L"2,3"},               // repeats dropped
        {{2, 2, 3}, 1, L"2,3"},               // 2 2 is no step; 2 3 is
        {{5, 4}, 1, L"-"},                    // a step down in the given order does not count
        {{1, 3, 5}, 0, L"-"},
        {{7}, 0, L"-"},
        {{7, 7}, 0, L"-"}, // one value left after dropping repeats
    };
    for (const LianCase &c : lian) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.GetLianText(c.row.data(), N(c.row), c.keep), c.text);
    }
}

TEST(CalculationUtilTest, ChongMaAndCounting)
{
    CCalculationUtil util;
    const std::vector<int> row{3, 5, 3};
    EXPECT_EQ(util.GetChongMa(row.data(), L"2", 3), 3);
    EXPECT_EQ(util.GetChongMa(row.data(), L"1", 3), 5);
    EXPECT_EQ(util.GetChongMa(row.data(), L"3", 3), -1);
    EXPECT_EQ(util.GetChongMa(row.data(), L"0", 3), 0); // 0 is the smallest digit not present

    const std::vector<std::wstring> items{L"a", L"b", L"a"};
    EXPECT_EQ(util.GetSameBInA(items, L"a"), 2);
    EXPECT_EQ(util.GetSameBInA(items, L"c"), 0);
}

// ---- Renderers -------------------------------------------------------------------------------------

TEST(CalculationUtilTest, Renderers)
{
    CCalculationUtil util;
    const std::vector<int> row{3, 12, 4, 11};
    EXPECT_EQ(util.ArrayToStr(row.data(), 2, 2, L"'r'", L"'b'", 1),
              L"<span style='r'>03</span><span style='r'>12</span><span style='b'>04</span>"
              L"<span style='b'>11</span>");
    EXPECT_EQ(util.ArrayToStr(row.data(), 2, 0, L"'r'", L"", 0),
              L"<span style='r'>3</span><span style='r'>12</span>");

    const std::vector<std::wstring> texts{L"大", L"小"};
    EXPECT_EQ(util.ArrayToStr(texts, L"s"), L"<span style=s>大</span><span style=s>小</span>");

    struct Case {
        std::vector<int> row;
        const wchar_t *sep;
        int pad;
        const wchar_t *text;
    } cases[] = {
        {{3, 12}, L",", 1, L"03,12"},  {{3, 12}, L",", 0, L"3,12"}, {{0, 9, 4}, L"", 0, L"094"},
        {{1, 2}, L" - ", 0, L"1 - 2"}, {{7}, L"+", 1, L"07"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Trace(c.row));
        EXPECT_EQ(util.ArrayToStrNoCSS(c.row.data(), N(c.row), c.sep, c.pad), c.text);
    }
}

// ---- Parsing and ordering -------------------------------------------------------------------------------

TEST(CalculationUtilTest, Parsing)
{
    CCalculationUtil util;
    EXPECT_EQ(util.StringToIntArray(L"1 2,3\r\n4,,5"), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(util.StringToIntArray(L"07\n12"), (std::vector<int>{7, 12}));
    EXPECT_TRUE(util.StringToIntArray(L"").empty());

    struct Case {
        const wchar_t *text;
        std::vector<std::wstring> pieces;
    } cases[] = {
        {L"", {}},
        {L"a,,b", {L"a", L"", L"b"}},
        {L"1 2\r\n3", {L"1", L"2", L"3"}},
        {L"1\n2\r3", {L"1", L"2", L"3"}}, // lone LF and CR end lines too
        {L"1,", {L"1", L""}},
        {L"x", {L"x"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(util.StringToStrArray(c.text), c.pieces);
    }
}

TEST(CalculationUtilTest, SortMapsByTheirFirstValue)
{
    CCalculationUtil util;
    // Smallest keys: 5 -> 3; 1 -> 2; 2 -> 2; none. Equal values keep their order.
    std::vector<std::map<int, int>> maps{{{5, 3}}, {{9, 0}, {1, 2}}, {{2, 2}}, {}};
    util.SortArray(maps);
    std::vector<std::map<int, int>> expected{{}, {{9, 0}, {1, 2}}, {{2, 2}}, {{5, 3}}};
    EXPECT_EQ(maps, expected);
}

TEST(CalculationUtilTest, SortRows)
{
    CCalculationUtil util;
    std::vector<std::vector<int>> rows{{1, 5, 3}, {1, 2, 9}, {0, 9, 9}, {1, 2, 8}};
    util.SortArray(rows, 3);
    EXPECT_EQ(rows, (std::vector<std::vector<int>>{{0, 9, 9}, {1, 2, 8}, {1, 2, 9}, {1, 5, 3}}));

    // Over the first entry only, so rows equal there keep their order.
    std::vector<std::vector<int>> firstOnly{{2, 1}, {1, 9}, {2, 0}};
    util.SortArray(firstOnly, 1);
    EXPECT_EQ(firstOnly, (std::vector<std::vector<int>>{{1, 9}, {2, 1}, {2, 0}}));

    int a[] = {3, 0, 0};
    int b[] = {0, 9, 9};
    int c[] = {1, 0, 0};
    std::vector<int *> pointers{a, b, c};
    util.SortArray(pointers, 3);
    EXPECT_EQ(pointers, (std::vector<int *>{b, c, a}));

    std::vector<int *> list{a, b, c}; // keys 300, 99, 100
    util.SortList(list);
    EXPECT_EQ(list, (std::vector<int *>{b, c, a}));

    basekit::MapList settings(2);
    settings.front()[L"k"] = L"v";
    basekit::MapList before = settings;
    util.SortList(settings);
    EXPECT_EQ(settings, before);
}

TEST(CalculationUtilTest, RowComparisonAndRelease)
{
    CCalculationUtil util;
    int a[] = {1, 5};
    int b[] = {2, 4};
    int same[] = {1, 5};
    EXPECT_EQ(util.IsRowAbiggerThanRowB(a, b, 2), 1); // 5 > 4
    EXPECT_EQ(util.IsRowAbiggerThanRowB(a, same, 2), 0);
    EXPECT_EQ(util.IsRowAbiggerThanRowB(a, b, 1), 0);

    std::vector<int> row{1, 2, 3};
    util.DeleteRow(row);
    EXPECT_TRUE(row.empty());
}

// ---- Per-position checks ---------------------------------------------------------------------------

TEST(CalculationUtilTest, PerPositionChecks)
{
    CCalculationUtil util;
    using Lists = std::vector<std::vector<int>>;
    const std::vector<int> lotto{3, 12, 19, 25, 31};
    const int *r = lotto.data();

    // Big/small by v / 18: 0 0 1 1 1.
    EXPECT_EQ(util.CheckEveryPosBigSmall(r, 5, Lists{{0}, {0, 1}, {}, {1}}, 18), 1);
    EXPECT_EQ(util.CheckEveryPosBigSmall(r, 5, Lists{{1}}, 18), 0);
    // More entries than numbers: only the five positions of the row are tested.
    EXPECT_EQ(util.CheckEveryPosBigSmall(r, 5, Lists(8, {0, 1}), 18), 1);
    EXPECT_EQ(util.CheckEveryPosBigSmall(r, 5, Lists{}, 18), 1);

    // Set-rule primes: 3 yes, 12 no, 19 yes.
    EXPECT_EQ(util.CheckEveryPosZhiHe(r, 5, Lists{{1}, {0}, {1}}), 1);
    EXPECT_EQ(util.CheckEveryPosZhiHe(r, 5, Lists{{0}}), 0);

    // Odd/even and 012 route: 3 12 19 25 31 -> parity 1 0 1 1 1, route 0 0 1 1 1.
    EXPECT_EQ(util.CheckEveryPos(r, 5, Lists{{1}, {0}, {1}, {1}, {1}}, 2), 1);
    EXPECT_EQ(util.CheckEveryPos(r, 5, Lists{{0}, {0}, {1}, {1}, {0}}, 3), 0);
    EXPECT_EQ(util.CheckEveryPos(r, 5, Lists{{0}, {0}, {1}, {1}, {1}}, 3), 1);

    // 5 of 22, width 7: 4 8 15 21 22 are in areas 0 1 2 2 2 (22 in the third area).
    const std::vector<int> small{4, 8, 15, 21, 22};
    EXPECT_EQ(util.CheckEveryPosArea(small.data(), 5, Lists{{0}, {1}, {2}, {2}, {2}}, 7), 1);
    EXPECT_EQ(util.CheckEveryPosArea(small.data(), 5, Lists{{}, {}, {}, {}, {3}}, 7), 0);

    // Elements: 3 wood (1); 36 none, which no list holds.
    const std::vector<int> wood{3, 36};
    EXPECT_EQ(util.CheckEveryPosWuXing(wood.data(), 2, Lists{{1}, {0, 1, 2, 3, 4}}, 1), 0);
    EXPECT_EQ(util.CheckEveryPosWuXing(wood.data(), 2, Lists{{1}, {}}, 1), 1);
    const std::vector<int> digits{9, 0, 7};
    EXPECT_EQ(util.CheckEveryPosWuXing(digits.data(), 3, Lists{{4}, {0}, {2}}, 0), 1);
}

} // namespace
} // namespace calculation

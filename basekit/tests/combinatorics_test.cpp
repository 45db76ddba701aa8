#include "basekit/combinatorics.h"

#include <algorithm>
#include <climits>
#include <set>

#include <gtest/gtest.h>

#include "basekit/string_split.h"

namespace basekit {
namespace {

using Ints = std::vector<int>;
using Rows = std::vector<Ints>;

struct CountCase {
    int x;
    int y;
    long long expected;
};

class FactorialTest : public testing::TestWithParam<CountCase> {};

TEST_P(FactorialTest, Counts)
{
    EXPECT_EQ(Factorial(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FactorialTest,
                         testing::Values(CountCase{0, 0, 1}, CountCase{1, 0, 1}, CountCase{2, 0, 2},
                                         CountCase{5, 0, 120}, CountCase{10, 0, 3628800},
                                         CountCase{20, 0, 2432902008176640000LL},
                                         // Outside the domain: no factorial, or more than 64 bits.
                                         CountCase{-1, 0, 0}, CountCase{21, 0, LLONG_MAX},
                                         CountCase{1000, 0, LLONG_MAX}));

class CXyTest : public testing::TestWithParam<CountCase> {};

TEST_P(CXyTest, CountsSubsets)
{
    EXPECT_EQ(CXy(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CXyTest,
    testing::Values(CountCase{5, 3, 10}, CountCase{3, 5, 0}, CountCase{5, 0, 1}, CountCase{0, 0, 1},
                    CountCase{5, 5, 1}, CountCase{15, 5, 3003}, CountCase{33, 6, 1107568},
                    CountCase{35, 7, 6724520}, CountCase{49, 6, 13983816},
                    // The product n(n-1)...(n-k+1) alone would not fit in 64 bits for these.
                    CountCase{100, 10, 17310309456440LL}, CountCase{66, 33, 7219428434016265740LL},
                    CountCase{1000, 3, 166167000}, CountCase{67, 33, LLONG_MAX}, CountCase{-1, 2, 0},
                    CountCase{5, -1, 0}, CountCase{-3, -5, 0}));

class AXyTest : public testing::TestWithParam<CountCase> {};

TEST_P(AXyTest, CountsArrangements)
{
    EXPECT_EQ(AXy(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AXyTest,
                         testing::Values(CountCase{5, 2, 20}, CountCase{5, 0, 1}, CountCase{5, 5, 120},
                                         CountCase{2, 5, 0}, CountCase{30, 5, 17100720},
                                         CountCase{20, 20, 2432902008176640000LL},
                                         // 25! does not fit, but 25!/12! does.
                                         CountCase{25, 13, 32382376266240000LL}, CountCase{40, 40, LLONG_MAX},
                                         CountCase{-1, 0, 0}, CountCase{3, -1, 0}));

class MiTest : public testing::TestWithParam<CountCase> {};

TEST_P(MiTest, RaisesToThePower)
{
    EXPECT_EQ(Mi(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MiTest,
                         testing::Values(CountCase{10, 3, 1000}, CountCase{7, 0, 1}, CountCase{0, 0, 1},
                                         CountCase{3, 1, 3}, CountCase{2, 10, 1024}, CountCase{-2, 3, -8},
                                         CountCase{-3, 2, 9}, CountCase{0, 2, 0}, CountCase{1, INT_MAX, 1},
                                         CountCase{-1, INT_MAX, -1}, CountCase{-1, 4, 1},
                                         CountCase{2, 62, 4611686018427387904LL},
                                         CountCase{-2, 63, LLONG_MIN}, CountCase{2, 63, LLONG_MAX},
                                         CountCase{-2, 65, LLONG_MIN}, CountCase{-2, 64, LLONG_MAX},
                                         CountCase{10, INT_MAX, LLONG_MAX}, CountCase{2, -1, 0}));

TEST(Permutation1Test, ProducesEveryArrangementInExchangeOrder)
{
    const Ints src = {1, 2, 3};
    const Rows expected = {{1, 2, 3}, {1, 3, 2}, {2, 1, 3}, {2, 3, 1}, {3, 2, 1}, {3, 1, 2}};
    EXPECT_EQ(Permutation1(src.data(), 3), expected);
}

TEST(Permutation1Test, GivesNFactorialRowsEvenWithRepeats)
{
    const Ints distinct = {4, 7, 1, 9, 5};
    Rows rows = Permutation1(distinct.data(), 5);
    ASSERT_EQ(rows.size(), 120u);
    EXPECT_EQ(std::set<Ints>(rows.begin(), rows.end()).size(), 120u);
    for (const Ints &row : rows) {
        EXPECT_TRUE(std::is_permutation(row.begin(), row.end(), distinct.begin()));
    }

    const Ints repeated = {1, 1, 2};
    EXPECT_EQ(Permutation1(repeated.data(), 3).size(), 6u);
}

TEST(Permutation1Test, EdgeSizes)
{
    const Ints one = {8};
    EXPECT_EQ(Permutation1(one.data(), 1), (Rows{{8}}));
    EXPECT_EQ(Permutation1(nullptr, 0), (Rows{Ints{}}));
    EXPECT_TRUE(Permutation1(nullptr, -1).empty());
}

TEST(Permutation2Test, KeepsEachDistinctArrangementAtItsFirstProduction)
{
    const Ints src = {1, 1, 2};
    EXPECT_EQ(Permutation2(src.data(), 3), (Rows{{1, 1, 2}, {1, 2, 1}, {2, 1, 1}}));

    const Ints same = {3, 3, 3};
    EXPECT_EQ(Permutation2(same.data(), 3), (Rows{{3, 3, 3}}));

    const Ints distinct = {1, 2, 3};
    EXPECT_EQ(Permutation2(distinct.data(), 3), Permutation1(distinct.data(), 3));
}

TEST(Permutation2Test, CountsMultisetArrangements)
{
    const Ints src = {1, 2, 2, 1, 3};
    Rows rows = Permutation2(src.data(), 5);
    EXPECT_EQ(rows.size(), 30u); // 5! / (2! 2!)
    EXPECT_EQ(std::set<Ints>(rows.begin(), rows.end()).size(), rows.size());
    EXPECT_EQ(rows.front(), src);
}

TEST(GetSameEleOfArrayTest, ListsRepeatedValuesOnce)
{
    const Ints a = {3, 1, 3, 2, 1, 3};
    EXPECT_EQ(GetSameEleOfArray(a.data(), 6), (Ints{3, 1}));
    EXPECT_TRUE(GetSameEleOfArray(a.data(), 2).empty());
}

TEST(SwapTest, ExchangesTheValues)
{
    int x = 1;
    int y = -2;
    basekit::swap(x, y);
    EXPECT_EQ(x, -2);
    EXPECT_EQ(y, 1);
}

TEST(GenerateChanceCodeTest, ListsTheChancesOfEachPositionOfAFiveOfFifteenDraw)
{
    // count / 30.03 with one decimal, the counts being C(v-1, p-1) * C(15-v, 5-p).
    const std::wstring expected = L"{"
                                  // p = 1: 1001 715 495 330 210 126 70 35 15 5 1
                                  L"L\"33.3\",L\"23.8\",L\"16.5\",L\"11.0\",L\"7.0\",L\"4.2\","
                                  L"L\"2.3\",L\"1.2\",L\"0.5\",L\"0.2\",L\"0.0\","
                                  // p = 2: 286 440 495 480 420 336 245 160 90 40 11
                                  L"L\"9.5\",L\"14.7\",L\"16.5\",L\"16.0\",L\"14.0\",L\"11.2\","
                                  L"L\"8.2\",L\"5.3\",L\"3.0\",L\"1.3\",L\"0.4\","
                                  // p = 3: 66 165 270 360 420 441 420 360 270 165 66
                                  L"L\"2.2\",L\"5.5\",L\"9.0\",L\"12.0\",L\"14.0\",L\"14.7\","
                                  L"L\"14.0\",L\"12.0\",L\"9.0\",L\"5.5\",L\"2.2\","
                                  // p = 4: the counts of p = 2 reversed
                                  L"L\"0.4\",L\"1.3\",L\"3.0\",L\"5.3\",L\"8.2\",L\"11.2\","
                                  L"L\"14.0\",L\"16.0\",L\"16.5\",L\"14.7\",L\"9.5\","
                                  // p = 5: the counts of p = 1 reversed
                                  L"L\"0.0\",L\"0.2\",L\"0.5\",L\"1.2\",L\"2.3\",L\"4.2\","
                                  L"L\"7.0\",L\"11.0\",L\"16.5\",L\"23.8\",L\"33.3\""
                                  L"}";
    const std::wstring table = GenerateChanceCode();
    EXPECT_EQ(table, expected);
    EXPECT_EQ(StrSplit(table, L",").size(), 55u);
}

} // namespace
} // namespace basekit

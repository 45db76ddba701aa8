#include "basekit/array_util.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

namespace basekit {
namespace {

using Ints = std::vector<int>;
using Texts = std::vector<std::wstring>;

int Size(const Ints &v)
{
    return static_cast<int>(v.size());
}

TEST(ArrayAcontainElementBTest, FindsAnEqualEntry)
{
    const Ints a = {4, 8, 15};
    EXPECT_EQ(ArrayUtil::ArrayAcontainElementB(a.data(), Size(a), 8), 1);
    EXPECT_EQ(ArrayUtil::ArrayAcontainElementB(a.data(), Size(a), 9), 0);
    EXPECT_EQ(ArrayUtil::ArrayAcontainElementB(a.data(), 0, 4), 0);
    EXPECT_EQ(ArrayUtil::ArrayAcontainElementB(nullptr, 0, 4), 0);
}

TEST(ArrayAcontainElementBTest, TextsMatchExactly)
{
    const Texts a = {L"Ab", L"中"};
    EXPECT_EQ(ArrayUtil::ArrayAcontainElementB(a, L"Ab"), 1);
    EXPECT_EQ(ArrayUtil::ArrayAcontainElementB(a, L"中"), 1);
    EXPECT_EQ(ArrayUtil::ArrayAcontainElementB(a, L"ab"), 0);
    EXPECT_EQ(ArrayUtil::ArrayAcontainElementB(a, L"A"), 0);
    EXPECT_EQ(ArrayUtil::ArrayAcontainElementB(Texts{}, L""), 0);
}

struct AnyOfCase {
    Ints a;
    Ints b;
    int any;
    int expected;
};

class ArrayAcontainsAnyOfBTest : public testing::TestWithParam<AnyOfCase> {};

TEST_P(ArrayAcontainsAnyOfBTest, IntegersAndTextsAgree)
{
    const AnyOfCase &c = GetParam();
    EXPECT_EQ(ArrayUtil::ArrayAcontainsAnyOfB(c.a.data(), Size(c.a), c.b.data(), Size(c.b), c.any),
              c.expected);

    auto texts = [](const Ints &v) {
        Texts t;
        for (int x : v) {
            t.push_back(std::to_wstring(x));
        }
        return t;
    };
    EXPECT_EQ(ArrayUtil::ArrayAcontainsAnyOfB(texts(c.a), texts(c.b), c.any), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ArrayAcontainsAnyOfBTest,
                         testing::Values(
                             // any != 0: some b[j] in a.
                             AnyOfCase{{1, 2, 3}, {9, 2}, 1, 1}, AnyOfCase{{1, 2, 3}, {8, 9}, 1, 0},
                             AnyOfCase{{1, 2, 3}, {}, 1, 0}, AnyOfCase{{}, {1}, 1, 0},
                             AnyOfCase{{1, 2, 3}, {2}, 7, 1},
                             // any == 0: every b[j] in a.
                             AnyOfCase{{1, 2, 3}, {3, 1}, 0, 1}, AnyOfCase{{1, 2, 3}, {3, 4}, 0, 0},
                             AnyOfCase{{1, 2, 3}, {}, 0, 1}, AnyOfCase{{}, {}, 0, 1},
                             AnyOfCase{{}, {1}, 0, 0}, AnyOfCase{{5}, {5, 5}, 0, 1}));

TEST(ArrayAcontainsAnyOfBTest, TextsCompareCaseSensitively)
{
    EXPECT_EQ(ArrayUtil::ArrayAcontainsAnyOfB(Texts{L"a", L"B"}, Texts{L"b"}, 1), 0);
    EXPECT_EQ(ArrayUtil::ArrayAcontainsAnyOfB(Texts{L"a", L"B"}, Texts{L"B", L"a"}, 0), 1);
}

TEST(ArryAIntersectArrayBTest, KeepsEachCommonValueOnceInOrderOfA)
{
    const Ints a = {3, 3, 5};
    const Ints b = {3, 5, 7};
    EXPECT_EQ(ArrayUtil::ArryAIntersectArrayB(a.data(), Size(a), b.data(), Size(b)), (Ints{3, 5}));

    const Ints c = {9, 1, 4, 1, 9, 6};
    const Ints d = {1, 9};
    EXPECT_EQ(ArrayUtil::ArryAIntersectArrayB(c.data(), Size(c), d.data(), Size(d)), (Ints{9, 1}));
    EXPECT_TRUE(ArrayUtil::ArryAIntersectArrayB(c.data(), Size(c), nullptr, 0).empty());
    EXPECT_TRUE(ArrayUtil::ArryAIntersectArrayB(nullptr, 0, d.data(), Size(d)).empty());
}

TEST(ArryAIntersectArrayBNumTest, CountsEveryOccurrenceInA)
{
    const Ints a = {3, 3, 5};
    const Ints b = {3, 5, 7};
    EXPECT_EQ(ArrayUtil::ArryAIntersectArrayBNum(a.data(), Size(a), b.data(), Size(b)), 3);
    const Ints ones = {1, 1};
    const Ints one = {1};
    EXPECT_EQ(ArrayUtil::ArryAIntersectArrayBNum(ones.data(), 2, one.data(), 1), 2);
    EXPECT_EQ(ArrayUtil::ArryAIntersectArrayBNum(one.data(), 1, ones.data(), 2), 1);
    EXPECT_EQ(ArrayUtil::ArryAIntersectArrayBNum(a.data(), Size(a), nullptr, 0), 0);
}

struct UnionCase {
    Ints a;
    Ints b;
    Ints expected;
};

class ArrayAUnionArrayBTest : public testing::TestWithParam<UnionCase> {};

TEST_P(ArrayAUnionArrayBTest, KeepsAThenAddsWhatIsNew)
{
    const UnionCase &c = GetParam();
    EXPECT_EQ(ArrayUtil::ArrayAUnionArrayB(c.a.data(), Size(c.a), c.b.data(), Size(c.b)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ArrayAUnionArrayBTest,
                         testing::Values(UnionCase{{1, 1}, {1, 2}, {1, 1, 2}},
                                         UnionCase{{}, {2, 2, 3}, {2, 3}}, UnionCase{{1}, {}, {1}},
                                         UnionCase{{}, {}, {}},
                                         UnionCase{{5, 3}, {3, 4, 5, 1}, {5, 3, 4, 1}}));

TEST(CombineTest, FourTakenTwoComeInDescendingOrderOfTheLargestIndex)
{
    const Ints src = {10, 20, 30, 40};
    const std::vector<Ints> expected = {{30, 40}, {20, 40}, {10, 40}, {20, 30}, {10, 30}, {10, 20}};
    EXPECT_EQ(ArrayUtil::Combine(src.data(), 4, 2), expected);
}

TEST(CombineTest, FiveTakenThree)
{
    const Ints src = {1, 2, 3, 4, 5};
    // Largest index first (descending), then the next one, each row ascending.
    const std::vector<Ints> expected = {{3, 4, 5}, {2, 4, 5}, {1, 4, 5}, {2, 3, 5}, {1, 3, 5},
                                        {1, 2, 5}, {2, 3, 4}, {1, 3, 4}, {1, 2, 4}, {1, 2, 3}};
    EXPECT_EQ(ArrayUtil::Combine(src.data(), 5, 3), expected);
}

TEST(CombineTest, GivesEverySubsetOnce)
{
    Ints src(11);
    for (int i = 0; i < 11; ++i) {
        src[i] = i + 1;
    }
    auto rows = ArrayUtil::Combine(src.data(), 11, 5);
    ASSERT_EQ(rows.size(), 462u); // C(11, 5)
    std::set<Ints> distinct(rows.begin(), rows.end());
    EXPECT_EQ(distinct.size(), rows.size());
    for (const Ints &row : rows) {
        ASSERT_EQ(row.size(), 5u);
        EXPECT_TRUE(std::is_sorted(row.begin(), row.end()));
        EXPECT_EQ(std::adjacent_find(row.begin(), row.end()), row.end());
    }
}

TEST(CombineTest, EdgeSizes)
{
    const Ints src = {7, 8, 9};
    EXPECT_EQ(ArrayUtil::Combine(src.data(), 3, 3), (std::vector<Ints>{{7, 8, 9}}));
    EXPECT_EQ(ArrayUtil::Combine(src.data(), 3, 1), (std::vector<Ints>{{9}, {8}, {7}}));
    EXPECT_EQ(ArrayUtil::Combine(src.data(), 3, 0), (std::vector<Ints>{Ints{}}));
    EXPECT_TRUE(ArrayUtil::Combine(src.data(), 2, 3).empty());
    EXPECT_TRUE(ArrayUtil::Combine(src.data(), 3, -1).empty());
    EXPECT_TRUE(ArrayUtil::Combine(src.data(), -1, 1).empty());
    // Only the first n entries take part.
    EXPECT_EQ(ArrayUtil::Combine(src.data(), 2, 2), (std::vector<Ints>{{7, 8}}));
}

TEST(SortArrayTest, SortsIntegersAscending)
{
    Ints a = {5, 3, 9, -1, 3, 0};
    ArrayUtil::SortArray(a.data(), Size(a));
    EXPECT_EQ(a, (Ints{-1, 0, 3, 3, 5, 9}));

    Ints part = {3, 2, 1};
    ArrayUtil::SortArray(part.data(), 2);
    EXPECT_EQ(part, (Ints{2, 3, 1}));
    ArrayUtil::SortArray(nullptr, 0);
}

TEST(SortArrayTest, SortsTextsByOrdinalComparison)
{
    Texts a = {L"b", L"B", L"a", L"ab", L"", L"中", L"10", L"9"};
    ArrayUtil::SortArray(a);
    // Upper case before lower case, a prefix before its extensions, digits by character.
    EXPECT_EQ(a, (Texts{L"", L"10", L"9", L"B", L"a", L"ab", L"b", L"中"}));
}

TEST(GetNumOfBInATest, CountsEqualEntries)
{
    const Ints a = {2, 7, 2, 2, 9};
    EXPECT_EQ(ArrayUtil::GetNumOfBInA(a.data(), Size(a), 2), 3);
    EXPECT_EQ(ArrayUtil::GetNumOfBInA(a.data(), Size(a), 9), 1);
    EXPECT_EQ(ArrayUtil::GetNumOfBInA(a.data(), Size(a), 5), 0);
    EXPECT_EQ(ArrayUtil::GetNumOfBInA(nullptr, 0, 5), 0);
}

struct DistinctCase {
    const char *name;
    Ints a;
    int expected;
};

Ints Range(int from, int to)
{
    Ints v;
    for (int i = from; i < to; ++i) {
        v.push_back(i);
    }
    return v;
}

Ints Concat(Ints a, const Ints &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Ints Reversed(Ints a)
{
    std::reverse(a.begin(), a.end());
    return a;
}

class GetDistinctNumTest : public testing::TestWithParam<DistinctCase> {};

TEST_P(GetDistinctNumTest, CountsDistinctValues)
{
    const DistinctCase &c = GetParam();
    EXPECT_EQ(ArrayUtil::GetDistinctNum(c.a.data(), Size(c.a)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetDistinctNumTest,
    testing::Values(
        DistinctCase{"AllEqual", {7, 7, 7}, 1}, DistinctCase{"Empty", {}, 0},
        DistinctCase{"Mixed", {1, 2, 3, 2, 1, -4}, 4}, DistinctCase{"Exactly51", Range(0, 51), 51},
        DistinctCase{"Exactly52", Range(0, 52), 52},
        // Far more distinct values than fit the stack list, with repeats on both
        // sides of the point where it fills up.
        DistinctCase{"ManyRepeatedBackwards", Concat(Range(0, 200), Reversed(Range(0, 200))), 200},
        DistinctCase{"RepeatsAfterOverflow", Concat(Concat(Range(0, 60), Range(30, 90)), Range(0, 10)), 90}),
    [](const testing::TestParamInfo<DistinctCase> &info) { return std::string(info.param.name); });

struct JoinCase {
    Ints numbers;
    std::wstring separator;
    std::wstring expected;
};

class ArrayToStrTest : public testing::TestWithParam<JoinCase> {};

TEST_P(ArrayToStrTest, JoinsNumbersAndTextsAlike)
{
    const JoinCase &c = GetParam();
    EXPECT_EQ(ArrayUtil::ArrayToStr(c.numbers.data(), Size(c.numbers), c.separator), c.expected);
    Texts texts;
    for (int x : c.numbers) {
        texts.push_back(std::to_wstring(x));
    }
    EXPECT_EQ(ArrayUtil::ArrayToStr(texts, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ArrayToStrTest,
                         testing::Values(JoinCase{{1, 2, 3}, L",", L"1,2,3"},
                                         JoinCase{{1, 2, 3}, L"", L"123"}, JoinCase{{}, L",", L""},
                                         JoinCase{{}, L"", L""}, JoinCase{{-5}, L",", L"-5"},
                                         JoinCase{{10, 20}, L", ", L"10, 20"},
                                         JoinCase{{1, 2}, L"、", L"1、2"}));

TEST(ArrayToStrTest, KeepsEmptyTextItems)
{
    EXPECT_EQ(ArrayUtil::ArrayToStr(Texts{L"a", L"", L"b"}, L"|"), L"a||b");
    EXPECT_EQ(ArrayUtil::ArrayToStr(Texts{L""}, L"|"), L"");
}

struct SpliceCase {
    int from;
    int to;
    Ints expected;
};

class SpliceTest : public testing::TestWithParam<SpliceCase> {};

TEST_P(SpliceTest, CopiesTheHalfOpenRangeOrNothing)
{
    const Ints a = {10, 11, 12, 13, 14};
    const SpliceCase &c = GetParam();
    EXPECT_EQ(ArrayUtil::Splice(a.data(), Size(a), c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpliceTest,
                         testing::Values(SpliceCase{1, 3, {11, 12}}, SpliceCase{0, 5, {10, 11, 12, 13, 14}},
                                         SpliceCase{4, 5, {14}}, SpliceCase{2, 2, {}},
                                         // Ranges reaching outside the array give nothing.
                                         SpliceCase{3, 7, {}}, SpliceCase{-1, 2, {}}, SpliceCase{0, 6, {}},
                                         SpliceCase{3, 2, {}}, SpliceCase{5, 6, {}}));

TEST(GetIndexTest, FindsTheFirstMatch)
{
    const Ints a = {4, 5, 4};
    EXPECT_EQ(ArrayUtil::GetIndex(a.data(), Size(a), 4), 0);
    EXPECT_EQ(ArrayUtil::GetIndex(a.data(), Size(a), 5), 1);
    EXPECT_EQ(ArrayUtil::GetIndex(a.data(), Size(a), 9), -1);
    EXPECT_EQ(ArrayUtil::GetIndex(nullptr, 0, 4), -1);
}

TEST(GetSameEleTest, ListsRepeatedValuesOnceInOrderOfFirstAppearance)
{
    const Ints a = {1, 2, 1, 3, 2, 1, 4};
    EXPECT_EQ(ArrayUtil::GetSameEle(a.data(), Size(a)), (Ints{1, 2}));
    const Ints b = {5, 6, 6, 5};
    EXPECT_EQ(ArrayUtil::GetSameEle(b.data(), Size(b)), (Ints{5, 6}));
    const Ints c = {1, 2, 3};
    EXPECT_TRUE(ArrayUtil::GetSameEle(c.data(), Size(c)).empty());
    EXPECT_TRUE(ArrayUtil::GetSameEle(nullptr, 0).empty());
}

TEST(GetDifferEleTest, ListsDistinctValuesInOrderOfFirstAppearance)
{
    const Ints a = {3, 1, 3, 2, 1};
    EXPECT_EQ(ArrayUtil::GetDifferEle(a.data(), Size(a)), (Ints{3, 1, 2}));
    EXPECT_TRUE(ArrayUtil::GetDifferEle(nullptr, 0).empty());
}

TEST(ArrayAEqualArrayBTest, ComparesTheFirstNEntries)
{
    const Ints a = {1, 2, 3};
    const Ints b = {1, 2, 4};
    EXPECT_EQ(ArrayUtil::ArrayAEqualArrayB(a.data(), b.data(), 2), 1);
    EXPECT_EQ(ArrayUtil::ArrayAEqualArrayB(a.data(), b.data(), 3), 0);
    EXPECT_EQ(ArrayUtil::ArrayAEqualArrayB(a.data(), b.data(), 0), 1);
    EXPECT_EQ(ArrayAEqualArrayB(a.data(), b.data(), 2), 1);
    EXPECT_EQ(ArrayAEqualArrayB(a.data(), b.data(), 3), 0);
}

} // namespace
} // namespace basekit

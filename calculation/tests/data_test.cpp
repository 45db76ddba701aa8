#include "calculation/data.h"

#include <gtest/gtest.h>

namespace calculation {
namespace {

Data FilledDingWei()
{
    Data d;
    d.text = L"bigSmallDingWei";
    d.strs = {L"01", L"", L"1"};
    d.rows = {{0, 1}, {}, {1}};
    d.canBeWrong = true;
    d.enabled = true;
    d.include = true;
    return d;
}

TEST(DataTest, ConstructionIsAnEmptyDisabledCondition)
{
    Data d;
    EXPECT_TRUE(d.text.empty());
    EXPECT_TRUE(d.nums.empty());
    EXPECT_EQ(d.count(), 0);
    EXPECT_EQ(d.lastCount(), 0);
    EXPECT_EQ(d.allowCount(), 0);
    EXPECT_FALSE(d.enabled);
    EXPECT_FALSE(d.canBeWrong);
    EXPECT_FALSE(d.include);
    EXPECT_EQ(d.firstStr(), L"");
}

TEST(DataTest, CountIsTheTextEntriesOrThePositionEntries)
{
    Data plain;
    plain.strs = {L"3", L"5"};
    plain.nums = {3, 5};
    EXPECT_EQ(plain.count(), 2);
    EXPECT_EQ(plain.firstStr(), L"3");

    // A "DingWei" key counts its per-position entries, whatever strs holds.
    Data dingWei = FilledDingWei();
    dingWei.strs.push_back(L"extra");
    EXPECT_EQ(dingWei.count(), 3);
}

TEST(DataTest, RowLenIsZeroForEmptyAndMissingEntries)
{
    Data d = FilledDingWei();
    struct Case {
        int index;
        int length;
    } cases[] = {{0, 2}, {1, 0}, {2, 1}, {3, 0}, {-1, 0}, {100, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(d.rowLen(c.index), c.length);
    }
}

TEST(DataTest, ResetClearsValuesAndFlagsButKeepsTheName)
{
    Data d = FilledDingWei();
    d.nums = {1, 2};
    d.lastNums = {4, 8};
    d.allowNums = {0, 1};
    d.reset();
    EXPECT_EQ(d.text, L"bigSmallDingWei");
    EXPECT_TRUE(d.nums.empty());
    EXPECT_TRUE(d.strs.empty());
    EXPECT_TRUE(d.lastNums.empty());
    EXPECT_TRUE(d.rows.empty());
    EXPECT_EQ(d.count(), 0);
    EXPECT_EQ(d.lastCount(), 0);
    // The count of allowed values follows its array: nothing is left to count.
    EXPECT_EQ(d.allowCount(), 0);
    EXPECT_FALSE(d.enabled);
    EXPECT_FALSE(d.canBeWrong);
    EXPECT_FALSE(d.include);

    d.reset(); // a cleared value resets again harmlessly
    EXPECT_EQ(d.count(), 0);
}

TEST(DataTest, CopiesAreIndependent)
{
    Data original = FilledDingWei();
    original.nums = {7};
    Data copy = original;
    EXPECT_EQ(copy, original);

    copy.nums.push_back(9);
    copy.rows[0][0] = 5;
    EXPECT_EQ(original.nums, std::vector<int>{7});
    EXPECT_EQ(original.rows[0], (std::vector<int>{0, 1}));

    copy.reset();
    EXPECT_EQ(original.count(), 3);
    EXPECT_TRUE(original.enabled);
    EXPECT_NE(copy, original);
}

TEST(DataTest, MissingKeyReadsAsDisabledAndIsInserted)
{
    DataMap conditions;
    conditions[L"heZhi"].enabled = true;
    ASSERT_EQ(conditions.size(), 1U);

    const Data &missing = conditions[L"kuaDu"];
    EXPECT_FALSE(missing.enabled);
    EXPECT_EQ(missing.count(), 0);
    EXPECT_EQ(conditions.size(), 2U);
    EXPECT_TRUE(conditions.contains(L"kuaDu"));
    EXPECT_TRUE(conditions[L"heZhi"].enabled);
}

TEST(DataTest, KeysAreComparedAsPlainText)
{
    DataMap conditions;
    conditions[L"pos1"].enabled = true;
    conditions[L"Pos1"];
    conditions[L"pos10"];
    EXPECT_EQ(conditions.size(), 3U);
    EXPECT_EQ(conditions.begin()->first, L"Pos1"); // 'P' sorts before 'p'
}

TEST(DataTest, IndexedKeysWriteTheIndexesWithoutSeparator)
{
    EXPECT_EQ(IndexedKey(L"pos", 0), L"pos0");
    EXPECT_EQ(IndexedKey(L"danMa", 6), L"danMa6");
    EXPECT_EQ(IndexedKey(L"ziDingYi", 9), L"ziDingYi9");
    EXPECT_EQ(IndexedKey(L"erWeiSameTail", 2), L"erWeiSameTail2");
    EXPECT_EQ(IndexedKey(L"erWeiHe", 0, 1), L"erWeiHe01");
    EXPECT_EQ(IndexedKey(L"erWeiMa", 3, 6), L"erWeiMa36");
}

} // namespace
} // namespace calculation

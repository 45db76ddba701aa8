#include "basekit/string_split.h"

#include <gtest/gtest.h>

namespace basekit {
namespace {

using Pieces = std::vector<std::wstring>;

struct SplitCase {
    std::wstring text;
    std::wstring separator;
    Pieces pieces;
};

class StrSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(StrSplitTest, GivesThePiecesBetweenSeparators)
{
    const SplitCase &c = GetParam();
    EXPECT_EQ(StrSplit(c.text, c.separator), c.pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrSplitTest,
    testing::Values(SplitCase{L"1,2,3", L",", {L"1", L"2", L"3"}}, SplitCase{L"", L",", {L""}},
                    SplitCase{L"a|", L"|", {L"a", L""}}, SplitCase{L"|a", L"|", {L"", L"a"}},
                    SplitCase{L"1,,2", L",", {L"1", L"", L"2"}}, SplitCase{L",,", L",", {L"", L"", L""}},
                    SplitCase{L"abc", L",", {L"abc"}}, SplitCase{L"abc", L"", {L"abc"}},
                    SplitCase{L"a::b::c", L"::", {L"a", L"b", L"c"}},
                    // Occurrences are counted without overlap, left to right.
                    SplitCase{L"aaa", L"aa", {L"", L"a"}}, SplitCase{L"中,文", L",", {L"中", L"文"}}));

TEST(StrToIntArrayTest, EmptyTextBecomesZeroForTheCaller)
{
    std::wstring text;
    EXPECT_EQ(StrToIntArray(text), std::vector<int>{0});
    EXPECT_EQ(text, L"0");
}

TEST(StrToIntArrayTest, ReadsOneDigitPerCharacter)
{
    std::wstring text = L"4x7";
    EXPECT_EQ(StrToIntArray(text), (std::vector<int>{4, 0, 7}));
    EXPECT_EQ(text, L"4x7");
}

TEST(StrToIntArrayTest, WithCountLeavesEmptyTextEmpty)
{
    int count = -1;
    EXPECT_TRUE(StrToIntArray(std::wstring(), count).empty());
    EXPECT_EQ(count, 0);

    EXPECT_EQ(StrToIntArray(L"4x7", count), (std::vector<int>{4, 0, 7}));
    EXPECT_EQ(count, 3);
}

TEST(StrToVectorIntTest, DigitsGiveTheirValueEverythingElseZero)
{
    EXPECT_EQ(StrToVectorInt(L"0123456789"), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // A sign, a blank, a letter, a full-width digit and a Chinese character are no digits.
    EXPECT_EQ(StrToVectorInt(L"-5 a５中"), (std::vector<int>{0, 5, 0, 0, 0, 0}));
    EXPECT_TRUE(StrToVectorInt(L"").empty());
}

TEST(StrArrayToIntArrayTest, ReadsEachItemAsAWholeNumber)
{
    const std::vector<std::wstring> items = {L"12", L"-3", L"x", L"7a", L"", L"05"};
    const std::vector<int> expected = {12, -3, 0, 7, 0, 5};
    EXPECT_EQ(StrArrayToIntArray(items), expected);
    EXPECT_EQ(StrArrayToIntArray(items.data(), static_cast<int>(items.size())), expected);
    EXPECT_EQ(StrArrayToIntArray(items.data(), 2), (std::vector<int>{12, -3}));
    EXPECT_TRUE(StrArrayToIntArray(nullptr, 0).empty());
}

TEST(StrArrayToIntArrayTest, ReadsTheSplitPiecesOfANumberList)
{
    EXPECT_EQ(StrArrayToIntArray(StrSplit(L"3,15,,27", L",")), (std::vector<int>{3, 15, 0, 27}));
}

} // namespace
} // namespace basekit

namespace basekit {
namespace {

TEST(ReplaceAllTest, OnePassLeftToRight)
{
    struct Case {
        const wchar_t *text, *from, *to, *result;
    };
    const Case cases[] = {
        {L"a||||b", L"||", L"|", L"a||b"}, {L"|||", L"||", L"|", L"||"}, {L"1 2 3", L" ", L",", L"1,2,3"},
        {L"aaa", L"a", L"aa", L"aaaaaa"},  {L"abc", L"", L"x", L"abc"},
    };
    for (const Case &c : cases) {
        std::wstring text = c.text;
        ReplaceAll(text, c.from, c.to);
        EXPECT_EQ(text, c.result);
    }
}

} // namespace
} // namespace basekit

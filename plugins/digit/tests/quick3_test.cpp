// "Quick3": three dice 1-6, in order or as a group.
#include "page_run.h"

namespace digittest {
namespace {

class Quick3Test : public GameRun {
protected:
    Quick3Test() : GameRun(L"Quick3") {}
};

TEST_F(Quick3Test, DiceInOrderOrAsGroups)
{
    Run(L"zhiXuan", {{L"baseNums", Digits(1, 6)}});
    std::vector<std::wstring> rows = Rows();
    ASSERT_EQ(rows.size(), 216U);
    EXPECT_EQ(rows.front(), L"111");
    EXPECT_EQ(rows[6], L"121");
    EXPECT_EQ(rows.back(), L"666");
    EXPECT_EQ(Trailer(), L"total:216,afterFilterLen:0,primaryTotal:216,cutDownRate:\"0.00%\"}");
    Run(L"zuXuan", {{L"baseNums", Digits(1, 6)}});
    rows = Rows();
    ASSERT_EQ(rows.size(), 56U);
    EXPECT_EQ(rows[1], L"112");
    EXPECT_EQ(rows.back(), L"666");
}

TEST_F(Quick3Test, BaseDigitsThatAreNoDiceGiveNoCandidates)
{
    // Every position's pool is empty: nothing is read from it, nothing is kept.
    Run(L"zhiXuan", {{L"baseNums", L"0,7,8"}});
    EXPECT_EQ(chain().resultList()->size(), 0U);
    Run(L"zuXuan", {{L"baseNums", L"0,7,8"}});
    EXPECT_EQ(chain().resultList()->size(), 0U);
}

TEST_F(Quick3Test, OwnConditions)
{
    struct Case {
        Item condition;
        std::vector<std::wstring> rows;
    } cases[] = {
        // v = 100 d1 + 10 d2 + d3 in five bands: up to 221, 332, 443, below 555, from 555 on.
        {{L"numLag", L"4"}, {L"555", L"556", L"666"}},
        {{L"numLag", L"3"}, {L"554"}},
        {{L"numType", L"2"}, {L"556", L"554"}},
        {{L"chongMa", L"5"}, {L"555", L"556", L"554"}},
        {{L"chongMa", L"-1"}, {L"123"}},
    };
    for (const Case &c : cases) {
        Run(L"zhiXuan", {c.condition}, L"555|556|666|554|123");
        EXPECT_EQ(Rows(), c.rows) << Narrow(c.condition.name + L" " + c.condition.chosen);
    }
}

TEST_F(Quick3Test, OldNumbersOfGroupsCountTheirCandidates)
{
    Run(L"zuXuan", {}, L"321|123||");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"123"}));
    EXPECT_EQ(chain().primaryTotal(), 1);
    // Entries separated by commas are all read; a 7 is no die.
    Run(L"zhiXuan", {}, L"123,456|127");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"123", L"456"}));
    EXPECT_EQ(chain().primaryTotal(), 3);
}

TEST_F(Quick3Test, SearchesMakeSortedGroupsOrKeepRows)
{
    Run(L"zhiXuan", {}, L"123|132|213|112|121|111|135");
    ExpectSearches({
        {L"zuLiu", {L"123", L"135"}},
        {L"zuSan", {L"112"}},
        {L"zuLiuOrder", {L"123", L"132", L"213", L"135"}},
        {L"zuSanOrder", {L"112", L"121"}},
        {L"baoZi", {L"111"}},
        {L"lianHao", {L"123", L"132", L"213", L"112", L"121"}},
        {L"notLianHao", {L"111", L"135"}},
    });
}

TEST_F(Quick3Test, PageShowsWhiteDigitsOnTwoWideAreas)
{
    Run(L"zuXuan", {{L"baseNums", L"1,3,6"}, {L"numType", L"3"}});
    EXPECT_NE(page.find(L"color:white;"), std::wstring::npos);
    // 1 3 6: areas of two (1-2, 3-4, 5-6), big from 4, the counts of a group.
    EXPECT_NE(page.find(L"sum:\"10\",kuaDu:\"5\",threeArea:\"1:1:1\",bigSmall:\"1:2\""), std::wstring::npos)
        << Narrow(page);
    EXPECT_EQ(Trailer(), L"total:1,afterFilterLen:0,primaryTotal:10,cutDownRate:\"90.00%\"}");
}

} // namespace
} // namespace digittest

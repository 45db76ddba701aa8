// The four-digit game of the key "Fc4Of10": straight play and four group types.
#include "page_run.h"

namespace digittest {
namespace {

class Fc4Of10Test : public GameRun {
protected:
    Fc4Of10Test() : GameRun(L"Fc4Of10") {}
};

TEST_F(Fc4Of10Test, GroupsTakeEachSetOfDigitsOnceAscending)
{
    struct Case {
        const wchar_t *castType;
        std::size_t rows;
        const wchar_t *first;
        const wchar_t *last;
    } cases[] = {
        {L"zu24", 210, L"0123", L"6789"},      {L"zu12", 360, L"0012", L"7899"},
        {L"zu6", 45, L"0011", L"8899"},        {L"zu4", 90, L"0001", L"8999"},
        {L"zhiXuan", 10000, L"0000", L"9999"},
    };
    for (const Case &c : cases) {
        Run(c.castType, {{L"baseNums", Digits(0, 9)}});
        std::vector<std::wstring> rows = Rows();
        ASSERT_EQ(rows.size(), c.rows) << Narrow(c.castType);
        EXPECT_EQ(rows.front(), c.first);
        EXPECT_EQ(rows.back(), c.last);
    }
}

TEST_F(Fc4Of10Test, OldNumbersEveryEntryCounts)
{
    Run(L"zu6", {}, L"1122|1112|2211|2121");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"1122"}));
    EXPECT_EQ(chain().primaryTotal(), 4);
    Run(L"zu24", {}, L"4321|1234");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"1234"}));
    EXPECT_EQ(chain().primaryTotal(), 2);
    Run(L"zhiXuan", {}, L"4321|1234|123|12345|1234,5678");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"4321", L"1234", L"1234", L"5678"}));
    EXPECT_EQ(chain().primaryTotal(), 6);
}

TEST_F(Fc4Of10Test, PageRowsHaveNoRowNumberAndTheirOwnCountOrder)
{
    Run(L"zhiXuan", {{L"baseNums", L"0,1,2,3"}, {L"heZhi", L"6"}, {L"diffNum", L"4"}});
    // The 24 orderings of 0 1 2 3.
    EXPECT_EQ(Trailer(), L"total:24,afterFilterLen:0,primaryTotal:256,cutDownRate:\"90.63%\"}");
    EXPECT_EQ(page.find(L"rowNumber"), std::wstring::npos);
    EXPECT_NE(page.find(L"items:[{number:\"<span"), std::wstring::npos);
    EXPECT_NE(page.find(L"bigSmall:\"小小小小\",oddEven:\"偶奇偶奇\""), std::wstring::npos)
        << Narrow(page.substr(0, 900));
    chain().SearchResult(L"zu24");
    EXPECT_EQ(
        chain().GetDataByPage(L"1", 100, 1, 1).substr(chain().GetDataByPage(L"1", 100, 1, 1).rfind(L"],")),
        L"],total:1}");
}

TEST_F(Fc4Of10Test, SearchesByGroupShape)
{
    Run(L"zhiXuan", {}, L"1212|2112|1123|1112|2222|1234|4321");
    ExpectSearches({
        {L"zu6ZhiXuan", {L"1212", L"2112"}},
        {L"zu6", {L"1212"}},
        {L"zu12ZhiXuan", {L"1123"}},
        {L"zu4ZhiXuan", {L"1112"}},
        {L"baoZi", {L"2222"}},
        {L"zu24", {L"1234"}},
        {L"zu24ZhiXuan", {L"1234", L"4321"}},
        {L"zu12", {L"1123"}},
        {L"zu4", {L"1112"}},
        {L"zhiXuanToZuXuan", {L"1212", L"1123", L"1112", L"1234"}},
        {L"all", {L"1212", L"2112", L"1123", L"1112", L"2222", L"1234", L"4321"}},
    });
    // A group bet turned into its straight bets: its orderings as the recursive exchange of the
    // digits makes them (swap position d with each of d.. in turn), each distinct one once.
    struct Conversion {
        const wchar_t *playType, *bet, *type;
        std::vector<std::wstring> rows;
    } conversions[] = {
        {L"zu4", L"1112", L"zu4ToZhiXuan", {L"1112", L"1121", L"1211", L"2111"}},
        {L"zu6", L"1122", L"zu6ToZhiXuan", {L"1122", L"1212", L"1221", L"2112", L"2121", L"2211"}},
        {L"zu12",
         L"1123",
         L"zu12ToZhiXuan",
         {L"1123", L"1132", L"1213", L"1231", L"1321", L"1312", L"2113", L"2131", L"2311", L"3121", L"3112",
          L"3211"}},
        {L"zu24", L"1234", L"zu24ToZhiXuan", {L"1234", L"1243", L"1324", L"1342", L"1432", L"1423",
                                              L"2134", L"2143", L"2314", L"2341", L"2431", L"2413",
                                              L"3214", L"3241", L"3124", L"3142", L"3412", L"3421",
                                              L"4231", L"4213", L"4321", L"4312", L"4132", L"4123"}},
    };
    for (const Conversion &c : conversions) {
        Run(c.playType, {}, c.bet);
        chain().SearchResult(c.type);
        EXPECT_EQ(Rows(L"1"), c.rows) << Narrow(c.type);
    }
}

TEST_F(Fc4Of10Test, RowsOfARunStayValidAcrossReleasesAndRebinds)
{
    Run(L"zhiXuan", {{L"baseNums", Digits(0, 9)}});
    chain().SearchResult(L"zu24");
    context.PrepareToReplaceRun();
    chain().DeleteAll();
    context.MarkFirstRun();
    Run(L"zhiXuan", {{L"baseNums", L"1"}});
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"1111"}));
    context.SwitchPlugin(L"Fc4Of10");
    Run(L"zu24", {{L"baseNums", Digits(0, 3)}});
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"0123"}));
}

} // namespace
} // namespace digittest

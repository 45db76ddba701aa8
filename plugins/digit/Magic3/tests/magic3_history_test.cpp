// The three-digit game's history tables, reached as the program reaches them: through
// GetDetailedData of the chain the plug-in hands out, over the edge-case draws of each table.
#include <gtest/gtest.h>

#include "calculation/plugin_library.h"
#include "support/history_fixture.h"

namespace {

using basekit::OrderedRow;
using testsupport::Box;
using testsupport::Marked;
using testsupport::Span;
using testsupport::SummaryRows;
using testsupport::TestBall;
using testsupport::ValueOf;

const std::wstring kRed = TestBall(L"red");

// Oldest first; each row of the tables below is one of these draws.
const wchar_t *const kDraws[] = {
    L"1,1,5", // 0: a pair; sum 7
    L"0,0,0", // 1: a triple of 0
    L"3,3,3", // 2
    L"0,3,9", // 3: areas 1 1 3, routes 0 0 0
    L"5,4,9", // 4: big small big
    L"0,5,1", // 5: elements jin jin mu
    L"9,0,9", // 6
    L"9,1,5", // 7: unsorted
};

std::wstring Balls(std::initializer_list<const wchar_t *> digits)
{
    std::wstring balls;
    for (const wchar_t *d : digits) {
        balls += Span(kRed, d);
    }
    return balls;
}

class Magic3HistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(library.Open(calculation::PluginPathForGame(L"Magic3"))) << library.error();
        chain = library.MakeChain();
        ASSERT_TRUE(chain);
        chain->SetBaseUrl(testsupport::kTestBaseUrl);
        basekit::TextMapList draws;
        int n = 0;
        for (const wchar_t *lottery : kDraws) {
            ++n;
            draws.push_back(
                testsupport::Draw(L"2024" + std::to_wstring(n), L"d" + std::to_wstring(n), lottery));
        }
        chain->SetOldDataCache(draws);
    }

    std::vector<OrderedRow> Table(const wchar_t *type)
    {
        std::vector<OrderedRow> rows = testsupport::ParseListReply(chain->GetDetailedData(L"Magic3", type));
        EXPECT_EQ(rows.size(), std::size(kDraws) + 6) << type;
        return rows;
    }

    // The columns of a row that hold a mark, as "key=cell".
    static std::vector<std::wstring> Hits(const OrderedRow &row, const std::wstring &prefix)
    {
        std::vector<std::wstring> hits;
        for (const auto &[key, value] : row) {
            if (key.starts_with(prefix) && !value.empty()) {
                hits.push_back(key + L"=");
                hits.back() += value;
            }
        }
        return hits;
    }

    calculation::PluginLibrary library;
    calculation::ChainHandle chain{nullptr, {}};
};

TEST_F(Magic3HistoryTest, SumMarksTheSumAndItsTail)
{
    const auto rows = Table(L"heZhi");
    OrderedRow first{{L"qiHao", L"20241"},
                     {L"lotDate", L"d1"},
                     {L"lottery", Balls({L"1", L"1", L"5"})},
                     {L"sum", L"7"},
                     {L"sumTail", L"7"}};
    for (int i = 0; i < 28; ++i) {
        first.emplace_back(L"sum" + std::to_wstring(i), i == 7 ? Marked(0, Box(20), L"7") : L"");
    }
    for (int i = 0; i < 10; ++i) {
        first.emplace_back(L"sumTail" + std::to_wstring(i), i == 7 ? Marked(1, Box(20), L"7") : L"");
    }
    EXPECT_EQ(rows[0], first);
    // 0, 0, 0: the balls read 0, not 00.
    EXPECT_EQ(ValueOf(rows[1], L"lottery"), Balls({L"0", L"0", L"0"}));
    EXPECT_EQ(Hits(rows[1], L"sum"),
              (std::vector<std::wstring>{L"sum=0", L"sumTail=0", L"sum0=" + Marked(0, Box(20), L"0"),
                                         L"sumTail0=" + Marked(1, Box(20), L"0")}));

    SummaryRows summary(rows);
    // The share of the 1000 ordered triples with each sum, symmetric about 13.5.
    EXPECT_EQ(ValueOf(summary.probability, L"sum0") + L" " + ValueOf(summary.probability, L"sum5") + L" " +
                  ValueOf(summary.probability, L"sum13") + L" " + ValueOf(summary.probability, L"sum14") +
                  L" " + ValueOf(summary.probability, L"sum22") + L" " +
                  ValueOf(summary.probability, L"sum27"),
              L"0.1 2.1 7.5 7.5 2.1 0.1");
    EXPECT_EQ(summary.probability.size(), 1U + 38U);
    EXPECT_EQ(summary.Theory(L"sumTail3"), L"10/0.8/9.0");
    EXPECT_EQ(summary.Counts(L"sum18"), L"2/1/1"); // 0,9,9 ... 5,4,9 and 9,0,9
    EXPECT_EQ(ValueOf(summary.hits, L"sum"), L"<missing>");
}

TEST_F(Magic3HistoryTest, BaseMarksTheDigitsOfEachDrawOnce)
{
    const auto rows = Table(L"base");
    const std::wstring purple = TestBall(L"purple");
    EXPECT_EQ(Hits(rows[0], L"pos"),
              (std::vector<std::wstring>{L"pos1=" + Span(purple, L"1"), L"pos5=" + Span(purple, L"5")}));
    OrderedRow statistics;
    for (const auto &[key, value] : rows[0]) {
        if (!key.starts_with(L"pos") && key != L"qiHao" && key != L"lotDate" && key != L"lottery") {
            statistics.emplace_back(key, value);
        }
    }
    EXPECT_EQ(statistics, (OrderedRow{{L"minNum", L"1"},
                                      {L"maxNum", L"5"},
                                      {L"sum", L"7"},
                                      {L"shape", L"<span style='color:red'>组三</span>"},
                                      {L"sameNum", L"1"},
                                      {L"lianHao", L"不连"},
                                      {L"span", L"4"},
                                      {L"acValue", L"0"},
                                      {L"threeAreaRate", L"2:1:0"},
                                      {L"bigSmallRate", L"1:2"},
                                      {L"oddEvenRate", L"3:0"},
                                      {L"zhiHeRate", L"3:0"},
                                      {L"luShuRate", L"0:2:1"}}));

    SummaryRows summary(rows);
    // 1 - 0.9³ for every digit; over 8 draws 2.168 expected.
    EXPECT_EQ(summary.Theory(L"pos0"), L"27.1/2.2/2.7");
    EXPECT_EQ(summary.Counts(L"pos0"), L"4/2/1");
    EXPECT_EQ(summary.Counts(L"pos9"), L"4/2/0");
    EXPECT_EQ(summary.Counts(L"pos1"), L"3/1/0");
    EXPECT_EQ(ValueOf(summary.hits, L"acValue"), L"<missing>");
}

TEST_F(Magic3HistoryTest, DistributionDrawsEachPositionInItsColour)
{
    const auto rows = Table(L"distribution");
    EXPECT_EQ(Hits(rows[2], L"pos"),
              (std::vector<std::wstring>{L"pos03=" + Marked(0, kRed, L"3"),
                                         L"pos13=" + Marked(1, TestBall(L"green"), L"3"),
                                         L"pos23=" + Marked(2, TestBall(L"blue"), L"3")}));
    SummaryRows summary(rows);
    // Every digit of a position is 10 %: 0.8 of 8 draws, written without decimals.
    EXPECT_EQ(summary.Theory(L"pos29"), L"10/1/9");
    EXPECT_EQ(summary.probability.size(), 1U + 30U);
    EXPECT_EQ(summary.Counts(L"pos00"), L"3/1/2"); // 0,0,0  0,3,9  0,5,1
    EXPECT_EQ(summary.Counts(L"qiHao"), L"8/8/0");
}

TEST_F(Magic3HistoryTest, SpanShowsTheSmallestAndLargestDigitWithTheGamesRates)
{
    const auto rows = Table(L"span");
    EXPECT_EQ(ValueOf(rows[7], L"minNum") + L" " + ValueOf(rows[7], L"maxNum") + L" " +
                  ValueOf(rows[7], L"span"),
              L"1 9 8");
    EXPECT_EQ(Hits(rows[7], L"span"),
              (std::vector<std::wstring>{L"span=8", L"span8=" + Marked(0, Box(20), L"8")}));
    EXPECT_EQ(Hits(rows[7], L"linHaoLag"),
              (std::vector<std::wstring>{L"linHaoLag=8", L"linHaoLag8=" + Marked(1, Box(20), L"8")}));
    EXPECT_EQ(ValueOf(rows[1], L"lottery"), Balls({L"0", L"0", L"0"}));
    SummaryRows summary(rows);
    EXPECT_EQ(summary.probability.size(), 1U + 20U);
    EXPECT_EQ(ValueOf(summary.probability, L"span0") + L" " + ValueOf(summary.probability, L"span5") + L" " +
                  ValueOf(summary.probability, L"span9") + L" " +
                  ValueOf(summary.probability, L"linHaoLag0") + L" " +
                  ValueOf(summary.probability, L"linHaoLag9"),
              L"1.0 15 5.4 1.0 3.8");
}

TEST_F(Magic3HistoryTest, OtherListsThePairsOfTheThreeDigitsWithoutSummaryRows)
{
    const auto rows = testsupport::ParseListReply(chain->GetDetailedData(L"Magic3", L"other"));
    ASSERT_EQ(rows.size(), std::size(kDraws));
    EXPECT_EQ(rows[6], (OrderedRow{{L"qiHao", L"20247"},
                                   {L"lotDate", L"d7"},
                                   {L"lottery", Balls({L"9", L"0", L"9"})},
                                   {L"minNum", L"0"},
                                   {L"maxNum", L"9"},
                                   {L"acValue", L"0"},
                                   {L"average", L"6"},
                                   {L"erMa01", L"09"},
                                   {L"erMa02", L"99"},
                                   {L"erMa12", L"09"},
                                   {L"he01", L"9"},
                                   {L"he02", L"18"},
                                   {L"he12", L"9"},
                                   {L"cha01", L"9"},
                                   {L"cha02", L"0"},
                                   {L"cha12", L"9"},
                                   {L"shape", L"<span style='color:red'>组三</span>"},
                                   {L"sameNum", L"9"},
                                   {L"lianHao", L"不连"},
                                   {L"differNum", L"2"}}));
}

TEST_F(Magic3HistoryTest, ShapeMarksTheRatioAndThePattern)
{
    const auto rows = Table(L"bigSmall");
    // 5, 4, 9: two big, one small; the pattern big small big.
    EXPECT_EQ(ValueOf(rows[4], L"rate") + L" " + ValueOf(rows[4], L"array"), L"2:1 大小大");
    EXPECT_EQ(Hits(rows[4], L"bigSmall"),
              (std::vector<std::wstring>{L"bigSmallRate21=" + Marked(0, Box(40), L"2:1"),
                                         L"bigSmall101=" + Marked(1, Box(46), L"大小大")}));
    SummaryRows summary(rows);
    EXPECT_EQ(summary.probability.size(), 1U + 12U);
    EXPECT_EQ(ValueOf(summary.probability, L"bigSmallRate3") + L" " +
                  ValueOf(summary.probability, L"bigSmallRate12") + L" " +
                  ValueOf(summary.probability, L"bigSmall011"),
              L"12.5 37.5 12.5");
    // All small: 0,0,0 and 3,3,3.
    EXPECT_EQ(summary.Counts(L"bigSmall000"), L"2/2/5");

    const auto oddEven = Table(L"oddEven");
    EXPECT_EQ(Hits(oddEven[6], L"oddEven"),
              (std::vector<std::wstring>{L"oddEvenRate21=" + Marked(0, Box(40), L"2:1"),
                                         L"oddEven101=" + Marked(1, Box(46), L"奇偶奇")}));
    // Any other shape type is prime and composite: 1 and 5 are prime.
    const auto zhiHe = Table(L"zhiHe");
    EXPECT_EQ(Hits(zhiHe[0], L"zhiHe"),
              (std::vector<std::wstring>{L"zhiHeRate30=" + Marked(0, Box(40), L"3:0"),
                                         L"zhiHe111=" + Marked(1, Box(46), L"质质质")}));
}

TEST_F(Magic3HistoryTest, RoutesAndAreasMarkTheCodeAndEachPositionsClass)
{
    const auto areas = Table(L"threeArea");
    // 0, 3, 9: two digits in the first area (0-3), none in the second, one in the third.
    EXPECT_EQ(ValueOf(areas[3], L"rate") + L" " + ValueOf(areas[3], L"threeAreaArray"), L"2:0:1 113");
    EXPECT_EQ(Hits(areas[3], L"threeAreaRate"),
              (std::vector<std::wstring>{L"threeAreaRate201=" + Marked(0, Box(40), L"2:0:1")}));
    EXPECT_EQ(Hits(areas[3], L"pos"),
              (std::vector<std::wstring>{L"pos0threeArea0=" + Marked(1, Box(20), L"1"),
                                         L"pos1threeArea0=" + Marked(2, Box(20), L"1"),
                                         L"pos2threeArea2=" + Marked(3, Box(20), L"3")}));
    const auto routes = Table(L"luShu");
    EXPECT_EQ(ValueOf(routes[3], L"luShuArray"), L"000");
    EXPECT_EQ(Hits(routes[3], L"luShuRate"),
              (std::vector<std::wstring>{L"luShuRate300=" + Marked(0, Box(40), L"3:0:0")}));
    EXPECT_EQ(Hits(routes[3], L"pos"),
              (std::vector<std::wstring>{L"pos0luShu0=" + Marked(1, Box(20), L"0"),
                                         L"pos1luShu0=" + Marked(2, Box(20), L"0"),
                                         L"pos2luShu0=" + Marked(3, Box(20), L"0")}));
    // The same rates for both types: the codes, then 40, 30, 30 per position.
    for (const auto &rows : {areas, routes}) {
        SummaryRows summary(rows);
        std::wstring rates;
        for (const auto &[key, value] : summary.probability) {
            if (key != L"name") {
                rates += value + L" ";
            }
        }
        EXPECT_EQ(rates, L"2.7 8.1 8.1 2.7 10.8 21.6 10.8 14.4 14.4 6.4 40 30 30 40 30 30 40 30 30 ");
    }
    EXPECT_EQ(SummaryRows(routes).Counts(L"luShuRate300"), L"4/3/1"); // 0,0,0  3,3,3  0,3,9  9,0,9
}

TEST_F(Magic3HistoryTest, FiveElementsCountTheDigitsByTheirLastDigit)
{
    const auto rows = Table(L"wuXing");
    // 0, 5, 1: 0 and 5 are metal, 1 is wood; elements without a digit stay empty, not "0".
    EXPECT_EQ(ValueOf(rows[5], L"wuXingRate"), L"2:1:0:0:0");
    EXPECT_EQ(Hits(rows[5], L""),
              (std::vector<std::wstring>{
                  L"qiHao=20246", L"lotDate=d6", L"lottery=" + Balls({L"0", L"5", L"1"}),
                  L"wuXingRate=2:1:0:0:0", L"wuXingArray=金金木", L"jinNum=" + Span(Box(30), L"2"),
                  L"muNum=" + Span(Box(30), L"1"), L"pos0jin=" + Marked(0, Box(20), L"金"),
                  L"pos1jin=" + Marked(1, Box(20), L"金"), L"pos2mu=" + Marked(2, Box(20), L"木")}));
    SummaryRows summary(rows);
    EXPECT_EQ(summary.probability.size(), 1U + 15U);
    EXPECT_EQ(summary.Theory(L"pos2tu"), L"20/1.6/4.0");
}

TEST_F(Magic3HistoryTest, DigitGroupsMarkTheGroupsThatHoldTheWholeDraw)
{
    struct Case {
        const wchar_t *type;
        std::size_t groups;
        const wchar_t *firstKey;
        const wchar_t *rate;
        const wchar_t *holdsDraw6; // of 0, 5, 1
    };
    const Case cases[] = {
        {L"w5", 17, L"w01249", L"12.5", L"w01569"},
        {L"w6", 10, L"w012346", L"21.6", L"w012359"},
        {L"w7", 6, L"w0123489", L"34.3", L"w0156789"},
    };
    for (const Case &c : cases) {
        const auto rows = Table(c.type);
        EXPECT_EQ(Hits(rows[5], L"w"),
                  (std::vector<std::wstring>{std::wstring(c.holdsDraw6) + L"=" + Span(Box(30), L"051")}))
            << c.type;
        SummaryRows summary(rows);
        ASSERT_EQ(summary.probability.size(), 1U + c.groups) << c.type;
        EXPECT_EQ(summary.probability[1], (std::pair<std::wstring, std::wstring>{c.firstKey, c.rate}))
            << c.type;
    }
}

TEST(Magic3HistoryEmptyTest, WithoutDrawsEveryTableIsItsSummaryRows)
{
    calculation::PluginLibrary library;
    ASSERT_TRUE(library.Open(calculation::PluginPathForGame(L"Magic3"))) << library.error();
    calculation::ChainHandle chain = library.MakeChain();
    for (const wchar_t *type : {L"heZhi", L"base", L"distribution", L"span", L"bigSmall", L"luShu",
                                L"threeArea", L"wuXing", L"w5", L"w6", L"w7"}) {
        const auto rows = testsupport::ParseListReply(chain->GetDetailedData(L"Magic3", type));
        ASSERT_EQ(rows.size(), 6U) << type;
        EXPECT_EQ(ValueOf(rows[2], L"name"), L"0期实际出现（期）") << type;
    }
    EXPECT_EQ(chain->GetDetailedData(L"Magic3", L"other"), L"{size:\"0\",items:[]}");
}

} // namespace

// The engine's history tables over the thirty draws of support/history_fixture.h, with the edge
// cases of each table on small fixtures of their own.
#include "calculation/history/history_tables.h"

#include <gtest/gtest.h>

#include <array>

#include "calculation/history/history_cells.h"
#include "support/history_fixture.h"

namespace calculation {
namespace {

using basekit::OrderedRow;
using testsupport::Box;
using testsupport::Marked;
using testsupport::Span;
using testsupport::SummaryRows;
using testsupport::TestBall;
using testsupport::ValueOf;

const std::wstring kRed = TestBall(L"red");
const std::wstring kBlue = TestBall(L"blue");
const std::wstring kGreen = TestBall(L"green");
const std::wstring kGold = TestBall(L"gold");
const std::wstring kPurple = TestBall(L"purple");
const std::array<std::wstring, 6> kSeries{kRed, kGreen, kBlue, kGold, kPurple, L""};

// The first columns of every draw row.
OrderedRow Head(const std::wstring &qiHao, const std::wstring &lotDate, const std::wstring &balls)
{
    return {{L"qiHao", qiHao}, {L"lotDate", lotDate}, {L"lottery", balls}};
}

std::wstring RedBalls(std::initializer_list<const wchar_t *> numbers)
{
    std::wstring balls;
    for (const wchar_t *n : numbers) {
        balls += Span(kRed, n);
    }
    return balls;
}

const std::wstring kBallsA = RedBalls({L"01", L"02", L"03", L"04", L"05"}) + Span(kBlue, L"01");
const std::wstring kBallsD = RedBalls({L"03", L"07", L"08", L"12", L"15"}) + Span(kBlue, L"06");

OrderedRow With(OrderedRow row, const OrderedRow &more)
{
    row.insert(row.end(), more.begin(), more.end());
    return row;
}

// "r0", "r1", ...: each rate names its own place, so a rate on the wrong column shows.
std::vector<std::wstring> Numbered(const std::wstring &prefix, int from, int count)
{
    std::vector<std::wstring> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (int i = from; i < from + count; ++i) {
        keys.push_back(prefix + std::to_wstring(i));
    }
    return keys;
}

std::vector<std::wstring> PlaceRates(int count)
{
    return Numbered(L"r", 0, count);
}

// The summary keys in rate order: the key that carries each "r" + i.
std::vector<std::wstring> KeysOfPlaceRates(const SummaryRows &summary)
{
    std::vector<std::wstring> keys(summary.probability.size() - 1);
    for (const auto &[key, value] : summary.probability) {
        if (key != L"name") {
            keys[static_cast<std::size_t>(std::stoi(value.substr(1)))] = key;
        }
    }
    return keys;
}

class HistoryTablesTest : public ::testing::Test {
protected:
    std::vector<OrderedRow> Table(const std::wstring &reply) const
    {
        return testsupport::ParseListReply(reply);
    }

    basekit::TextMapList cache = testsupport::ThirtyDraws();
    HistoryTables tables{testsupport::FixtureGame(), cache};
};

TEST_F(HistoryTablesTest, BaseChartsEveryNumberOfThePoolWithTheDrawsStatistics)
{
    const std::vector<std::wstring> rates(15, L"33.3");
    const auto rows = Table(tables.Base(kRed, kBlue, rates, 1));
    ASSERT_EQ(rows.size(), 36U);
    OrderedRow a = With(Head(L"2024001", L"2024-01-01", kBallsA), {{L"acValue", L"0"}, {L"average", L"3"}});
    for (int n = 1; n <= 15; ++n) {
        a.emplace_back(L"pos" + std::to_wstring(n - 1), n <= 5 ? Span(kRed, L"0" + std::to_wstring(n)) : L"");
    }
    a = With(a, {{L"minNum", L"01"},
                 {L"maxNum", L"05"},
                 {L"sum", L"15"},
                 {L"span", L"4"},
                 {L"threeAreaRate", L"5:0:0"},
                 {L"bigSmallRate", L"0:5"},
                 {L"oddEvenRate", L"3:2"},
                 {L"zhiHeRate", L"4:1"},
                 {L"luShuRate", L"1:2:2"}});
    EXPECT_EQ(rows[0], a);

    // D = 3, 7, 8, 12, 15: AC 8 distinct differences - 4; average 45 / 5.
    const OrderedRow &d = rows[29];
    EXPECT_EQ(ValueOf(d, L"lottery"), kBallsD);
    EXPECT_EQ(ValueOf(d, L"acValue"), L"4");
    EXPECT_EQ(ValueOf(d, L"average"), L"9");
    EXPECT_EQ(ValueOf(d, L"pos11"), Span(kRed, L"12"));
    EXPECT_EQ(ValueOf(d, L"pos10"), L"");
    EXPECT_EQ(ValueOf(d, L"minNum") + L" " + ValueOf(d, L"maxNum") + L" " + ValueOf(d, L"sum") + L" " +
                  ValueOf(d, L"span") + L" " + ValueOf(d, L"threeAreaRate") + L" " +
                  ValueOf(d, L"bigSmallRate") + L" " + ValueOf(d, L"oddEvenRate") + L" " +
                  ValueOf(d, L"zhiHeRate") + L" " + ValueOf(d, L"luShuRate"),
              L"03 15 45 12 1:2:2 3:2 3:2 2:3 3:1:1");

    SummaryRows summary(rows);
    EXPECT_EQ(summary.Theory(L"pos0"), L"33.3/10.0/2.0");
    const std::pair<const wchar_t *, const wchar_t *> counts[] = {
        {L"pos0", L"19/10/10"}, {L"pos2", L"20/10/0"},  {L"pos5", L"1/1/20"},   {L"pos6", L"2/1/0"},
        {L"pos10", L"9/9/1"},   {L"pos14", L"10/10/0"}, {L"qiHao", L"30/30/0"}, {L"lottery", L"30/30/0"},
    };
    for (const auto &[key, expected] : counts) {
        EXPECT_EQ(summary.Counts(key), expected) << key;
    }
    // The statistics are not counted.
    EXPECT_EQ(ValueOf(summary.hits, L"average"), L"<missing>");
    EXPECT_EQ(ValueOf(summary.hits, L"acValue"), L"<missing>");
}

TEST_F(HistoryTablesTest, DistributionMarksEachPositionInItsColour)
{
    const auto rows = Table(tables.Distribution(kRed, kBlue, kSeries, PlaceRates(55), 1));
    ASSERT_EQ(rows.size(), 36U);
    // Position j of a sorted draw of 5 from 15 holds j + 1 .. j + 11: eleven columns each.
    EXPECT_EQ(rows[0].size(), 3U + 55U);
    EXPECT_EQ(ValueOf(rows[0], L"pos00"), Marked(0, kRed, L"01"));
    EXPECT_EQ(ValueOf(rows[0], L"pos10"), Marked(1, kGreen, L"02"));
    EXPECT_EQ(ValueOf(rows[0], L"pos20"), Marked(2, kBlue, L"03"));
    EXPECT_EQ(ValueOf(rows[0], L"pos30"), Marked(3, kGold, L"04"));
    EXPECT_EQ(ValueOf(rows[0], L"pos40"), Marked(4, kPurple, L"05"));
    std::vector<std::wstring> marked;
    for (const auto &[key, value] : rows[29]) {
        if (key.starts_with(L"pos") && !value.empty()) {
            marked.push_back(key + L"=");
            marked.back() += value;
        }
    }
    EXPECT_EQ(marked, (std::vector<std::wstring>{
                          L"pos02=" + Marked(0, kRed, L"03"), L"pos15=" + Marked(1, kGreen, L"07"),
                          L"pos25=" + Marked(2, kBlue, L"08"), L"pos38=" + Marked(3, kGold, L"12"),
                          L"pos410=" + Marked(4, kPurple, L"15")}));

    SummaryRows summary(rows);
    std::vector<std::wstring> keys;
    for (int j = 0; j < 5; ++j) {
        const auto position = Numbered(L"pos" + std::to_wstring(j), 0, 11);
        keys.insert(keys.end(), position.begin(), position.end());
    }
    EXPECT_EQ(KeysOfPlaceRates(summary), keys);
    EXPECT_EQ(summary.Theory(L"pos00"), L"r0/0.0/∞");
    EXPECT_EQ(summary.Counts(L"pos00"), L"19/10/10");
    EXPECT_EQ(summary.Counts(L"pos410"), L"10/10/0");
    // Nothing is skipped: the draw's own columns are counted too.
    EXPECT_EQ(summary.Counts(L"lotDate"), L"30/30/0");
}

TEST(HistoryTablesEdgeTest, DistributionPositionsPastTheStylesHaveNone)
{
    const HistoryGame game = testsupport::LottoGame(10, 7);
    const basekit::TextMapList cache{testsupport::Draw(L"1", L"d", L"1,2,3,4,5,6,7")};
    const auto rows =
        testsupport::ParseListReply(HistoryTables(game, cache).Distribution(kRed, L"", kSeries, {}, 0));
    EXPECT_EQ(ValueOf(rows[0], L"pos50"), Marked(5, L"", L"6"));
    EXPECT_EQ(ValueOf(rows[0], L"pos60"), Marked(6, L"", L"7"));
    // A value outside its position's range (an unsorted draw) marks nothing there.
    const basekit::TextMapList unsorted{testsupport::Draw(L"1", L"d", L"9,2,3,4,5,6,7")};
    const auto other =
        testsupport::ParseListReply(HistoryTables(game, unsorted).Distribution(kRed, L"", kSeries, {}, 0));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ValueOf(other[0], L"pos0" + std::to_wstring(i)), L"");
    }
}

TEST_F(HistoryTablesTest, PositionFollowsOneValueWithItsClasses)
{
    const auto rows = Table(tables.Position(L"pos4", kRed, kBlue, kSeries, PlaceRates(11), 1));
    ASSERT_EQ(rows.size(), 36U);
    OrderedRow a = With(Head(L"2024001", L"2024-01-01", kBallsA), {{L"weiLot", L"05"},
                                                                   {L"bigSmall", L"小"},
                                                                   {L"oddEven", L"奇"},
                                                                   {L"zhiHe", L"质"},
                                                                   {L"luShu", L"2"},
                                                                   {L"threeArea", L"1"}});
    for (int i = 0; i <= 10; ++i) {
        a.emplace_back(L"pos4" + std::to_wstring(i), i == 0 ? Marked(4, kRed, L"05") : L"");
    }
    EXPECT_EQ(rows[0], a);
    auto classes = [](const OrderedRow &row) {
        return ValueOf(row, L"weiLot") + ValueOf(row, L"bigSmall") + ValueOf(row, L"oddEven") +
               ValueOf(row, L"zhiHe") + ValueOf(row, L"luShu") + ValueOf(row, L"threeArea");
    };
    EXPECT_EQ(classes(rows[9]), L"10大偶合12");
    EXPECT_EQ(ValueOf(rows[9], L"pos45"), Marked(4, kRed, L"10"));
    EXPECT_EQ(classes(rows[29]), L"15大奇合03");
    EXPECT_EQ(ValueOf(rows[29], L"pos410"), Marked(4, kRed, L"15"));

    SummaryRows summary(rows);
    EXPECT_EQ(KeysOfPlaceRates(summary), Numbered(L"pos4", 0, 11));
    EXPECT_EQ(summary.Counts(L"pos40"), L"19/10/10");
    EXPECT_EQ(summary.Counts(L"pos45"), L"1/1/20");
    EXPECT_EQ(summary.Counts(L"pos410"), L"10/10/0");
    EXPECT_EQ(ValueOf(summary.hits, L"weiLot"), L"<missing>");
}

TEST_F(HistoryTablesTest, PositionsTheDrawsDoNotHaveAnswerAnEmptyTable)
{
    for (const wchar_t *type : {L"pos5", L"pos7", L"pos9"}) {
        EXPECT_EQ(tables.Position(type, kRed, kBlue, kSeries, {}, 1), L"{size:\"0\",items:[]}") << type;
    }
    // A last character that is no digit reads as position 0.
    const auto rows = Table(tables.Position(L"posX", kRed, kBlue, kSeries, {}, 1));
    EXPECT_EQ(ValueOf(rows[0], L"pos00"), Marked(0, kRed, L"01"));
}

TEST(HistoryTablesEdgeTest, PositionOfDigitsAndOfTheLastArea)
{
    const basekit::TextMapList digits{testsupport::Draw(L"1", L"d", L"3,8,0")};
    HistoryTables digitTables(testsupport::DigitGame(), digits);
    auto row = testsupport::ParseListReply(digitTables.Position(L"pos1", kRed, L"", kSeries, {}, 1))[0];
    EXPECT_EQ(ValueOf(row, L"pos18"), Marked(0, kRed, L"8"));
    EXPECT_EQ(ValueOf(row, L"bigSmall") + ValueOf(row, L"zhiHe") + ValueOf(row, L"luShu"), L"大合2");
    EXPECT_EQ(row.size(), 3U + 6U + 10U);
    // The digit 0: even, composite (divisible by 2), route 0, first area.
    row = testsupport::ParseListReply(digitTables.Position(L"pos2", kRed, L"", kSeries, {}, 1))[0];
    EXPECT_EQ(ValueOf(row, L"oddEven") + ValueOf(row, L"zhiHe") + ValueOf(row, L"luShu") +
                  ValueOf(row, L"threeArea"),
              L"偶合01");
    EXPECT_EQ(ValueOf(row, L"pos20"), Marked(0, kRed, L"0"));

    // Three areas of 7 over 1-22: 22 is in the third.
    const HistoryGame game = testsupport::LottoGame(22, 5);
    const basekit::TextMapList lotto{testsupport::Draw(L"1", L"d", L"18,19,20,21,22")};
    row = testsupport::ParseListReply(
        HistoryTables(game, lotto).Position(L"pos4", kRed, L"", kSeries, {}, 1))[0];
    EXPECT_EQ(ValueOf(row, L"threeArea"), L"3");
}

TEST_F(HistoryTablesTest, ShapeChartsTheRatioAndEachPositionsClass)
{
    const auto rows = Table(tables.Shape(L"bigSmall", kRed, kBlue, PlaceRates(16), 1));
    ASSERT_EQ(rows.size(), 36U);
    const std::wstring ratio = Box(40);
    const std::wstring cell = Box(20);
    OrderedRow a =
        With(Head(L"2024001", L"2024-01-01", kBallsA),
             {{L"rate", L"0:5"}, {L"bigSmallArray", L"小小小小小"}, {L"rate0", Marked(0, ratio, L"0:5")}});
    for (int i = 1; i <= 5; ++i) {
        a.emplace_back(L"rate" + std::to_wstring(i), L"");
    }
    for (int p = 0; p < 5; ++p) {
        a.emplace_back(L"pos" + std::to_wstring(p) + L"0", Marked(p + 1, cell, L"小"));
        a.emplace_back(L"pos" + std::to_wstring(p) + L"1", L"");
    }
    EXPECT_EQ(rows[0], a);
    // D = 3, 7, 8, 12, 15 with 8 and above big: three big, two small, the code 32 of column 3.
    const OrderedRow &d = rows[29];
    EXPECT_EQ(ValueOf(d, L"rate3"), Marked(0, ratio, L"3:2"));
    EXPECT_EQ(ValueOf(d, L"bigSmallArray"), L"小小大大大");
    EXPECT_EQ(ValueOf(d, L"pos10") + ValueOf(d, L"pos11"), Marked(2, cell, L"小"));
    EXPECT_EQ(ValueOf(d, L"pos20") + ValueOf(d, L"pos21"), Marked(3, cell, L"大"));

    SummaryRows summary(rows);
    EXPECT_EQ(KeysOfPlaceRates(summary),
              (std::vector<std::wstring>{L"rate0", L"rate1", L"rate2", L"rate3", L"rate4", L"rate5", L"pos01",
                                         L"pos00", L"pos11", L"pos10", L"pos21", L"pos20", L"pos31", L"pos30",
                                         L"pos41", L"pos40"}));
    EXPECT_EQ(summary.Counts(L"rate0"), L"19/10/10");
    EXPECT_EQ(summary.Counts(L"rate3"), L"2/1/0");
    EXPECT_EQ(summary.Counts(L"rate5"), L"9/9/1");
    EXPECT_EQ(summary.Counts(L"rate1"), L"0/0/30");
    // The first number is small in A, B and D: a run of 20 draws, then C's nine big ones.
    EXPECT_EQ(summary.Counts(L"pos00"), L"21/20/0");
    EXPECT_EQ(ValueOf(summary.hits, L"rate"), L"<missing>");
}

TEST(HistoryTablesEdgeTest, ShapeClassesOfOddEvenAndPrimeComposite)
{
    const basekit::TextMapList cache{testsupport::Draw(L"1", L"d", L"2,4,6"),
                                     testsupport::Draw(L"2", L"d", L"0,7,9")};
    HistoryTables tables(testsupport::DigitGame(), cache);
    const auto oddEven = testsupport::ParseListReply(tables.Shape(L"oddEven", kRed, L"", {}, 0));
    EXPECT_EQ(ValueOf(oddEven[0], L"rate0"), Marked(0, Box(40), L"0:3"));
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(ValueOf(oddEven[0], L"pos" + std::to_wstring(p) + L"0"), Marked(p + 1, Box(20), L"偶"));
    }
    // 0 and 9 are composite, 7 is prime.
    const auto zhiHe = testsupport::ParseListReply(tables.Shape(L"zhiHe", kRed, L"", {}, 0));
    EXPECT_EQ(ValueOf(zhiHe[1], L"zhiHeArray"), L"合质合");
    EXPECT_EQ(ValueOf(zhiHe[1], L"pos00"), Marked(1, Box(20), L"合"));
    EXPECT_EQ(ValueOf(zhiHe[1], L"pos11"), Marked(2, Box(20), L"质"));
    EXPECT_EQ(ValueOf(zhiHe[1], L"rate1"), Marked(0, Box(40), L"1:2"));
}

TEST_F(HistoryTablesTest, SpanChartsTheSpanAndTheLargestGap)
{
    const auto rows = Table(tables.Span(kRed, kBlue, PlaceRates(22), 11, 1));
    ASSERT_EQ(rows.size(), 36U);
    // Five sorted numbers span at least 4 and lie at least 1 apart: span i + 4, gap i + 1.
    OrderedRow a = With(Head(L"2024001", L"2024-01-01", kBallsA),
                        {{L"span", L"4"}, {L"minNum", L"01"}, {L"maxNum", L"05"}});
    for (int i = 0; i < 11; ++i) {
        a.emplace_back(L"span" + std::to_wstring(i), i == 0 ? Marked(0, Box(20), L"4") : L"");
    }
    a.emplace_back(L"linHaoLag", L"1");
    for (int i = 0; i < 11; ++i) {
        a.emplace_back(L"linHaoLag" + std::to_wstring(i), i == 0 ? Marked(1, Box(20), L"1") : L"");
    }
    EXPECT_EQ(rows[0], a);
    // D = 3, 7, 8, 12, 15: span 12, gaps 4, 1, 4, 3.
    EXPECT_EQ(ValueOf(rows[29], L"span8"), Marked(0, Box(20), L"12"));
    EXPECT_EQ(ValueOf(rows[29], L"linHaoLag3"), Marked(1, Box(20), L"4"));
    EXPECT_EQ(ValueOf(rows[29], L"minNum") + L"-" + ValueOf(rows[29], L"maxNum"), L"03-15");

    SummaryRows summary(rows);
    std::vector<std::wstring> keys = Numbered(L"span", 0, 11);
    const auto gaps = Numbered(L"linHaoLag", 0, 11);
    keys.insert(keys.end(), gaps.begin(), gaps.end());
    EXPECT_EQ(KeysOfPlaceRates(summary), keys);
    // A and C span 4 (29 draws but B), B spans 4 too: only D does not.
    EXPECT_EQ(summary.Counts(L"span0"), L"29/29/1");
    EXPECT_EQ(summary.Counts(L"linHaoLag0"), L"29/29/1");
    EXPECT_EQ(summary.Counts(L"span8"), L"1/1/0");
}

TEST(HistoryTablesEdgeTest, SpanOfAnUnsortedDigitDrawShowsItsSmallestAndLargest)
{
    const basekit::TextMapList cache{testsupport::Draw(L"1", L"d", L"9,1,5"),
                                     testsupport::Draw(L"2", L"d", L"7,7,7")};
    const auto rows = testsupport::ParseListReply(
        HistoryTables(testsupport::DigitGame(), cache).Span(kRed, L"", {}, 10, 0));
    EXPECT_EQ(ValueOf(rows[0], L"minNum") + L" " + ValueOf(rows[0], L"maxNum") + L" " +
                  ValueOf(rows[0], L"span"),
              L"1 9 8");
    EXPECT_EQ(ValueOf(rows[0], L"span8"), Marked(0, Box(20), L"8"));
    EXPECT_EQ(ValueOf(rows[0], L"linHaoLag8"), Marked(1, Box(20), L"8"));
    // 7, 7, 7: span 0 and gap 0 mark the first column of each chart.
    EXPECT_EQ(ValueOf(rows[1], L"span0"), Marked(0, Box(20), L"0"));
    EXPECT_EQ(ValueOf(rows[1], L"linHaoLag0"), Marked(1, Box(20), L"0"));
    // Without columns the draws still carry their span, and the summary has only its names.
    const auto bare =
        testsupport::ParseListReply(HistoryTables(testsupport::DigitGame(), cache).Span(kRed, L"", {}, 0, 0));
    EXPECT_EQ(ValueOf(bare[0], L"span"), L"8");
    EXPECT_EQ(SummaryRows(bare).probability, (OrderedRow{{L"name", L"理论出现概率（%）"}}));
}

TEST_F(HistoryTablesTest, SumChartsTheRangesAndTheTail)
{
    const std::array<SumRange, 4> ranges{{{15, 19}, {20, 39}, {40, 45}, {46, 65}}};
    const auto rows = Table(tables.Sum(kRed, kBlue, ranges, PlaceRates(14), 1));
    ASSERT_EQ(rows.size(), 36U);
    const std::wstring range =
        L"'display:inline-block;height:16px;padding:1px 2px 0px 2px;background:#067306;"
        L"color:#ffffff;text-align:center;'";
    OrderedRow a = With(Head(L"2024001", L"2024-01-01", kBallsA), {{L"sum0", Marked(0, range, L"15")},
                                                                   {L"sum1", L""},
                                                                   {L"sum2", L""},
                                                                   {L"sum3", L""},
                                                                   {L"sum", L"15"}});
    for (int d = 0; d < 10; ++d) {
        a.emplace_back(L"sumTail" + std::to_wstring(d), d == 5 ? Marked(1, Box(20), L"5") : L"");
    }
    a.emplace_back(L"sumTail", L"5");
    EXPECT_EQ(rows[0], a);
    // D sums to 45, the high end of (40, 45).
    EXPECT_EQ(ValueOf(rows[29], L"sum2"), Marked(0, range, L"45"));

    SummaryRows summary(rows);
    std::vector<std::wstring> keys = Numbered(L"sum", 0, 4);
    const auto tails = Numbered(L"sumTail", 0, 10);
    keys.insert(keys.end(), tails.begin(), tails.end());
    EXPECT_EQ(KeysOfPlaceRates(summary), keys);
    EXPECT_EQ(summary.Counts(L"sum0"), L"19/10/10");
    EXPECT_EQ(summary.Counts(L"sum2"), L"2/1/0");
    EXPECT_EQ(summary.Counts(L"sum3"), L"9/9/1");
    EXPECT_EQ(summary.Counts(L"sumTail5"), L"29/20/0");
    EXPECT_EQ(summary.Counts(L"sumTail0"), L"1/1/20");
    EXPECT_EQ(ValueOf(summary.hits, L"sum"), L"<missing>");
}

TEST_F(HistoryTablesTest, RoutesCountEachClassAndMarkEachPosition)
{
    const auto rows = Table(tables.RouteArea(kRed, kBlue, L"luShu", PlaceRates(33), 1));
    ASSERT_EQ(rows.size(), 36U);
    const std::wstring box = Box(18);
    // A = 1, 2, 3, 4, 5: remainders 1 2 0 1 2, so one of class 0 and two each of classes 1 and 2.
    OrderedRow a =
        With(Head(L"2024001", L"2024-01-01", kBallsA), {{L"luShuRate", L"1:2:2"}, {L"luShuArray", L"12012"}});
    const int counts[] = {1, 2, 2};
    for (int c = 0; c < 3; ++c) {
        for (int m = 0; m <= 5; ++m) {
            a.emplace_back(L"luShu" + std::to_wstring(c) + std::to_wstring(m),
                           m == counts[c] ? Marked(c, box, std::to_wstring(m)) : L"");
        }
    }
    const int classes[] = {1, 2, 0, 1, 2};
    for (int p = 0; p < 5; ++p) {
        for (int c = 0; c < 3; ++c) {
            a.emplace_back(L"pos" + std::to_wstring(p) + std::to_wstring(c),
                           c == classes[p] ? Marked(p + 3, box, std::to_wstring(c)) : L"");
        }
    }
    EXPECT_EQ(rows[0], a);
    // The position cells separate their attributes.
    EXPECT_EQ(ValueOf(rows[0], L"pos20"), L"<span block='block5' style=" + box + L">0</span>");

    SummaryRows summary(rows);
    std::vector<std::wstring> keys;
    for (int c = 0; c < 3; ++c) {
        const auto chart = Numbered(L"luShu" + std::to_wstring(c), 0, 6);
        keys.insert(keys.end(), chart.begin(), chart.end());
    }
    for (int p = 0; p < 5; ++p) {
        const auto chart = Numbered(L"pos" + std::to_wstring(p), 0, 3);
        keys.insert(keys.end(), chart.begin(), chart.end());
    }
    EXPECT_EQ(KeysOfPlaceRates(summary), keys);
    // D = 3, 7, 8, 12, 15: three of class 0; B = 6..10: 6 9 are 0, 7 10 are 1, 8 is 2.
    EXPECT_EQ(ValueOf(rows[29], L"luShu03"), Marked(0, box, L"3"));
    EXPECT_EQ(summary.Counts(L"luShu01"), L"19/10/10");
    EXPECT_EQ(summary.Counts(L"luShu03"), L"1/1/0");
    EXPECT_EQ(summary.Counts(L"luShu02"), L"10/9/1"); // B and C (11..15: 12 15 are 0, 13 is 1, 11 14 are 2)
}

TEST(HistoryTablesEdgeTest, ThreeAreasPutTheLastNumberOfAWiderPoolInTheThird)
{
    const HistoryGame game = testsupport::LottoGame(22, 5);
    const basekit::TextMapList cache{testsupport::Draw(L"1", L"d", L"1,8,14,15,22")};
    const auto row =
        testsupport::ParseListReply(HistoryTables(game, cache).RouteArea(kRed, L"", L"threeArea", {}, 1))[0];
    EXPECT_EQ(ValueOf(row, L"threeAreaRate"), L"1:2:2");
    EXPECT_EQ(ValueOf(row, L"threeArea01"), Marked(0, Box(18), L"1"));
    EXPECT_EQ(ValueOf(row, L"threeArea12"), Marked(1, Box(18), L"2"));
    EXPECT_EQ(ValueOf(row, L"threeArea22"), Marked(2, Box(18), L"2"));
    EXPECT_EQ(ValueOf(row, L"pos21"), Marked(5, Box(18), L"2")); // 14 = 2w is in the second
    EXPECT_EQ(ValueOf(row, L"pos32"), Marked(6, Box(18), L"3")); // 2w + 1
    EXPECT_EQ(ValueOf(row, L"pos42"), Marked(7, Box(18), L"3")); // 22
}

TEST_F(HistoryTablesTest, FiveElementsCountEachElementAndMarkEachPosition)
{
    const auto rows = Table(tables.FiveElements(kRed, kBlue, PlaceRates(25), 1, 1, Box(20)));
    ASSERT_EQ(rows.size(), 36U);
    // By the element table: 1 water, 2 and 5 earth, 3 and 4 wood.
    OrderedRow a = With(Head(L"2024001", L"2024-01-01", kBallsA), {{L"wuXingRate", L"0:2:1:0:2"},
                                                                   {L"wuXingArray", L"水土木木土"},
                                                                   {L"jinNum", L""},
                                                                   {L"muNum", Span(Box(20), L"2")},
                                                                   {L"shuiNum", Span(Box(20), L"1")},
                                                                   {L"huoNum", L""},
                                                                   {L"tuNum", Span(Box(20), L"2")}});
    const wchar_t *elements[] = {L"jin", L"mu", L"shui", L"huo", L"tu"};
    const int ofPosition[] = {2, 4, 1, 1, 4};
    const wchar_t *names[] = {L"金", L"木", L"水", L"火", L"土"};
    for (int p = 0; p < 5; ++p) {
        for (int e = 0; e < 5; ++e) {
            a.emplace_back(L"pos" + std::to_wstring(p) + elements[e],
                           e == ofPosition[p] ? Marked(p, Box(20), names[e]) : L"");
        }
    }
    EXPECT_EQ(rows[0], a);

    SummaryRows summary(rows);
    EXPECT_EQ(KeysOfPlaceRates(summary)[7], L"pos1shui");
    EXPECT_EQ(summary.Counts(L"pos0shui"), L"19/10/10");
    // The counts are not counted.
    EXPECT_EQ(ValueOf(summary.hits, L"muNum"), L"<missing>");
}

TEST(HistoryTablesEdgeTest, FiveElementsByTheLastDigit)
{
    const basekit::TextMapList cache{testsupport::Draw(L"1", L"d", L"0,5,1")};
    const auto row = testsupport::ParseListReply(
        HistoryTables(testsupport::DigitGame(), cache).FiveElements(kRed, L"", {}, 0, 0, Box(30)))[0];
    EXPECT_EQ(ValueOf(row, L"jinNum"), Span(Box(30), L"2"));
    EXPECT_EQ(ValueOf(row, L"muNum"), Span(Box(30), L"1"));
    EXPECT_EQ(ValueOf(row, L"tuNum"), L""); // no number of earth: empty, not "0"
    EXPECT_EQ(ValueOf(row, L"pos0jin"), Marked(0, Box(20), L"金"));
    EXPECT_EQ(ValueOf(row, L"pos1jin"), Marked(1, Box(20), L"金"));
}

TEST_F(HistoryTablesTest, OtherListsPairsAndStatisticsOfTheFirstThreePositions)
{
    const auto rows = Table(tables.Other(kRed, 1));
    ASSERT_EQ(rows.size(), 30U); // no summary rows
    const std::wstring ballsD = RedBalls({L"03", L"07", L"08", L"12", L"15"}) + Span(L"", L"06");
    EXPECT_EQ(rows[29], With(Head(L"2024030", L"2024-01-30", ballsD),
                             {{L"minNum", L"3"},
                              {L"maxNum", L"15"},
                              {L"acValue", L"4"},
                              {L"average", L"9"},
                              {L"erMa01", L"37"},
                              {L"erMa02", L"38"},
                              {L"erMa12", L"78"},
                              {L"he01", L"10"},
                              {L"he02", L"11"},
                              {L"he12", L"15"},
                              {L"cha01", L"4"},
                              {L"cha02", L"5"},
                              {L"cha12", L"1"},
                              {L"shape", L"组六"},
                              {L"sameNum", L"-"},
                              {L"lianHao", L"<span style='color:red'>二连</span>"},
                              {L"differNum", L"5"}}));
}

TEST(HistoryTablesEdgeTest, OtherOfARepeatedDigit)
{
    const basekit::TextMapList cache{testsupport::Draw(L"1", L"d", L"9,0,9")};
    const auto row =
        testsupport::ParseListReply(HistoryTables(testsupport::DigitGame(), cache).Other(kRed, 0))[0];
    std::wstring values;
    for (const wchar_t *key : {L"he01", L"he02", L"he12", L"cha01", L"cha02", L"cha12", L"minNum", L"maxNum",
                               L"differNum", L"sameNum"}) {
        values += ValueOf(row, key) + L" ";
    }
    EXPECT_EQ(values, L"9 18 9 9 0 9 0 9 2 9 ");
}

TEST_F(HistoryTablesTest, PatternsMarkTheConsecutiveNumbers)
{
    const auto rows = Table(tables.Patterns(kRed, kBlue, L"lianHao", 1));
    ASSERT_EQ(rows.size(), 30U); // no summary rows
    OrderedRow d =
        With(Head(L"2024030", L"2024-01-30", kBallsD), {{L"lianHaoNum", L"7,8"}, {L"lianHaoGroup", L"12"}});
    for (int i = 0; i < 15; ++i) {
        d.emplace_back(L"pos" + std::to_wstring(i),
                       i == 6 || i == 7 ? Span(kRed, L"0" + std::to_wstring(i + 1)) : L"");
    }
    EXPECT_EQ(rows[29], d);
    EXPECT_EQ(ValueOf(rows[0], L"lianHaoNum"), L"1,2,3,4,5");
    EXPECT_EQ(ValueOf(rows[0], L"lianHaoGroup"), L"15");
    // No tail repeats in the fixture, and same numbers are not charted for distinct numbers.
    for (const wchar_t *type : {L"sameTail", L"sameNum"}) {
        for (const OrderedRow &row : Table(tables.Patterns(kRed, kBlue, type, 1))) {
            for (int i = 0; i < 15; ++i) {
                EXPECT_EQ(ValueOf(row, L"pos" + std::to_wstring(i)), L"") << type;
            }
        }
    }
}

TEST(HistoryTablesEdgeTest, PatternsOfSameTailsAndOfDigits)
{
    const HistoryGame game = testsupport::LottoGame(35, 5);
    const basekit::TextMapList cache{testsupport::Draw(L"1", L"d", L"03,13,25,27,35")};
    const auto row =
        testsupport::ParseListReply(HistoryTables(game, cache).Patterns(kRed, L"", L"sameTail", 0))[0];
    EXPECT_EQ(ValueOf(row, L"sameTailNum"), L"3,5");
    std::vector<std::wstring> marked;
    for (int i = 0; i < 35; ++i) {
        if (!ValueOf(row, L"pos" + std::to_wstring(i)).empty()) {
            marked.push_back(ValueOf(row, L"pos" + std::to_wstring(i)));
        }
    }
    // 23 and 33 share the tails but were not drawn; 27 was drawn but its tail is alone.
    EXPECT_EQ(marked, (std::vector<std::wstring>{Span(kRed, L"03"), Span(kRed, L"13"), Span(kRed, L"25"),
                                                 Span(kRed, L"35")}));

    const basekit::TextMapList digits{testsupport::Draw(L"1", L"d", L"1,1,5")};
    const auto digitRow = testsupport::ParseListReply(
        HistoryTables(testsupport::DigitGame(), digits).Patterns(kRed, L"", L"sameNum", 1))[0];
    EXPECT_EQ(ValueOf(digitRow, L"sameNum"), L"1");
    EXPECT_EQ(ValueOf(digitRow, L"pos1"), Span(kRed, L"1"));
    EXPECT_EQ(ValueOf(digitRow, L"pos5"), L"");
}

TEST_F(HistoryTablesTest, BackAreaChartsTheBackNumber)
{
    const auto rows = Table(tables.BackArea(kRed, kBlue, PlaceRates(6), 1));
    ASSERT_EQ(rows.size(), 36U);
    EXPECT_EQ(rows[0], With(Head(L"2024001", L"2024-01-01", kBallsA), {{L"pos0", Marked(0, kBlue, L"01")},
                                                                       {L"pos1", L""},
                                                                       {L"pos2", L""},
                                                                       {L"pos3", L""},
                                                                       {L"pos4", L""},
                                                                       {L"pos5", L""},
                                                                       {L"blue", L"01"},
                                                                       {L"bigSmall", L"小"},
                                                                       {L"oddEven", L"奇"}}));
    EXPECT_EQ(ValueOf(rows[29], L"pos5"), Marked(0, kBlue, L"06"));
    EXPECT_EQ(ValueOf(rows[29], L"bigSmall") + ValueOf(rows[29], L"oddEven"),
              L"大偶"); // 6 / 2 + 1 = 4 is big

    SummaryRows summary(rows);
    EXPECT_EQ(KeysOfPlaceRates(summary), Numbered(L"pos", 0, 6));
    EXPECT_EQ(summary.Counts(L"pos0"), L"19/10/10");
    EXPECT_EQ(summary.Counts(L"pos1"), L"1/1/20");
    EXPECT_EQ(summary.Counts(L"pos2"), L"9/9/1");
    EXPECT_EQ(summary.Counts(L"pos3"), L"0/0/30");
    EXPECT_EQ(summary.Counts(L"pos5"), L"1/1/0");
}

TEST(HistoryTablesEdgeTest, BackAreaOfTwoNumbersAndOfLabels)
{
    const HistoryGame game = testsupport::LottoGame(35, 5, 12, 2);
    const basekit::TextMapList cache{testsupport::Draw(L"1", L"d", L"01,02,03,04,05,04,13")};
    const auto row = testsupport::ParseListReply(HistoryTables(game, cache).BackArea(kRed, kBlue, {}, 1))[0];
    // Two back numbers draw no chart line; 13 is past the back pool and marks nothing.
    EXPECT_EQ(ValueOf(row, L"pos3"), Span(kBlue, L"04"));
    EXPECT_EQ(row.size(), 3U + 12U + 3U);
    EXPECT_EQ(ValueOf(row, L"blue") + L" " + ValueOf(row, L"bigSmall"), L"04 13 小大"); // big from 12 / 2 + 1

    HistoryGame labelled = testsupport::DigitGame(6);
    labelled.backMax = 12;
    labelled.backCount = 1;
    labelled.labelBack = true;
    labelled.labels = {L"鼠", L"牛", L"虎", L"兔", L"龙", L"蛇", L"马", L"羊", L"猴", L"鸡", L"狗", L"猪"};
    const basekit::TextMapList draws{testsupport::Draw(L"1", L"d", L"0,0,7,7,9,3,5"),
                                     testsupport::Draw(L"2", L"d", L"0,0,7,7,9,3,13")};
    const auto rows =
        testsupport::ParseListReply(HistoryTables(labelled, draws).BackArea(kRed, kBlue, {}, 1));
    const std::wstring front = Span(kRed, L"0") + Span(kRed, L"0") + Span(kRed, L"7") + Span(kRed, L"7") +
                               Span(kRed, L"9") + Span(kRed, L"3");
    EXPECT_EQ(ValueOf(rows[0], L"lottery"), front + Span(kBlue, L"龙"));
    EXPECT_EQ(ValueOf(rows[0], L"pos4"), Marked(0, kBlue, L"龙"));
    // A label number outside 1-12 is shown as the empty text.
    EXPECT_EQ(ValueOf(rows[1], L"lottery"), front + Span(kBlue, L""));
}

TEST(HistoryTablesEdgeTest, DrawsWithoutTheGamesNumbersAreLeftOut)
{
    basekit::TextMapList cache = testsupport::ThirtyDraws();
    cache.push_back(testsupport::Draw(L"short", L"d", L"01,02,03,04,05")); // no back number
    cache.push_back(testsupport::Draw(L"empty", L"d", L""));
    cache.push_front(testsupport::Draw(L"none", L"d", L"1"));
    HistoryTables tables(testsupport::FixtureGame(), cache);
    const std::array<std::wstring, 6> series{};
    for (const std::wstring &reply :
         {tables.Base(kRed, kBlue, {}, 1), tables.BackArea(kRed, kBlue, {}, 1), tables.Other(kRed, 1),
          tables.Position(L"pos4", kRed, kBlue, series, {}, 1),
          tables.Patterns(kRed, kBlue, L"lianHao", 1)}) {
        const auto rows = testsupport::ParseListReply(reply);
        EXPECT_EQ(ValueOf(rows.front(), L"qiHao"), L"2024001");
        EXPECT_EQ(ValueOf(rows[29], L"qiHao"), L"2024030");
        EXPECT_TRUE(rows.size() == 30U || ValueOf(rows[30], L"name") == L"理论出现概率（%）");
    }
}

// A cache of entries is read as it stands (the chain leaves out draws that are no draws of its
// game, a table does not rely on it): numbers at both ends of the int range overflow no sum,
// difference or class of any table (the sanitizer build aborts on a signed overflow), and every
// draw is shown.
TEST(HistoryTablesEdgeTest, NumbersAtTheEndsOfTheIntRangeOverflowNoTable)
{
    const basekit::TextMapList cache = {
        testsupport::Draw(L"1", L"d",
                          L"-2147483648,2147483647,-2147483648,2147483647,2147483647,-2147483648,2147483647"),
        testsupport::Draw(L"2", L"d",
                          L"2147483647,2147483647,2147483647,2147483647,2147483647,2147483647,2147483647"),
        testsupport::Draw(L"3", L"d",
                          L"-2147483648,-2147483648,-2147483648,-2147483648,-2147483648,-2147483648,-1"),
    };
    const std::array<std::wstring, 6> series{};
    for (const HistoryGame &game :
         {testsupport::FixtureGame(), testsupport::DigitGame(), testsupport::DigitGame(6),
          testsupport::LottoGame(35, 5, 12, 2), testsupport::LottoGame(30, 7)}) {
        const HistoryTables tables(game, cache);
        const std::vector<std::wstring> replies = {
            tables.Base(kRed, kBlue, {}, 1),
            tables.Distribution(kRed, kBlue, series, {}, 1),
            tables.Position(L"pos0", kRed, kBlue, series, {}, 1),
            tables.Position(L"pos2", kRed, kBlue, series, {}, 1),
            tables.Shape(L"bigSmall", kRed, kBlue, {}, 1),
            tables.Shape(L"oddEven", kRed, kBlue, {}, 1),
            tables.Shape(L"zhiHe", kRed, kBlue, {}, 1),
            tables.Span(kRed, kBlue, {}, 10, 1),
            tables.Sum(kRed, kBlue, {}, {}, 1),
            tables.RouteArea(kRed, kBlue, L"luShu", {}, 1),
            tables.RouteArea(kRed, kBlue, L"threeArea", {}, 1),
            tables.FiveElements(kRed, kBlue, {}, 0, 1, Box(30)),
            tables.FiveElements(kRed, kBlue, {}, 1, 1, Box(30)),
            tables.Other(kRed, 1),
            tables.Patterns(kRed, kBlue, L"lianHao", 1),
            tables.Patterns(kRed, kBlue, L"sameTail", 1),
            tables.Patterns(kRed, kBlue, L"sameNum", 1),
            tables.BackArea(kRed, kBlue, {}, 1),
        };
        for (std::size_t i = 0; i < replies.size(); ++i) {
            const auto rows = testsupport::ParseListReply(replies[i]);
            ASSERT_GE(rows.size(), 3U) << "table " << i << " of a game of " << game.frontCount;
            EXPECT_EQ(ValueOf(rows[2], L"qiHao"), L"3")
                << "table " << i << " of a game of " << game.frontCount;
        }
        // The pair sums of the "other" table are clamped to the int range.
        EXPECT_EQ(ValueOf(testsupport::ParseListReply(tables.Other(kRed, 1))[1], L"he01"), L"2147483647");
        EXPECT_EQ(ValueOf(testsupport::ParseListReply(tables.Other(kRed, 1))[2], L"he01"), L"-2147483648");
    }
}

} // namespace
} // namespace calculation

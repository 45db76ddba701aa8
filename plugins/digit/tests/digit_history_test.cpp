// The history tables of the digit games, reached as the program reaches them: through
// GetDetailedData of the chain each plug-in hands out. The games with rates show the chance of
// each column among all their equally likely rows; the others show the engine's tables over
// their parameters, without rates.
#include <gtest/gtest.h>

#include <functional>

#include "digit/Array5/array5_filter_chain.h"
#include "digit/Fc6Of10/fc6of10_filter_chain.h"
#include "digit/Tc7Of10/tc7of10_filter_chain.h"
#include "support/plugin_tables.h"

namespace digittest {
namespace {

using basekit::OrderedRow;
using testsupport::Marked;
using testsupport::Span;
using testsupport::SummaryRows;
using testsupport::TestBall;
using testsupport::ValueOf;
using Texts = std::vector<std::wstring>;

const std::wstring kRed = TestBall(L"red");
const std::wstring kBlue = TestBall(L"blue");

// The red ball of the digit games' base tables: the page's own font size.
std::wstring RedWithoutFontSize()
{
    std::wstring style = kRed;
    const std::wstring size = L"font-size:12px;";
    style.erase(style.find(size), size.size());
    return style;
}

Texts Repeat(std::size_t n, const std::wstring &text)
{
    return Texts(n, text);
}

Texts Join(std::initializer_list<Texts> parts)
{
    Texts all;
    for (const Texts &part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Texts Times(int n, const Texts &part)
{
    Texts all;
    for (int i = 0; i < n; ++i) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::string Narrow(const std::wstring &text)
{
    return {text.begin(), text.end()};
}

using GameTables = testsupport::PluginTables;

// The rate table of a game that feeds the table of type.
const Texts &RatesOf(const calculation::TableRates &rates, const std::wstring &type)
{
    if (type == L"base") {
        return rates.base;
    }
    if (type == L"blue") {
        return rates.back;
    }
    if (type == L"distribution") {
        return rates.distribution;
    }
    if (type.starts_with(L"pos")) {
        return rates.positions.at(static_cast<std::size_t>(type.back() - L'0'));
    }
    if (type == L"heZhi") {
        return rates.sum;
    }
    if (type == L"span") {
        return rates.span;
    }
    if (type == L"luShu" || type == L"threeArea") {
        return rates.RouteArea(type);
    }
    if (type == L"wuXing") {
        return rates.fiveElements;
    }
    return rates.Shape(type);
}

struct RatedGame {
    const wchar_t *key;
    std::function<const calculation::TableRates &()> rates;
    int digits;
};

const RatedGame kFc6Of10{L"Fc6Of10", plugins::fc6of10::Fc6Of10Rates, 6};
const RatedGame kArray5{L"Array5", plugins::array5::Array5Rates, 5};
const RatedGame kTc7Of10{L"Tc7Of10", plugins::tc7of10::Tc7Of10Rates, 7};

// The rates each table shows: the chance that one row of the game, all rows equally likely,
// hits the column. Where a listed rate of the game was off its rule, the rule's text is shown
// (marked "by the rule").
TEST(DigitHistoryRates, EveryTableShowsTheChancesOfItsColumns)
{
    const Texts tails = Repeat(10, L"10.0");
    const Texts halves = Repeat(2, L"50.0");
    const Texts routes = {L"40.0", L"30.0", L"30.0"};
    // Six digits: the chances of a class of 4 digits (0.4) and of 3 digits (0.3) k times of 6.
    const Texts sixOfFour = {L"4.7", L"18.7", L"31.1", L"27.6", L"13.8", L"3.7", L"0.4"};
    const Texts sixOfThree = {L"11.8", L"30.3", L"32.4", L"18.5", L"6.0", L"1.0", L"0.1"};
    // Five digits: the same, k times of 5 ("16.8" by the rule: 0.7^5).
    const Texts fiveOfFour = {L"7.8", L"25.9", L"34.6", L"23.0", L"7.7", L"1.0"};
    const Texts fiveOfThree = {L"16.8", L"36.0", L"30.9", L"13.2", L"2.8", L"0.2"};
    const Texts fiveShapes = Join({{L"3.1", L"15.6", L"31.3", L"31.3", L"15.6", L"3.1"}, Times(5, halves)});
    const Texts sevenShapes =
        Join({{L"0.78", L"5.47", L"16.4", L"27.3", L"27.3", L"16.4", L"5.47", L"0.78"}, Times(7, halves)});
    const Texts sixShapes =
        Join({{L"1.6", L"9.4", L"23.4", L"31.3", L"23.4", L"9.4", L"1.6"}, Times(6, halves)});
    struct Case {
        const RatedGame &game;
        const wchar_t *type;
        Texts rates;
    };
    const Case cases[] = {
        // 1 - 0.9^6 for every digit, 1/12 for every sign.
        {kFc6Of10, L"base", Repeat(10, L"46.9")},
        {kFc6Of10, L"blue", Repeat(12, L"8.3")},
        {kFc6Of10, L"pos0", Repeat(10, L"10.0")},
        {kFc6Of10, L"pos5", Repeat(10, L"10.0")},
        {kFc6Of10, L"heZhi",
         Join({{L"0.0", L"0.48", L"3.25", L"11.0", L"21.7", L"27.1", L"21.7", L"11.0", L"3.25", L"0.48",
                L"0.0"},
               tails})},
        // Span 9 holds a 0 and a 9: 1 - 2 × 0.9^6 + 0.8^6 = 19.9 % (by the rule); the gaps have
        // no rates.
        {kFc6Of10, L"span",
         Join({{L"0.0", L"0.06", L"0.48", L"1.89", L"4.90", L"9.75", L"16.0", L"22.1", L"25.0", L"19.9"},
               Repeat(10, L"")})},
        {kFc6Of10, L"bigSmall", sixShapes},
        {kFc6Of10, L"oddEven", sixShapes},
        {kFc6Of10, L"zhiHe", sixShapes},
        {kFc6Of10, L"luShu", Join({sixOfFour, sixOfThree, sixOfThree, Times(6, routes)})},
        {kFc6Of10, L"threeArea", Join({sixOfFour, sixOfThree, sixOfThree, Times(6, routes)})},
        {kFc6Of10, L"wuXing", Repeat(30, L"20.0")},
        // 1 - 0.9^5.
        {kArray5, L"base", Repeat(10, L"41.0")},
        {kArray5, L"distribution", Repeat(50, L"10")},
        {kArray5, L"heZhi",
         Join({{L"0.1", L"1.9", L"9.0", L"21.5", L"29.4", L"23.9", L"11.2", L"2.7", L"0.3"}, tails})},
        {kArray5, L"span", {L"0.0",  L"0.3",  L"1.4",  L"4.0",  L"7.9",  L"12.8", L"17.5",
                            L"20.8", L"20.6", L"14.7", L"0.0",  L"0.7",  L"3.6",  L"8.8",
                            L"14.2", L"17.6", L"18.3", L"16.7", L"13.0", L"7.3"}},
        {kArray5, L"bigSmall", fiveShapes},
        {kArray5, L"oddEven", fiveShapes},
        {kArray5, L"zhiHe", fiveShapes},
        {kArray5, L"luShu", Join({fiveOfFour, fiveOfThree, fiveOfThree, Times(5, routes)})},
        {kArray5, L"threeArea", Join({fiveOfFour, fiveOfThree, fiveOfThree, Times(5, routes)})},
        {kArray5, L"wuXing", Repeat(25, L"20.0")},
        // 1 - 0.9^7 = 52.2 % (by the rule).
        {kTc7Of10, L"base", Repeat(10, L"52.2")},
        {kTc7Of10, L"pos6", Repeat(10, L"10.0")},
        // Sums 10-14, 15-19 and 20-24 by the rule: 1.0253, 4.6375 and 12.448 %.
        {kTc7Of10, L"heZhi",
         Join({{L"0.0", L"0.11", L"1.03", L"4.64", L"12.4", L"21.6", L"25.2", L"20.0", L"10.6", L"3.59",
                L"0.7", L"0.06", L"0.0"},
               tails})},
        // Seven digits, by the rule: span 9 is 1 - 2 × 0.9^7 + 0.8^7 = 25.3 %.
        {kTc7Of10, L"span", {L"0.0",  L"0.0",  L"0.2",  L"0.8",  L"2.9",  L"7.0", L"13.7",
                             L"21.9", L"28.2", L"25.3", L"0.0",  L"0.1",  L"0.9", L"3.9",
                             L"9.6",  L"15.8", L"20.0", L"21.0", L"18.0", L"10.7"}},
        {kTc7Of10, L"bigSmall", sevenShapes},
        {kTc7Of10, L"oddEven", sevenShapes},
        {kTc7Of10, L"zhiHe", sevenShapes},
        // The count chart is shown with 0 throughout.
        {kTc7Of10, L"luShu", Join({Repeat(24, L"0.0"), Times(7, routes)})},
        {kTc7Of10, L"threeArea", Join({Repeat(24, L"0.0"), Times(7, routes)})},
        {kTc7Of10, L"wuXing", Repeat(35, L"20.0")},
    };
    for (const Case &c : cases) {
        GameTables tables(c.game.key);
        const Texts shown = tables.ShownRates(c.type);
        EXPECT_EQ(shown, c.rates) << Narrow(c.game.key) << " " << Narrow(c.type);
        // The game's rate table has exactly the table's columns.
        EXPECT_EQ(RatesOf(c.game.rates(), c.type), shown) << Narrow(c.game.key) << " " << Narrow(c.type);
    }
}

// Every chart of one position, one sum, one span or one class count shares 100 % among its
// columns, rounding aside; the rates a game shows in another form (no gap rates, zero counts)
// are checked above.
TEST(DigitHistoryRates, EachChartsRatesMakeAHundred)
{
    for (const RatedGame &game : {kFc6Of10, kArray5, kTc7Of10}) {
        const calculation::TableRates &rates = game.rates();
        const int k = game.digits;
        const auto n = static_cast<std::size_t>(k);
        // Consecutive groups of the sizes given cover the whole table.
        auto expectHundreds = [&](const wchar_t *table, const Texts &texts,
                                  const std::vector<std::size_t> &sizes) {
            std::size_t at = 0;
            for (std::size_t size : sizes) {
                ASSERT_LE(at + size, texts.size()) << Narrow(table);
                const Texts group(texts.begin() + static_cast<std::ptrdiff_t>(at),
                                  texts.begin() + static_cast<std::ptrdiff_t>(at + size));
                at += size;
                if (group == Texts(size, L"") || group == Texts(size, L"0.0")) {
                    continue;
                }
                double sum = 0;
                for (const std::wstring &text : group) {
                    sum += std::stod(text);
                }
                EXPECT_NEAR(sum, 100.0, 0.5)
                    << Narrow(game.key) << " " << Narrow(table) << " from " << at - size;
            }
            EXPECT_EQ(at, texts.size()) << Narrow(game.key) << " " << Narrow(table);
        };
        for (const Texts &position : rates.positions) {
            expectHundreds(L"pos", position, {10});
        }
        EXPECT_EQ(rates.positions.size(), n);
        expectHundreds(L"sum", rates.sum, {rates.sumRanges.size(), 10});
        expectHundreds(L"span", rates.span, {10, 10});
        std::vector<std::size_t> shape{n + 1};
        shape.insert(shape.end(), n, 2);
        std::vector<std::size_t> classes{n + 1, n + 1, n + 1};
        classes.insert(classes.end(), n, 3);
        for (const wchar_t *type : {L"bigSmall", L"oddEven", L"zhiHe"}) {
            expectHundreds(type, rates.Shape(type), shape);
        }
        for (const wchar_t *type : {L"luShu", L"threeArea"}) {
            expectHundreds(type, rates.RouteArea(type), classes);
        }
        expectHundreds(L"wuXing", rates.fiveElements, std::vector<std::size_t>(n, 5));
        expectHundreds(L"distribution", rates.distribution, std::vector<std::size_t>(n, 10));
        expectHundreds(L"blue", rates.back,
                       game.key == std::wstring(L"Fc6Of10") ? std::vector<std::size_t>{12}
                                                            : std::vector<std::size_t>{});
    }
}

// ---- Fc6Of10: six digits and a sign -------------------------------------------------------------

// Digits as the tables' balls, without a "0" before them.
std::wstring RedBalls(std::initializer_list<const wchar_t *> digits)
{
    std::wstring balls;
    for (const wchar_t *d : digits) {
        balls += Span(kRed, d);
    }
    return balls;
}

// The balls of the draw 0,0,7,7,9,3 with the fifth sign.
const std::wstring kEdgeDrawBalls = RedBalls({L"0", L"0", L"7", L"7", L"9", L"3"}) + Span(kBlue, L"龙");

TEST(Fc6Of10History, BaseRowMarksEachDigitOnceAndEndsTheBallsWithTheSign)
{
    GameTables tables(L"Fc6Of10");
    tables.Cache({L"0,0,7,7,9,3,5"});
    const std::vector<OrderedRow> rows = tables.Rows(L"base");
    ASSERT_EQ(rows.size(), 1U + 6U);
    const std::wstring ball = RedWithoutFontSize();
    EXPECT_EQ(rows[0], (OrderedRow{{L"qiHao", L"1"},
                                   {L"lotDate", L"d1"},
                                   {L"lottery", kEdgeDrawBalls},
                                   {L"pos0", Span(ball, L"0")},
                                   {L"pos1", L""},
                                   {L"pos2", L""},
                                   {L"pos3", Span(ball, L"3")},
                                   {L"pos4", L""},
                                   {L"pos5", L""},
                                   {L"pos6", L""},
                                   {L"pos7", Span(ball, L"7")},
                                   {L"pos8", L""},
                                   {L"pos9", Span(ball, L"9")},
                                   {L"minNum", L"0"},
                                   {L"maxNum", L"9"},
                                   {L"sum", L"26"},
                                   {L"shape", L"组六"},
                                   {L"sameNum", L"0,7"},
                                   {L"lianHao", L"0"},
                                   {L"span", L"9"},
                                   {L"acValue", L"2"},
                                   {L"threeAreaRate", L"3:0:3"},
                                   {L"bigSmallRate", L"3:3"},
                                   {L"oddEvenRate", L"4:2"},
                                   {L"zhiHeRate", L"3:3"},
                                   {L"luShuRate", L"4:2:0"}}));
    const SummaryRows summary(rows);
    // 46.9 % of one draw: 0.469 expected, a miss of 100 / 46.9 - 1.
    EXPECT_EQ(summary.Theory(L"pos7"), L"46.9/0.5/1.1");
    EXPECT_EQ(summary.Counts(L"pos7"), L"1/1/0");
    EXPECT_EQ(summary.Counts(L"pos8"), L"0/0/1");
    EXPECT_EQ(ValueOf(summary.hits, L"sum"), L"<missing>");
}

TEST(Fc6Of10History, PositionsOfTheSixDigitsOnlyEachOverItsTenDigits)
{
    GameTables tables(L"Fc6Of10");
    tables.Cache({L"0,0,7,7,9,3,5"});
    const std::vector<OrderedRow> rows = tables.Rows(L"pos5");
    ASSERT_EQ(rows.size(), 1U + 6U);
    OrderedRow sixth{{L"qiHao", L"1"},  {L"lotDate", L"d1"},  {L"lottery", kEdgeDrawBalls},
                     {L"weiLot", L"3"}, {L"bigSmall", L"小"}, {L"oddEven", L"奇"},
                     {L"zhiHe", L"质"}, {L"luShu", L"0"},     {L"threeArea", L"1"}};
    for (int d = 0; d < 10; ++d) {
        sixth.emplace_back(L"pos5" + std::to_wstring(d), d == 3 ? Marked(0, kRed, L"3") : L"");
    }
    EXPECT_EQ(rows[0], sixth);
    // The sign (a seventh position), positions past it and types without a position digit have
    // no table: no rows, and nothing read past the six rate rows.
    for (const wchar_t *type : {L"pos6", L"pos7", L"pos9", L"posX", L"pos"}) {
        EXPECT_EQ(tables.Text(type), L"{size:\"0\",items:[]}") << Narrow(type);
    }
}

TEST(Fc6Of10History, SpanGapsShowNoRatesAndBackAreaShowsTheSigns)
{
    GameTables tables(L"Fc6Of10");
    tables.Cache({L"0,0,7,7,9,3,5", L"1,2,3,4,5,6,12"});
    const SummaryRows span(tables.Rows(L"span"));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(span.Theory(L"linHaoLag" + std::to_wstring(i)), L"/0.0/∞");
    }
    // Span 9 in one draw of two: 19.9 % of 2 is 0.4.
    EXPECT_EQ(span.Theory(L"span9"), L"19.9/0.4/4.0");

    const std::vector<OrderedRow> rows = tables.Rows(L"blue");
    ASSERT_EQ(rows.size(), 2U + 6U);
    EXPECT_EQ(ValueOf(rows[0], L"pos4"), Marked(0, kBlue, L"龙"));
    EXPECT_EQ(ValueOf(rows[1], L"pos11"), Marked(0, kBlue, L"猪"));
    EXPECT_EQ(ValueOf(rows[1], L"blue") + L" " + ValueOf(rows[1], L"bigSmall") + L" " +
                  ValueOf(rows[1], L"oddEven"),
              L"12 大 偶");
    const SummaryRows summary(rows);
    EXPECT_EQ(summary.Theory(L"pos0"), L"8.3/0.2/11.0");
    EXPECT_EQ(summary.Counts(L"pos4"), L"1/1/1");
}

TEST(Fc6Of10History, ShortDrawsAndUnknownSignsAreLeftOut)
{
    GameTables tables(L"Fc6Of10");
    // A draw without its sign, a sign 13 and a sign 0 from the network: none is a draw of the game.
    tables.Cache({L"1,2,3,4,5,6", L"1,2,3,4,5,6,13", L"9,8,7,6,5,4,0", L"9,8,7,6,5,4,12"});
    for (const wchar_t *type : {L"base", L"blue", L"pos0", L"heZhi", L"span", L"bigSmall", L"luShu",
                                L"wuXing", L"lianHao", L"sameNum", L"other", L"distribution"}) {
        const std::vector<OrderedRow> rows = tables.Rows(type);
        ASSERT_GE(rows.size(), 1U) << Narrow(type);
        EXPECT_EQ(ValueOf(rows[0], L"qiHao"), L"4") << Narrow(type);
        if (rows.size() > 1) {
            EXPECT_EQ(ValueOf(rows[1], L"qiHao"), L"<missing>") << Narrow(type);
        }
    }
    const std::vector<OrderedRow> back = tables.Rows(L"blue");
    for (int v = 0; v < 11; ++v) {
        EXPECT_EQ(ValueOf(back[0], L"pos" + std::to_wstring(v)), L"");
    }
    EXPECT_EQ(ValueOf(back[0], L"pos11"), Marked(0, kBlue, L"猪"));
}

// ---- Array5: five digits --------------------------------------------------------------------

TEST(Array5History, DistributionAndBaseOfADrawWithRepeats)
{
    GameTables tables(L"Array5");
    tables.Cache({L"3,0,3,9,9", L"9,9,9,9,9"});
    const std::vector<OrderedRow> distribution = tables.Rows(L"distribution");
    ASSERT_EQ(distribution.size(), 2U + 6U);
    const std::wstring balls = RedBalls({L"3", L"0", L"3", L"9", L"9"});
    OrderedRow first{{L"qiHao", L"1"}, {L"lotDate", L"d1"}, {L"lottery", balls}};
    const std::wstring colours[] = {kRed, TestBall(L"green"), kBlue, TestBall(L"gold"), TestBall(L"purple")};
    const int digits[] = {3, 0, 3, 9, 9};
    for (int p = 0; p < 5; ++p) {
        for (int d = 0; d < 10; ++d) {
            first.emplace_back(L"pos" + std::to_wstring(p) + std::to_wstring(d),
                               d == digits[p] ? Marked(p, colours[p], std::to_wstring(d)) : L"");
        }
    }
    EXPECT_EQ(distribution[0], first);
    // 10 % of two draws, written without decimals; the draw's own columns are counted too.
    const SummaryRows summary(distribution);
    EXPECT_EQ(summary.Theory(L"pos03"), L"10/0/9");
    EXPECT_EQ(summary.Counts(L"pos49"), L"2/2/0");
    EXPECT_EQ(summary.Counts(L"qiHao"), L"2/2/0");

    const std::vector<OrderedRow> base = tables.Rows(L"base");
    std::vector<std::wstring> marked;
    for (const auto &[key, value] : base[0]) {
        if (key.starts_with(L"pos") && !value.empty()) {
            marked.push_back(key + L"=");
            marked.back() += value;
        }
    }
    const std::wstring ball = RedWithoutFontSize();
    EXPECT_EQ(marked, (std::vector<std::wstring>{L"pos0=" + Span(ball, L"0"), L"pos3=" + Span(ball, L"3"),
                                                 L"pos9=" + Span(ball, L"9")}));
    EXPECT_EQ(ValueOf(base[0], L"lottery"), balls);
    EXPECT_EQ(ValueOf(base[0], L"sameNum") + L" " + ValueOf(base[0], L"lianHao"), L"3,9 0");
}

TEST(Array5History, TheHighestSumRangeTakesSixSums)
{
    GameTables tables(L"Array5");
    tables.Cache({L"9,9,9,9,9", L"8,8,8,8,8", L"7,8,8,8,8"}); // sums 45, 40 and 39
    const std::vector<OrderedRow> rows = tables.Rows(L"heZhi");
    ASSERT_EQ(rows.size(), 3U + 6U);
    const std::wstring range =
        L"'display:inline-block;height:16px;padding:1px 2px 0px 2px;background:#067306;"
        L"color:#ffffff;text-align:center;'";
    EXPECT_EQ(ValueOf(rows[0], L"sum8"), Marked(0, range, L"45"));
    EXPECT_EQ(ValueOf(rows[1], L"sum8"), Marked(0, range, L"40"));
    EXPECT_EQ(ValueOf(rows[2], L"sum8"), L"");
    EXPECT_EQ(ValueOf(rows[2], L"sum7"), Marked(0, range, L"39"));
    // The position tables of the game are the engine's, without rates.
    EXPECT_EQ(SummaryRows(tables.Rows(L"pos0")).Theory(L"pos00"), L"/0.0/∞");
}

// ---- Tc7Of10: seven digits ------------------------------------------------------------------

TEST(Tc7Of10History, SeventhPositionSumRangesAndRoutesWithoutCountRates)
{
    GameTables tables(L"Tc7Of10");
    tables.Cache({L"9,9,9,9,9,9,3", L"9,9,9,9,9,9,9"}); // sums 57 and 63
    const std::vector<OrderedRow> seventh = tables.Rows(L"pos6");
    ASSERT_EQ(seventh.size(), 2U + 6U);
    EXPECT_EQ(ValueOf(seventh[0], L"weiLot"), L"3");
    EXPECT_EQ(ValueOf(seventh[0], L"pos63"), Marked(0, kRed, L"3"));
    EXPECT_EQ(ValueOf(seventh[1], L"pos69"), Marked(0, kRed, L"9"));
    EXPECT_EQ(SummaryRows(seventh).Theory(L"pos63"), L"10.0/0.2/9.0");
    for (const wchar_t *type : {L"pos7", L"pos8", L"pos9"}) {
        EXPECT_EQ(tables.Text(type), L"{size:\"0\",items:[]}") << Narrow(type);
    }

    const std::vector<OrderedRow> sums = tables.Rows(L"heZhi");
    auto marked = [](const OrderedRow &row) {
        std::wstring keys;
        for (const auto &[key, value] : row) {
            if (key.starts_with(L"sum") && key != L"sum" && key != L"sumTail" && !value.empty()) {
                keys += key + L" ";
            }
        }
        return keys;
    };
    EXPECT_EQ(marked(sums[0]), L"sum11 sumTail7 ");
    EXPECT_EQ(marked(sums[1]), L"sum12 sumTail3 ");

    const SummaryRows routes(tables.Rows(L"luShu"));
    for (int c = 0; c < 3; ++c) {
        for (int m = 0; m <= 7; ++m) {
            EXPECT_EQ(routes.Theory(L"luShu" + std::to_wstring(c) + std::to_wstring(m)), L"0.0/0.0/∞");
        }
    }
    EXPECT_EQ(routes.Theory(L"pos60"), L"40.0/0.8/1.5");
}

// ---- Quick3 and Fc4Of10: the engine's tables ------------------------------------------------

TEST(DigitHistoryWithoutRates, TheEnginesTablesOverTheGamesParameters)
{
    struct Case {
        const wchar_t *key;
        calculation::HistoryGame shape;
        std::initializer_list<const wchar_t *> draws;
    };
    calculation::HistoryGame dice = testsupport::DigitGame(3);
    dice.frontMax = 6;
    dice.lowestNumber = 1;
    dice.bigStart = 4;
    dice.areaWidth = 2;
    const Case cases[] = {
        // Dice 1-6, big from 4, areas of two; a short draw and numbers off the dice.
        {L"Quick3", dice, {L"1,2,3", L"6,6,6", L"4,5", L"7,0,9"}},
        {L"Fc4Of10", testsupport::DigitGame(4), {L"0,1,2,3", L"9,9,9,9", L"1,2,3", L"5,5,0,1"}},
    };
    for (const Case &c : cases) {
        GameTables tables(c.key);
        tables.Cache(c.draws);
        testsupport::HistoryChain engine(c.shape);
        engine.SetBaseUrl(testsupport::kTestBaseUrl);
        basekit::TextMapList cache;
        int n = 0;
        for (const wchar_t *lottery : c.draws) {
            ++n;
            cache.push_back(testsupport::Draw(std::to_wstring(n), L"d" + std::to_wstring(n), lottery));
        }
        engine.SetOldDataCache(cache);
        for (const wchar_t *type :
             {L"base",    L"blue",      L"distribution", L"pos0",   L"pos2",    L"pos3",
              L"pos9",    L"bigSmall",  L"oddEven",      L"zhiHe",  L"span",    L"heZhi",
              L"luShu",   L"threeArea", L"other",        L"wuXing", L"lianHao", L"sameTail",
              L"sameNum", L"w5",        L"w7",           L"Base",   L"nothing"}) {
            const std::wstring text = tables.Text(type);
            EXPECT_EQ(text, engine.GetDetailedData(c.key, type)) << Narrow(c.key) << " " << Narrow(type);
            const std::vector<OrderedRow> rows =
                text.empty() ? std::vector<OrderedRow>{} : testsupport::ParseListReply(text);
            // No rates: every theoretical probability is empty.
            for (const OrderedRow &row : rows) {
                if (ValueOf(row, L"name") == L"理论出现概率（%）") {
                    for (const auto &[key, value] : row) {
                        EXPECT_TRUE(key == L"name" || value.empty()) << Narrow(c.key) << " " << Narrow(key);
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace digittest

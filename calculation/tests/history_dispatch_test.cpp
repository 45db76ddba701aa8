// GetDetailedData: which table a type reaches, with which arguments, and what the engine's own
// tables answer through the chain.
#include <gtest/gtest.h>

#include <optional>

#include "calculation/abstract_filter_chain.h"
#include "calculation/history/table_rates.h"
#include "support/history_fixture.h"

namespace calculation {
namespace {

using testsupport::HistoryChain;
using testsupport::TestBall;
using testsupport::ValueOf;

// Answers every table with its name and the arguments it received.
class RecordingChain : public HistoryChain {
public:
    RecordingChain() : HistoryChain(testsupport::FixtureGame()) { SetBaseUrl(testsupport::kTestBaseUrl); }
    explicit RecordingChain(const TableRates &rates) : RecordingChain() { tableRates_ = &rates; }

protected:
    std::wstring GetDetailedDataForBase(const std::wstring &f, const std::wstring &b, Rates r,
                                        int pad) override
    {
        return L"Base" + Styles(f, b) + Args(r, pad);
    }
    std::wstring GetDetailedDataForDistribution(const std::wstring &f, const std::wstring &b,
                                                std::span<const std::wstring> s, Rates r, int pad) override
    {
        return L"Distribution" + Styles(f, b) + Series(s) + Args(r, pad);
    }
    std::wstring GetDetailedDataForShape(const std::wstring &type, const std::wstring &f,
                                         const std::wstring &b, Rates r, int pad) override
    {
        return L"Shape " + type + Styles(f, b) + Args(r, pad);
    }
    std::wstring GetDetailedDataForSpan(const std::wstring &f, const std::wstring &b, Rates r, int count,
                                        int pad) override
    {
        return L"Span count " + std::to_wstring(count) + Styles(f, b) + Args(r, pad);
    }
    std::wstring GetDetailedDataForHeZhi(const std::wstring &f, const std::wstring &b,
                                         std::span<const SumRange> ranges, Rates r, int pad) override
    {
        return L"HeZhi ranges " + std::to_wstring(ranges.size()) + Styles(f, b) + Args(r, pad);
    }
    std::wstring GetDetailedDataForWuXing(const std::wstring &f, const std::wstring &b, Rates r, int mode,
                                          int pad) override
    {
        return L"WuXing mode " + std::to_wstring(mode) + Styles(f, b) + Args(r, pad);
    }
    std::wstring GetDetailedDataForOther(const std::wstring &f, int pad) override
    {
        return L"Other" + Styles(f, TestBall(L"blue")) + Args({}, pad);
    }
    std::wstring GetDetailedDataForLuShu(const std::wstring &f, const std::wstring &b,
                                         const std::wstring &type, Rates r, int pad) override
    {
        return L"LuShu " + type + Styles(f, b) + Args(r, pad);
    }
    std::wstring GetDetailedDataForLianHao(const std::wstring &f, const std::wstring &b,
                                           const std::wstring &type, Rates r, int pad) override
    {
        return L"LianHao " + type + Styles(f, b) + Args(r, pad);
    }
    std::wstring GetDetailedDataForWx(const std::wstring &f, const std::wstring &b, const std::wstring &type,
                                      Rates r, int pad) override
    {
        return L"Wx " + type + Styles(f, b) + Args(r, pad);
    }
    std::wstring GetDetailedDataForBlue(const std::wstring &f, const std::wstring &b, Rates r,
                                        int pad) override
    {
        return L"Blue" + Styles(f, b) + Args(r, pad);
    }
    std::wstring GetDetailedDataForPos(const std::wstring &type, const std::wstring &f, const std::wstring &b,
                                       std::span<const std::wstring> s, Rates r, int pad) override
    {
        return L"Pos " + type + Styles(f, b) + Series(s) + Args(r, pad);
    }

private:
    // The front and back styles must be the red and blue balls below the base URL.
    static std::wstring Styles(const std::wstring &front, const std::wstring &back)
    {
        return front == TestBall(L"red") && back == TestBall(L"blue") ? L"" : L" (wrong styles)";
    }
    static std::wstring Series(std::span<const std::wstring> series)
    {
        const std::vector<std::wstring> expected{TestBall(L"red"),  TestBall(L"green"),  TestBall(L"blue"),
                                                 TestBall(L"gold"), TestBall(L"purple"), L""};
        return std::vector<std::wstring>(series.begin(), series.end()) == expected ? L" series"
                                                                                   : L" (wrong series)";
    }
    static std::wstring Args(Rates rates, int pad)
    {
        return L" rates " + std::to_wstring(rates.size()) + L" pad " + std::to_wstring(pad);
    }
};

TEST(HistoryDispatchTest, TypesReachTheirTablesInTestOrder)
{
    struct Case {
        const wchar_t *type;
        const wchar_t *table;
    };
    const Case cases[] = {
        {L"base", L"Base rates 0 pad 1"},
        {L"blue", L"Blue rates 0 pad 1"},
        {L"distribution", L"Distribution series rates 0 pad 1"},
        {L"posdistribution", L"Distribution series rates 0 pad 1"},
        {L"myDistribution", L""}, // case-sensitive
        // "distribution" is tested before "pos".
        {L"distributionpos1", L"Distribution series rates 0 pad 1"},
        {L"pos0", L"Pos pos0 series rates 0 pad 1"},
        {L"position2", L"Pos position2 series rates 0 pad 1"},
        // Any type holding "pos" stops there, before the exact names below.
        {L"posspan", L"Pos posspan series rates 0 pad 1"},
        {L"bigSmall", L"Shape bigSmall rates 0 pad 1"},
        {L"oddEven", L"Shape oddEven rates 0 pad 1"},
        {L"zhiHe", L"Shape zhiHe rates 0 pad 1"},
        // One column per span a draw of five from 15 can have.
        {L"span", L"Span count 11 rates 0 pad 1"},
        {L"heZhi", L"HeZhi ranges 0 rates 0 pad 1"},
        {L"luShu", L"LuShu luShu rates 0 pad 1"},
        {L"threeArea", L"LuShu threeArea rates 0 pad 1"},
        {L"other", L"Other rates 0 pad 1"},
        {L"wuXing", L"WuXing mode 1 rates 0 pad 1"},
        {L"lianHao", L"LianHao lianHao rates 0 pad 1"},
        {L"sameTail", L"LianHao sameTail rates 0 pad 1"},
        {L"sameNum", L"LianHao sameNum rates 0 pad 1"},
        {L"w5", L"Wx w5 rates 0 pad 0"},
        {L"w6", L"Wx w6 rates 0 pad 0"},
        {L"w7", L"Wx w7 rates 0 pad 0"},
        // Exact, case-sensitive names.
        {L"Base", L""},
        {L"bases", L""},
        {L"SPAN", L""},
        {L"w8", L""},
        {L"", L""},
    };
    RecordingChain chain;
    for (const Case &c : cases) {
        EXPECT_EQ(chain.GetDetailedData(L"anything", c.type), c.table) << c.type;
    }
}

// Rate tables of lengths that tell them apart: the dispatcher must hand each table its own.
TableRates RatesOfDistinctLengths()
{
    auto texts = [](std::size_t n) { return std::vector<std::wstring>(n, L"1.0"); };
    TableRates rates;
    rates.base = texts(1);
    rates.back = texts(2);
    rates.positions = {texts(3), texts(4)};
    rates.distribution = texts(5);
    rates.sumRanges.resize(6);
    rates.sum = texts(7);
    rates.span = texts(8);
    rates.spanColumns = 9;
    rates.bigSmall = texts(10);
    rates.oddEven = texts(11);
    rates.zhiHe = texts(12);
    rates.luShu = texts(13);
    rates.threeArea = texts(14);
    rates.fiveElements = texts(15);
    return rates;
}

TEST(HistoryDispatchTest, AGamesRatesReachEachTableInTheGamesForm)
{
    const TableRates lotto = RatesOfDistinctLengths();
    TableRates digits = lotto;
    digits.pad = 0;
    digits.elementMode = 0;
    digits.positionNeedsDigit = true;
    TableRates oneChart = lotto;
    oneChart.distributionChart = true;
    const std::wstring noRows = L"{size:\"0\",items:[]}";
    struct Case {
        const TableRates &rates;
        const wchar_t *type;
        std::wstring table;
    };
    const Case cases[] = {
        {lotto, L"base", L"Base rates 1 pad 1"},
        {lotto, L"blue", L"Blue rates 2 pad 1"},
        // A game with position tables charts no distribution, and the reverse.
        {lotto, L"distribution", L"Distribution series rates 0 pad 1"},
        {lotto, L"pos0", L"Pos pos0 series rates 3 pad 1"},
        {lotto, L"pos1", L"Pos pos1 series rates 4 pad 1"},
        {lotto, L"pos2", L"Pos pos2 series rates 0 pad 1"}, // past the rates
        {lotto, L"posX", L"Pos posX series rates 3 pad 1"}, // read as the first position
        {oneChart, L"distribution", L"Distribution series rates 5 pad 1"},
        {oneChart, L"pos0", L"Pos pos0 series rates 0 pad 1"},
        {lotto, L"bigSmall", L"Shape bigSmall rates 10 pad 1"},
        {lotto, L"oddEven", L"Shape oddEven rates 11 pad 1"},
        {lotto, L"zhiHe", L"Shape zhiHe rates 12 pad 1"},
        // The game's own span columns, not the engine's count.
        {lotto, L"span", L"Span count 9 rates 8 pad 1"},
        {lotto, L"heZhi", L"HeZhi ranges 6 rates 7 pad 1"},
        {lotto, L"luShu", L"LuShu luShu rates 13 pad 1"},
        {lotto, L"threeArea", L"LuShu threeArea rates 14 pad 1"},
        {lotto, L"wuXing", L"WuXing mode 1 rates 15 pad 1"},
        {lotto, L"lianHao", L"LianHao lianHao rates 0 pad 1"},
        {lotto, L"other", L"Other rates 0 pad 1"},
        {lotto, L"w5", L"Wx w5 rates 0 pad 0"},
        // Digits: the rated and pattern tables without a "0", elements by the last digit, and a
        // position type without its digit answers no rows.
        {digits, L"base", L"Base rates 1 pad 1"},
        {digits, L"blue", L"Blue rates 2 pad 1"},
        {digits, L"pos1", L"Pos pos1 series rates 4 pad 0"},
        {digits, L"pos9", L"Pos pos9 series rates 0 pad 0"},
        {digits, L"posX", noRows},
        {digits, L"pos", noRows},
        {digits, L"zhiHe", L"Shape zhiHe rates 12 pad 0"},
        {digits, L"span", L"Span count 9 rates 8 pad 0"},
        {digits, L"heZhi", L"HeZhi ranges 6 rates 7 pad 0"},
        {digits, L"threeArea", L"LuShu threeArea rates 14 pad 0"},
        {digits, L"wuXing", L"WuXing mode 0 rates 15 pad 0"},
        {digits, L"sameNum", L"LianHao sameNum rates 0 pad 0"},
        {digits, L"other", L"Other rates 0 pad 1"},
    };
    for (const Case &c : cases) {
        RecordingChain chain(c.rates);
        EXPECT_EQ(chain.GetDetailedData(L"anything", c.type), c.table) << c.type;
    }
}

TEST(HistoryDispatchTest, APositionTypeNamesThePositionOfItsLastCharacter)
{
    const struct {
        const wchar_t *type;
        std::optional<int> position;
    } cases[] = {
        {L"pos0", 0},
        {L"pos9", 9},
        {L"pos12", 2},
        {L"distributionpos3", 3},
        {L"pos", std::nullopt},
        {L"", std::nullopt},
        {L"posX", std::nullopt},
        {L"pos-", std::nullopt},
        {L"pos\uff13", std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(PositionOfType(c.type), c.position) << c.type;
    }
}

TEST(HistoryDispatchTest, TheEnginesTablesDrawTheirBallsBelowTheBaseUrl)
{
    HistoryChain chain(testsupport::FixtureGame());
    chain.SetBaseUrl(testsupport::kTestBaseUrl);
    chain.SetOldDataCache(testsupport::ThirtyDraws());
    const auto rows = testsupport::ParseListReply(chain.GetDetailedData(L"", L"base"));
    ASSERT_EQ(rows.size(), 36U);
    EXPECT_EQ(ValueOf(rows[0], L"pos0"), testsupport::Span(TestBall(L"red"), L"01"));
    // The shape table gets no rate table from the dispatcher: its rates are empty, not styles.
    const auto shape = testsupport::ParseListReply(chain.GetDetailedData(L"", L"oddEven"));
    testsupport::SummaryRows summary(shape);
    EXPECT_EQ(summary.Theory(L"rate0"), L"/0.0/∞");
    EXPECT_EQ(summary.Theory(L"pos40"), L"/0.0/∞");
}

TEST(HistoryDispatchTest, AnEmptyCacheGivesTheSummaryRowsAlone)
{
    HistoryChain chain(testsupport::FixtureGame());
    const auto rows = testsupport::ParseListReply(chain.GetDetailedData(L"", L"blue"));
    ASSERT_EQ(rows.size(), 6U);
    EXPECT_EQ(rows[2], (basekit::OrderedRow{{L"name", L"0期实际出现（期）"}}));
    EXPECT_EQ(rows[1].size(), 7U); // the name and the six back numbers
    EXPECT_EQ(chain.GetDetailedData(L"", L"other"), L"{size:\"0\",items:[]}");
}

TEST(HistoryDispatchTest, TextsFromTheServiceAreEscaped)
{
    HistoryChain chain(testsupport::FixtureGame());
    chain.SetOldDataCache({testsupport::Draw(L"1\"+alert(1)+\"", L"2024\\01\r\n", testsupport::kDrawA)});
    const std::wstring reply = chain.GetDetailedData(L"", L"lianHao");
    EXPECT_NE(reply.find(L"{qiHao:\"1\\\"+alert(1)+\\\"\",lotDate:\"2024\\\\01\\r\\n\""), std::wstring::npos)
        << std::string(reply.begin(), reply.begin() + 80);
    EXPECT_EQ(ValueOf(testsupport::ParseListReply(reply)[0], L"lotDate"), L"2024\\01\r\n");
}

TEST(HistoryDispatchTest, LatestDrawAndDigitGroups)
{
    HistoryChain chain(testsupport::FixtureGame());
    EXPECT_EQ(chain.GetMaxQiHaoLottery(), (basekit::TextMap{{L"flag", L"no_oldData"}}));
    chain.SetOldDataCache(testsupport::ThirtyDraws());
    EXPECT_EQ(chain.GetMaxQiHaoLottery(), testsupport::Draw(L"2024030", L"2024-01-30", testsupport::kDrawD));
    // Only a game defines digit groups.
    for (const wchar_t *type : {L"w5", L"w6", L"w7"}) {
        EXPECT_EQ(chain.GetDetailedData(L"", type), L"");
        EXPECT_EQ(chain.GetDetailedDataForWx(L"", L"", type, {}, 0), L"");
    }
}

} // namespace
} // namespace calculation

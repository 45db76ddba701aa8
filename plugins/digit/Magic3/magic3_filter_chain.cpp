#include "magic3_filter_chain.h"

#include "calculation/history/history_cells.h"
#include "digit/common/digit_history.h"
#include "magic3_history_tables.h"

namespace plugins::magic3 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Magic3Game()
{
    static const std::vector<PlayType> kPlayTypes =
        WithPlayTypeSearches({{L"zhiXuan", {}}, {L"zuLiu", {{1, 1, 1}}}, {L"zuSan", {{2, 1}}}});
    static const DigitGame game{
        .key = L"Magic3",
        .positions = 3,
        .setsChainGameKey = true,
        .playTypes = kPlayTypes,
        // Any other play type generates the group of three, and reads old numbers as straight bets.
        .otherPlayTypes = {.generatedAs = L"zuSan", .oldNumbersAs = L"zhiXuan"},
        .primaryTests = {{L"numLag", RowValue::QuarterOfThousand},
                         {L"diffNum", RowValue::DistinctDigits},
                         {L"chongMa", RowValue::RepeatedDigitOfFirstThree}},
        .ruleOut = RuleOut::StraightOrGroup,
        .oldNumberForm = OldNumberForm::Number,
        .searches = PlayTypeSearches(kPlayTypes, 3),
        .page = {.positionTextsInStraightPlay = true},
    };
    return game;
}

// History tables: the game's own rows, the engine's span and "other" tables without padding.

std::wstring Magic3FilterChain::GetDetailedDataForBase(const std::wstring &frontStyle, const std::wstring &,
                                                       calculation::Rates, int)
{
    // The chance that a given digit is among three: 1 - 0.9³.
    static const std::vector<std::wstring> kRates(10, L"27.1");
    return DigitBaseTable(HistoryTablesOf(), frontStyle, std::wstring(),
                          calculation::BallStyle(baseUrl(), L"purple"), kRates, ConsecutiveForm::Text);
}

std::wstring Magic3FilterChain::GetDetailedDataForDistribution(const std::wstring &frontStyle,
                                                               const std::wstring &,
                                                               std::span<const std::wstring> styles,
                                                               calculation::Rates, int)
{
    // Every digit of a position: 10 %.
    static const std::vector<std::wstring> kRates(30, L"10");
    return DigitDistributionTable(HistoryTablesOf(), frontStyle, styles, kRates);
}

std::wstring Magic3FilterChain::GetDetailedDataForShape(const std::wstring &type,
                                                        const std::wstring &frontStyle, const std::wstring &,
                                                        calculation::Rates, int)
{
    return ShapeTable(HistoryTablesOf(), type, frontStyle);
}

std::wstring Magic3FilterChain::GetDetailedDataForSpan(const std::wstring &frontStyle,
                                                       const std::wstring &backStyle, calculation::Rates, int,
                                                       int)
{
    return AbstractFilterChain::GetDetailedDataForSpan(frontStyle, backStyle, SpanRates(), 10, 0);
}

std::wstring Magic3FilterChain::GetDetailedDataForHeZhi(const std::wstring &frontStyle, const std::wstring &,
                                                        std::span<const calculation::SumRange>,
                                                        calculation::Rates, int)
{
    return SumTable(HistoryTablesOf(), frontStyle);
}

std::wstring Magic3FilterChain::GetDetailedDataForWuXing(const std::wstring &frontStyle, const std::wstring &,
                                                         calculation::Rates, int, int)
{
    return FiveElementTable(HistoryTablesOf(), frontStyle);
}

std::wstring Magic3FilterChain::GetDetailedDataForOther(const std::wstring &frontStyle, int)
{
    return AbstractFilterChain::GetDetailedDataForOther(frontStyle, 0);
}

std::wstring Magic3FilterChain::GetDetailedDataForLuShu(const std::wstring &frontStyle, const std::wstring &,
                                                        const std::wstring &type, calculation::Rates, int)
{
    return RouteAreaTable(HistoryTablesOf(), type, frontStyle);
}

std::wstring Magic3FilterChain::GetDetailedDataForWx(const std::wstring &frontStyle, const std::wstring &,
                                                     const std::wstring &type, calculation::Rates, int)
{
    return DigitGroupTable(HistoryTablesOf(), type, frontStyle);
}

} // namespace plugins::magic3

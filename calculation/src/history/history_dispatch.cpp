// The chain's history tables: GetDetailedData picks a table by its type and passes it the game's
// rates (tableRates) in the game's form; the tables a game does not override are the engine's
// (history_tables.h) over the game's parameters.
#include <algorithm>
#include <initializer_list>

#include "basekit/json_util.h"
#include "calculation/abstract_filter_chain.h"
#include "calculation/history/history_cells.h"
#include "calculation/history/table_rates.h"

namespace calculation {

HistoryTables AbstractFilterChain::HistoryTablesOf() const
{
    return HistoryTables(HistoryGameOfDraws(), oldDataCache_);
}

HistoryGame AbstractFilterChain::HistoryGameOfDraws() const
{
    HistoryGame game;
    game.frontMax = frontMax_;
    game.backMax = backMax_;
    game.frontCount = frontCount_;
    game.backCount = backCount_;
    game.bigStart = bigStart_;
    game.areaWidth = areaWidth_;
    game.lowestNumber = lowestNumber_;
    game.digitLayout = writeNumbersSingly_ == 0;
    game.labelBack = labelBack_ != 0;
    std::copy(labels_.begin(), labels_.end(), game.labels.begin());
    if (specialCount_ > 0 && backCount_ == 0) {
        game.backCount = specialCount_;
        game.backMax = lowestNumber_ + frontMax_ - 1;
    }
    return game;
}

std::wstring AbstractFilterChain::GetDetailedData(const std::wstring & /*productName*/,
                                                  const std::wstring &type)
{
    const BallStyles styles(baseUrl());
    const std::wstring &front = styles.front;
    const std::wstring &back = styles.back;
    auto contains = [&](const wchar_t *part) { return type.find(part) != std::wstring::npos; };
    auto isOneOf = [&](std::initializer_list<const wchar_t *> types) {
        return std::any_of(types.begin(), types.end(), [&](const wchar_t *t) { return type == t; });
    };
    // A game without rates charts every table in the engine's form, over no rates.
    static const TableRates kNoRates;
    const TableRates &rates = tableRates_ != nullptr ? *tableRates_ : kNoRates;
    const int pad = rates.pad;
    // Tried in this order; the first that holds wins ("distributionpos1" is a distribution).
    if (type == L"base") {
        return GetDetailedDataForBase(front, back, rates.base, 1);
    }
    if (type == L"blue") {
        return GetDetailedDataForBlue(front, back, rates.back, 1);
    }
    if (contains(L"distribution")) {
        return GetDetailedDataForDistribution(
            front, back, styles.series, rates.distributionChart ? Rates(rates.distribution) : Rates(), 1);
    }
    if (contains(L"pos")) {
        if (rates.distributionChart) {
            return GetDetailedDataForPos(type, front, back, styles.series, {}, 1);
        }
        if (rates.positionNeedsDigit && !PositionOfType(type)) {
            return basekit::JsonUtil::MapListToJson(basekit::TextMapPtrList());
        }
        return GetDetailedDataForPos(type, front, back, styles.series, rates.Position(type), pad);
    }
    if (isOneOf({L"bigSmall", L"oddEven", L"zhiHe"})) {
        return GetDetailedDataForShape(type, front, back, rates.Shape(type), pad);
    }
    if (type == L"span") {
        // One column per span the game's draws can have.
        const int columns = tableRates_ != nullptr     ? rates.spanColumns
                            : writeNumbersSingly_ == 0 ? frontMax_
                                                       : frontMax_ - frontCount_ + 1;
        return GetDetailedDataForSpan(front, back, rates.span, columns, pad);
    }
    if (type == L"heZhi") {
        return GetDetailedDataForHeZhi(front, back, rates.sumRanges, rates.sum, pad);
    }
    if (isOneOf({L"luShu", L"threeArea"})) {
        return GetDetailedDataForLuShu(front, back, type, rates.RouteArea(type), pad);
    }
    if (type == L"other") {
        return GetDetailedDataForOther(front, 1);
    }
    if (type == L"wuXing") {
        return GetDetailedDataForWuXing(front, back, rates.fiveElements, rates.elementMode, pad);
    }
    if (isOneOf({L"lianHao", L"sameTail", L"sameNum"})) {
        return GetDetailedDataForLianHao(front, back, type, {}, pad);
    }
    if (isOneOf({L"w5", L"w6", L"w7"})) {
        return GetDetailedDataForWx(front, back, type, {}, 0);
    }
    return std::wstring();
}

std::wstring AbstractFilterChain::GetDetailedDataForBase(const std::wstring &frontStyle,
                                                         const std::wstring &backStyle, Rates rates, int pad)
{
    return HistoryTablesOf().Base(frontStyle, backStyle, rates, pad);
}

std::wstring AbstractFilterChain::GetDetailedDataForDistribution(const std::wstring &frontStyle,
                                                                 const std::wstring &backStyle,
                                                                 std::span<const std::wstring> styles,
                                                                 Rates rates, int pad)
{
    return HistoryTablesOf().Distribution(frontStyle, backStyle, styles, rates, pad);
}

std::wstring AbstractFilterChain::GetDetailedDataForShape(const std::wstring &type,
                                                          const std::wstring &frontStyle,
                                                          const std::wstring &backStyle, Rates rates, int pad)
{
    return HistoryTablesOf().Shape(type, frontStyle, backStyle, rates, pad);
}

std::wstring AbstractFilterChain::GetDetailedDataForSpan(const std::wstring &frontStyle,
                                                         const std::wstring &backStyle, Rates rates,
                                                         int count, int pad)
{
    return HistoryTablesOf().Span(frontStyle, backStyle, rates, count, pad);
}

std::wstring AbstractFilterChain::GetDetailedDataForHeZhi(const std::wstring &frontStyle,
                                                          const std::wstring &backStyle,
                                                          std::span<const SumRange> ranges, Rates rates,
                                                          int pad)
{
    return HistoryTablesOf().Sum(frontStyle, backStyle, ranges, rates, pad);
}

std::wstring AbstractFilterChain::GetDetailedDataForWuXing(const std::wstring &frontStyle,
                                                           const std::wstring &backStyle, Rates rates,
                                                           int mode, int pad)
{
    return HistoryTablesOf().FiveElements(frontStyle, backStyle, rates, mode, pad, BoxStyle(20));
}

std::wstring AbstractFilterChain::GetDetailedDataForOther(const std::wstring &frontStyle, int pad)
{
    return HistoryTablesOf().Other(frontStyle, pad);
}

std::wstring AbstractFilterChain::GetDetailedDataForLuShu(const std::wstring &frontStyle,
                                                          const std::wstring &backStyle,
                                                          const std::wstring &type, Rates rates, int pad)
{
    return HistoryTablesOf().RouteArea(frontStyle, backStyle, type, rates, pad);
}

std::wstring AbstractFilterChain::GetDetailedDataForLianHao(const std::wstring &frontStyle,
                                                            const std::wstring &backStyle,
                                                            const std::wstring &type, Rates /*rates*/,
                                                            int pad)
{
    return HistoryTablesOf().Patterns(frontStyle, backStyle, type, pad);
}

std::wstring AbstractFilterChain::GetDetailedDataForWx(const std::wstring & /*frontStyle*/,
                                                       const std::wstring & /*backStyle*/,
                                                       const std::wstring & /*type*/, Rates /*rates*/,
                                                       int /*pad*/)
{
    return std::wstring(); // a table of digit groups only a game defines
}

std::wstring AbstractFilterChain::GetDetailedDataForBlue(const std::wstring &frontStyle,
                                                         const std::wstring &backStyle, Rates rates, int pad)
{
    return HistoryTablesOf().BackArea(frontStyle, backStyle, rates, pad);
}

std::wstring AbstractFilterChain::GetDetailedDataForPos(const std::wstring &type,
                                                        const std::wstring &frontStyle,
                                                        const std::wstring &backStyle,
                                                        std::span<const std::wstring> styles, Rates rates,
                                                        int pad)
{
    return HistoryTablesOf().Position(type, frontStyle, backStyle, styles, rates, pad);
}

} // namespace calculation

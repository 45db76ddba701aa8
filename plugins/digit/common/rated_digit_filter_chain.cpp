#include "digit/common/rated_digit_filter_chain.h"

#include "basekit/json_util.h"
#include "calculation/history/history_cells.h"

namespace plugins::digit {

// The tables of the rated games: their own rates in place of the dispatcher's, the element rule
// of digits (their last digit), no "0" before a digit.

std::wstring RatedDigitFilterChain::GetDetailedDataForBase(const std::wstring &frontStyle,
                                                           const std::wstring &backStyle, calculation::Rates,
                                                           int)
{
    return DigitBaseTable(HistoryTablesOf(), frontStyle, backStyle,
                          calculation::BallStyleWithoutFontSize(baseUrl(), L"red"), rates_.base,
                          ConsecutiveForm::GroupCode);
}

std::wstring RatedDigitFilterChain::GetDetailedDataForHeZhi(const std::wstring &frontStyle,
                                                            const std::wstring &backStyle,
                                                            std::span<const calculation::SumRange>,
                                                            calculation::Rates, int)
{
    return DigitFilterChain::GetDetailedDataForHeZhi(frontStyle, backStyle, rates_.sumRanges, rates_.sum, 0);
}

std::wstring RatedDigitFilterChain::GetDetailedDataForSpan(const std::wstring &frontStyle,
                                                           const std::wstring &backStyle, calculation::Rates,
                                                           int, int)
{
    return DigitFilterChain::GetDetailedDataForSpan(frontStyle, backStyle, rates_.span, rates_.spanColumns,
                                                    0);
}

std::wstring RatedDigitFilterChain::GetDetailedDataForShape(const std::wstring &type,
                                                            const std::wstring &frontStyle,
                                                            const std::wstring &backStyle, calculation::Rates,
                                                            int)
{
    return DigitFilterChain::GetDetailedDataForShape(type, frontStyle, backStyle, rates_.Shape(type), 0);
}

std::wstring RatedDigitFilterChain::GetDetailedDataForLuShu(const std::wstring &frontStyle,
                                                            const std::wstring &backStyle,
                                                            const std::wstring &type, calculation::Rates, int)
{
    return DigitFilterChain::GetDetailedDataForLuShu(frontStyle, backStyle, type, rates_.RouteArea(type), 0);
}

std::wstring RatedDigitFilterChain::GetDetailedDataForWuXing(const std::wstring &frontStyle,
                                                             const std::wstring &backStyle,
                                                             calculation::Rates, int, int)
{
    return DigitFilterChain::GetDetailedDataForWuXing(frontStyle, backStyle, rates_.fiveElements, 0, 0);
}

std::wstring RatedDigitFilterChain::GetDetailedDataForLianHao(const std::wstring &frontStyle,
                                                              const std::wstring &backStyle,
                                                              const std::wstring &type, calculation::Rates,
                                                              int)
{
    return DigitFilterChain::GetDetailedDataForLianHao(frontStyle, backStyle, type, {}, 0);
}

std::wstring RatedDigitFilterChain::RatedPositionTable(const std::wstring &type,
                                                       const std::wstring &frontStyle,
                                                       const std::wstring &backStyle,
                                                       std::span<const std::wstring> styles)
{
    const wchar_t last = type.empty() ? L' ' : type.back();
    const int position = last >= L'0' && last <= L'9' ? last - L'0' : -1;
    if (position < 0 || static_cast<std::size_t>(position) >= rates_.positions.size()) {
        return basekit::JsonUtil::MapListToJson(basekit::TextMapPtrList());
    }
    return DigitFilterChain::GetDetailedDataForPos(type, frontStyle, backStyle, styles,
                                                   rates_.positions[static_cast<std::size_t>(position)], 0);
}

} // namespace plugins::digit

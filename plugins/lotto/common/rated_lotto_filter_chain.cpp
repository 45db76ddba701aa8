#include "lotto/common/rated_lotto_filter_chain.h"

namespace plugins::lotto {

// Each table over the game's own rates in place of the dispatcher's (which has none); a table
// the game does not chart (a position past its numbers, the distribution of a game with position
// tables, the back area of a game without one) gets none and answers as the engine's does.

std::wstring RatedLottoFilterChain::GetDetailedDataForBase(const std::wstring &frontStyle,
                                                           const std::wstring &backStyle, calculation::Rates,
                                                           int pad)
{
    return LottoFilterChain::GetDetailedDataForBase(frontStyle, backStyle, rates_.base, pad);
}

std::wstring RatedLottoFilterChain::GetDetailedDataForDistribution(const std::wstring &frontStyle,
                                                                   const std::wstring &backStyle,
                                                                   std::span<const std::wstring> styles,
                                                                   calculation::Rates, int pad)
{
    return LottoFilterChain::GetDetailedDataForDistribution(frontStyle, backStyle, styles,
                                                            rates_.distribution, pad);
}

std::wstring RatedLottoFilterChain::GetDetailedDataForShape(const std::wstring &type,
                                                            const std::wstring &frontStyle,
                                                            const std::wstring &backStyle, calculation::Rates,
                                                            int pad)
{
    return LottoFilterChain::GetDetailedDataForShape(type, frontStyle, backStyle, rates_.Shape(type), pad);
}

std::wstring RatedLottoFilterChain::GetDetailedDataForSpan(const std::wstring &frontStyle,
                                                           const std::wstring &backStyle, calculation::Rates,
                                                           int, int pad)
{
    return LottoFilterChain::GetDetailedDataForSpan(frontStyle, backStyle, rates_.span, rates_.spanColumns,
                                                    pad);
}

std::wstring RatedLottoFilterChain::GetDetailedDataForHeZhi(const std::wstring &frontStyle,
                                                            const std::wstring &backStyle,
                                                            std::span<const calculation::SumRange>,
                                                            calculation::Rates, int pad)
{
    return LottoFilterChain::GetDetailedDataForHeZhi(frontStyle, backStyle, rates_.sumRanges, rates_.sum,
                                                     pad);
}

std::wstring RatedLottoFilterChain::GetDetailedDataForWuXing(const std::wstring &frontStyle,
                                                             const std::wstring &backStyle,
                                                             calculation::Rates, int, int)
{
    // The elements of the engine's table of numbers, and balls with a "0" before 1-9.
    return LottoFilterChain::GetDetailedDataForWuXing(frontStyle, backStyle, rates_.fiveElements, 1, 1);
}

std::wstring RatedLottoFilterChain::GetDetailedDataForLuShu(const std::wstring &frontStyle,
                                                            const std::wstring &backStyle,
                                                            const std::wstring &type, calculation::Rates,
                                                            int pad)
{
    return LottoFilterChain::GetDetailedDataForLuShu(frontStyle, backStyle, type, rates_.RouteArea(type),
                                                     pad);
}

std::wstring RatedLottoFilterChain::GetDetailedDataForBlue(const std::wstring &frontStyle,
                                                           const std::wstring &backStyle, calculation::Rates,
                                                           int pad)
{
    return LottoFilterChain::GetDetailedDataForBlue(frontStyle, backStyle, rates_.back, pad);
}

std::wstring RatedLottoFilterChain::GetDetailedDataForPos(const std::wstring &type,
                                                          const std::wstring &frontStyle,
                                                          const std::wstring &backStyle,
                                                          std::span<const std::wstring> styles,
                                                          calculation::Rates, int pad)
{
    return LottoFilterChain::GetDetailedDataForPos(type, frontStyle, backStyle, styles, rates_.Position(type),
                                                   pad);
}

} // namespace plugins::lotto

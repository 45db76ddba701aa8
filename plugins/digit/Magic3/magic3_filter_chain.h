/// \file
/// \brief The three-digit game "Magic3": positions 1-3 each a digit 0-9, played straight
/// ("zhiXuan"), as a group of six ("zuLiu") or as a group of three ("zuSan").
#pragma once

#include "digit/common/digit_filter_chain.h"

namespace plugins::magic3 {

/// The game as the digit family plays it.
const digit::DigitGame &Magic3Game();

class Magic3FilterChain : public digit::DigitFilterChain {
public:
    Magic3FilterChain() : DigitFilterChain(Magic3Game()) {}

protected:
    // History tables of the game's own (magic3_history_tables.h).
    std::wstring GetDetailedDataForBase(const std::wstring &frontStyle, const std::wstring &backStyle,
                                        calculation::Rates rates, int pad) override;
    std::wstring GetDetailedDataForDistribution(const std::wstring &frontStyle, const std::wstring &backStyle,
                                                std::span<const std::wstring> styles,
                                                calculation::Rates rates, int pad) override;
    std::wstring GetDetailedDataForShape(const std::wstring &type, const std::wstring &frontStyle,
                                         const std::wstring &backStyle, calculation::Rates rates,
                                         int pad) override;
    std::wstring GetDetailedDataForSpan(const std::wstring &frontStyle, const std::wstring &backStyle,
                                        calculation::Rates rates, int count, int pad) override;
    std::wstring GetDetailedDataForHeZhi(const std::wstring &frontStyle, const std::wstring &backStyle,
                                         std::span<const calculation::SumRange> ranges,
                                         calculation::Rates rates, int pad) override;
    std::wstring GetDetailedDataForWuXing(const std::wstring &frontStyle, const std::wstring &backStyle,
                                          calculation::Rates rates, int mode, int pad) override;
    std::wstring GetDetailedDataForOther(const std::wstring &frontStyle, int pad) override;
    std::wstring GetDetailedDataForLuShu(const std::wstring &frontStyle, const std::wstring &backStyle,
                                         const std::wstring &type, calculation::Rates rates,
                                         int pad) override;
    std::wstring GetDetailedDataForWx(const std::wstring &frontStyle, const std::wstring &backStyle,
                                      const std::wstring &type, calculation::Rates rates, int pad) override;
};

} // namespace plugins::magic3

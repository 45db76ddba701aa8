/// \file
/// \brief The chain of a digit game that shows its history tables with its own theoretical
/// rates: its own base table, and the engine's sum, span, shape, route and area, five-element and
/// pattern tables over its rates, all with the digits written without a "0" before them.
#pragma once

#include "digit/common/digit_filter_chain.h"
#include "digit/common/digit_history.h"

namespace plugins::digit {

class RatedDigitFilterChain : public DigitFilterChain {
public:
    /// game and rates must outlive the chain (both are constants of the game's plug-in).
    RatedDigitFilterChain(const DigitGame &game, const DigitTableRates &rates)
        : DigitFilterChain(game), rates_(rates)
    {
    }

    const DigitTableRates &tableRates() const { return rates_; }

protected:
    std::wstring GetDetailedDataForBase(const std::wstring &frontStyle, const std::wstring &backStyle,
                                        calculation::Rates rates, int pad) override;
    std::wstring GetDetailedDataForHeZhi(const std::wstring &frontStyle, const std::wstring &backStyle,
                                         std::span<const calculation::SumRange> ranges,
                                         calculation::Rates rates, int pad) override;
    std::wstring GetDetailedDataForSpan(const std::wstring &frontStyle, const std::wstring &backStyle,
                                        calculation::Rates rates, int count, int pad) override;
    std::wstring GetDetailedDataForShape(const std::wstring &type, const std::wstring &frontStyle,
                                         const std::wstring &backStyle, calculation::Rates rates,
                                         int pad) override;
    std::wstring GetDetailedDataForLuShu(const std::wstring &frontStyle, const std::wstring &backStyle,
                                         const std::wstring &type, calculation::Rates rates,
                                         int pad) override;
    std::wstring GetDetailedDataForWuXing(const std::wstring &frontStyle, const std::wstring &backStyle,
                                          calculation::Rates rates, int mode, int pad) override;
    std::wstring GetDetailedDataForLianHao(const std::wstring &frontStyle, const std::wstring &backStyle,
                                           const std::wstring &type, calculation::Rates rates,
                                           int pad) override;

    /// "pos" + p, the engine's position table over the rates of position p, for the games that
    /// show it: p is the type's last character; a type that names no position of the game's
    /// digits (the label's, a position past them, no digit at all) answers a table without rows.
    std::wstring RatedPositionTable(const std::wstring &type, const std::wstring &frontStyle,
                                    const std::wstring &backStyle, std::span<const std::wstring> styles);

private:
    const DigitTableRates &rates_;
};

} // namespace plugins::digit

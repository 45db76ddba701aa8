/// \file
/// \brief The chain of a lotto game that shows its history tables with its own theoretical rates:
/// the engine's base, back-area, position or distribution, sum, span, shape, route and area and
/// five-element tables, each over the rate table of the game's that feeds it.
#pragma once

#include "lotto/common/lotto_filter_chain.h"
#include "lotto/common/lotto_history.h"

namespace plugins::lotto {

class RatedLottoFilterChain : public LottoFilterChain {
public:
    /// game and rates must outlive the chain (both are constants of the game's plug-in).
    RatedLottoFilterChain(const LottoGame &game, const LottoTableRates &rates)
        : LottoFilterChain(game), rates_(rates)
    {
    }

    const LottoTableRates &tableRates() const { return rates_; }

protected:
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
    std::wstring GetDetailedDataForLuShu(const std::wstring &frontStyle, const std::wstring &backStyle,
                                         const std::wstring &type, calculation::Rates rates,
                                         int pad) override;
    std::wstring GetDetailedDataForBlue(const std::wstring &frontStyle, const std::wstring &backStyle,
                                        calculation::Rates rates, int pad) override;
    std::wstring GetDetailedDataForPos(const std::wstring &type, const std::wstring &frontStyle,
                                       const std::wstring &backStyle, std::span<const std::wstring> styles,
                                       calculation::Rates rates, int pad) override;

private:
    const LottoTableRates &rates_;
};

} // namespace plugins::lotto

/// \file
/// \brief The chain of a digit game that shows its history tables with its own theoretical
/// rates: the dispatcher passes each table its rates (digits without a "0" before them); the
/// base table is the digit games' own.
#pragma once

#include "calculation/history/table_rates.h"
#include "digit/common/digit_filter_chain.h"
#include "digit/common/digit_history.h"

namespace plugins::digit {

class RatedDigitFilterChain : public DigitFilterChain {
public:
    /// game and rates must outlive the chain (both are constants of the game's plug-in).
    RatedDigitFilterChain(const DigitGame &game, const calculation::TableRates &rates)
        : DigitFilterChain(game)
    {
        tableRates_ = &rates;
    }

protected:
    std::wstring GetDetailedDataForBase(const std::wstring &frontStyle, const std::wstring &backStyle,
                                        calculation::Rates rates, int pad) override;
};

} // namespace plugins::digit

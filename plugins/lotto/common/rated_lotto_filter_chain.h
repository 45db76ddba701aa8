/// \file
/// \brief The chain of a lotto game that shows its history tables with its own theoretical rates:
/// the dispatcher passes the engine's base, back-area, position or distribution, sum, span, shape,
/// route and area and five-element tables each the rate table of the game's that feeds it.
#pragma once

#include "calculation/history/table_rates.h"
#include "lotto/common/lotto_filter_chain.h"
#include "lotto/common/lotto_history.h"

namespace plugins::lotto {

class RatedLottoFilterChain : public LottoFilterChain {
public:
    /// game and rates must outlive the chain (both are constants of the game's plug-in).
    RatedLottoFilterChain(const LottoGame &game, const calculation::TableRates &rates)
        : LottoFilterChain(game)
    {
        tableRates_ = &rates;
    }
};

} // namespace plugins::lotto

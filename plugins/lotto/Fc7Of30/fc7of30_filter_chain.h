/// \file
/// \brief The game "Fc7Of30": seven of 1-30, with three, five and six areas of its own.
#pragma once

#include "lotto/common/rated_lotto_filter_chain.h"

namespace plugins::fc7of30 {

const lotto::LottoGame &Fc7Of30Game();
/// The rates of the game's history tables.
const calculation::TableRates &Fc7Of30Rates();

class Fc7Of30FilterChain : public lotto::RatedLottoFilterChain {
public:
    Fc7Of30FilterChain() : RatedLottoFilterChain(Fc7Of30Game(), Fc7Of30Rates()) {}
};

} // namespace plugins::fc7of30

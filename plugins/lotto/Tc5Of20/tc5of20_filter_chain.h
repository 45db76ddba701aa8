/// \file
/// \brief The game "Tc5Of20": five of 1-20.
#pragma once

#include "lotto/common/rated_lotto_filter_chain.h"

namespace plugins::tc5of20 {

const lotto::LottoGame &Tc5Of20Game();
/// The rates of the game's history tables.
const calculation::TableRates &Tc5Of20Rates();

class Tc5Of20FilterChain : public lotto::RatedLottoFilterChain {
public:
    Tc5Of20FilterChain() : RatedLottoFilterChain(Tc5Of20Game(), Tc5Of20Rates()) {}
};

} // namespace plugins::tc5of20

/// \file
/// \brief The game "Tc5Of35": five of 1-35 in front and two of 1-12 behind, each back pair tested by the back
/// conditions.
#pragma once

#include "lotto/common/rated_lotto_filter_chain.h"

namespace plugins::tc5of35 {

const lotto::LottoGame &Tc5Of35Game();
/// The rates of the game's history tables.
const calculation::TableRates &Tc5Of35Rates();

class Tc5Of35FilterChain : public lotto::RatedLottoFilterChain {
public:
    Tc5Of35FilterChain() : RatedLottoFilterChain(Tc5Of35Game(), Tc5Of35Rates()) {}
};

} // namespace plugins::tc5of35

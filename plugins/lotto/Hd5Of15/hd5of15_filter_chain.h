/// \file
/// \brief The game "Hd5Of15": five of 1-15; "_5bao3" takes the covering form.
#pragma once

#include "lotto/common/rated_lotto_filter_chain.h"

namespace plugins::hd5of15 {

const lotto::LottoGame &Hd5Of15Game();
/// The rates of the game's history tables.
const calculation::TableRates &Hd5Of15Rates();

class Hd5Of15FilterChain : public lotto::RatedLottoFilterChain {
public:
    Hd5Of15FilterChain() : RatedLottoFilterChain(Hd5Of15Game(), Hd5Of15Rates()) {}
};

} // namespace plugins::hd5of15

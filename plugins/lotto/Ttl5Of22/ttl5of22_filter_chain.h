/// \file
/// \brief The game "Ttl5Of22": five of 1-22.
#pragma once

#include "lotto/common/rated_lotto_filter_chain.h"

namespace plugins::ttl5of22 {

const lotto::LottoGame &Ttl5Of22Game();
/// The rates of the game's history tables.
const calculation::TableRates &Ttl5Of22Rates();

class Ttl5Of22FilterChain : public lotto::RatedLottoFilterChain {
public:
    Ttl5Of22FilterChain() : RatedLottoFilterChain(Ttl5Of22Game(), Ttl5Of22Rates()) {}
};

} // namespace plugins::ttl5of22

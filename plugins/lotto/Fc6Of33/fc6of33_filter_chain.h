/// \file
/// \brief The game "Fc6Of33": six of 1-33 in front and one blue number of 1-16, which no condition tests.
#pragma once

#include "lotto/common/rated_lotto_filter_chain.h"

namespace plugins::fc6of33 {

const lotto::LottoGame &Fc6Of33Game();
/// The rates of the game's history tables.
const calculation::TableRates &Fc6Of33Rates();

class Fc6Of33FilterChain : public lotto::RatedLottoFilterChain {
public:
    Fc6Of33FilterChain() : RatedLottoFilterChain(Fc6Of33Game(), Fc6Of33Rates()) {}
};

} // namespace plugins::fc6of33

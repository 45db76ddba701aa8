/// \file
/// \brief The game "Fc6Of33": six of 1-33 in front and one blue number of 1-16, which no condition tests.
#pragma once

#include "lotto/common/lotto_filter_chain.h"

namespace plugins::fc6of33 {

const lotto::LottoGame &Fc6Of33Game();

class Fc6Of33FilterChain : public lotto::LottoFilterChain {
public:
    Fc6Of33FilterChain() : LottoFilterChain(Fc6Of33Game()) {}
};

} // namespace plugins::fc6of33

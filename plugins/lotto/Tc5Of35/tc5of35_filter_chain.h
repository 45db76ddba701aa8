/// \file
/// \brief The game "Tc5Of35": five of 1-35 in front and two of 1-12 behind, each back pair tested by the back
/// conditions.
#pragma once

#include "lotto/common/lotto_filter_chain.h"

namespace plugins::tc5of35 {

const lotto::LottoGame &Tc5Of35Game();

class Tc5Of35FilterChain : public lotto::LottoFilterChain {
public:
    Tc5Of35FilterChain() : LottoFilterChain(Tc5Of35Game()) {}
};

} // namespace plugins::tc5of35

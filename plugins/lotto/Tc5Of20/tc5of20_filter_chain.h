/// \file
/// \brief The game "Tc5Of20": five of 1-20.
#pragma once

#include "lotto/common/lotto_filter_chain.h"

namespace plugins::tc5of20 {

const lotto::LottoGame &Tc5Of20Game();

class Tc5Of20FilterChain : public lotto::LottoFilterChain {
public:
    Tc5Of20FilterChain() : LottoFilterChain(Tc5Of20Game()) {}
};

} // namespace plugins::tc5of20

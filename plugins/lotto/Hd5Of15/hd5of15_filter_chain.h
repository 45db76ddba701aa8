/// \file
/// \brief The game "Hd5Of15": five of 1-15; "_5bao3" takes the covering form.
#pragma once

#include "lotto/common/lotto_filter_chain.h"

namespace plugins::hd5of15 {

const lotto::LottoGame &Hd5Of15Game();

class Hd5Of15FilterChain : public lotto::LottoFilterChain {
public:
    Hd5Of15FilterChain() : LottoFilterChain(Hd5Of15Game()) {}
};

} // namespace plugins::hd5of15

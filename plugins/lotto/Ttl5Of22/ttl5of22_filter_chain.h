/// \file
/// \brief The game "Ttl5Of22": five of 1-22.
#pragma once

#include "lotto/common/lotto_filter_chain.h"

namespace plugins::ttl5of22 {

const lotto::LottoGame &Ttl5Of22Game();

class Ttl5Of22FilterChain : public lotto::LottoFilterChain {
public:
    Ttl5Of22FilterChain() : LottoFilterChain(Ttl5Of22Game()) {}
};

} // namespace plugins::ttl5of22

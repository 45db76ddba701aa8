/// \file
/// \brief The game "Fc7Of30": seven of 1-30, with three, five and six areas of its own.
#pragma once

#include "lotto/common/lotto_filter_chain.h"

namespace plugins::fc7of30 {

const lotto::LottoGame &Fc7Of30Game();

class Fc7Of30FilterChain : public lotto::LottoFilterChain {
public:
    Fc7Of30FilterChain() : LottoFilterChain(Fc7Of30Game()) {}
};

} // namespace plugins::fc7of30

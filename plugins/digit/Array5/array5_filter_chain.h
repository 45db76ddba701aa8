/// \file
/// \brief The five-digit game "Array5": five positions each a digit 0-9, played in order only.
#pragma once

#include "digit/common/digit_filter_chain.h"

namespace plugins::array5 {

const digit::DigitGame &Array5Game();

class Array5FilterChain : public digit::DigitFilterChain {
public:
    Array5FilterChain() : DigitFilterChain(Array5Game()) {}
};

} // namespace plugins::array5

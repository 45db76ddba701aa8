/// \file
/// \brief The three-dice game "Quick3": three dice 1-6, played in order ("zhiXuan") or as a group
/// in any order ("zuXuan").
#pragma once

#include "digit/common/digit_filter_chain.h"

namespace plugins::quick3 {

const digit::DigitGame &Quick3Game();

class Quick3FilterChain : public digit::DigitFilterChain {
public:
    Quick3FilterChain() : DigitFilterChain(Quick3Game()) {}
};

} // namespace plugins::quick3

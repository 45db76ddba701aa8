/// \file
/// \brief The three-digit game "Magic3": positions 1-3 each a digit 0-9, played straight
/// ("zhiXuan"), as a group of six ("zuLiu") or as a group of three ("zuSan").
#pragma once

#include "digit/common/digit_filter_chain.h"

namespace plugins::magic3 {

/// The game as the digit family plays it.
const digit::DigitGame &Magic3Game();

class Magic3FilterChain : public digit::DigitFilterChain {
public:
    Magic3FilterChain() : DigitFilterChain(Magic3Game()) {}
};

} // namespace plugins::magic3

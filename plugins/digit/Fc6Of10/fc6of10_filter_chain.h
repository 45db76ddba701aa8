/// \file
/// \brief The game "Fc6Of10": six digits 0-9 and one zodiac sign of twelve joined to each bet.
#pragma once

#include "digit/common/rated_digit_filter_chain.h"

namespace plugins::fc6of10 {

const digit::DigitGame &Fc6Of10Game();
/// The rates of the game's history tables: six independent digits and one sign of twelve.
const calculation::TableRates &Fc6Of10Rates();

class Fc6Of10FilterChain : public digit::RatedDigitFilterChain {
public:
    Fc6Of10FilterChain() : RatedDigitFilterChain(Fc6Of10Game(), Fc6Of10Rates()) {}
};

} // namespace plugins::fc6of10

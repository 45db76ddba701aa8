/// \file
/// \brief The game "Fc6Of10": six digits 0-9 and one zodiac sign of twelve joined to each bet.
#pragma once

#include "digit/common/digit_filter_chain.h"

namespace plugins::fc6of10 {

const digit::DigitGame &Fc6Of10Game();

class Fc6Of10FilterChain : public digit::DigitFilterChain {
public:
    Fc6Of10FilterChain() : DigitFilterChain(Fc6Of10Game()) {}
};

} // namespace plugins::fc6of10

/// \file
/// \brief The four-digit game of the key "Fc4Of10": four digits 0-9, played straight or as one of
/// four group types named by their number of orderings ("zu24", "zu12", "zu6", "zu4").
#pragma once

#include "digit/common/digit_filter_chain.h"

namespace plugins::fc4of10 {

const digit::DigitGame &Fc4Of10Game();

/// The chain of the game "Fc4Of10", named after its plug-in, Rules-Ttc4Of10.
class Ttc4Of10FilterChain : public digit::DigitFilterChain {
public:
    Ttc4Of10FilterChain() : DigitFilterChain(Fc4Of10Game()) {}
};

} // namespace plugins::fc4of10

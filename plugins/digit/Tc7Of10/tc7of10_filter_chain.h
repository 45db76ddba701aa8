/// \file
/// \brief The seven-digit game "Tc7Of10": seven positions each a digit 0-9, played in order.
#pragma once

#include "digit/common/rated_digit_filter_chain.h"

namespace plugins::tc7of10 {

const digit::DigitGame &Tc7Of10Game();
/// The rates of the game's history tables: seven independent digits.
const calculation::TableRates &Tc7Of10Rates();

class Tc7Of10FilterChain : public digit::RatedDigitFilterChain {
public:
    Tc7Of10FilterChain() : RatedDigitFilterChain(Tc7Of10Game(), Tc7Of10Rates()) {}

protected:
    /// The base digits in their order without the killed ones ("feiMa"), cut to those between the
    /// chosen smallest ("minimumNum") and largest ("maximumNum") digits.
    std::vector<int> CandidateDigits() const override;
};

/// The cut of the pool: from the first digit that is low (or the first above it, where the pool
/// passes low) to the last that is high (or the last below it, where the pool passes high); the
/// whole pool where it meets neither.
std::vector<int> CutPool(const std::vector<int> &pool, int low, int high);

} // namespace plugins::tc7of10

/// \file
/// \brief The five-digit game "Array5": five positions each a digit 0-9, played in order only.
#pragma once

#include "digit/common/rated_digit_filter_chain.h"

namespace plugins::array5 {

const digit::DigitGame &Array5Game();
/// The rates of the game's history tables: five independent digits.
const calculation::TableRates &Array5Rates();

class Array5FilterChain : public digit::RatedDigitFilterChain {
public:
    Array5FilterChain() : RatedDigitFilterChain(Array5Game(), Array5Rates()) {}

protected:
    /// Every position's digit in that position's colour, over the distribution's rates.
    std::wstring GetDetailedDataForDistribution(const std::wstring &frontStyle, const std::wstring &backStyle,
                                                std::span<const std::wstring> styles,
                                                calculation::Rates rates, int pad) override;
};

} // namespace plugins::array5

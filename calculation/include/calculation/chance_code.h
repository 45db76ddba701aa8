/// \file
/// \brief The chance table that the history pages embed for the three-digit position charts.
#pragma once

#include <string>

#include "calculation/calculation_export.h"

namespace calculation {

/// The table literal "{6.3,25.0,37.5,25.0,6.3}": the percentages 6.25, 25, 37.5, 25, 6.25 with
/// one decimal, halves rounded away from zero. (basekit has its own GenerateChanceCode, the
/// 55-entry five-of-fifteen table; the two are unrelated.)
CALCULATION_EXPORT std::wstring GenerateChanceCode();

} // namespace calculation

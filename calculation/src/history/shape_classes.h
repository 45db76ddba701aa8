// The two classes of the shape tables ("bigSmall", "oddEven", "zhiHe"), shared by the table and
// the rates worked out for it.
#pragma once

#include <string>

#include "calculation/calculation_util.h"
#include "calculation/history/history_types.h"

namespace calculation::history {

// One two-class property of the numbers: its texts, its ratio code (class 1 count × 10 + class 0
// count) and the class of one number.
struct TwoClasses {
    const wchar_t *arrayKey;
    const wchar_t *labels[2]; ///< class 0, class 1
    std::wstring (*rateText)(const CCalculationUtil &, const int *, int, const HistoryGame &);
    std::wstring (*classText)(const CCalculationUtil &, const int *, int, const HistoryGame &);
    int (*code)(const CCalculationUtil &, const int *, int, const HistoryGame &);
    int (*classOf)(const CCalculationUtil &, int, const HistoryGame &);
};

/// Big and small for "bigSmall", odd and even for "oddEven", prime and composite for any other type.
const TwoClasses &ShapeClassesOf(const std::wstring &type);

} // namespace calculation::history

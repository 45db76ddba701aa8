/// \file
/// \brief One past draw as the history tables read it from the old-data cache.
#pragma once

#include <string>
#include <vector>

#include "basekit/row_types.h"
#include "calculation/calculation_export.h"

namespace calculation {

/// A cached draw: its number, date and numbers ("lottery" split on ","; front numbers first,
/// then back numbers).
struct HistoryDraw {
    std::wstring qiHao;
    std::wstring lotDate;
    std::vector<std::wstring> texts; ///< the numbers as the data service wrote them ("03")
    std::vector<int> numbers;        ///< the same read as integers; a text that is no number is 0

    const int *row() const { return numbers.data(); }
    int size() const { return static_cast<int>(numbers.size()); }
};

/// The draw of one cache entry (keys "qiHao", "lotDate", "lottery"; a missing key reads as "").
CALCULATION_EXPORT HistoryDraw ReadHistoryDraw(const basekit::TextMap &entry);

} // namespace calculation

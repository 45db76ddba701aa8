/// \file
/// \brief One past draw as the old-data cache keeps it and the history tables read it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "basekit/row_types.h"
#include "calculation/calculation_export.h"

namespace calculation {

/// A cached draw: its number, date and numbers (front numbers first, then back numbers). Only what
/// the tables read is kept, so a cache of many draws stays small.
struct CALCULATION_EXPORT HistoryDraw {
    std::wstring qiHao;
    std::wstring lotDate;
    std::wstring lottery;     ///< the numbers as the data service wrote them ("03,12,..")
    std::vector<int> numbers; ///< the same read as integers; a text that is no number is 0

    const int *row() const { return numbers.data(); }
    int size() const { return static_cast<int>(numbers.size()); }
    /// Number position as written in "lottery", blanks around it left out ("03"); "" past the end.
    std::wstring TextAt(int position) const;
    /// The draw as a cache entry of the data service's keys "qiHao", "lotDate", "lottery".
    basekit::TextMap Entry() const;
};

/// The draw of one cache entry (keys "qiHao", "lotDate", "lottery"; a missing key reads as "").
CALCULATION_EXPORT HistoryDraw ReadHistoryDraw(const basekit::TextMap &entry);

/// The numbers of a draw's "lottery" text, "01,5, 12": every piece decimal digits (blanks around
/// them allowed), at most nine of them; nothing when a piece is anything else or the text is empty.
CALCULATION_EXPORT std::optional<std::vector<int>> ReadDrawNumbers(const std::wstring &lottery);

} // namespace calculation

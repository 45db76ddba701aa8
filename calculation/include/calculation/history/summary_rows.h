/// \file
/// \brief The six summary rows under a history table.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "basekit/row_types.h"
#include "calculation/calculation_export.h"
#include "calculation/history/history_types.h"

namespace calculation {

/// Appends, under the N draw rows of a table, the rows "理论出现概率（%）" (the rates as given),
/// N + "期理论出现（期）" (rate × N / 100), N + "期实际出现（期）" (hits), N + "期最大连出（期）" (longest
/// run of hits), "理论遗漏（期）" (100 / rate - 1, "∞" for a rate of 0 or a miss of 1000 and more)
/// and N + "期当前遗漏（期）" (draws since the last hit), each named under "name".
///
/// The three theoretical rows hold keys[i] with rates[i]; a key past the end of the rates has
/// no rate: probability "", occurrences 0, miss "∞". The three counted rows hold every key of
/// the draw rows, in the order first met, that skipKeys does not contain as a substring; a
/// cell is a hit when its text is not empty. format writes the theoretical numbers ("%.1f").
CALCULATION_EXPORT void AddSumRow(basekit::TextMapPtrList &rows, Rates rates,
                                  std::span<const std::wstring> keys, std::wstring_view skipKeys,
                                  std::wstring_view format);

} // namespace calculation

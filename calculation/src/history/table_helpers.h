// What the engine's table files share beyond the public helpers of history_tables.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "basekit/row_types.h"

namespace calculation::history {

/// prefix + "0", prefix + "1", ... prefix + (count - 1); nothing for a count below 1.
std::vector<std::wstring> NumberedKeys(std::wstring_view prefix, int count);

/// The number in decimal, with a "0" before 0-9 when pad is 1.
std::wstring NumberText(int v, int pad);

/// Whether v is among the first n numbers of row.
bool Holds(const int *row, int n, int v);

/// The area of v among three of the given width: 0 up to width, 1 up to twice the width, 2 above
/// (so the last number of a pool one wider than three areas is in the third); -1 without a width.
int AreaOf(int v, int width);

/// The reply text of a table.
std::wstring Reply(const basekit::TextMapPtrList &rows);

} // namespace calculation::history

// What the engine's table files share beyond the public helpers of history_tables.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "basekit/row_types.h"
#include "calculation/history/history_types.h"

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

/// The class 0-2 of v in the route table (routes: v modulo 3) or the area table (AreaOf).
int RouteAreaClass(bool routes, int width, int v);

/// The values the columns of a chart of one position stand for: column i is the value first + i.
struct ValueColumns {
    int first = 0;
    int count = 0;
};
/// The values index + 1 .. index + 1 + frontMax - frontCount, which position index of a sorted
/// draw of distinct numbers can hold (the distribution chart of every game).
ValueColumns SortedColumns(const HistoryGame &game, int index);
/// The chart of position index: every value of the pool in the digit layout (the digits 0-9, the
/// dice 1-6), SortedColumns in the lotto layout.
ValueColumns PositionColumns(const HistoryGame &game, int index);

/// The span that column 0 of the span chart stands for: 0 for digits, frontCount - 1 for sorted
/// distinct numbers.
int FirstSpan(const HistoryGame &game);
/// The largest gap that column 0 of the gap chart stands for: 0 for digits, 1 for distinct numbers.
int FirstGap(const HistoryGame &game);

/// The reply text of a table.
std::wstring Reply(const basekit::TextMapPtrList &rows);

} // namespace calculation::history

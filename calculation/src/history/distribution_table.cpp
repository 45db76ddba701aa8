#include "calculation/history/history_cells.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/summary_rows.h"
#include "table_helpers.h"

namespace calculation {

std::wstring HistoryTables::Distribution(const std::wstring &frontStyle, const std::wstring &backStyle,
                                         std::span<const std::wstring> styles, Rates rates, int pad) const
{
    // Position j of a sorted draw of k numbers from 1..N holds j + 1 .. j + 1 + N - k.
    const int k = game_.frontCount;
    const int columns = history::SortedColumns(game_, 0).count;
    std::vector<std::wstring> keys;
    for (int j = 0; j < k; ++j) {
        for (const std::wstring &key : history::NumberedKeys(L"pos" + std::to_wstring(j), columns)) {
            keys.push_back(key);
        }
    }
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws()) {
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        auto key = keys.begin();
        for (int j = 0; j < k; ++j) {
            for (int i = 0; i < columns; ++i, ++key) {
                const int value = j + i + 1;
                row.emplace_back(*key, draw.numbers[static_cast<std::size_t>(j)] == value
                                           ? MarkedCell(j, StyleAt(styles, static_cast<std::size_t>(j)),
                                                        history::NumberText(value, pad))
                                           : L"");
            }
        }
        rows.push_back(std::move(row));
    }
    AddSumRow(rows, rates, keys, L"", L"%.1f");
    return history::Reply(rows);
}

} // namespace calculation

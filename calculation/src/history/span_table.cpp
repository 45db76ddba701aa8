#include <algorithm>

#include "calculation/history/history_cells.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/summary_rows.h"
#include "table_helpers.h"

namespace calculation {

std::wstring HistoryTables::Span(const std::wstring &frontStyle, const std::wstring &backStyle, Rates rates,
                                 int count, int pad) const
{
    const int k = game_.frontCount;
    const int columns = std::max(count, 0);
    const int firstSpan = history::FirstSpan(game_);
    const int firstGap = history::FirstGap(game_);
    std::vector<std::wstring> keys = history::NumberedKeys(L"span", columns);
    const std::vector<std::wstring> gapKeys = history::NumberedKeys(L"linHaoLag", columns);
    keys.insert(keys.end(), gapKeys.begin(), gapKeys.end());
    const std::wstring style = BoxStyle(20);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws()) {
        const int *r = draw.row();
        const int span = util_.GetSpan(r, k);
        const int gap = util_.GetBiggestLag(r, k);
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        row.emplace_back(L"span", std::to_wstring(span));
        // The smallest and the largest number as the draw writes them (a digit draw is not sorted).
        const auto smallest = std::min_element(r, r + k) - r;
        const auto largest = std::max_element(r, r + k) - r;
        row.emplace_back(L"minNum", draw.TextAt(static_cast<int>(smallest)));
        row.emplace_back(L"maxNum", draw.TextAt(static_cast<int>(largest)));
        for (int i = 0; i < columns; ++i) {
            row.emplace_back(keys[static_cast<std::size_t>(i)],
                             span == firstSpan + i ? MarkedCell(0, style, std::to_wstring(span)) : L"");
        }
        row.emplace_back(L"linHaoLag", std::to_wstring(gap));
        for (int i = 0; i < columns; ++i) {
            row.emplace_back(gapKeys[static_cast<std::size_t>(i)],
                             gap == firstGap + i ? MarkedCell(1, style, std::to_wstring(gap)) : L"");
        }
        rows.push_back(std::move(row));
    }
    AddSumRow(rows, rates, keys, L"minNum,maxNum,span,linHaoLag", L"%.1f");
    return history::Reply(rows);
}

} // namespace calculation

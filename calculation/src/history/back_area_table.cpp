#include "calculation/history/history_cells.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/summary_rows.h"
#include "table_helpers.h"

namespace calculation {

std::wstring HistoryTables::BackArea(const std::wstring &frontStyle, const std::wstring &backStyle,
                                     Rates rates, int pad) const
{
    const int nBack = game_.backCount;
    const std::vector<std::wstring> keys = history::NumberedKeys(L"pos", game_.backMax);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws()) {
        const int *back = draw.row() + game_.frontCount;
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        for (int v = 1; v <= game_.backMax; ++v) {
            std::wstring cell;
            if (history::Holds(back, nBack, v)) {
                const std::wstring text = game_.labelBack ? Label(v) : history::NumberText(v, pad);
                // A single back number draws a line through the chart; several do not.
                cell = game_.labelBack || nBack == 1 ? MarkedCell(0, backStyle, text)
                                                     : PlainCell(backStyle, text);
            }
            row.emplace_back(keys[static_cast<std::size_t>(v - 1)], std::move(cell));
        }
        row.emplace_back(L"blue", util_.ArrayToStrNoCSS(back, nBack, L" ", 1));
        row.emplace_back(L"bigSmall", util_.GetBigSmallText(back, nBack, game_.backMax / 2 + 1));
        row.emplace_back(L"oddEven", util_.GetOddEvenText(back, nBack));
        rows.push_back(std::move(row));
    }
    AddSumRow(rows, rates, keys, L"bigSmall,blue,oddEven", L"%.1f");
    return history::Reply(rows);
}

} // namespace calculation

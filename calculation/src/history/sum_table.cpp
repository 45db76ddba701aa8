#include "calculation/history/history_cells.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/summary_rows.h"
#include "table_helpers.h"

namespace calculation {

std::wstring HistoryTables::Sum(const std::wstring &frontStyle, const std::wstring &backStyle,
                                std::span<const SumRange> ranges, Rates rates, int pad) const
{
    constexpr int kTailDigits = 10;
    const int k = game_.frontCount;
    std::vector<std::wstring> keys = history::NumberedKeys(L"sum", static_cast<int>(ranges.size()));
    const std::vector<std::wstring> tailKeys = history::NumberedKeys(L"sumTail", kTailDigits);
    keys.insert(keys.end(), tailKeys.begin(), tailKeys.end());
    const std::wstring rangeStyle = RangeBoxStyle();
    const std::wstring tailStyle = BoxStyle(20);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws()) {
        const int sum = util_.GetSum(draw.row(), k);
        const int tail = sum % 10;
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        for (std::size_t r = 0; r < ranges.size(); ++r) {
            const bool inRange = ranges[r].low <= sum && sum <= ranges[r].high;
            row.emplace_back(keys[r], inRange ? MarkedCell(0, rangeStyle, std::to_wstring(sum)) : L"");
        }
        row.emplace_back(L"sum", std::to_wstring(sum));
        for (int d = 0; d < kTailDigits; ++d) {
            row.emplace_back(tailKeys[static_cast<std::size_t>(d)],
                             d == tail ? MarkedCell(1, tailStyle, std::to_wstring(tail)) : L"");
        }
        row.emplace_back(L"sumTail", std::to_wstring(tail));
        rows.push_back(std::move(row));
    }
    AddSumRow(rows, rates, keys, L"sum,sumTail", L"%.1f");
    return history::Reply(rows);
}

} // namespace calculation

#include "calculation/history/history_cells.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/summary_rows.h"
#include "calculation/history/table_rates.h"
#include "table_helpers.h"

namespace calculation {

std::wstring HistoryTables::Position(const std::wstring &type, const std::wstring &frontStyle,
                                     const std::wstring &backStyle, std::span<const std::wstring> styles,
                                     Rates rates, int pad) const
{
    // A type without a position digit reads as the first position.
    const int index = PositionOfType(type).value_or(0);
    basekit::TextMapPtrList rows;
    if (index < 0 || index >= game_.frontCount) {
        return history::Reply(rows); // no such position in this game's draws
    }
    const history::ValueColumns columns = history::PositionColumns(game_, index);
    const int series = game_.digitLayout ? 0 : index;
    const std::vector<std::wstring> keys =
        history::NumberedKeys(L"pos" + std::to_wstring(index), columns.count);
    const std::wstring &ballStyle = StyleAt(styles, 0);
    for (const HistoryDraw &draw : Draws()) {
        const auto at = static_cast<std::size_t>(index);
        const int v = draw.numbers[at];
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        row.emplace_back(L"weiLot", draw.TextAt(index));
        row.emplace_back(L"bigSmall", v < game_.bigStart ? L"小" : L"大");
        row.emplace_back(L"oddEven", v % 2 == 0 ? L"偶" : L"奇");
        row.emplace_back(L"zhiHe", util_.IsZhiOrHe(v) != 0 ? L"质" : L"合");
        row.emplace_back(L"luShu", std::to_wstring(v % 3));
        const int area = history::AreaOf(v, game_.areaWidth);
        row.emplace_back(L"threeArea", area < 0 ? std::wstring() : std::to_wstring(area + 1));
        for (int i = 0; i < columns.count; ++i) {
            const int value = columns.first + i;
            const std::wstring text =
                game_.digitLayout ? std::to_wstring(value) : history::NumberText(value, pad);
            row.emplace_back(keys[static_cast<std::size_t>(i)],
                             v == value ? MarkedCell(series, ballStyle, text) : L"");
        }
        rows.push_back(std::move(row));
    }
    AddSumRow(rows, rates, keys, L"weiLot,bigSmall,oddEven,zhiHe,luShu,threeArea", L"%.1f");
    return history::Reply(rows);
}

} // namespace calculation

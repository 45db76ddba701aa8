#include <array>

#include "calculation/history/history_cells.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/summary_rows.h"
#include "table_helpers.h"

namespace calculation {

std::wstring HistoryTables::RouteArea(const std::wstring &frontStyle, const std::wstring &backStyle,
                                      const std::wstring &type, Rates rates, int pad) const
{
    constexpr int kClasses = 3;
    const bool routes = type == L"luShu";
    const std::array<const wchar_t *, kClasses> labels =
        routes ? std::array<const wchar_t *, kClasses>{L"0", L"1", L"2"}
               : std::array<const wchar_t *, kClasses>{L"1", L"2", L"3"};
    const int width = game_.areaWidth;
    auto classOf = [&](int v) { return history::RouteAreaClass(routes, width, v); };
    const int k = game_.frontCount;
    // Count chart type + c + m (m numbers of class c), then position chart "pos" + p + c.
    std::vector<std::wstring> keys;
    for (int c = 0; c < kClasses; ++c) {
        for (const std::wstring &key : history::NumberedKeys(type + std::to_wstring(c), k + 1)) {
            keys.push_back(key);
        }
    }
    for (int p = 0; p < k; ++p) {
        for (const std::wstring &key : history::NumberedKeys(L"pos" + std::to_wstring(p), kClasses)) {
            keys.push_back(key);
        }
    }
    const std::wstring style = BoxStyle(18);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws()) {
        const int *r = draw.row();
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        if (routes) {
            row.emplace_back(L"luShuRate", util_.LuShuRateText(r, k));
            row.emplace_back(L"luShuArray", util_.GetLuShuText(r, k));
        } else {
            row.emplace_back(L"threeAreaRate", util_.ThreeAreaRateText(r, k, width));
            row.emplace_back(L"threeAreaArray", util_.GetThreeAreaText(r, k, width));
        }
        std::array<int, kClasses> counts{};
        for (int p = 0; p < k; ++p) {
            const int c = classOf(r[p]);
            if (c >= 0 && c < kClasses) {
                ++counts[static_cast<std::size_t>(c)];
            }
        }
        auto key = keys.begin();
        for (int c = 0; c < kClasses; ++c) {
            for (int m = 0; m <= k; ++m, ++key) {
                row.emplace_back(*key, counts[static_cast<std::size_t>(c)] == m
                                           ? MarkedCell(c, style, std::to_wstring(m))
                                           : L"");
            }
        }
        for (int p = 0; p < k; ++p) {
            const int numberClass = classOf(r[p]);
            for (int c = 0; c < kClasses; ++c, ++key) {
                // Series 3, 4, ... follow the three series of the count chart.
                row.emplace_back(*key, numberClass == c ? MarkedCell(p + kClasses, style,
                                                                     labels[static_cast<std::size_t>(c)])
                                                        : L"");
            }
        }
        rows.push_back(std::move(row));
    }
    AddSumRow(rows, rates, keys, L"luShuRate,luShuArray,threeAreaRate,threeAreaArray", L"%.1f");
    return history::Reply(rows);
}

} // namespace calculation

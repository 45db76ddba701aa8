#include <array>

#include "calculation/history/history_cells.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/summary_rows.h"
#include "table_helpers.h"

namespace calculation {

std::wstring HistoryTables::FiveElements(const std::wstring &frontStyle, const std::wstring &backStyle,
                                         Rates rates, int mode, int pad, const std::wstring &countStyle) const
{
    constexpr std::array<const wchar_t *, 5> kElements{L"jin", L"mu", L"shui", L"huo", L"tu"};
    const int k = game_.frontCount;
    std::vector<std::wstring> keys;
    for (int p = 0; p < k; ++p) {
        for (const wchar_t *element : kElements) {
            keys.push_back(L"pos" + std::to_wstring(p) + element);
        }
    }
    const std::wstring style = BoxStyle(20);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws()) {
        const int *r = draw.row();
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        row.emplace_back(L"wuXingRate", util_.WuXingRateText(r, k, mode));
        row.emplace_back(L"wuXingArray", util_.GetWuXingText(r, k, mode));
        for (int e = 0; e < static_cast<int>(kElements.size()); ++e) {
            const int count = util_.GetWuXingNum(r, k, e, mode);
            row.emplace_back(std::wstring(kElements[static_cast<std::size_t>(e)]) + L"Num",
                             count >= 1 ? PlainCell(countStyle, std::to_wstring(count)) : L"");
        }
        auto key = keys.begin();
        for (int p = 0; p < k; ++p) {
            const int element = util_.GetWuXing(r[p], mode);
            for (int e = 0; e < static_cast<int>(kElements.size()); ++e, ++key) {
                row.emplace_back(
                    *key, element == e ? MarkedCell(p, style, util_.GetWuXingText(r + p, 1, mode)) : L"");
            }
        }
        rows.push_back(std::move(row));
    }
    AddSumRow(rows, rates, keys, L"wuXingRate,wuXingArray,jinNum,muNum,shuiNum,huoNum,tuNum", L"%.1f");
    return history::Reply(rows);
}

} // namespace calculation

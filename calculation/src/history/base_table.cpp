#include "basekit/number_text.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/summary_rows.h"
#include "table_helpers.h"

namespace calculation {

std::wstring HistoryTables::Base(const std::wstring &frontStyle, const std::wstring &backStyle, Rates rates,
                                 int pad) const
{
    const int k = game_.frontCount;
    const std::vector<std::wstring> keys = history::NumberedKeys(L"pos", game_.frontMax);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws()) {
        const int *r = draw.row();
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        row.emplace_back(L"acValue", std::to_wstring(util_.GetAc(r, k)));
        row.emplace_back(L"average", std::to_wstring(util_.GetAverage(r, k)));
        for (int i = 0; i < game_.frontMax; ++i) {
            const int v = game_.lowestNumber + i;
            row.emplace_back(keys[static_cast<std::size_t>(i)],
                             history::Holds(r, k, v) ? util_.ArrayToStr(&v, 1, 0, frontStyle, L"", pad)
                                                     : L"");
        }
        // The smallest and the largest, which are the first and the last of a sorted draw.
        row.emplace_back(L"minNum", basekit::IntToStr(util_.GetSmallest(r, k), L"%02d"));
        row.emplace_back(L"maxNum", basekit::IntToStr(util_.GetBiggest(r, k), L"%02d"));
        row.emplace_back(L"sum", std::to_wstring(util_.GetSum(r, k)));
        row.emplace_back(L"span", std::to_wstring(util_.GetSpan(r, k)));
        AddRatios(row, r, k);
        rows.push_back(std::move(row));
    }
    AddSumRow(rows, rates, keys,
              L"minNum,maxNum,sum,acValue,average,shape,sameNum,lianHao,span,threeAreaRate,bigSmallRate,"
              L"oddEvenRate,zhiHeRate,luShuRate",
              L"%.1f");
    return history::Reply(rows);
}

} // namespace calculation

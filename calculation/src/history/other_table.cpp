#include <array>

#include "basekit/array_util.h"
#include "calculation/history/history_tables.h"
#include "table_helpers.h"

namespace calculation {

std::wstring HistoryTables::Other(const std::wstring &frontStyle, int pad) const
{
    // The position pairs (0,1), (0,2), (1,2) and their key suffixes.
    constexpr std::array<std::array<int, 2>, 3> kPairs{{{0, 1}, {0, 2}, {1, 2}}};
    constexpr std::array<const wchar_t *, 3> kSuffixes{L"01", L"02", L"12"};
    const int k = game_.frontCount;
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws(3)) {
        const int *r = draw.row();
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, std::wstring(), pad));
        row.emplace_back(L"minNum", std::to_wstring(util_.GetSmallest(r, k)));
        row.emplace_back(L"maxNum", std::to_wstring(util_.GetBiggest(r, k)));
        row.emplace_back(L"acValue", std::to_wstring(util_.GetAc(r, k)));
        row.emplace_back(L"average", std::to_wstring(util_.GetAverage(r, k)));
        for (std::size_t i = 0; i < kPairs.size(); ++i) {
            row.emplace_back(std::wstring(L"erMa") + kSuffixes[i], util_.GetErWeiMa(r, kPairs[i].data()));
        }
        for (std::size_t i = 0; i < kPairs.size(); ++i) {
            row.emplace_back(std::wstring(L"he") + kSuffixes[i],
                             std::to_wstring(util_.GetErWeiHe(r, kPairs[i].data())));
        }
        for (std::size_t i = 0; i < kPairs.size(); ++i) {
            row.emplace_back(std::wstring(L"cha") + kSuffixes[i],
                             std::to_wstring(util_.GetErWeiCha(r, kPairs[i].data())));
        }
        row.emplace_back(L"shape", util_.zuXuanOrZhiText(r, k));
        row.emplace_back(L"sameNum", util_.GetSameNumText(r, k));
        row.emplace_back(L"lianHao", util_.GetLianMaForMagic3Text(r, k));
        row.emplace_back(L"differNum", std::to_wstring(basekit::ArrayUtil::GetDistinctNum(r, k)));
        rows.push_back(std::move(row));
    }
    return history::Reply(rows);
}

} // namespace calculation

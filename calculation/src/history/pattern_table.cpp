#include <algorithm>

#include "basekit/number_text.h"
#include "basekit/string_split.h"
#include "calculation/history/history_cells.h"
#include "calculation/history/history_tables.h"
#include "table_helpers.h"

namespace calculation {
namespace {

// The values a pattern text lists ("4,5,6"); "-" lists none.
std::vector<int> PatternValues(const std::wstring &text)
{
    std::vector<int> values;
    for (const std::wstring &piece : basekit::StrSplit(text, L",")) {
        if (!piece.empty() && piece != L"-") {
            values.push_back(basekit::StrToIntW(piece));
        }
    }
    return values;
}

} // namespace

std::wstring HistoryTables::Patterns(const std::wstring &frontStyle, const std::wstring &backStyle,
                                     const std::wstring &type, int pad) const
{
    const int k = game_.frontCount;
    const int singly = game_.digitLayout ? 0 : 1;
    const bool sameTail = type == L"sameTail";
    const bool sameNum = type == L"sameNum";
    const std::vector<std::wstring> keys = history::NumberedKeys(L"pos", game_.frontMax);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws()) {
        const int *r = draw.row();
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        std::wstring pattern;
        if (sameTail) {
            const std::vector<int> tails = util_.GetTails(r, k);
            pattern = util_.GetSameNumText(tails.data(), k);
            row.emplace_back(L"sameTailNum", pattern);
            const int group = k == 5   ? util_.GetSameTailGroupFor5(r, k)
                              : k == 6 ? util_.GetSameTailGroupFor6(r, k)
                                       : util_.GetSameTailGroupFor7(r, k);
            row.emplace_back(L"sameTailGroup", std::to_wstring(group));
        } else if (sameNum) {
            pattern = util_.GetSameNumText(r, k);
            row.emplace_back(L"sameNum", pattern);
            const int group = k == 5   ? util_.GetSameNumGroupFor5(r, k)
                              : k == 6 ? util_.GetSameNumGroupFor6(r, k)
                                       : util_.GetSameNumGroupFor7(r, k);
            row.emplace_back(L"sameNumGroup", std::to_wstring(group));
        } else {
            pattern = util_.GetLianText(r, k, singly);
            row.emplace_back(L"lianHaoNum", pattern);
            row.emplace_back(L"lianHaoGroup", std::to_wstring(util_.GetLianMa(r, k, singly)));
        }
        const std::vector<int> values = PatternValues(pattern);
        auto listed = [&](int v) { return std::find(values.begin(), values.end(), v) != values.end(); };
        for (int i = 0; i < game_.frontMax; ++i) {
            // Lotto layout: column i is the number i + 1; digit layout: the digit i.
            const int v = game_.digitLayout ? i : i + 1;
            bool marked = false;
            if (!game_.digitLayout) {
                marked = sameTail ? listed(v % 10) && history::Holds(r, k, v) : !sameNum && listed(v);
            } else {
                marked = !sameTail && listed(v);
            }
            const std::wstring text = game_.digitLayout ? std::to_wstring(v) : history::NumberText(v, 1);
            row.emplace_back(keys[static_cast<std::size_t>(i)], marked ? PlainCell(frontStyle, text) : L"");
        }
        rows.push_back(std::move(row));
    }
    return history::Reply(rows);
}

} // namespace calculation

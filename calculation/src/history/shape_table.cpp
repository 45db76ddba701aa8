#include "calculation/history/history_cells.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/summary_rows.h"
#include "shape_classes.h"
#include "table_helpers.h"

namespace calculation {
namespace history {
namespace {

const TwoClasses kBigSmall{
    L"bigSmallArray",
    {L"小", L"大"},
    [](const CCalculationUtil &u, const int *r, int k, const HistoryGame &g) {
        return u.BigSmallRateText(r, k, g.bigStart);
    },
    [](const CCalculationUtil &u, const int *r, int k, const HistoryGame &g) {
        return u.GetBigSmallText(r, k, g.bigStart);
    },
    [](const CCalculationUtil &u, const int *r, int k, const HistoryGame &g) {
        return u.BigSmallRate(r, k, g.bigStart);
    },
    [](const CCalculationUtil &, int v, const HistoryGame &g) { return v >= g.bigStart ? 1 : 0; },
};

const TwoClasses kOddEven{
    L"oddEvenArray",
    {L"偶", L"奇"},
    [](const CCalculationUtil &u, const int *r, int k, const HistoryGame &) {
        return u.OddEvenRateText(r, k);
    },
    [](const CCalculationUtil &u, const int *r, int k, const HistoryGame &) {
        return u.GetOddEvenText(r, k);
    },
    [](const CCalculationUtil &u, const int *r, int k, const HistoryGame &) { return u.OddEvenRate(r, k); },
    [](const CCalculationUtil &, int v, const HistoryGame &) { return v % 2 != 0 ? 1 : 0; },
};

const TwoClasses kPrimeComposite{
    L"zhiHeArray",
    {L"合", L"质"},
    [](const CCalculationUtil &u, const int *r, int k, const HistoryGame &) { return u.ZhiHeRateText(r, k); },
    [](const CCalculationUtil &u, const int *r, int k, const HistoryGame &) { return u.GetZhiHeText(r, k); },
    [](const CCalculationUtil &u, const int *r, int k, const HistoryGame &) { return u.ZhiHeRate(r, k); },
    [](const CCalculationUtil &u, int v, const HistoryGame &) { return u.IsZhiOrHe(v) != 0 ? 1 : 0; },
};

} // namespace

const TwoClasses &ShapeClassesOf(const std::wstring &type)
{
    if (type == L"bigSmall") {
        return kBigSmall;
    }
    return type == L"oddEven" ? kOddEven : kPrimeComposite;
}

} // namespace history

std::wstring HistoryTables::Shape(const std::wstring &type, const std::wstring &frontStyle,
                                  const std::wstring &backStyle, Rates rates, int pad) const
{
    const history::TwoClasses &classes = history::ShapeClassesOf(type);
    const int k = game_.frontCount;
    // Ratio column i: i numbers of class 1 and k - i of class 0, the code k + 9i.
    std::vector<std::wstring> keys = history::NumberedKeys(L"rate", k + 1);
    for (int p = 0; p < k; ++p) {
        keys.push_back(L"pos" + std::to_wstring(p) + L"1");
        keys.push_back(L"pos" + std::to_wstring(p) + L"0");
    }
    const std::wstring ratioStyle = BoxStyle(40);
    const std::wstring positionStyle = BoxStyle(20);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : Draws()) {
        const int *r = draw.row();
        const std::wstring rateText = classes.rateText(util_, r, k, game_);
        const int code = classes.code(util_, r, k, game_);
        basekit::OrderedRow row = NewRow(draw, Balls(draw, frontStyle, backStyle, pad));
        row.emplace_back(L"rate", rateText);
        row.emplace_back(classes.arrayKey, classes.classText(util_, r, k, game_));
        for (int i = 0; i <= k; ++i) {
            row.emplace_back(keys[static_cast<std::size_t>(i)],
                             code == k + 9 * i ? MarkedCell(0, ratioStyle, rateText) : L"");
        }
        for (int p = 0; p < k; ++p) {
            const int numberClass = classes.classOf(util_, r[p], game_);
            for (int c = 0; c < 2; ++c) {
                row.emplace_back(L"pos" + std::to_wstring(p) + std::to_wstring(c),
                                 numberClass == c ? MarkedCell(p + 1, positionStyle, classes.labels[c])
                                                  : L"");
            }
        }
        rows.push_back(std::move(row));
    }
    AddSumRow(rows, rates, keys, L"rate,bigSmallArray,oddEvenArray,zhiHeArray", L"%.1f");
    return history::Reply(rows);
}

} // namespace calculation

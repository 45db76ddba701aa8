#include "magic3_history_tables.h"

#include <array>
#include <vector>

#include "basekit/array_util.h"
#include "basekit/json_util.h"
#include "calculation/history/history_cells.h"
#include "calculation/history/summary_rows.h"

namespace plugins::magic3 {
namespace {

using calculation::BoxStyle;
using calculation::HistoryDraw;
using calculation::HistoryTables;
using calculation::MarkedCell;
using calculation::PlainCell;

constexpr int kDigits = 3;

// A draw row: "qiHao", "lotDate" and the three digits as balls without a leading "0".
basekit::OrderedRow NewRow(const HistoryTables &tables, const HistoryDraw &draw,
                           const std::wstring &frontStyle)
{
    return tables.NewRow(draw, tables.Balls(draw, frontStyle, std::wstring(), 0));
}

std::wstring Finish(basekit::TextMapPtrList &rows, calculation::Rates rates,
                    const std::vector<std::wstring> &keys, std::wstring_view skipKeys,
                    std::wstring_view format)
{
    calculation::AddSumRow(rows, rates, keys, skipKeys, format);
    return basekit::JsonUtil::MapListToJson(rows);
}

// The cell of a column: marked with text when the draw hits it, else empty.
std::wstring CellIf(bool hit, int series, const std::wstring &style, const std::wstring &text)
{
    return hit ? MarkedCell(series, style, text) : std::wstring();
}

} // namespace

std::wstring SumTable(const HistoryTables &tables, const std::wstring &frontStyle)
{
    constexpr int kSums = 28;
    constexpr int kTails = 10;
    // 100 × (ordered digit triples with the sum) / 1000, symmetric about 13.5.
    static const std::array<const wchar_t *, 14> kLowerHalf{L"0.1", L"0.3", L"0.6", L"1.0", L"1.5",
                                                            L"2.1", L"2.8", L"3.6", L"4.5", L"5.5",
                                                            L"6.3", L"6.9", L"7.3", L"7.5"};
    std::vector<std::wstring> keys;
    std::vector<std::wstring> rates;
    for (int i = 0; i < kSums; ++i) {
        keys.push_back(L"sum" + std::to_wstring(i));
        rates.emplace_back(kLowerHalf[static_cast<std::size_t>(i < 14 ? i : kSums - 1 - i)]);
    }
    for (int i = 0; i < kTails; ++i) {
        keys.push_back(L"sumTail" + std::to_wstring(i));
        rates.emplace_back(L"10");
    }
    const std::wstring box = BoxStyle(20);
    const calculation::CCalculationUtil &util = tables.util();
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : tables.Draws()) {
        const int sum = util.GetSum(draw.row(), kDigits);
        const int tail = util.GetSumTail(draw.row(), kDigits);
        basekit::OrderedRow row = NewRow(tables, draw, frontStyle);
        row.emplace_back(L"sum", std::to_wstring(sum));
        row.emplace_back(L"sumTail", std::to_wstring(tail));
        auto key = keys.begin();
        for (int i = 0; i < kSums; ++i) {
            row.emplace_back(*key++, CellIf(i == sum, 0, box, std::to_wstring(sum)));
        }
        for (int i = 0; i < kTails; ++i) {
            row.emplace_back(*key++, CellIf(i == tail, 1, box, std::to_wstring(tail)));
        }
        rows.push_back(std::move(row));
    }
    return Finish(rows, rates, keys, L"sum,sumTail", L"%.1f");
}

std::wstring ShapeTable(const HistoryTables &tables, const std::wstring &type, const std::wstring &frontStyle)
{
    using Util = calculation::CCalculationUtil;
    // Codes: class-1 count × 10 + class-0 count; patterns: the class digit of each position.
    static const std::array<int, 4> kCodes{3, 12, 21, 30};
    static const std::array<const wchar_t *, 8> kPatterns{L"000", L"001", L"010", L"100",
                                                          L"011", L"101", L"110", L"111"};
    const Util &util = tables.util();
    const int limit = tables.game().bigStart;
    struct Texts {
        int code;
        std::wstring codeText;
        std::wstring pattern;
        std::wstring patternText;
    };
    auto textsOf = [&](const int *r) -> Texts {
        if (type == L"bigSmall") {
            return {util.BigSmallRate(r, kDigits, limit), util.BigSmallRateText(r, kDigits, limit),
                    util.GetBigSmall(r, kDigits, limit), util.GetBigSmallText(r, kDigits, limit)};
        }
        if (type == L"oddEven") {
            return {util.OddEvenRate(r, kDigits), util.OddEvenRateText(r, kDigits),
                    util.GetOddEven(r, kDigits), util.GetOddEvenText(r, kDigits)};
        }
        return {util.ZhiHeRate(r, kDigits), util.ZhiHeRateText(r, kDigits), util.GetZhiHe(r, kDigits),
                util.GetZhiHeText(r, kDigits)};
    };
    std::vector<std::wstring> keys;
    keys.reserve(kCodes.size() + kPatterns.size());
    std::vector<std::wstring> rates;
    for (int code : kCodes) {
        keys.push_back(type + L"Rate" + std::to_wstring(code));
    }
    rates.insert(rates.end(), {L"12.5", L"37.5", L"37.5", L"12.5"});
    for (const wchar_t *pattern : kPatterns) {
        keys.push_back(type + pattern);
        rates.emplace_back(L"12.5");
    }
    const std::wstring codeBox = BoxStyle(40);
    const std::wstring patternBox = BoxStyle(46);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : tables.Draws()) {
        const Texts texts = textsOf(draw.row());
        basekit::OrderedRow row = NewRow(tables, draw, frontStyle);
        row.emplace_back(L"rate", texts.codeText);
        row.emplace_back(L"array", texts.patternText);
        auto key = keys.begin();
        for (int code : kCodes) {
            row.emplace_back(*key++, CellIf(texts.code == code, 0, codeBox, texts.codeText));
        }
        for (const wchar_t *pattern : kPatterns) {
            row.emplace_back(*key++, CellIf(texts.pattern == pattern, 1, patternBox, texts.patternText));
        }
        rows.push_back(std::move(row));
    }
    return Finish(rows, rates, keys, L"rate,array", L"%.1f");
}

std::wstring RouteAreaTable(const HistoryTables &tables, const std::wstring &type,
                            const std::wstring &frontStyle)
{
    constexpr int kClasses = 3;
    // Codes: class-0 count × 100 + class-1 count × 10 + class-2 count.
    static const std::array<int, 10> kCodes{3, 12, 21, 30, 102, 111, 120, 201, 210, 300};
    // Class 0 holds four digits (0 3 6 9, or 0-3), classes 1 and 2 three each.
    static const std::array<const wchar_t *, 10> kCodeRates{L"2.7",  L"8.1",  L"8.1",  L"2.7",  L"10.8",
                                                            L"21.6", L"10.8", L"14.4", L"14.4", L"6.4"};
    static const std::array<const wchar_t *, kClasses> kClassRates{L"40", L"30", L"30"};
    const calculation::CCalculationUtil &util = tables.util();
    const int width = tables.game().areaWidth;
    const bool routes = type == L"luShu";
    // Areas: (d - 1) / width truncated, so 0-3 are the first area of digits.
    auto classOf = [&](int d) { return routes ? d % 3 : (width > 0 ? (d - 1) / width : -1); };
    const std::array<const wchar_t *, kClasses> labels =
        routes ? std::array<const wchar_t *, kClasses>{L"0", L"1", L"2"}
               : std::array<const wchar_t *, kClasses>{L"1", L"2", L"3"};
    std::vector<std::wstring> keys;
    std::vector<std::wstring> rates;
    for (std::size_t i = 0; i < kCodes.size(); ++i) {
        keys.push_back(type + L"Rate" + std::to_wstring(kCodes[i]));
        rates.emplace_back(kCodeRates[i]);
    }
    for (int j = 0; j < kDigits; ++j) {
        for (int k = 0; k < kClasses; ++k) {
            keys.push_back(L"pos" + std::to_wstring(j) + type + std::to_wstring(k));
            rates.emplace_back(kClassRates[static_cast<std::size_t>(k)]);
        }
    }
    const std::wstring codeBox = BoxStyle(40);
    const std::wstring classBox = BoxStyle(20);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : tables.Draws()) {
        const int *r = draw.row();
        const int code = routes ? util.LuShuRate(r, kDigits) : util.ThreeAreaRate(r, kDigits, width);
        const std::wstring codeText =
            routes ? util.LuShuRateText(r, kDigits) : util.ThreeAreaRateText(r, kDigits, width);
        basekit::OrderedRow row = NewRow(tables, draw, frontStyle);
        row.emplace_back(L"rate", codeText);
        if (routes) {
            row.emplace_back(L"luShuArray", util.GetLuShuText(r, kDigits));
        } else {
            row.emplace_back(L"threeAreaArray", util.GetThreeAreaText(r, kDigits, width));
        }
        auto key = keys.begin();
        for (int c : kCodes) {
            row.emplace_back(*key++, CellIf(code == c, 0, codeBox, codeText));
        }
        for (int j = 0; j < kDigits; ++j) {
            const int digitClass = classOf(r[j]);
            for (int k = 0; k < kClasses; ++k) {
                row.emplace_back(
                    *key++, CellIf(digitClass == k, j + 1, classBox, labels[static_cast<std::size_t>(k)]));
            }
        }
        rows.push_back(std::move(row));
    }
    return Finish(rows, rates, keys, L"rate,luShuArray,threeAreaArray", L"%.1f");
}

std::wstring FiveElementTable(const HistoryTables &tables, const std::wstring &frontStyle)
{
    // Each digit is of one of five elements by its last digit: 20 % a position.
    const std::vector<std::wstring> rates(static_cast<std::size_t>(5 * kDigits), L"20");
    return tables.FiveElements(frontStyle, std::wstring(), rates, 0, 0, BoxStyle(30));
}

std::wstring DigitGroupTable(const HistoryTables &tables, const std::wstring &type,
                             const std::wstring &frontStyle)
{
    using Group = std::vector<int>;
    static const std::vector<Group> kFives{
        {0, 1, 2, 4, 9}, {0, 1, 2, 6, 8}, {0, 1, 3, 4, 6}, {0, 1, 4, 6, 7}, {0, 1, 5, 6, 9}, {0, 2, 3, 5, 7},
        {0, 2, 4, 5, 8}, {0, 3, 7, 8, 9}, {1, 2, 3, 5, 9}, {1, 2, 3, 7, 8}, {1, 2, 5, 8, 9}, {1, 3, 4, 7, 8},
        {1, 4, 5, 7, 9}, {2, 3, 4, 5, 6}, {2, 4, 6, 7, 9}, {3, 4, 6, 8, 9}, {3, 5, 6, 7, 8}};
    static const std::vector<Group> kSixes{
        {0, 1, 2, 3, 4, 6}, {0, 1, 2, 3, 5, 9}, {0, 1, 2, 4, 8, 9}, {0, 1, 3, 7, 8, 9}, {0, 2, 6, 7, 8, 9},
        {0, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 7}, {1, 5, 6, 7, 8, 9}, {2, 3, 4, 5, 6, 8}, {3, 4, 5, 6, 7, 9}};
    static const std::vector<Group> kSevens{{0, 1, 2, 3, 4, 8, 9}, {0, 3, 4, 5, 6, 7, 9},
                                            {0, 1, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7},
                                            {0, 2, 4, 5, 6, 7, 8}, {2, 3, 5, 6, 7, 8, 9}};
    // The chance that all three digits lie in a group of size s: (s / 10)³.
    const bool fives = type == L"w5";
    const bool sixes = type == L"w6";
    const std::vector<Group> &groups = fives ? kFives : sixes ? kSixes : kSevens;
    const wchar_t *rate = fives ? L"12.5" : sixes ? L"21.6" : L"34.3";
    const calculation::CCalculationUtil &util = tables.util();
    std::vector<std::wstring> keys;
    keys.reserve(groups.size());
    for (const Group &group : groups) {
        keys.push_back(L"w" + util.ArrayToStrNoCSS(group.data(), static_cast<int>(group.size()), L"", 0));
    }
    const std::vector<std::wstring> rates(keys.size(), rate);
    const std::wstring box = BoxStyle(30);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : tables.Draws()) {
        const std::wstring digits = util.ArrayToStrNoCSS(draw.row(), kDigits, L"", 0);
        basekit::OrderedRow row = NewRow(tables, draw, frontStyle);
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const Group &group = groups[g];
            const bool holdsDraw =
                basekit::ArrayUtil::ArrayAcontainsAnyOfB(group.data(), static_cast<int>(group.size()),
                                                         draw.row(), kDigits, 0) != 0;
            row.emplace_back(keys[g], holdsDraw ? PlainCell(box, digits) : L"");
        }
        rows.push_back(std::move(row));
    }
    return Finish(rows, rates, keys, L"", L"%.1f");
}

calculation::Rates SpanRates()
{
    // Spans 0-9 of three ordered digits ((10 - s) × 6s / 10 % from span 1), then the largest
    // gap between neighbours 0-9.
    static const std::array<std::wstring, 20> kRates{
        L"1.0", L"5.4", L"9.6",  L"12.6", L"14.4", L"15",   L"14.4", L"12.6", L"9.6", L"5.4",
        L"1.0", L"7.0", L"12.0", L"15.0", L"16.0", L"15.0", L"12.8", L"10.2", L"7.2", L"3.8"};
    return kRates;
}

} // namespace plugins::magic3

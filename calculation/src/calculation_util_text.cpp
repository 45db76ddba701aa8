// Text forms of the row statistics: ratio texts, per-number class strings, shape texts, the HTML
// renderers of the result pages, and parsing and ordering helpers.
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "basekit/array_util.h"
#include "basekit/number_text.h"
#include "calculation/calculation_util.h"
#include "row_classes.h"

namespace calculation {

using detail::kNoClass;

namespace {

constexpr wchar_t kWuXingChars[5] = {L'金', L'木', L'水', L'火', L'土'};

template <std::size_t N> std::wstring JoinCounts(const int (&counts)[N])
{
    std::wstring text;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) {
            text.push_back(L':');
        }
        detail::AppendDecimal(text, counts[i]);
    }
    return text;
}

/// One decimal class digit per number; a number without a class adds nothing.
template <class Sink, class ClassOf> void AppendClasses(Sink &out, const int *row, int n, ClassOf classOf)
{
    for (int i = 0; i < n; ++i) {
        int value = classOf(row[i]);
        if (value != kNoClass) {
            detail::AppendDecimal(out, value);
        }
    }
}

template <class ClassOf> std::wstring ClassString(const int *row, int n, ClassOf classOf)
{
    std::wstring text;
    text.reserve(static_cast<std::size_t>(std::max(n, 0)));
    AppendClasses(text, row, n, classOf);
    return text;
}

template <class ClassOf> void ClassString(const int *row, int n, ClassText &out, ClassOf classOf)
{
    out.clear();
    AppendClasses(out, row, n, classOf);
}

auto BigSmallClass(int limit)
{
    return [limit](int v) { return detail::QuotientClass(v, limit); };
}
auto OddEvenClass()
{
    return [](int v) { return v % 2; };
}
auto ZhiHeClass()
{
    return [](int v) { return detail::IsSetPrime(v) ? 1 : 0; };
}
auto LuShuClass()
{
    return [](int v) { return v % 3; };
}
auto AreaClass(int width)
{
    return [width](int v) { return detail::AreaClass(v, width); };
}

template <class Sink> void AppendErWeiMa(Sink &out, const int *row, const int *pos)
{
    int a = row[pos[0]];
    int b = row[pos[1]];
    detail::AppendDecimal(out, std::min(a, b));
    detail::AppendDecimal(out, std::max(a, b));
}

/// Blanks and line ends become commas, so a pasted list of numbers reads like a typed one.
std::wstring NormaliseSeparators(const std::wstring &text)
{
    std::wstring normalised;
    normalised.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
            ++i; // CR LF is one line end
        }
        normalised.push_back(c == L' ' || c == L'\r' || c == L'\n' ? L',' : c);
    }
    return normalised;
}

std::vector<std::wstring> SplitOnCommas(const std::wstring &text)
{
    std::vector<std::wstring> pieces;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(L',', start);
        if (comma == std::wstring::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}

void AppendSpan(std::wstring &out, const std::wstring &style, std::wstring_view content)
{
    out += L"<span style=";
    out += style;
    out += L'>';
    out += content;
    out += L"</span>";
}

bool RowLess(const int *a, std::size_t na, const int *b, std::size_t nb)
{
    return std::lexicographical_compare(a, a + na, b, b + nb);
}

} // namespace

// ---- Ratio texts ---------------------------------------------------------------------------------

std::wstring CCalculationUtil::OddEvenRateText(const int *row, int n) const
{
    int odd = GetOddOrEvenNum(row, n, 1);
    int counts[2] = {odd, std::max(n, 0) - odd};
    return JoinCounts(counts);
}

std::wstring CCalculationUtil::ZhiHeRateText(const int *row, int n) const
{
    int prime = 0;
    for (int i = 0; i < n; ++i) {
        prime += detail::IsSetPrime(row[i]) ? 1 : 0;
    }
    int counts[2] = {prime, std::max(n, 0) - prime};
    return JoinCounts(counts);
}

std::wstring CCalculationUtil::BigSmallRateText(const int *row, int n, int limit) const
{
    int big = 0;
    for (int i = 0; i < n; ++i) {
        big += row[i] >= limit ? 1 : 0;
    }
    int counts[2] = {big, std::max(n, 0) - big};
    return JoinCounts(counts);
}

std::wstring CCalculationUtil::ThreeAreaRateText(const int *row, int n, int width) const
{
    int counts[3] = {0, 0, 0};
    for (int i = 0; i < n; ++i) {
        ++counts[detail::AreaBucket(row[i], width)];
    }
    return JoinCounts(counts);
}

std::wstring CCalculationUtil::LuShuRateText(const int *row, int n) const
{
    int counts[3] = {GetLuShuNum(row, n, 0), GetLuShuNum(row, n, 1), GetLuShuNum(row, n, 2)};
    return JoinCounts(counts);
}

std::wstring CCalculationUtil::WuXingRateText(const int *row, int n, int mode) const
{
    int counts[5] = {0, 0, 0, 0, 0};
    for (int i = 0; i < n; ++i) {
        int element = detail::WuXingOf(row[i], mode);
        ++counts[element == kNoClass ? 4 : element];
    }
    return JoinCounts(counts);
}

// ---- Per-number class strings ----------------------------------------------------------------------

std::wstring CCalculationUtil::GetBigSmall(const int *row, int n, int limit) const
{
    return ClassString(row, n, BigSmallClass(limit));
}

void CCalculationUtil::GetBigSmall(const int *row, int n, int limit, ClassText &out) const
{
    ClassString(row, n, out, BigSmallClass(limit));
}

std::wstring CCalculationUtil::GetOddEven(const int *row, int n) const
{
    return ClassString(row, n, OddEvenClass());
}

void CCalculationUtil::GetOddEven(const int *row, int n, ClassText &out) const
{
    ClassString(row, n, out, OddEvenClass());
}

std::wstring CCalculationUtil::GetZhiHe(const int *row, int n) const
{
    return ClassString(row, n, ZhiHeClass());
}

void CCalculationUtil::GetZhiHe(const int *row, int n, ClassText &out) const
{
    ClassString(row, n, out, ZhiHeClass());
}

std::wstring CCalculationUtil::GetLuShuText(const int *row, int n) const
{
    return ClassString(row, n, LuShuClass());
}

void CCalculationUtil::GetLuShuText(const int *row, int n, ClassText &out) const
{
    ClassString(row, n, out, LuShuClass());
}

std::wstring CCalculationUtil::GetThreeArea(const int *row, int n, int width) const
{
    return ClassString(row, n, AreaClass(width));
}

void CCalculationUtil::GetThreeArea(const int *row, int n, int width, ClassText &out) const
{
    ClassString(row, n, out, AreaClass(width));
}

std::wstring CCalculationUtil::GetBigSmallText(const int *row, int n, int limit) const
{
    std::wstring text;
    for (int i = 0; i < n; ++i) {
        int quotient = detail::QuotientClass(row[i], limit);
        if (quotient != kNoClass) {
            text.push_back(quotient != 0 ? L'大' : L'小');
        }
    }
    return text;
}

std::wstring CCalculationUtil::GetOddEvenText(const int *row, int n) const
{
    std::wstring text;
    for (int i = 0; i < n; ++i) {
        text.push_back(row[i] % 2 != 0 ? L'奇' : L'偶');
    }
    return text;
}

std::wstring CCalculationUtil::GetZhiHeText(const int *row, int n) const
{
    std::wstring text;
    for (int i = 0; i < n; ++i) {
        text.push_back(detail::IsSetPrime(row[i]) ? L'质' : L'合');
    }
    return text;
}

std::wstring CCalculationUtil::GetThreeAreaText(const int *row, int n, int width) const
{
    std::wstring text;
    for (int i = 0; i < n; ++i) {
        text.push_back(static_cast<wchar_t>(L'1' + detail::AreaBucket(row[i], width)));
    }
    return text;
}

std::wstring CCalculationUtil::GetWuXingText(const int *row, int n, int mode) const
{
    std::wstring text;
    for (int i = 0; i < n; ++i) {
        int element = detail::WuXingOf(row[i], mode);
        if (element != kNoClass) {
            text.push_back(kWuXingChars[element]);
        }
    }
    return text;
}

// ---- Shape texts -----------------------------------------------------------------------------------

std::wstring CCalculationUtil::GetErWeiMa(const int *row, const int *pos) const
{
    std::wstring text;
    AppendErWeiMa(text, row, pos);
    return text;
}

void CCalculationUtil::GetErWeiMa(const int *row, const int *pos, ClassText &out) const
{
    out.clear();
    AppendErWeiMa(out, row, pos);
}

std::wstring CCalculationUtil::zuXuanOrZhiText(const int *row, int n) const
{
    switch (IsZlOrZsOrBz(row, n)) {
    case 1:
        return L"<span style='color:orange'>豹子</span>";
    case 2:
        return L"<span style='color:red'>组三</span>";
    default:
        return L"组六";
    }
}

std::wstring CCalculationUtil::GetLianMaForMagic3Text(const int *row, int n) const
{
    // The pairwise differences of the (up to) three digits: 1, 2, 3 give 1 + 2 + 1 = 4.
    int digits = std::min(n, 3);
    bool anyStep = false;
    long long sum = 0;
    for (int i = 0; i < digits; ++i) {
        for (int j = i + 1; j < digits; ++j) {
            long long difference = std::llabs(static_cast<long long>(row[i]) - row[j]);
            anyStep = anyStep || difference == 1;
            sum += difference;
        }
    }
    if (!anyStep) {
        return L"不连";
    }
    return sum == 4 ? L"<span style='color:yellow'>三连</span>" : L"<span style='color:red'>二连</span>";
}

std::wstring CCalculationUtil::GetSameNumText(const int *row, int n) const
{
    std::vector<int> repeated = basekit::ArrayUtil::GetSameEle(row, n);
    if (repeated.empty()) {
        return L"-";
    }
    return basekit::ArrayUtil::ArrayToStr(repeated.data(), static_cast<int>(repeated.size()), L",");
}

std::wstring CCalculationUtil::GetLianText(const int *row, int n, int keep) const
{
    if (n < 2) {
        return L"-";
    }
    std::vector<int> values;
    if (keep == 0) {
        values = basekit::ArrayUtil::GetDifferEle(row, n);
        std::sort(values.begin(), values.end());
    } else {
        values.assign(row, row + n);
    }
    std::wstring text;
    for (std::size_t j = 0; j < values.size(); ++j) {
        bool stepUp = j + 1 < values.size() && static_cast<long long>(values[j + 1]) - values[j] == 1;
        bool stepDown = j > 0 && static_cast<long long>(values[j]) - values[j - 1] == 1;
        if (stepUp || stepDown) {
            detail::AppendDecimal(text, values[j]);
            text.push_back(L',');
        }
    }
    if (text.empty()) {
        return L"-";
    }
    text.pop_back();
    return text;
}

// ---- Renderers -------------------------------------------------------------------------------------

std::wstring CCalculationUtil::ArrayToStr(const int *front, int nFront, int nBack, const std::wstring &style,
                                          const std::wstring &backStyle, int pad) const
{
    std::wstring html;
    std::wstring number;
    int total = std::max(nFront, 0) + std::max(nBack, 0);
    for (int i = 0; i < total; ++i) {
        number.clear();
        detail::AppendBall(number, front[i], pad);
        AppendSpan(html, i < nFront ? style : backStyle, number);
    }
    return html;
}

std::wstring CCalculationUtil::ArrayToStr(std::span<const std::wstring> texts,
                                          const std::wstring &style) const
{
    std::wstring html;
    for (const std::wstring &text : texts) {
        AppendSpan(html, style, text);
    }
    return html;
}

std::wstring CCalculationUtil::ArrayToStrNoCSS(const int *row, int n, const std::wstring &sep, int pad) const
{
    std::wstring text;
    for (int i = 0; i < n; ++i) {
        detail::AppendBall(text, row[i], pad);
        text += sep;
    }
    if (!sep.empty() && text.size() >= sep.size()) {
        text.erase(text.size() - sep.size());
    }
    return text;
}

// ---- Parsing and ordering --------------------------------------------------------------------------

std::vector<int> CCalculationUtil::StringToIntArray(const std::wstring &text) const
{
    std::vector<int> numbers;
    for (const std::wstring &piece : SplitOnCommas(NormaliseSeparators(text))) {
        if (!piece.empty()) {
            numbers.push_back(basekit::StrToIntW(piece));
        }
    }
    return numbers;
}

std::vector<std::wstring> CCalculationUtil::StringToStrArray(const std::wstring &text) const
{
    if (text.empty()) {
        return {};
    }
    return SplitOnCommas(NormaliseSeparators(text));
}

void CCalculationUtil::SortArray(std::span<std::map<int, int>> maps) const
{
    std::stable_sort(maps.begin(), maps.end(), [](const std::map<int, int> &a, const std::map<int, int> &b) {
        if (a.empty() || b.empty()) {
            return a.empty() && !b.empty();
        }
        return a.begin()->second < b.begin()->second;
    });
}

void CCalculationUtil::SortArray(std::span<std::vector<int>> rows, int n) const
{
    auto width = static_cast<std::size_t>(std::max(n, 0));
    std::stable_sort(rows.begin(), rows.end(), [width](const std::vector<int> &a, const std::vector<int> &b) {
        return RowLess(a.data(), std::min(width, a.size()), b.data(), std::min(width, b.size()));
    });
}

void CCalculationUtil::SortArray(std::span<int *> rows, int n) const
{
    auto width = static_cast<std::size_t>(std::max(n, 0));
    std::stable_sort(rows.begin(), rows.end(),
                     [width](const int *a, const int *b) { return RowLess(a, width, b, width); });
}

void CCalculationUtil::SortList(std::span<int *> rows) const
{
    auto key = [](const int *row) { return 100 * row[0] + 10 * row[1] + row[2]; };
    std::stable_sort(rows.begin(), rows.end(),
                     [&key](const int *a, const int *b) { return key(a) < key(b); });
}

void CCalculationUtil::SortList(basekit::MapList & /*rows*/) const {}

void CCalculationUtil::DeleteRow(std::vector<int> &row) const
{
    std::vector<int>().swap(row);
}

} // namespace calculation

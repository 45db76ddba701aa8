#include "basekit/string_split.h"

#include "basekit/number_text.h"

namespace basekit {
namespace {

int DigitValue(wchar_t c)
{
    return StrToIntW(std::wstring_view(&c, 1));
}

} // namespace

std::vector<std::wstring> StrSplit(std::wstring_view text, std::wstring_view separator)
{
    std::vector<std::wstring> pieces;
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    size_t start = 0;
    for (size_t found = text.find(separator); found != std::wstring_view::npos;
         found = text.find(separator, start)) {
        pieces.emplace_back(text.substr(start, found - start));
        start = found + separator.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::vector<int> StrToIntArray(std::wstring &text)
{
    if (text.empty()) {
        text = L"0";
    }
    return StrToVectorInt(text);
}

std::vector<int> StrToIntArray(std::wstring_view text, int &count)
{
    std::vector<int> values = StrToVectorInt(text);
    count = static_cast<int>(values.size());
    return values;
}

std::vector<int> StrToVectorInt(std::wstring_view text)
{
    std::vector<int> values;
    values.reserve(text.size());
    for (wchar_t c : text) {
        values.push_back(DigitValue(c));
    }
    return values;
}

std::vector<int> StrArrayToIntArray(std::span<const std::wstring> items)
{
    std::vector<int> values;
    values.reserve(items.size());
    for (const std::wstring &item : items) {
        values.push_back(StrToIntW(item));
    }
    return values;
}

std::vector<int> StrArrayToIntArray(const std::wstring *items, int count)
{
    if (items == nullptr || count <= 0) {
        return {};
    }
    return StrArrayToIntArray(std::span<const std::wstring>(items, static_cast<size_t>(count)));
}

void ReplaceAll(std::wstring &text, std::wstring_view from, std::wstring_view to)
{
    if (from.empty()) {
        return;
    }
    std::size_t found = text.find(from);
    if (found == std::wstring::npos) {
        return;
    }
    // Built anew rather than replaced in place: an in-place replacement that changes the length
    // moves the whole rest of the text each time, which makes a long text quadratic.
    std::wstring result;
    result.reserve(from.size() >= to.size()
                       ? text.size()
                       : text.size() + text.size() / from.size() * (to.size() - from.size()));
    std::size_t start = 0;
    for (; found != std::wstring::npos; found = text.find(from, start)) {
        result.append(text, start, found - start);
        result.append(to);
        start = found + from.size();
    }
    result.append(std::wstring_view(text).substr(start));
    text = std::move(result);
}

} // namespace basekit

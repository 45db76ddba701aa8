#include "calculation/history/history_draw.h"

#include "basekit/string_split.h"

namespace calculation {
namespace {

std::wstring ValueOf(const basekit::TextMap &entry, const wchar_t *key)
{
    auto it = entry.find(key);
    return it == entry.end() ? std::wstring() : it->second;
}

std::wstring Trimmed(const std::wstring &text)
{
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return std::wstring();
    }
    return text.substr(first, text.find_last_not_of(L' ') + 1 - first);
}

} // namespace

std::wstring HistoryDraw::TextAt(int position) const
{
    if (position < 0) {
        return std::wstring();
    }
    std::size_t begin = 0;
    for (int i = 0; i < position; ++i) {
        begin = lottery.find(L',', begin);
        if (begin == std::wstring::npos) {
            return std::wstring();
        }
        ++begin;
    }
    const std::size_t end = lottery.find(L',', begin);
    return Trimmed(lottery.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin));
}

basekit::TextMap HistoryDraw::Entry() const
{
    return {{L"qiHao", qiHao}, {L"lotDate", lotDate}, {L"lottery", lottery}};
}

HistoryDraw ReadHistoryDraw(const basekit::TextMap &entry)
{
    HistoryDraw draw;
    draw.qiHao = ValueOf(entry, L"qiHao");
    draw.lotDate = ValueOf(entry, L"lotDate");
    draw.lottery = ValueOf(entry, L"lottery");
    draw.numbers = basekit::StrArrayToIntArray(basekit::StrSplit(draw.lottery, L","));
    return draw;
}

std::optional<std::vector<int>> ReadDrawNumbers(const std::wstring &lottery)
{
    constexpr std::size_t kMaxDigits = 9; // below INT_MAX, so no piece overflows
    std::vector<int> numbers;
    for (const std::wstring &piece : basekit::StrSplit(lottery, L",")) {
        const std::wstring digits = Trimmed(piece);
        if (digits.empty() || digits.size() > kMaxDigits) {
            return std::nullopt;
        }
        int value = 0;
        for (wchar_t c : digits) {
            if (c < L'0' || c > L'9') {
                return std::nullopt;
            }
            value = value * 10 + (c - L'0');
        }
        numbers.push_back(value);
    }
    return numbers;
}

} // namespace calculation

#include "filter/filter_criteria.h"

#include "basekit/number_text.h"
#include "basekit/string_split.h"

namespace qel {
namespace {

std::wstring Member(const basekit::TextMap &item, const wchar_t *key)
{
    auto it = item.find(key);
    return it == item.end() ? std::wstring() : it->second;
}

std::vector<int> Numbers(const std::vector<std::wstring> &texts)
{
    std::vector<int> numbers;
    numbers.reserve(texts.size());
    for (const std::wstring &t : texts) {
        numbers.push_back(basekit::StrToIntW(t));
    }
    return numbers;
}

// The rows of an old-number text in one pass: blanks, CR, LF and "|" are separators, and in a run
// of them every second one is dropped (the page's rows may end in CR LF, and one empty line between
// two rows is kept as one empty entry). An empty text has no rows.
std::vector<std::wstring> OldNumberRows(std::wstring_view text)
{
    std::vector<std::wstring> rows;
    if (text.empty()) {
        return rows;
    }
    auto isSeparator = [](wchar_t c) { return c == L' ' || c == L'\r' || c == L'\n' || c == L'|'; };
    std::size_t at = 0;
    for (;;) {
        std::size_t end = at;
        while (end < text.size() && !isSeparator(text[end])) {
            ++end;
        }
        rows.emplace_back(text.substr(at, end - at));
        if (end == text.size()) {
            return rows;
        }
        std::size_t run = 0;
        while (end + run < text.size() && isSeparator(text[end + run])) {
            ++run;
        }
        // (run + 1) / 2 separators: the first ends the row above, each further one an empty row.
        rows.insert(rows.end(), (run + 1) / 2 - 1, std::wstring());
        at = end + run;
    }
}

std::vector<std::wstring> SplitIfAny(const std::wstring &text, const wchar_t *separator)
{
    return text.empty() ? std::vector<std::wstring>{} : basekit::StrSplit(text, separator);
}

calculation::Data BuildCondition(const basekit::TextMap &item, const std::wstring &name)
{
    calculation::Data d;
    d.text = name;
    d.include = Member(item, L"calType") != L"paiChu";
    std::wstring chosen = Member(item, L"chosenItem");
    if (name == L"erMa") {
        d.strs = SplitIfAny(chosen, L",");
    } else if (name == L"oldNum") {
        d.strs = OldNumberRows(chosen);
    } else {
        d.strs = SplitIfAny(d.include ? chosen : Member(item, L"unchosenItem"), L",");
    }
    if (name.find(L"DingWei") == std::wstring::npos) {
        d.nums = Numbers(d.strs);
    } else {
        // One entry per position: its class digits; an excluded position with nothing left
        // allowed gets the value -1, which no class has.
        for (const std::wstring &position : d.strs) {
            d.rows.push_back(!d.include && position.empty() ? std::vector<int>{-1}
                                                            : basekit::StrToVectorInt(position));
        }
    }
    d.enabled = !chosen.empty();
    d.canBeWrong = Member(item, L"canBeWrong") == L"true";
    if (name.find(L"lastNum") != std::wstring::npos) {
        d.lastNums = Numbers(SplitIfAny(Member(item, L"lastLottery"), L","));
    }
    if (name.find(L"ziDingYi") != std::wstring::npos) {
        d.allowNums = Numbers(SplitIfAny(Member(item, L"allowNum"), L","));
    }
    return d;
}

} // namespace

calculation::DataMap BuildFilterCriteria(const basekit::TextMapList &items)
{
    calculation::DataMap conditions;
    for (const basekit::TextMap &item : items) {
        if (Member(item, L"forbidden") == L"true") {
            continue;
        }
        std::wstring name = Member(item, L"name");
        conditions.emplace(name, BuildCondition(item, name)); // a repeated name keeps the first
    }
    return conditions;
}

calculation::RunRequest BuildRunRequest(const basekit::TextMapList &items)
{
    return calculation::RunRequest::Of(BuildFilterCriteria(items));
}

} // namespace qel

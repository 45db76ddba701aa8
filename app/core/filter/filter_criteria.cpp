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

using basekit::ReplaceAll;

std::vector<int> Numbers(const std::vector<std::wstring> &texts)
{
    std::vector<int> numbers;
    numbers.reserve(texts.size());
    for (const std::wstring &t : texts) {
        numbers.push_back(basekit::StrToIntW(t));
    }
    return numbers;
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
        chosen = NormaliseOldNumberText(chosen);
        d.strs = SplitIfAny(chosen, L"|");
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

std::wstring NormaliseOldNumberText(std::wstring text)
{
    for (const wchar_t *separator : {L" ", L"\r", L"\n"}) {
        ReplaceAll(text, separator, L"|");
    }
    ReplaceAll(text, L"||", L"|");
    return text;
}

std::size_t CountOldNumberEntries(std::wstring_view text)
{
    std::size_t entries = 0;
    bool inEntry = false;
    for (wchar_t c : text) {
        bool separator = c == L' ' || c == L'\r' || c == L'\n' || c == L'|';
        entries += !separator && !inEntry ? 1 : 0;
        inEntry = !separator;
    }
    return entries;
}

std::size_t CountOldNumberEntries(const basekit::TextMapList &items)
{
    for (const basekit::TextMap &item : items) {
        if (Member(item, L"name") == L"oldNum" && Member(item, L"forbidden") != L"true") {
            return CountOldNumberEntries(Member(item, L"chosenItem"));
        }
    }
    return 0;
}

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

} // namespace qel

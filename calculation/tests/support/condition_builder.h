// Builds condition maps the way the program's filter command does from page items: the chosen
// values split on ",", as texts and as numbers, enabled when any value was chosen.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "basekit/number_text.h"
#include "basekit/string_split.h"
#include "basekit/text_convert.h"
#include "calculation/data.h"

namespace testsupport {

struct ConditionOptions {
    bool include = true;
    bool canBeWrong = false;
};

inline calculation::Data MakeCondition(const std::wstring &key, const std::wstring &values,
                                       ConditionOptions options = {})
{
    calculation::Data d;
    d.text = key;
    if (!values.empty()) {
        d.strs = basekit::StrSplit(values, L",");
        for (const std::wstring &s : d.strs) {
            d.nums.push_back(basekit::StrToIntW(s));
        }
    }
    d.enabled = !d.strs.empty();
    d.include = options.include;
    d.canBeWrong = options.canBeWrong;
    return d;
}

/// A per-position pattern: one entry of allowed class digits per position ("" leaves it free).
inline calculation::Data MakePattern(const std::wstring &key, std::initializer_list<std::wstring> positions,
                                     ConditionOptions options = {})
{
    calculation::Data d;
    d.text = key;
    for (const std::wstring &p : positions) {
        d.strs.push_back(p);
        d.rows.push_back(basekit::StrToVectorInt(p));
    }
    d.enabled = true;
    d.include = options.include;
    d.canBeWrong = options.canBeWrong;
    return d;
}

/// The numbers from..to as the page writes a choice: "1,2,3".
inline std::wstring Range(int from, int to)
{
    std::wstring text;
    for (int v = from; v <= to; ++v) {
        text += (text.empty() ? L"" : L",") + std::to_wstring(v);
    }
    return text;
}

class ConditionMap {
public:
    ConditionMap(const std::wstring &dataSource, const std::wstring &castType, int maxWrong)
    {
        Set(L"dataSource", dataSource);
        Set(L"castType", castType);
        Set(L"maxWrong", std::to_wstring(maxWrong));
    }
    ConditionMap &Set(const std::wstring &key, const std::wstring &values, ConditionOptions options = {})
    {
        map_[key] = MakeCondition(key, values, options);
        return *this;
    }
    ConditionMap &Put(calculation::Data d)
    {
        map_[d.text] = std::move(d);
        return *this;
    }
    const calculation::DataMap &map() const { return map_; }

private:
    calculation::DataMap map_;
};

} // namespace testsupport

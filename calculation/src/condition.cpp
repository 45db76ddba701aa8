#include "calculation/condition.h"

namespace calculation {
namespace {

// A canonical decimal: digits without a leading zero, or "0" itself.
bool ReadCanonicalDecimal(std::wstring_view text, int &value)
{
    if (text.empty() || text.size() > 4 || (text.size() > 1 && text[0] == L'0')) {
        return false;
    }
    value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return false;
        }
        value = value * 10 + (c - L'0');
    }
    return true;
}

// Every way of reading the texts as two numbers run together, smaller first.
std::vector<int> PairCodes(const std::vector<std::wstring> &texts)
{
    std::vector<int> codes;
    for (const std::wstring &text : texts) {
        for (std::size_t split = 1; split < text.size(); ++split) {
            int a = 0;
            int b = 0;
            std::wstring_view view(text);
            if (ReadCanonicalDecimal(view.substr(0, split), a) &&
                ReadCanonicalDecimal(view.substr(split), b) && a <= b && b < Condition::kPairBase) {
                codes.push_back(a * Condition::kPairBase + b);
            }
        }
    }
    return codes;
}

thread_local std::set<std::wstring> *t_keyLog = nullptr;

} // namespace

void LogConditionKeys(std::set<std::wstring> *log)
{
    t_keyLog = log;
}

const Data &LookupCondition(const DataMap &conditions, const std::wstring &key)
{
    static const Data kMissing;
    if (t_keyLog != nullptr) {
        t_keyLog->insert(key);
    }
    auto it = conditions.find(key);
    return it == conditions.end() ? kMissing : it->second;
}

void Condition::Load(const DataMap &conditions, const std::wstring &key)
{
    Assign(LookupCondition(conditions, key));
}

void Condition::Assign(const Data &value)
{
    data_ = value;
    Prepare();
}

void Condition::Reset()
{
    data_.reset();
    Prepare();
}

void Condition::Prepare()
{
    enabled_ = data_.enabled;
    numbers_ = IntSet(data_.nums);
    allowed_ = IntSet(data_.allowNums);
    texts_ = TextSet(data_.strs);
    pairCodes_ = IntSet(PairCodes(data_.strs));
    mask_ = NumberMask(data_.nums.data(), static_cast<int>(data_.nums.size()));
    lastMask_ = NumberMask(data_.lastNums.data(), static_cast<int>(data_.lastNums.size()));
}

} // namespace calculation

namespace calculation {

bool Condition::HasPairCode(int smaller, int larger) const
{
    if (smaller >= 0 && larger < kPairBase && smaller <= larger) {
        return pairCodes_.contains(smaller * kPairBase + larger);
    }
    // Outside the table (never for lottery numbers): compare the text itself.
    std::wstring text = std::to_wstring(smaller) + std::to_wstring(larger);
    return texts_.contains(text);
}

} // namespace calculation

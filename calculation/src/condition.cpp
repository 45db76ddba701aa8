#include "calculation/condition.h"

namespace calculation {

const Data &LookupCondition(const DataMap &conditions, const std::wstring &key)
{
    static const Data kMissing;
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
    mask_ = NumberMask(data_.nums.data(), static_cast<int>(data_.nums.size()));
    lastMask_ = NumberMask(data_.lastNums.data(), static_cast<int>(data_.lastNums.size()));
}

} // namespace calculation

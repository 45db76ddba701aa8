#include "digit/common/digit_filters.h"

#include <algorithm>

#include "basekit/number_text.h"

namespace plugins::digit {

using calculation::Condition;
using calculation::DataMap;

std::int64_t DigitCode(const int *row, int length)
{
    std::int64_t code = 0;
    for (int i = 0; i < length; ++i) {
        code = code * 10 + row[i];
    }
    return code;
}

std::int64_t SortedDigitCode(const int *row, int length)
{
    // A row has at most ten digits: insertion sort on the stack, no allocation.
    int sorted[calculation::AbstractFilter::kMaxPositions];
    int n = std::clamp(length, 0, calculation::AbstractFilter::kMaxPositions);
    for (int i = 0; i < n; ++i) {
        int v = row[i];
        int j = i;
        for (; j > 0 && sorted[j - 1] > v; --j) {
            sorted[j] = sorted[j - 1];
        }
        sorted[j] = v;
    }
    return DigitCode(sorted, n);
}

bool DigitPrimaryFilter::PassesBaseNumbers(const int *row, int length) const
{
    if (dataSource != L"dataSourceNew" || !baseNums.enabled()) {
        return true;
    }
    for (int i = 0; i < length; ++i) {
        if (!baseNums.Has(row[i])) {
            return false;
        }
    }
    return true;
}

void DigitPrimaryFilter::LoadErMa(const DataMap &conditions)
{
    erMa.Load(conditions, L"erMa");
    // The chosen codes travel as texts whatever the inclusion mode; the sense comes from include.
    erMaCodes_.clear();
    for (const std::wstring &text : erMa.data().strs) {
        if (!text.empty()) {
            erMaCodes_.push_back(basekit::StrToIntW(text));
        }
    }
}

void DigitPrimaryFilter::ResetErMa()
{
    erMa.Reset();
    erMaCodes_.clear();
}

bool DigitPrimaryFilter::PassesErMa(const int *row, int length, int &wrongCount) const
{
    if (!erMa.enabled()) {
        return true;
    }
    bool holdsCode = util.CheckErMa(erMaCodes_.data(), static_cast<int>(erMaCodes_.size()), row, length) != 0;
    return Check(erMa, erMa.include() ? holdsCode : !holdsCode, wrongCount);
}

void DigitSeniorFilter::SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows)
{
    AbstractFilter::SetOldDataForRuleOut(rows);
    straightCodes_.clear();
    groupCodes_.clear();
    drawLengths_.clear();
    for (const std::vector<int> &draw : ruleOutRows) {
        int n = std::min(static_cast<int>(draw.size()), kMaxPositions);
        straightCodes_.push_back(DigitCode(draw.data(), n));
        groupCodes_.push_back(SortedDigitCode(draw.data(), n));
        drawLengths_.push_back(n);
    }
}

DrawMatch DigitSeniorFilter::RuleOutMatch() const
{
    const std::vector<int> &nums = ruleOutOldData.data().nums;
    int mode = nums.size() == 1 ? nums[0] : nums.size() > 1 ? nums[1] : 0;
    return mode == 0 ? DrawMatch::Straight : DrawMatch::Group;
}

bool DigitSeniorFilter::PassesRuleOut(const int *row, int length, DrawMatch match, int &wrongCount) const
{
    const std::int64_t code =
        match == DrawMatch::Straight ? DigitCode(row, length) : SortedDigitCode(row, length);
    const std::vector<std::int64_t> &codes = match == DrawMatch::Straight ? straightCodes_ : groupCodes_;
    for (std::size_t d = 0; d < codes.size(); ++d) {
        if (drawLengths_[d] == length && codes[d] == code && !Tolerate(ruleOutOldData, wrongCount)) {
            return false;
        }
    }
    return true;
}

} // namespace plugins::digit

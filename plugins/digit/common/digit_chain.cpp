#include "digit/common/digit_chain.h"

#include <algorithm>
#include <unordered_set>

#include "basekit/array_util.h"
#include "basekit/string_split.h"
#include "digit/common/digit_filters.h"

namespace plugins::digit {

using calculation::LookupCondition;

void DigitFilterChain::ReadRunSettings()
{
    castType_ = LookupCondition(nodeMap, L"castType").firstStr();
    dataSource_ = LookupCondition(nodeMap, L"dataSource").firstStr();
}

int DigitFilterChain::BaseCount() const
{
    return LookupCondition(nodeMap, L"baseNums").count();
}

bool DigitFilterChain::TestAndKeep(const int *row, int length)
{
    int wrongCount = 0;
    calculation::AbstractFilter *first = GetFirstFilter();
    if (!first || first->FilterRow(row, length, wrongCount) == 0) {
        return false;
    }
    resultList_->AddCopy(row);
    return true;
}

void DigitFilterChain::FilterEveryDigitRow(const std::function<bool(const int *)> &shape)
{
    const int k = frontCount;
    int row[calculation::AbstractFilter::kMaxPositions] = {};
    // An odometer over the positions: the last position turns fastest, so rows come ascending.
    for (;;) {
        if (shape(row)) {
            TestAndKeep(row, k);
        }
        int i = k - 1;
        while (i >= 0 && row[i] == 9) {
            row[i--] = 0;
        }
        if (i < 0) {
            return;
        }
        ++row[i];
    }
}

std::vector<std::wstring> DigitFilterChain::OldNumberEntries() const
{
    std::vector<std::wstring> entries;
    for (const std::wstring &item : LookupCondition(nodeMap, L"oldNum").strs) {
        for (std::wstring &entry : basekit::StrSplit(item, L"|")) {
            if (!entry.empty()) {
                entries.push_back(std::move(entry));
            }
        }
    }
    return entries;
}

bool DigitFilterChain::ReadNumberEntry(const std::wstring &entry, int *row) const
{
    if (entry.empty() || static_cast<int>(entry.size()) > frontCount ||
        !std::all_of(entry.begin(), entry.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        return false;
    }
    long long value = std::stoll(entry);
    for (int i = frontCount - 1; i >= 0; --i) {
        row[i] = static_cast<int>(value % 10);
        value /= 10;
    }
    return true;
}

bool DigitFilterChain::ReadDigitEntry(const std::wstring &entry, int *row) const
{
    if (static_cast<int>(entry.size()) != frontCount ||
        !std::all_of(entry.begin(), entry.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        return false;
    }
    for (int i = 0; i < frontCount; ++i) {
        row[i] = entry[i] - L'0';
    }
    return true;
}

void DigitFilterChain::SearchRows(calculation::NumberRowList &search,
                                  const std::function<bool(const int *)> &test, bool onePerDigitSet) const
{
    if (!resultList_) {
        return;
    }
    std::unordered_set<std::int64_t> digitSets;
    for (calculation::NumberRow row : resultList_->rows()) {
        if (!test(row)) {
            continue;
        }
        if (onePerDigitSet && !digitSets.insert(SortedDigitCode(row, frontCount)).second) {
            continue;
        }
        search.AddRef(row);
    }
}

int DigitFilterChain::DistinctDigits(const int *row) const
{
    return basekit::ArrayUtil::GetDistinctNum(row, frontCount);
}

std::wstring DigitFilterChain::GetResultStr(const std::wstring &listFlag, const std::wstring & /*separator*/,
                                            const std::wstring &backSeparator, int /*pad*/, int allRows)
{
    return AbstractFilterChain::GetResultStr(listFlag, L"", backSeparator, 0, allRows);
}

} // namespace plugins::digit

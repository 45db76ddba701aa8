#include "tc7of10_filter_chain.h"

#include <algorithm>

#include "calculation/condition.h"

namespace plugins::tc7of10 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Tc7Of10Game()
{
    static const DigitGame game{
        .key = L"Tc7Of10",
        .positions = 7,
        .primaryTests = {{L"diffNum", RowValue::DistinctDigits}, {L"numLag", RowValue::FirstDigit}},
        .repeatTests = true,
        .ruleOut = RuleOut::SharedNumbers,
        .searches = RunAndRepeatSearches(),
        .callerSeparator = true,
        .cap = 100000,
        // Twelve ranges of five sums, then the four highest.
        .sumRanges = EqualSumRanges(0, 5, 12, {60, 63}),
    };
    return game;
}

const calculation::TableRates &Tc7Of10Rates()
{
    static const calculation::TableRates rates = [] {
        RateForms forms;
        // The rarer sums and ratios with two decimals.
        forms.sumDecimals = {1, 2, 2, 2, 1, 1, 1, 1, 1, 2, 1, 2, 1};
        forms.ratioDecimals = {2, 2, 1, 1, 1, 1, 2, 2};
        // The count chart of the route and area tables is shown without its rates.
        forms.classCountsAsZero = true;
        return MakeTableRates(Tc7Of10Game(), forms);
    }();
    return rates;
}

std::vector<int> CutPool(const std::vector<int> &pool, int low, int high)
{
    if (pool.empty()) {
        return {};
    }
    const std::size_t last = pool.size() - 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < last; ++i) {
        if (pool[i] == low) {
            start = i;
            break;
        }
        if (pool[i] < low && pool[i + 1] >= low) {
            start = i + 1;
            break;
        }
    }
    std::size_t end = last;
    for (std::size_t j = 0; j < last; ++j) {
        if (pool[j] <= high && pool[j + 1] > high) {
            end = j;
            break;
        }
        if (pool[j + 1] == high) {
            end = j + 1;
            break;
        }
    }
    if (end < start) {
        return {};
    }
    return {pool.begin() + static_cast<std::ptrdiff_t>(start),
            pool.begin() + static_cast<std::ptrdiff_t>(end) + 1};
}

std::vector<int> Tc7Of10FilterChain::CandidateDigits() const
{
    const std::vector<int> killed = ConditionNumbers(L"feiMa");
    std::vector<int> pool;
    for (int digit : ConditionNumbers(L"baseNums")) {
        if (std::ranges::find(killed, digit) == killed.end()) {
            pool.push_back(digit);
        }
    }
    if (pool.empty()) {
        return pool;
    }
    int low = pool.front();
    int high = pool.back();
    const calculation::Data &minimum = calculation::LookupCondition(runRequest_.conditions, L"minimumNum");
    const calculation::Data &maximum = calculation::LookupCondition(runRequest_.conditions, L"maximumNum");
    if (minimum.enabled && !minimum.nums.empty()) {
        low = std::max(low, *std::ranges::min_element(minimum.nums));
    }
    if (maximum.enabled && !maximum.nums.empty()) {
        high = std::min(high, *std::ranges::max_element(maximum.nums));
    }
    return CutPool(pool, low, high);
}

} // namespace plugins::tc7of10

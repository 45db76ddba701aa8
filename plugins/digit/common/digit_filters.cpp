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

namespace {

// A failed test of c counted matches times under the tolerance rule; true when the row may go on.
bool TolerateTimes(const Condition &c, int times, int maxWrong, int &wrongCount)
{
    if (times == 0) {
        return true;
    }
    if (!c.canBeWrong()) {
        return false;
    }
    wrongCount += times;
    return wrongCount <= maxWrong;
}

} // namespace

// ---- node 0 ------------------------------------------------------------------------------------

void PrimaryFilter::SetFilterData(const DataMap &conditions)
{
    SetCommonProp(conditions, game_.positions, game_.bigStart, game_.areaWidth, 0);
    SetCommonIndexData(conditions);
    if (game_.baseKey != L"baseNums" && dataSource == L"dataSourceNew") {
        baseNums.Load(conditions, game_.baseKey);
    }
    if (game_.erMa) {
        erMa_.Load(conditions, L"erMa");
        // The chosen codes travel as texts whatever the inclusion mode; the sense comes from
        // include.
        erMaCodes_.clear();
        for (const std::wstring &text : erMa_.data().strs) {
            if (!text.empty()) {
                erMaCodes_.push_back(basekit::StrToIntW(text));
            }
        }
    }
    memberTests_.assign(game_.primaryTests.size(), Condition());
    orderFreeTests_.clear();
    orderBoundTests_.clear();
    for (std::size_t t = 0; t < memberTests_.size(); ++t) {
        memberTests_[t].Load(conditions, game_.primaryTests[t].key);
        const Condition &c = memberTests_[t];
        if (!c.enabled()) {
            continue;
        }
        if (game_.primaryTests[t].value == RowValue::FirstDigit && !c.canBeWrong()) {
            continue; // an untolerated test of one position narrows that position (AllowsAt)
        }
        (OrderFree(game_.primaryTests[t].value) ? orderFreeTests_ : orderBoundTests_).push_back(t);
    }
    PrepareAllowedValues();
}

void PrimaryFilter::ResetFilterData()
{
    ReSetCommonIndexData();
    erMa_.Reset();
    erMaCodes_.clear();
    memberTests_.clear();
    orderFreeTests_.clear();
    orderBoundTests_.clear();
    PrepareAllowedValues();
}

void PrimaryFilter::PrepareAllowedValues()
{
    for (int i = 0; i < kMaxPositions; ++i) {
        std::uint64_t allowed = ~std::uint64_t{0};
        if (baseNums.enabled()) { // loaded for runs of new numbers only
            allowed &= baseNums.mask();
        }
        if (i < positionCount && pos[i].enabled()) {
            allowed &= pos[i].mask();
        }
        for (std::size_t t = 0; i == 0 && t < memberTests_.size(); ++t) {
            const Condition &c = memberTests_[t];
            if (game_.primaryTests[t].value == RowValue::FirstDigit && c.enabled() && !c.canBeWrong()) {
                allowed &= c.mask();
            }
        }
        allowed_[i] = allowed;
    }
}

bool PrimaryFilter::AllowsAt(int position, int value) const
{
    if (position < 0 || position >= kMaxPositions) {
        return true;
    }
    if (value >= 0 && value < 64) {
        return ((allowed_[position] >> value) & 1U) != 0;
    }
    if ((baseNums.enabled() && !baseNums.Has(value)) ||
        (position < positionCount && pos[position].enabled() && !pos[position].Has(value))) {
        return false;
    }
    for (std::size_t t = 0; position == 0 && t < memberTests_.size(); ++t) {
        const Condition &c = memberTests_[t];
        if (game_.primaryTests[t].value == RowValue::FirstDigit && c.enabled() && !c.canBeWrong() &&
            !c.Has(value)) {
            return false;
        }
    }
    return true;
}

int PrimaryFilter::ValueOf(RowValue value, const int *row, int length) const
{
    switch (value) {
    case RowValue::QuarterOfThousand:
        return util.GetNumLagForMagic3(row, length);
    case RowValue::FirstDigit:
        return row[0];
    case RowValue::DiceBand:
        return util.GetNumLagForQuick3(row, length);
    case RowValue::DistinctDigits: {
        std::uint64_t seen = 0;
        int distinct = 0;
        for (int i = 0; i < length; ++i) {
            const int d = row[i];
            const bool small = d >= 0 && d < 64;
            distinct += (small ? ((seen >> d) & 1U) == 0 : std::find(row, row + i, d) == row + i) ? 1 : 0;
            seen |= small ? std::uint64_t{1} << d : 0;
        }
        return distinct;
    }
    case RowValue::RepeatedDigitOfFirstThree:
        return util.GetChongMaForMagic3(row, std::min(length, 3));
    }
    return 0;
}

bool PrimaryFilter::OrderFree(RowValue value) const
{
    return value == RowValue::DistinctDigits ||
           (value == RowValue::RepeatedDigitOfFirstThree && game_.positions <= 3);
}

bool PrimaryFilter::PassesErMa(const int *row, int length, int &wrongCount) const
{
    if (!erMa_.enabled()) {
        return true;
    }
    bool holdsCode = util.CheckErMa(erMaCodes_.data(), static_cast<int>(erMaCodes_.size()), row, length) != 0;
    return Check(erMa_, erMa_.include() ? holdsCode : !holdsCode, wrongCount);
}

int PrimaryFilter::FilterRow(const int *row, int /*length*/, int &wrongCount)
{
    for (int i = 0; i < game_.positions; ++i) {
        if (!AllowsAt(i, row[i])) {
            return 0;
        }
    }
    if (!PassesOrderFreeTests(row, wrongCount) || !PassesOrderBoundTests(row, wrongCount)) {
        return 0;
    }
    return next ? next->FilterRow(row, game_.positions, wrongCount) : 1;
}

bool PrimaryFilter::PassesOrderFreeTests(const int *row, int &wrongCount) const
{
    const int k = game_.positions;
    for (std::size_t t : orderFreeTests_) {
        const Condition &c = memberTests_[t];
        if (!Check(c, c.Has(ValueOf(game_.primaryTests[t].value, row, k)), wrongCount)) {
            return false;
        }
    }
    // Every pair of digits, as the code of the smaller and the larger: the order does not matter.
    return PassesErMa(row, k, wrongCount) && firstLevelFilter(row, wrongCount, TestScope::OrderFree) != 0;
}

bool PrimaryFilter::PassesOrderBoundTests(const int *row, int &wrongCount) const
{
    const int k = game_.positions;
    for (std::size_t t : orderBoundTests_) {
        const Condition &c = memberTests_[t];
        if (!Check(c, c.Has(ValueOf(game_.primaryTests[t].value, row, k)), wrongCount)) {
            return false;
        }
    }
    return firstLevelFilter(row, wrongCount, TestScope::OrderBound) != 0;
}

// ---- node 1 ------------------------------------------------------------------------------------

void SeniorFilter::SetFilterData(const DataMap &conditions)
{
    SetCommonProp(conditions, game_.positions, game_.bigStart, game_.areaWidth, 0);
    SetBOZLData(conditions);
    if (game_.repeatTests) {
        chongMa_.Load(conditions, L"chongMa");
        chongMaNum_.Load(conditions, L"chongMaNum");
    }
    if (game_.ruleOut != RuleOut::None) {
        ruleOutOldData_.Load(conditions, L"ruleOutOldData");
    }
    testsPatterns_ = TestsPatterns();
    rulesOut_ = ruleOutOldData_.enabled() && !drawCodes_.empty();
}

void SeniorFilter::ResetFilterData()
{
    ResetBOZLData();
    chongMa_.Reset();
    chongMaNum_.Reset();
    ruleOutOldData_.Reset();
    rulesOut_ = false;
}

void SeniorFilter::SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows)
{
    AbstractFilter::SetOldDataForRuleOut(rows);
    drawDigits_.clear();
    drawCounts_.clear();
    drawCodes_.clear();
    const int k = game_.positions;
    for (const std::vector<int> &draw : ruleOutRows) {
        // A draw shorter than a row cannot be compared with it (only its first k numbers count:
        // a six-digit game's draws end in their label).
        if (static_cast<int>(draw.size()) < k) {
            continue;
        }
        std::uint32_t digits = 0;
        std::array<std::uint8_t, 10> counts{};
        for (int i = 0; i < k; ++i) {
            int d = draw[static_cast<std::size_t>(i)];
            if (d >= 0 && d < 10) {
                digits |= 1U << d;
                ++counts[static_cast<std::size_t>(d)];
            }
        }
        drawDigits_.push_back(digits);
        drawCounts_.push_back(counts);
        drawCodes_.push_back(DigitCode(draw.data(), k));
    }
    rulesOut_ = ruleOutOldData_.enabled() && !drawCodes_.empty();
}

bool SeniorFilter::TestsPatterns() const
{
    if (game_.playTypes.empty()) {
        return true;
    }
    const PlayType *type = game_.FindPlayType(castType);
    return type != nullptr && type->straight();
}

bool SeniorFilter::StraightMatching() const
{
    if (game_.ruleOut != RuleOut::StraightOrGroup) {
        return false;
    }
    const std::vector<int> &nums = ruleOutOldData_.data().nums;
    int mode = nums.size() == 1 ? nums[0] : nums.size() > 1 ? nums[1] : 0;
    return mode == 0;
}

int SeniorFilter::FilterRow(const int *row, int /*length*/, int &wrongCount)
{
    if (!PassesOrderFreeTests(row, wrongCount) || !PassesOrderBoundTests(row, wrongCount)) {
        return 0;
    }
    return next ? next->FilterRow(row, game_.positions, wrongCount) : 1;
}

bool SeniorFilter::PassesOrderFreeTests(const int *row, int &wrongCount) const
{
    const int k = game_.positions;
    auto check = [&](const Condition &c, auto &&test) {
        const std::vector<int> &nums = c.data().nums;
        return !c.enabled() || Check(c, test(nums.data(), static_cast<int>(nums.size())) != 0, wrongCount);
    };
    if (!check(chongMa_, [&](const int *list, int n) { return util.CheckChongMa(list, n, row, k); }) ||
        !check(chongMaNum_, [&](const int *list, int n) { return util.CheckChongMaNum(list, n, row, k); })) {
        return false;
    }
    return !rulesOut_ || StraightMatching() ||
           TolerateTimes(ruleOutOldData_, DrawsMatchingDigits(row), maxWrong, wrongCount);
}

bool SeniorFilter::PassesOrderBoundTests(const int *row, int &wrongCount) const
{
    const int k = game_.positions;
    if (testsPatterns_ && BOZLFilter(row, wrongCount) == 0) {
        return false;
    }
    if (rulesOut_ && StraightMatching()) {
        const std::int64_t code = DigitCode(row, k);
        int matches = static_cast<int>(std::ranges::count(drawCodes_, code));
        return TolerateTimes(ruleOutOldData_, matches, maxWrong, wrongCount);
    }
    return true;
}

int SeniorFilter::DrawsMatchingDigits(const int *row) const
{
    const int k = game_.positions;
    std::array<std::uint8_t, 10> counts{};
    for (int i = 0; i < k; ++i) {
        if (row[i] >= 0 && row[i] < 10) {
            ++counts[static_cast<std::size_t>(row[i])];
        }
    }
    int matches = 0;
    for (std::size_t d = 0; d < drawCodes_.size(); ++d) {
        if (game_.ruleOut == RuleOut::StraightOrGroup) { // the same digits in any order
            matches += counts == drawCounts_[d] ? 1 : 0;
            continue;
        }
        int shared = 0;
        for (std::size_t v = 0; v < counts.size(); ++v) {
            if (counts[v] != 0 && ((drawDigits_[d] >> v) & 1U) != 0) {
                shared += game_.ruleOut == RuleOut::SharedNumbers ? counts[v] : 1;
            }
        }
        matches += ruleOutOldData_.Has(shared) ? 1 : 0;
    }
    return matches;
}

} // namespace plugins::digit

#include "digit/common/digit_filters.h"

#include <algorithm>

#include "basekit/array_util.h"
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
    for (std::size_t t = 0; t < memberTests_.size(); ++t) {
        memberTests_[t].Load(conditions, game_.primaryTests[t].key);
    }
    PrepareAllowedValues();
}

void PrimaryFilter::ResetFilterData()
{
    ReSetCommonIndexData();
    erMa_.Reset();
    erMaCodes_.clear();
    memberTests_.clear();
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
    return (!baseNums.enabled() || baseNums.Has(value)) &&
           (position >= positionCount || !pos[position].enabled() || pos[position].Has(value));
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
    case RowValue::DistinctDigits:
        return basekit::ArrayUtil::GetDistinctNum(row, length);
    case RowValue::RepeatedDigitOfFirstThree:
        return util.GetChongMaForMagic3(row, std::min(length, 3));
    }
    return 0;
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
    // The digits alone decide the verdict (the tolerated failures only add up), so the cheap
    // tests come first.
    const int k = game_.positions;
    for (int i = 0; i < k; ++i) {
        if (!AllowsAt(i, row[i])) {
            return 0;
        }
    }
    for (std::size_t t = 0; t < memberTests_.size(); ++t) {
        const Condition &c = memberTests_[t];
        if (c.enabled() && !Check(c, c.Has(ValueOf(game_.primaryTests[t].value, row, k)), wrongCount)) {
            return 0;
        }
    }
    if (!PassesErMa(row, k, wrongCount) || firstLevelFilter(row, wrongCount) == 0) {
        return 0;
    }
    return next ? next->FilterRow(row, k, wrongCount) : 1;
}

// ---- node 1 ------------------------------------------------------------------------------------

SeniorFilter::SeniorFilter(const DigitGame &game)
    : game_(game), multisets_(game.lowDigit, game.highDigit, game.positions)
{
    matches_.assign(static_cast<std::size_t>(multisets_.count()), -1);
}

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
    ForgetMatches(); // the chosen counts may differ from the last run's
}

void SeniorFilter::ResetFilterData()
{
    ResetBOZLData();
    chongMa_.Reset();
    chongMaNum_.Reset();
    ruleOutOldData_.Reset();
    ForgetMatches();
}

void SeniorFilter::ForgetMatches()
{
    std::ranges::fill(matches_, std::int16_t{-1});
}

void SeniorFilter::SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows)
{
    AbstractFilter::SetOldDataForRuleOut(rows);
    drawDigits_.clear();
    drawMultisets_.clear();
    drawCodes_.clear();
    const int k = game_.positions;
    for (const std::vector<int> &draw : ruleOutRows) {
        // A draw shorter than a row cannot be compared with it (only its first k numbers count:
        // a six-digit game's draws end in their label).
        if (static_cast<int>(draw.size()) < k) {
            continue;
        }
        std::uint32_t digits = 0;
        for (int i = 0; i < k; ++i) {
            int d = draw[static_cast<std::size_t>(i)] - game_.lowDigit;
            digits |= d >= 0 && d < 32 ? 1U << d : 0U;
        }
        drawDigits_.push_back(digits);
        drawMultisets_.push_back(multisets_.Of(draw.data(), k));
        drawCodes_.push_back(DigitCode(draw.data(), k));
    }
    ForgetMatches();
}

void SeniorFilter::BeginPrefix(const int *row, int length)
{
    AbstractFilter::BeginPrefix(row, length);
    prefixMultiset_ = multisets_.Of(row, length);
    prefixLength_ = length;
}

void SeniorFilter::EndPrefix()
{
    AbstractFilter::EndPrefix();
    prefixMultiset_ = DigitMultisets::kNone;
    prefixLength_ = 0;
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
    const std::vector<int> &nums = ruleOutOldData_.data().nums;
    int mode = nums.size() == 1 ? nums[0] : nums.size() > 1 ? nums[1] : 0;
    return mode == 0;
}

int SeniorFilter::FilterRow(const int *row, int /*length*/, int &wrongCount)
{
    const int k = game_.positions;
    if (TestsPatterns() && BOZLFilter(row, wrongCount) == 0) {
        return 0;
    }
    if (!PassesRepeats(row, k, wrongCount) || !PassesRuleOut(row, k, wrongCount)) {
        return 0;
    }
    return next ? next->FilterRow(row, k, wrongCount) : 1;
}

bool SeniorFilter::PassesRepeats(const int *row, int length, int &wrongCount) const
{
    auto check = [&](const Condition &c, auto &&test) {
        const std::vector<int> &nums = c.data().nums;
        return !c.enabled() || Check(c, test(nums.data(), static_cast<int>(nums.size())) != 0, wrongCount);
    };
    return check(chongMa_, [&](const int *list, int n) { return util.CheckChongMa(list, n, row, length); }) &&
           check(chongMaNum_,
                 [&](const int *list, int n) { return util.CheckChongMaNum(list, n, row, length); });
}

bool SeniorFilter::PassesRuleOut(const int *row, int length, int &wrongCount) const
{
    if (!ruleOutOldData_.enabled() || drawCodes_.empty()) {
        return true;
    }
    int matches = 0;
    if (game_.ruleOut == RuleOut::StraightOrGroup && StraightMatching()) {
        const std::int64_t code = DigitCode(row, length);
        matches = static_cast<int>(std::ranges::count(drawCodes_, code));
    } else {
        int multiset = prefixLength_ == length - 1 ? multisets_.Add(prefixMultiset_, row[length - 1])
                                                   : multisets_.Of(row, length);
        matches = multiset == DigitMultisets::kNone ? 0 : DrawsMatchingDigits(multiset);
    }
    return TolerateTimes(ruleOutOldData_, matches, maxWrong, wrongCount);
}

int SeniorFilter::DrawsMatchingDigits(int multiset) const
{
    std::int16_t &known = matches_[static_cast<std::size_t>(multiset)];
    if (known >= 0) {
        return known;
    }
    const std::array<std::uint8_t, 10> &counts = multisets_.Counts(multiset);
    int matches = 0;
    for (std::size_t d = 0; d < drawCodes_.size(); ++d) {
        if (game_.ruleOut == RuleOut::StraightOrGroup) {
            matches += drawMultisets_[d] == multiset ? 1 : 0;
            continue;
        }
        int shared = 0;
        for (int v = 0; v < 10; ++v) {
            if (counts[static_cast<std::size_t>(v)] != 0 && ((drawDigits_[d] >> v) & 1U) != 0) {
                shared += game_.ruleOut == RuleOut::SharedNumbers ? counts[static_cast<std::size_t>(v)] : 1;
            }
        }
        matches += ruleOutOldData_.Has(shared) ? 1 : 0;
    }
    known = static_cast<std::int16_t>(std::min(matches, 32767));
    return known;
}

} // namespace plugins::digit

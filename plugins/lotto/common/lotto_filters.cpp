#include "lotto/common/lotto_filters.h"

#include "calculation/class_text.h"

namespace plugins::lotto {

using calculation::Condition;
using calculation::DataMap;
using calculation::IndexedKey;

namespace {

// The numbers low..high (those below 64) as a mask.
std::uint64_t AreaMask(int low, int high)
{
    std::uint64_t mask = 0;
    for (int v = std::max(low, 0); v <= high && v < 64; ++v) {
        mask |= std::uint64_t{1} << v;
    }
    return mask;
}

// The back numbers are big from 7 on.
constexpr int kBackBigStart = 7;
constexpr int kBackCount = 2;

} // namespace

// ---- node 0 ------------------------------------------------------------------------------------

void PrimaryFilter::SetFilterData(const DataMap &conditions)
{
    SetCommonProp(conditions, game_.frontCount, game_.bigStart, game_.areaWidth, 1);
    SetCommonIndexData(conditions, game_.poolKey);
    testsBaseNumbers_ = game_.testsBaseNumbers && dataSource == L"dataSourceNew" && baseNums.enabled();
    // Only the areas chosen are tested, in the game's order.
    areas_.clear();
    for (const AreaCount &area : game_.areaTests) {
        Area a;
        a.condition.Load(conditions, area.key);
        a.numbers = AreaMask(area.low, area.high);
        if (a.condition.enabled()) {
            areas_.push_back(std::move(a));
        }
    }
    keptAreas_.assign(game_.keptAreaKeys.size(), Condition());
    for (std::size_t i = 0; i < keptAreas_.size(); ++i) {
        keptAreas_[i].Load(conditions, game_.keptAreaKeys[i]);
    }
    if (game_.back == BackArea::Pairs) {
        for (int i = 0; i < kBackCount; ++i) {
            backPos_[i].Load(conditions, IndexedKey(L"backPos", i));
        }
        kuaDuBack_.Load(conditions, L"kuaDuBack");
        heZhiBack_.Load(conditions, L"heZhiBack");
        minBack_.Load(conditions, L"minBack");
        maxBack_.Load(conditions, L"maxBack");
        bigSmallRateBack_.Load(conditions, L"bigSmallRateBack");
        oddEvenRateBack_.Load(conditions, L"oddEvenRateBack");
        zhiHeRateBack_.Load(conditions, L"zhiHeRateBack");
        luShuRateBack_.Load(conditions, L"luShuRateBack");
        bigSmallBack_.Load(conditions, L"bigSmallBack");
        oddEvenBack_.Load(conditions, L"oddEvenBack");
        zhiHeBack_.Load(conditions, L"zhiHeBack");
        luShu012Back_.Load(conditions, L"luShu012Back");
        lianMaBack_.Load(conditions, L"lianMaBack");
    }
}

void PrimaryFilter::ResetFilterData()
{
    ReSetCommonIndexData();
    testsBaseNumbers_ = false;
    areas_.clear();
    keptAreas_.clear();
    for (Condition *c : {&backPos_[0], &backPos_[1], &kuaDuBack_, &heZhiBack_, &bigSmallRateBack_,
                         &oddEvenRateBack_, &zhiHeRateBack_, &luShuRateBack_, &maxBack_, &minBack_,
                         &bigSmallBack_, &oddEvenBack_, &zhiHeBack_, &luShu012Back_, &lianMaBack_}) {
        c->Reset();
    }
}

bool PrimaryFilter::PassesAreas(std::uint64_t rowMask, int &wrongCount) const
{
    for (const Area &area : areas_) {
        const Condition &c = area.condition;
        if (!Check(c, c.Has(calculation::CountBits(rowMask & area.numbers)), wrongCount)) {
            return false;
        }
    }
    return true;
}

int PrimaryFilter::FilterRow(const int *row, int /*length*/, int &wrongCount)
{
    const int k = game_.frontCount;
    // Rows of new numbers take only base numbers; never tolerated.
    if (testsBaseNumbers_ && (MaskOf(row) & ~baseNums.mask()) != 0) {
        return 0;
    }
    if (DingWeiFilter(row) == 0 || firstLevelFilter(row, wrongCount) == 0 ||
        (!areas_.empty() && !PassesAreas(MaskOf(row), wrongCount))) {
        return 0;
    }
    return next ? next->FilterRow(row, k, wrongCount) : 1;
}

int PrimaryFilter::FilterBack(const int *backRow, int &wrongCount)
{
    if (game_.back != BackArea::Pairs) {
        return 1;
    }
    const int *pair = backRow;
    const int n = kBackCount;
    for (int i = 0; i < n; ++i) {
        if (backPos_[i].enabled() && !backPos_[i].Has(pair[i])) {
            return 0; // fixed back numbers are never tolerated
        }
    }
    auto number = [&](const Condition &c, int value) {
        return !c.enabled() || Check(c, c.Has(value), wrongCount);
    };
    auto pattern = [&](const Condition &c, auto &&write) {
        if (!c.enabled()) {
            return true;
        }
        calculation::ClassText text;
        write(text);
        return Check(c, text.complete() && c.HasText(text.view()), wrongCount);
    };
    const bool passes =
        number(kuaDuBack_, util.GetSpan(pair, n)) && number(heZhiBack_, util.GetSum(pair, n)) &&
        number(bigSmallRateBack_, util.BigSmallRate(pair, n, kBackBigStart)) &&
        number(oddEvenRateBack_, util.OddEvenRate(pair, n)) &&
        number(zhiHeRateBack_, util.ZhiHeRate(pair, n)) && number(luShuRateBack_, util.LuShuRate(pair, n)) &&
        number(maxBack_, util.GetBiggest(pair, n)) && number(minBack_, util.GetSmallest(pair, n)) &&
        pattern(bigSmallBack_,
                [&](calculation::ClassText &t) { util.GetBigSmall(pair, n, kBackBigStart, t); }) &&
        pattern(oddEvenBack_, [&](calculation::ClassText &t) { util.GetOddEven(pair, n, t); }) &&
        pattern(zhiHeBack_, [&](calculation::ClassText &t) { util.GetZhiHe(pair, n, t); }) &&
        pattern(luShu012Back_, [&](calculation::ClassText &t) { util.GetLuShuText(pair, n, t); }) &&
        number(lianMaBack_, util.GetLianMa(pair, n, 1));
    return passes ? 1 : 0;
}

// ---- node 1 ------------------------------------------------------------------------------------

void SeniorFilter::SetFilterData(const DataMap &conditions)
{
    SetCommonProp(conditions, game_.frontCount, game_.bigStart, game_.areaWidth, 1);
    SetBOZLData(conditions);
    ruleOutOldData_.Load(conditions, L"ruleOutOldData");
    ruleOut_.SetCounts(ruleOutOldData_);
}

void SeniorFilter::ResetFilterData()
{
    ResetBOZLData();
    ruleOutOldData_.Reset();
    ruleOut_.SetCounts(ruleOutOldData_);
}

void SeniorFilter::SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows)
{
    AbstractFilter::SetOldDataForRuleOut(rows);
    // A draw's first numbers are its front numbers; only they meet a row's.
    ruleOut_.SetDraws(ruleOutRows, game_.frontCount);
}

void SeniorFilter::BeginPrefix(const int *row, int length)
{
    AbstractFilter::BeginPrefix(row, length);
    if (ruleOutOldData_.enabled()) {
        ruleOut_.BeginPrefix(row, length);
    }
}

void SeniorFilter::EndPrefix()
{
    AbstractFilter::EndPrefix();
    ruleOut_.EndPrefix();
}

bool SeniorFilter::OwnPrefixMayPass(const calculation::Completion &c, int &certainFailures) const
{
    if (!AbstractFilter::OwnPrefixMayPass(c, certainFailures)) {
        return false;
    }
    if (!ruleOutOldData_.enabled()) {
        return true;
    }
    const int certain = ruleOut_.CertainFailures(c);
    if (certain == 0) {
        return true;
    }
    certainFailures += certain;
    return ruleOutOldData_.canBeWrong() && certainFailures <= maxWrong;
}

std::uint64_t SeniorFilter::OwnLastNumbersMayPass(std::uint64_t numbers) const
{
    numbers = AbstractFilter::OwnLastNumbersMayPass(numbers);
    // An untolerated rule-out leaves out every last number that meets a draw; a tolerated one is
    // counted row by row.
    if (ruleOutOldData_.enabled() && !ruleOutOldData_.canBeWrong()) {
        numbers &= ~ruleOut_.LastNumbersFailing(numbers);
    }
    return numbers;
}

bool SeniorFilter::PassesRuleOut(const int *row, int &wrongCount) const
{
    if (!ruleOutOldData_.enabled()) {
        return true;
    }
    // One failure for every draw the row meets with a chosen number of hits.
    return TolerateEach(ruleOutOldData_, ruleOut_.Failures(row), wrongCount);
}

int SeniorFilter::FilterRow(const int *row, int /*length*/, int &wrongCount)
{
    const int k = game_.frontCount;
    const bool passes = game_.seniorOrder == SeniorOrder::RuleOutFirst
                            ? PassesRuleOut(row, wrongCount) && BOZLFilter(row, wrongCount) != 0
                            : BOZLFilter(row, wrongCount) != 0 && PassesRuleOut(row, wrongCount);
    if (!passes) {
        return 0;
    }
    return next ? next->FilterRow(row, k, wrongCount) : 1;
}

} // namespace plugins::lotto

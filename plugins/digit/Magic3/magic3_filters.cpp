#include "magic3_filters.h"

#include "basekit/array_util.h"

namespace plugins::magic3 {
namespace {
// Three digits; 5 is the smallest big digit; areas of three digits; a digit game.
constexpr int kPositions = 3;
constexpr int kBigStart = 5;
constexpr int kAreaWidth = 3;
constexpr int kDigitMode = 0;
} // namespace

void PrimaryFilter::SetFilterData(const calculation::DataMap &conditions)
{
    SetCommonProp(conditions, kPositions, kBigStart, kAreaWidth, kDigitMode);
    SetCommonIndexData(conditions);
    LoadErMa(conditions);
    numLag.Load(conditions, L"numLag");
    chongMa.Load(conditions, L"chongMa");
    diffNum.Load(conditions, L"diffNum");
}

void PrimaryFilter::ResetFilterData()
{
    ReSetCommonIndexData();
    chongMa.Reset();
    numLag.Reset();
    ResetErMa();
    diffNum.Reset();
}

int PrimaryFilter::FilterRow(const int *row, int length, int &wrongCount)
{
    if (!PassesBaseNumbers(row, kPositions) || DingWeiFilter(row) == 0 ||
        firstLevelFilter(row, wrongCount) == 0 || !PassesErMa(row, length, wrongCount) ||
        !PassesMember(numLag, util.GetNumLagForMagic3(row, kPositions), wrongCount) ||
        !PassesMember(diffNum, basekit::ArrayUtil::GetDistinctNum(row, length), wrongCount) ||
        !PassesMember(chongMa, util.GetChongMaForMagic3(row, kPositions), wrongCount)) {
        return 0;
    }
    return next ? next->FilterRow(row, kPositions, wrongCount) : 1;
}

void SeniorFilter::SetFilterData(const calculation::DataMap &conditions)
{
    SetCommonProp(conditions, kPositions, kBigStart, kAreaWidth, kDigitMode);
    SetBOZLData(conditions);
    ruleOutOldData.Load(conditions, L"ruleOutOldData");
}

void SeniorFilter::ResetFilterData()
{
    ResetBOZLData();
    ruleOutOldData.Reset();
}

int SeniorFilter::FilterRow(const int *row, int length, int &wrongCount)
{
    // The group play types do not look at the per-position patterns.
    if (castType == L"zhiXuan" && BOZLFilter(row, wrongCount) == 0) {
        return 0;
    }
    if (!ruleOutOldData.enabled()) {
        return 1;
    }
    return PassesRuleOut(row, length, RuleOutMatch(), wrongCount) ? 1 : 0;
}

} // namespace plugins::magic3

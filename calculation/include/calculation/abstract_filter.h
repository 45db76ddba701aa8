/// \file
/// \brief The base of every filter stage of a game's chain, with the tests all games share.
///
/// Each game derives two stages: a first one (PrimaryFilter) that loads the common conditions
/// and a second, last one (SeniorFilter) that loads the per-position patterns and rules out
/// past draws. A stage that accepts a row passes it on to `next`; the last stage accepts.
///
/// Tolerance: a failed enabled condition rejects the row unless its canBeWrong is set; then the
/// row's wrongCount grows by one and the row is rejected once wrongCount exceeds maxWrong. The
/// counter starts at 0 per candidate and runs through both stages.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calculation/calculation_export.h"
#include "calculation/calculation_util.h"
#include "calculation/condition.h"
#include "calculation/data.h"

namespace calculation {

class CALCULATION_EXPORT AbstractFilter {
public:
    /// Positions per row the tables allow; pair conditions need at most 8 positions.
    static constexpr int kMaxPositions = 10;
    static constexpr int kMaxPairs = 28;
    static constexpr int kMaxRuleOutRows = 365;

    AbstractFilter() = default;
    virtual ~AbstractFilter() = default;
    AbstractFilter(const AbstractFilter &) = default;
    AbstractFilter &operator=(const AbstractFilter &) = default;

    /// Reads the conditions this stage understands.
    virtual void SetFilterData(const DataMap &conditions) = 0;
    /// Tests one candidate; 0 rejects. An accepting stage returns next's verdict.
    virtual int FilterRow(const int *row, int length, int &wrongCount) = 0;
    /// Tests the back-area numbers of a lotto row; the base accepts every row.
    virtual int FilterBack(const int *backRow, int &wrongCount);
    /// Clears the stage's conditions.
    virtual void ResetFilterData() = 0;
    /// Replaces the past draws to rule out; at most kMaxRuleOutRows, the first in the caller's order.
    virtual void SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows);

    AbstractFilter *next = nullptr;

    int ruleOutCount() const { return static_cast<int>(ruleOutRows.size()); }
    int pairCountForTest() const { return pairCount; }
    const std::array<int, 2> &pairAt(int index) const { return pairs[index]; }

protected:
    void SetCommonProp(const DataMap &conditions, int positionCount, int bigStart, int areaWidth, int mode);
    void SetCommonIndexData(const DataMap &conditions);
    void SetBOZLData(const DataMap &conditions);
    void ReSetCommonIndexData();
    void ResetBOZLData();

    int firstLevelFilter(const int *row, int &wrongCount) const;
    int DingWeiFilter(const int *row) const;
    int BOZLFilter(const int *row, int &wrongCount) const;
    int numFilter(const int *row, int &wrongCount) const;

    /// The tolerance rule for a failed test of c: true when the row may go on.
    bool Tolerate(const Condition &c, int &wrongCount) const
    {
        return c.canBeWrong() && ++wrongCount <= maxWrong;
    }
    /// Applies the tolerance rule when passed is false.
    bool Check(const Condition &c, bool passed, int &wrongCount) const
    {
        return passed || Tolerate(c, wrongCount);
    }

    CCalculationUtil util;
    std::wstring dataSource;
    std::wstring castType;
    int maxWrong = 0;
    int positionCount = 0;
    int bigStart = 1;
    int areaWidth = 1;
    int mode = 0;

    Condition baseNums;
    std::array<Condition, kMaxPositions> pos;
    std::array<Condition, 7> danMa;
    Condition kuaDu, heZhi, heZhiTail, tailSum, feiMa, threeAreaRate, bigSmallRate, oddEvenRate, zhiHeRate,
        luShuRate, lianMa, acValue, linHaoLag, average, minimumNum, maximumNum, shaZuHeOne, shaZuHeTwo, lastNum;
    std::array<Condition, 9> shapeSum;
    Condition sameTail, tail, sameTailNum, onlySameTail;
    Condition bigSmall, oddEven, zhiHe, luShu012, threeArea;
    Condition bigSmallDingWei, oddEvenDingWei, zhiHeDingWei, luShu012DingWei, threeAreaDingWei, wuXingDingWei;
    std::array<Condition, kMaxPairs> erWeiHe, erWeiCha, erWeiMa;
    std::array<std::array<int, 2>, kMaxPairs> pairs{};
    int pairCount = 0;
    std::array<Condition, 10> ziDingYi;
    int customGroupCount = 0;
    std::array<Condition, 5> wuXingNum;
    std::array<Condition, 3> luShuNum;
    std::array<Condition, 3> erWeiSameTail; ///< keys "erWeiSameTail2" .. "erWeiSameTail4"

    /// Past draws to rule out, owned by the stage, with a number mask per draw.
    std::vector<std::vector<int>> ruleOutRows;
    std::vector<std::uint64_t> ruleOutMasks;

private:
    // Per-number class tables for the current bigStart/areaWidth, so the shape counts of a row
    // are one table lookup per number.
    void PrepareClassTables();
    struct NumberClass {
        std::uint8_t odd, big, prime, route, area;
    };
    std::array<NumberClass, 64> classes_{};
    std::array<Condition, 12> numConditions_; // numFilter's conditions: no loader fills them
};

} // namespace calculation

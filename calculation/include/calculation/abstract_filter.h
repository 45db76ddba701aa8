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
#include <memory>
#include <string>
#include <vector>

#include "calculation/calculation_export.h"
#include "calculation/calculation_util.h"
#include "calculation/condition.h"
#include "calculation/data.h"

namespace calculation {

/// What an enumeration can still put after an announced prefix: remaining more numbers, each one
/// of numbers (numbers 0..63 as a mask), in ascending order after the prefix.
struct Completion {
    std::uint64_t numbers = 0;
    int remaining = 0;
};

class CALCULATION_EXPORT AbstractFilter {
public:
    /// Positions per row the tables allow; pair conditions need at most 8 positions.
    static constexpr int kMaxPositions = 10;
    static constexpr int kMaxPairs = 28;
    static constexpr int kMaxRuleOutRows = 365;

    AbstractFilter();
    virtual ~AbstractFilter();
    // A stage's test plan points at its own conditions, so stages are not copied.
    AbstractFilter(const AbstractFilter &) = delete;
    AbstractFilter &operator=(const AbstractFilter &) = delete;

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
    /// The rows tested until EndPrefix share their first length numbers with row (a chain that
    /// enumerates its candidates position by position says so once per prefix): a stage works out
    /// once what depends on them. The base keeps the shape of the prefix for firstLevelFilter;
    /// every stage passes the call on to the next.
    virtual void BeginPrefix(const int *row, int length);
    /// The rows tested from now on share nothing announced.
    virtual void EndPrefix();
    /// Whether some row that shares the announced prefix and is completed from c can still pass
    /// this stage and the stages after it. false means that every such row fails (an untolerated
    /// failure, or more certain failures than maxWrong tolerates), so an enumeration may skip them.
    bool PrefixMayPass(const Completion &c) const;
    /// Of the numbers that the last position of an announced prefix one short of a row takes,
    /// those with which the row may pass this stage and the stages after it (a superset of the
    /// rows that pass: each is still tested).
    std::uint64_t LastNumbersMayPass(std::uint64_t numbers) const;

    AbstractFilter *next = nullptr;

    int ruleOutCount() const { return static_cast<int>(ruleOutRows.size()); }
    int pairCountForTest() const { return pairCount; }
    const std::array<int, 2> &pairAt(int index) const { return pairs[index]; }

protected:
    void SetCommonProp(const DataMap &conditions, int positions, int big, int width, int gameMode);
    /// Loads the common conditions; the base numbers (of a run of new numbers) from baseKey.
    void SetCommonIndexData(const DataMap &conditions, const std::wstring &baseKey = L"baseNums");
    void SetBOZLData(const DataMap &conditions);
    void ReSetCommonIndexData();
    void ResetBOZLData();

    /// This stage's part of PrefixMayPass: false when every completion fails an untolerated
    /// condition; the conditions that every completion fails under tolerance are counted in
    /// certainFailures (Tolerate). The base judges the first-level tests it can bound cheaply and
    /// lets everything else pass.
    virtual bool OwnPrefixMayPass(const Completion &c, int &certainFailures) const;
    /// This stage's part of LastNumbersMayPass. The base judges the first-level tests of every
    /// last number at once (ascending rows of numbers 0..63), and lets everything else pass.
    virtual std::uint64_t OwnLastNumbersMayPass(std::uint64_t numbers) const;
    /// The announced prefix's length (0: none).
    int prefixLength() const;
    /// The numbers of a row as a mask, from the announced prefix's when the row shares it.
    std::uint64_t MaskOf(const int *row) const;

    /// Which of the common conditions a call tests: all of them, those whose verdict depends only
    /// on which numbers a row holds (how often each), or those that also depend on their order
    /// (two positions, neighbours). A row passes all when it passes both, with the failures of
    /// both tolerated together.
    enum class TestScope { All, OrderFree, OrderBound };
    /// The common conditions of the first stage, in their planned order.
    int firstLevelFilter(const int *row, int &wrongCount, TestScope scope = TestScope::All) const;
    /// How many planned common conditions depend on the order of a row's numbers.
    int firstLevelOrderBoundTests() const { return orderBoundTests_; }
    /// Whether some per-position pattern of the last stage is enabled.
    bool anyPatternTest() const { return anyPattern_; }
    int DingWeiFilter(const int *row) const;
    int BOZLFilter(const int *row, int &wrongCount) const;
    int numFilter(const int *row, int &wrongCount) const;

    /// The tolerance rule for a failed test of c: true when the row may go on.
    bool Tolerate(const Condition &c, int &wrongCount) const
    {
        return c.canBeWrong() && ++wrongCount <= maxWrong;
    }
    /// The tolerance rule for failures failed tests of c at once (a condition that fails once
    /// for each stored draw a row meets): true when the row may go on.
    bool TolerateEach(const Condition &c, int failures, int &wrongCount) const
    {
        if (failures == 0) {
            return true;
        }
        wrongCount += failures;
        return c.canBeWrong() && wrongCount <= maxWrong;
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
        luShuRate, lianMa, acValue, linHaoLag, average, minimumNum, maximumNum, shaZuHeOne, shaZuHeTwo,
        lastNum;
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
    // The stage's own machinery (class tables, shapes, the plan of first-level tests and what it
    // keeps for prefixes): internal to the library, so tuning it changes nothing a game sees.
    struct Engine;
    std::unique_ptr<Engine> engine_;
    int orderBoundTests_ = 0; // planned common conditions that depend on the order
    bool anyPattern_ = false; // a pattern of SetBOZLData is enabled
};

} // namespace calculation

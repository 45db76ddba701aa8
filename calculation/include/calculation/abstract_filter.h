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

    AbstractFilter *next = nullptr;

    int ruleOutCount() const { return static_cast<int>(ruleOutRows.size()); }
    int pairCountForTest() const { return pairCount; }
    const std::array<int, 2> &pairAt(int index) const { return pairs[index]; }

protected:
    void SetCommonProp(const DataMap &conditions, int positions, int big, int width, int gameMode);
    void SetCommonIndexData(const DataMap &conditions);
    void SetBOZLData(const DataMap &conditions);
    void ReSetCommonIndexData();
    void ResetBOZLData();

    /// Which of the common conditions a call tests: all of them, those whose verdict depends only
    /// on which numbers a row holds (how often each), or those that also depend on their order
    /// (two positions, neighbours). A row passes all when it passes both, with the failures of
    /// both tolerated together.
    enum class TestScope { All, OrderFree, OrderBound };
    /// The common conditions of the first stage, in their planned order.
    int firstLevelFilter(const int *row, int &wrongCount, TestScope scope = TestScope::All) const
    {
        bool none =
            scope == TestScope::OrderBound ? orderBoundTests_ == 0 : plan_.empty() && !anyBankerGroup_;
        return none ? 1 : FirstLevelTests(row, wrongCount, scope);
    }
    /// How many planned common conditions depend on the order of a row's numbers.
    int firstLevelOrderBoundTests() const { return orderBoundTests_; }
    /// Whether some per-position pattern of the last stage is enabled.
    bool anyPatternTest() const { return anyPattern_; }
    int DingWeiFilter(const int *row) const;
    /// The per-position patterns of the last stage.
    int BOZLFilter(const int *row, int &wrongCount) const
    {
        return anyPattern_ ? PatternTests(row, wrongCount) : 1;
    }
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
    // Per-number class tables for the current bigStart/areaWidth, so the shape counts of a row
    // are one table lookup per number.
    void PrepareClassTables();
    struct NumberClass {
        std::uint8_t odd, big, prime, route, area, quotient, seedPrime, tail, element;
        // The class counts this number adds to a row, one 4-bit field each (a row has at most
        // ten numbers): odd, big, prime, routes 0-2, areas 0-2, five elements 0-4.
        std::uint64_t counts;
        std::uint64_t tailUnit; ///< 1 in the 4-bit field of the number's last digit
        std::uint32_t tailBit;  ///< the bit of the number's last digit
    };
    static std::uint64_t PackCounts(const NumberClass &c);
    // Counts and sums of a row's number classes, made in one pass (or from a prefix's, number by
    // number) for the shape tests.
    struct RowShape {
        int sum = 0, smallest = 0, largest = 0;
        std::uint64_t counts = 0; // the numbers' class counts, packed as NumberClass::counts
        int Field(int index) const { return static_cast<int>((counts >> (4 * index)) & 15U); }
        int odd() const { return Field(0); }
        int big() const { return Field(1); }
        int prime() const { return Field(2); }
        int route(int r) const { return Field(3 + r); }
        int area(int a) const { return Field(6 + a); }
        int tailDigitSum = 0;
        // Sums by class: quotient by bigStart 0 and 1 (2: any other), odd/even, seed-rule prime
        // and composite, routes.
        int quotientSum[3] = {0, 0, 0};
        int paritySum[2] = {0, 0};
        int seedPrimeSum[2] = {0, 0};
        int routeSum[3] = {0, 0, 0};
        std::uint64_t mask = 0;
        std::uint32_t tailMask = 0;
        std::uint64_t tailCounts = 0; // one 4-bit count per last digit 0-9
        int previous = 0;             // the last number added
        int descents = 0;             // numbers not above the one before them
        int added = 0;
    };
    /// Adds the next number of a row to its shape.
    void AddToShape(RowShape &s, int v) const;
    NumberClass ClassOf(int v) const
    {
        return v >= 0 && v < static_cast<int>(classes_.size()) ? classes_[v] : ComputeClass(v);
    }
    NumberClass ComputeClass(int v) const;
    /// The last digits that two or more numbers share, as a bit per digit.
    static std::uint32_t RepeatedTails(std::uint64_t tailCounts);
    /// How many different absolute differences the pairs of the row's numbers have.
    static int DistinctDifferences(const int *row, int n, const RowShape &s);
    /// The consecutive-number class of a row held ascending (lotto rows), in one pass.
    static int RunCodeOfAscending(int n, const RowShape &s);
    std::array<NumberClass, 64> classes_{};

    // The enabled tests of firstLevelFilter in their fixed order, planned once per load so that a
    // candidate only meets the conditions the user chose.
    enum class Test : std::uint8_t {
        Span,
        Sum,
        SumTail,
        TailSum,
        Average,
        Killed,
        BigSmallRate,
        OddEvenRate,
        ZhiHeRate,
        LuShuRate,
        ThreeAreaRate,
        Maximum,
        Minimum,
        LastNum,
        AllInside,
        LianMa,
        ShapeSum,
        BiggestLag,
        Ac,
        Tail,
        SameTail,
        SameTailNum,
        RouteCount,
        WuXingCount,
        Pair,
        CustomGroup
    };
    struct PlannedTest {
        Test test;
        std::uint8_t index;
        const Condition *condition;
        std::uint32_t rejections = 0; // rows this test rejected since the plan was last ordered
        bool orderFree = true;
    };
    // The verdict does not depend on the order of the tests (a row fails on any untolerated
    // failure, or once its tolerated failures exceed maxWrong), so the tests that reject most
    // rows are moved to the front as a run goes on.
    void OrderPlanByRejections() const;
    void PlanFirstLevelTests();
    int FirstLevelTests(const int *row, int &wrongCount, TestScope scope) const;
    /// Whether a planned test's verdict depends only on which numbers a row holds.
    bool OrderFree(Test test) const;
    int PatternTests(const int *row, int &wrongCount) const;
    bool RunPlannedTest(const PlannedTest &t, const int *row, const RowShape &s, int &wrongCount) const;
    // For a pair of positions with any of its conditions enabled: bit b of pass[a] says the numbers
    // a and b there pass all of them, so a passing pair costs one lookup.
    struct PairTable {
        std::array<std::uint64_t, 64> pass{};
    };
    bool PairPasses(int pair, int a, int b, int &wrongCount) const;
    mutable std::vector<PlannedTest> plan_;
    int orderBoundTests_ = 0; // planned tests that are not order-free
    mutable std::uint32_t testedSinceOrdering_ = 0;
    // The shapes of the announced prefix, one per length (shapes_[0] is empty), and its numbers:
    // a new prefix recomputes only from the first number that changed.
    std::array<RowShape, kMaxPositions + 1> prefixShapes_{};
    std::array<int, kMaxPositions> prefixNumbers_{};
    int prefixLength_ = 0;    // the announced prefix's length, 0 for none
    int prefixKnown_ = 0;     // how many of prefixShapes_ hold the numbers of prefixNumbers_
    bool anyPattern_ = false; // some per-position pattern of the last stage is enabled
    std::vector<PairTable> pairTables_;
    std::vector<int> fixedPositions_; // positions whose "pos" condition is enabled
    bool anyBankerGroup_ = false;
    bool needsClassSums_ = false;
    bool needsTails_ = false;
    std::array<Condition, 12> numConditions_; // numFilter's conditions: no loader fills them
};

} // namespace calculation

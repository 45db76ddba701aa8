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
    int prefixLength() const { return prefixLength_; }
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
    // Per-number class tables for the current bigStart/areaWidth, so the shape counts of a row
    // are one table lookup per number.
    void PrepareClassTables();
    // The numbers 0..63 of each class, for the bounds of a prefix's completions.
    struct ClassMasks {
        std::uint64_t odd = 0, big = 0, prime = 0, seedPrime = 0;
        std::array<std::uint64_t, 3> route{}, area{}, quotient{};
        std::array<std::uint64_t, 5> element{};
        std::array<std::uint64_t, 10> tail{};
    };
    ClassMasks classMasks_;
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
        // The fields of counts: odd, big, prime, routes 0-2, areas 0-2, five elements 0-4.
        static constexpr int kOddField = 0, kBigField = 1, kPrimeField = 2, kRouteFields = 3, kAreaFields = 6,
                             kElementFields = 9;
        int Field(int index) const { return static_cast<int>((counts >> (4 * index)) & 15U); }
        int odd() const { return Field(kOddField); }
        int big() const { return Field(kBigField); }
        int prime() const { return Field(kPrimeField); }
        int route(int r) const { return Field(kRouteFields + r); }
        int area(int a) const { return Field(kAreaFields + a); }
        int element(int e) const { return Field(kElementFields + e); }
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
        // The differences between the numbers (bit d: some two differ by d, bit 0 a repeat) and
        // the numbers as bits 63 - v, kept while every number is 0..63 (exactDifferences).
        std::uint64_t differences = 0, reversed = 0;
        bool exactDifferences = true;
        // The runs of consecutive numbers while the numbers ascend (needsRuns_): their count by
        // size (4 bits each, runs of two or more), and the length of the run ending at the last
        // number.
        std::uint64_t runsOfSize = 0;
        int lastRun = 0;
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
    /// The average of a row of k numbers with this sum, as the page rounds it.
    static int RoundedAverage(int sum, int k);
    /// The "sameTail" test of a row with these counts of last digits.
    static bool SameTailPasses(const Condition &c, std::uint64_t tailCounts);
    /// The same-tail group code of a row with these counts of last digits.
    static int SameTailGroupCode(std::uint64_t tailCounts);
    /// How many different absolute differences the pairs of the row's numbers have.
    static int DistinctDifferences(const int *row, int n, const RowShape &s);
    /// The group code of group sizes (a count per size, 4 bits each): for each size present in
    /// ascending order, the number of groups of that size followed by the size (two groups of 2
    /// and one of 3: 2213); 0 for none.
    static int GroupCode(std::uint64_t groupsOfSize, int largestSize);
    /// Runs of consecutive numbers counted by their length (4 bits each) once the run of that
    /// length grows by one (a lone number, length 1, becomes a run of two).
    static std::uint64_t RunsWithRunGrown(std::uint64_t runsOfSize, int length);
    /// The run code of n numbers whose runs are runsOfSize once the run of that length grows by one.
    static int RunCodeWithRunGrown(int n, std::uint64_t runsOfSize, int length);
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
        PlannedTest(Test kind, std::uint8_t at, const Condition *tested)
            : test(kind), index(at), condition(tested)
        {
        }
        Test test;
        std::uint8_t index;
        const Condition *condition;
        std::uint32_t rejections = 0; // rows (or last numbers) this test rejected since the last ordering
        bool orderFree = true;        // the verdict depends only on which numbers a row holds
        std::uint32_t cost = 1;       // the work of one judging, relative to a test of a few cases
        bool tolerated = false;       // the condition's canBeWrong
        bool judgedByCount = false;   // judged for a prefix among countLookups_, not one by one
        // The test's outcomes, worked out once per load for the judging of prefixes: bit n set
        // when a count of n passes (rates: of the class counted; three-way rates: bit 11 a + b for
        // the first two counts; sum tails: bit of the tail), or
        // for "tail" the numbers 0..63 whose last digit passes; AC values: bit c for c distinct
        // differences).
        std::array<std::uint64_t, 2> outcomes{};
        bool Passes(int n) const
        {
            return n >= 0 && n < 128 && ((outcomes[static_cast<std::size_t>(n >> 6)] >> (n & 63)) & 1U) != 0;
        }
        // For the tests of class counts: the last numbers that pass, by the prefix's counts (index
        // have, or 8 have0 + have1 for three-way rates), so that judging a prefix is a lookup.
        std::vector<std::uint64_t> lastByCount;
        std::uint64_t LastByCount(int index) const
        {
            return index >= 0 && index < static_cast<int>(lastByCount.size())
                       ? lastByCount[static_cast<std::size_t>(index)]
                       : 0;
        }
    };
    void TabulateOutcomes(PlannedTest &t) const;
    // The untolerated tests of class counts: for a prefix one short of a row each is a lookup by
    // one or two of its class counts, so they are judged together in one tight loop before the
    // other tests (RowShape::counts fields first and second; second kNoField for one count).
    struct CountLookup {
        static constexpr std::uint8_t kNoField = 0xFF;
        std::array<std::uint64_t, 64> lastByCount{};
        std::uint8_t first = 0, second = kNoField;
        std::uint64_t Passing(const RowShape &p) const
        {
            const int index = second == kNoField ? p.Field(first) : p.Field(first) * 8 + p.Field(second);
            return index < 64 ? lastByCount[static_cast<std::size_t>(index)] : 0;
        }
    };
    void PlanCountLookups();
    std::vector<CountLookup> countLookups_;
    // The verdict does not depend on the order of the tests (a row fails on any untolerated
    // failure, or once its tolerated failures exceed maxWrong), so the tests that reject most
    // rows are moved to the front as a run goes on.
    void OrderPlanByRejections() const;
    /// Whether a planned test's verdict depends only on which numbers a row holds.
    bool OrderFree(Test test) const;
    int orderBoundTests_ = 0; // planned tests that are not order-free
    void PlanFirstLevelTests();
    bool RunPlannedTest(const PlannedTest &t, const int *row, const RowShape &s, int &wrongCount) const;
    // Whether some completion of the prefix of shape s by r numbers of rest may pass the test.
    struct CompletionBounds;
    bool PlannedTestMayPass(const PlannedTest &t, const RowShape &s, const CompletionBounds &b) const;
    // The first-level tests, the banker groups or the fixed positions have something to test:
    // only then a prefix's numbers and shape are kept.
    bool UsesShapes() const { return !plan_.empty() || anyBankerGroup_ || !fixedPositions_.empty(); }
    void ForgetPrefixes()
    {
        levelsKnown_ = 0;
        prefixLength_ = 0;
        lastVerdicts_.known = false;
    }
    // For a pair of positions with any of its conditions enabled: bit b of pass[a] says the numbers
    // a and b there pass all of them, so a passing pair costs one lookup.
    struct PairTable {
        std::array<std::uint64_t, 64> pass{};
    };
    bool PairPasses(int pair, int a, int b, int &wrongCount) const;
    mutable std::vector<PlannedTest> plan_;
    mutable std::uint32_t testedSinceOrdering_ = 0;
    // The announced prefix, level by level (while UsesShapes()): levelRow_[i] is its number i,
    // levelShapes_[i] the shape of its first i numbers. A prefix that extends the last one costs
    // one number.
    std::array<RowShape, kMaxPositions + 1> levelShapes_{};
    std::array<int, kMaxPositions> levelRow_{};
    int levelsKnown_ = 0;
    int prefixLength_ = 0;
    std::vector<PairTable> pairTables_;
    std::vector<int> fixedPositions_; // positions whose "pos" condition is enabled
    bool anyBankerGroup_ = false;
    bool needsClassSums_ = false;
    bool needsTails_ = false;
    bool needsDifferences_ = false;
    bool needsRuns_ = false;
    // The "lianMa" verdicts of a prefix one short of a row by its runs (runsOfSize and lastRun):
    // bit 0 a last number apart from the runs passes, bit 1 one that grows the last run passes.
    // Consecutive prefixes mostly share their runs, so a few entries serve nearly every prefix.
    struct RunVerdicts {
        std::uint64_t key = ~std::uint64_t{0};
        std::uint8_t passing = 0;
    };
    mutable std::array<RunVerdicts, 16> runVerdicts_{};
    std::uint8_t RunVerdictsOf(const Condition &c, const RowShape &p) const;
    bool anyPattern_ = false; // a pattern of SetBOZLData is enabled
    void NoteAnyPattern();

    // The verdicts of the first-level tests on every last number of a prefix one short of a row,
    // worked out once for the prefix when the enumeration tells which numbers the last position
    // takes (PrefixMayPass with one number left), for rows held ascending with numbers 0..63.
    // A row whose last number was judged costs a lookup; any other row is tested as it stands.
    struct LastVerdicts {
        bool known = false;
        std::uint64_t numbers = 0; // the last numbers judged
        std::uint64_t pass = 0;    // of them, those that pass every untolerated test
        // The tolerated failures of each number, bit-sliced: bit v of plane b is bit b of v's
        // count (counts stop at 15).
        std::array<std::uint64_t, 4> failures{};
        int FailuresOf(int v) const
        {
            int n = 0;
            for (int b = 0; b < 4; ++b) {
                n |= static_cast<int>((failures[b] >> v) & 1U) << b;
            }
            return n;
        }
        void AddFailures(std::uint64_t failed);
    };
    /// Judges the numbers of last as the last number of the announced prefix; false when the
    /// prefix is not one a lookup can serve.
    bool JudgeLastNumbers(std::uint64_t last) const;
    /// The numbers of last with which the row of the announced prefix passes test t.
    std::uint64_t LastNumbersPassing(const PlannedTest &t, const RowShape &p, std::uint64_t last) const;
    /// The numbers of last with which the row of the announced prefix passes test t, each tested
    /// as a whole row.
    std::uint64_t LastNumbersPassingOneByOne(const PlannedTest &t, std::uint64_t last) const;
    mutable LastVerdicts lastVerdicts_;
    std::array<Condition, 12> numConditions_; // numFilter's conditions: no loader fills them
};

} // namespace calculation

// The filter stage's own machinery: the per-number class tables, the shape of a row or prefix, the
// plan of first-level tests and what it keeps for prefixes and last positions. It lives behind
// AbstractFilter (its Engine), in this header of the library's sources that plug-ins never
// include, so tuning the inner loop changes neither the public header nor the plug-in contract.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "calculation/abstract_filter.h"

namespace calculation {
namespace detail {

// The numbers 0..63 of each class, for the bounds of a prefix's completions.
struct ClassMasks {
    std::uint64_t odd = 0, big = 0, prime = 0, seedPrime = 0;
    std::array<std::uint64_t, 3> route{}, area{}, quotient{};
    std::array<std::uint64_t, 5> element{};
    std::array<std::uint64_t, 10> tail{};
};

struct NumberClass {
    std::uint8_t odd, big, prime, route, area, quotient, seedPrime, tail, element;
    // The class counts this number adds to a row, one 4-bit field each of RowShape::counts.
    std::uint64_t counts;
    std::uint64_t tailUnit; ///< 1 in the 4-bit field of the number's last digit
    std::uint32_t tailBit;  ///< the bit of the number's last digit
};

// Counts and sums of a row's number classes, made in one pass (or from a prefix's, number by
// number) for the shape tests.
struct RowShape {
    int sum = 0, smallest = 0, largest = 0;
    std::uint64_t counts = 0; // the numbers' class counts, 4 bits per field (a row has at most ten)
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
    // The runs of consecutive numbers while the numbers ascend (needsRuns): their count by
    // size (4 bits each, runs of two or more), and the length of the run ending at the last
    // number.
    std::uint64_t runsOfSize = 0;
    int lastRun = 0;
};

/// The class counts a number of class c adds to a row, packed as RowShape::counts.
std::uint64_t PackCounts(const NumberClass &c);

// The kinds of first-level tests; the list, in its fixed order, and what each test does are
// in first_level_tests.h.
enum class Test : std::uint8_t;

// One enabled first-level test of a plan, with what its judging needs prepared once per load.
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
    bool judgedByCount = false;   // judged for a prefix among the count lookups, not one by one
    // The test's outcomes, worked out once per load for the judging of prefixes: bit n set
    // when a count of n passes (rates: of the class counted; three-way rates: bit 11 a + b for
    // the first two counts; sum tails: bit of the tail), or for "tail" the numbers 0..63 whose
    // last digit passes; AC values: bit c for c distinct differences).
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

// An untolerated test of class counts: for a prefix one short of a row it is a lookup by one or
// two of its class counts, so these are judged together in one tight loop before the other
// tests (RowShape::counts fields first and second; second kNoField for one count).
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

// For a pair of positions with any of its conditions enabled: bit b of pass[a] says the numbers
// a and b there pass all of them, so a passing pair costs one lookup.
struct PairTable {
    std::array<std::uint64_t, 64> pass{};
};

// The "lianMa" verdicts of a prefix one short of a row by its runs (runsOfSize and lastRun):
// bit 0 a last number apart from the runs passes, bit 1 one that grows the last run passes.
struct RunVerdicts {
    std::uint64_t key = ~std::uint64_t{0};
    std::uint8_t passing = 0;
};

// The verdicts of the first-level tests on every last number of a prefix one short of a row,
// worked out once for the prefix when the enumeration tells which numbers the last position
// takes, for rows held ascending with numbers 0..63.
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

// What the completions of an announced prefix can still give.
struct CompletionBounds {
    int k = 0;                     // numbers per row
    int r = 0;                     // numbers still to come
    std::uint64_t rest = 0;        // the numbers they come from
    int lowSum = 0, highSum = 0;   // the sum of the r smallest and of the r largest of rest
    int lowLast = 0, highLast = 0; // the smallest and the largest possible last number

    // The range of the row's count of numbers of class mask, given the prefix's count.
    std::pair<int, int> CountRange(int have, std::uint64_t mask) const
    {
        const int inside = CountBits(rest & mask);
        const int outside = CountBits(rest & ~mask);
        return {have + std::max(0, r - outside), have + std::min(r, inside)};
    }
};

/// The group code of group sizes (a count per size, 4 bits each): for each size present in
/// ascending order, the number of groups of that size followed by the size (two groups of 2
/// and one of 3: 2213); 0 for none.
int GroupCode(std::uint64_t groupsOfSize, int largestSize);
/// The average of a row of k numbers with this sum, as the page rounds it.
int RoundedAverage(int sum, int k);
/// The last digits that two or more numbers share, as a bit per digit.
std::uint32_t RepeatedTails(std::uint64_t tailCounts);
/// The "sameTail" test of a row with these counts of last digits.
bool SameTailPasses(const Condition &c, std::uint64_t tailCounts);
/// The same-tail group code of a row with these counts of last digits.
int SameTailGroupCode(std::uint64_t tailCounts);
/// How many different absolute differences the pairs of the row's numbers have.
int DistinctDifferences(const int *row, int n, const RowShape &s);
/// Runs of consecutive numbers counted by their length (4 bits each) once the run of that
/// length grows by one (a lone number, length 1, becomes a run of two).
std::uint64_t RunsWithRunGrown(std::uint64_t runsOfSize, int length);
/// The run code of n numbers whose runs are runsOfSize once the run of that length grows by one.
int RunCodeWithRunGrown(int n, std::uint64_t runsOfSize, int length);

} // namespace detail

// A member of AbstractFilter, so it reads the stage's conditions and settings directly.
struct AbstractFilter::Engine {
    using RowShape = detail::RowShape;
    using NumberClass = detail::NumberClass;
    using PlannedTest = detail::PlannedTest;
    using Test = detail::Test;

    explicit Engine(const AbstractFilter &owner) : f(owner) {}
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    const AbstractFilter &f; // the stage this engine serves

    // Per-number class tables for the stage's bigStart/areaWidth/mode, so the shape counts of a
    // row are one table lookup per number.
    void PrepareClassTables();
    NumberClass ClassOf(int v) const
    {
        return v >= 0 && v < static_cast<int>(classes.size()) ? classes[static_cast<std::size_t>(v)]
                                                              : ComputeClass(v);
    }
    NumberClass ComputeClass(int v) const;
    /// Adds the next number of a row to its shape.
    void AddToShape(RowShape &s, int v) const;

    // The descriptors of the first-level tests (first_level_tests.h).
    struct Tests;

    // The enabled tests of firstLevelFilter in their fixed order, planned once per load so that a
    // candidate only meets the conditions the user chose. Returns how many of them depend on the
    // order of a row's numbers.
    int PlanFirstLevelTests();
    void TabulateOutcomes(PlannedTest &t);
    void PlanCountLookups();
    // The verdict does not depend on the order of the tests (a row fails on any untolerated
    // failure, or once its tolerated failures exceed maxWrong), so the tests that reject most
    // rows are moved to the front as a run goes on.
    void OrderPlanByRejections();
    // The first-level tests, the banker groups or the fixed positions have something to test:
    // only then a prefix's numbers and shape are kept.
    bool UsesShapes() const { return !plan.empty() || anyBankerGroup || !fixedPositions.empty(); }
    void ForgetPrefixes()
    {
        levelsKnown = 0;
        prefixLength = 0;
        lastVerdicts.known = false;
    }

    bool RunPlannedTest(const PlannedTest &t, const int *row, const RowShape &s, int &wrongCount) const;
    bool PairPasses(int pair, int a, int b, int &wrongCount) const;

    bool OwnPrefixMayPass(const Completion &c, int &certainFailures) const;
    // Whether some completion of the prefix of shape s within bounds b may pass the test.
    bool PlannedTestMayPass(const PlannedTest &t, const RowShape &s, const detail::CompletionBounds &b) const;

    /// Judges the numbers of last as the last number of the announced prefix; false when the
    /// prefix is not one a lookup can serve.
    bool JudgeLastNumbers(std::uint64_t last);
    /// The numbers of last with which the row of the announced prefix passes test t, each tested
    /// as a whole row.
    std::uint64_t LastNumbersPassingOneByOne(const PlannedTest &t, std::uint64_t last) const;
    std::uint8_t RunVerdictsOf(const Condition &c, const RowShape &p) const;

    std::array<NumberClass, 64> classes{};
    detail::ClassMasks classMasks;

    std::vector<PlannedTest> plan;
    std::uint32_t testedSinceOrdering = 0;
    std::vector<detail::CountLookup> countLookups;
    std::vector<detail::PairTable> pairTables;
    std::vector<int> fixedPositions; // positions whose "pos" condition is enabled
    bool anyBankerGroup = false;
    // The parts of a shape some planned test reads; the others are not kept.
    bool needsClassSums = false;
    bool needsTails = false;
    bool needsDifferences = false;
    bool needsRuns = false;

    // The announced prefix, level by level (while UsesShapes()): levelRow[i] is its number i,
    // levelShapes[i] the shape of its first i numbers. A prefix that extends the last one costs
    // one number.
    std::array<RowShape, kMaxPositions + 1> levelShapes{};
    std::array<int, kMaxPositions> levelRow{};
    int levelsKnown = 0;
    int prefixLength = 0;

    // Consecutive prefixes mostly share their runs, so a few entries serve nearly every prefix.
    mutable std::array<detail::RunVerdicts, 16> runVerdicts{};
    // A row whose last number was judged costs a lookup; any other row is tested as it stands.
    detail::LastVerdicts lastVerdicts;
    std::array<Condition, 12> numConditions; // numFilter's conditions: no loader fills them
};

} // namespace calculation

// The first-level tests of a filter stage, each written once: one descriptor per kind of test
// says which conditions it plans, in which order and at what cost, how it judges a row, whether
// some completion of a prefix may pass it, and which last numbers of a prefix one short of a row
// pass it. The planner, the row judge, the prefix judge and the last-position judge iterate the
// descriptors (Tests::ForEach, Tests::Visit), so adding a test is one enum value, one descriptor
// and one line of Visit, all in this file.
//
// A descriptor is a struct of static inline functions resolved by the kind stored in the plan, so
// the judging of a row inlines into one switch, as if written there.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "filter_engine.h"

namespace calculation {
namespace detail {

// The kinds of first-level tests, in their fixed order: a stage plans its enabled tests in this
// order (and reorders them as a run goes on by what they reject).
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
inline constexpr int kTestKinds = static_cast<int>(Test::CustomGroup) + 1;

// Sets bit n of a test's outcomes.
inline void SetOutcome(PlannedTest &t, int n)
{
    t.outcomes[static_cast<std::size_t>(n >> 6)] |= std::uint64_t{1} << (n & 63);
}

// Bits low..high of a mask (empty when low > high).
inline std::uint64_t Bits(int low, int high)
{
    low = std::max(low, 0);
    high = std::min(high, 63);
    if (low > high) {
        return 0;
    }
    const std::uint64_t upTo = high == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (high + 1)) - 1;
    return upTo & (~std::uint64_t{0} << low);
}

// Some count of the range the completions reach passes (the outcomes by count).
inline bool CountMayPass(const PlannedTest &t, const CompletionBounds &b, int have, std::uint64_t mask)
{
    const auto [low, high] = b.CountRange(have, mask);
    return (t.outcomes[0] & Bits(low, high)) != 0;
}

// Three classes whose counts add up to the row's: some split of the remaining numbers passes.
inline bool ThreeWayMayPass(const PlannedTest &t, const CompletionBounds &b, int have0, int have1,
                            const std::array<std::uint64_t, 3> &masks)
{
    const int a0 = CountBits(b.rest & masks[0]);
    const int a1 = CountBits(b.rest & masks[1]);
    const int a2 = CountBits(b.rest & masks[2]);
    for (int x0 = 0; x0 <= std::min(b.r, a0); ++x0) {
        for (int x1 = 0; x1 <= std::min(b.r - x0, a1); ++x1) {
            if (b.r - x0 - x1 <= a2 && t.Passes((have0 + x0) * 11 + have1 + x1)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace detail

struct AbstractFilter::Engine::Tests {
    using CompletionBounds = detail::CompletionBounds;
    using LastVerdicts = detail::LastVerdicts;

    // The parts of a row's shape a test reads beyond the sum, bounds, mask and class counts.
    enum Reads : unsigned { kNothing = 0, kClassSums = 1, kTails = 2, kDifferences = 4, kRuns = 8 };

    // What a descriptor does unless it says otherwise. D is the descriptor.
    template <class D> struct Defaults {
        static constexpr std::uint32_t kCost = 1; // the work of one judging, relative to a few cases
        static constexpr unsigned kReads = kNothing;
        // Whether the verdict depends only on which numbers a row holds (games of mode m).
        static bool OrderFree(int /*m*/) { return true; }
        // Outcomes and lookups worked out once per load (PlannedTest::outcomes, lastByCount).
        static void Tabulate(Engine & /*e*/, PlannedTest & /*t*/) {}
        // The fields of RowShape::counts by which an untolerated test is one lookup for the last
        // position; false for a test that is not judged by class counts.
        static bool CountFields(const PlannedTest & /*t*/, std::uint8_t & /*first*/,
                                std::uint8_t & /*second*/)
        {
            return false;
        }
        // A failed row: the tolerance rule for the test's condition.
        static bool Failed(const Engine &e, const PlannedTest &t, const int * /*row*/, int &wrongCount)
        {
            return e.f.Tolerate(*t.condition, wrongCount);
        }
        // Whether some completion of a prefix of shape s within b may pass; true when the test
        // cannot be bounded cheaply.
        static bool MayPass(const Engine & /*e*/, const PlannedTest & /*t*/, const RowShape & /*s*/,
                            const CompletionBounds & /*b*/)
        {
            return true;
        }
        // The last numbers of last with which the row of prefix p passes: each tested as a row.
        static std::uint64_t LastPassing(const Engine &e, const PlannedTest &t, const RowShape & /*p*/,
                                         std::uint64_t last)
        {
            return e.LastNumbersPassingOneByOne(t, last);
        }
        // Judges the last numbers still passing in v, reporting through judged(t, tolerated,
        // passing).
        template <class Judged>
        static void JudgeLast(const Engine &e, PlannedTest &t, const RowShape &p, const LastVerdicts &v,
                              Judged &&judged)
        {
            judged(t, t.tolerated, D::LastPassing(e, t, p, v.pass));
        }
    };

    // Plans c at index when it is enabled.
    template <class Add> static void PlanIfEnabled(Add &&add, const Condition &c, int index = 0)
    {
        if (c.enabled()) {
            add(c, index);
        }
    }
    // Plans the enabled ones of the first count conditions, each at its index.
    template <class Add, std::size_t N>
    static void PlanEachEnabled(Add &&add, const std::array<Condition, N> &conditions, int count = N)
    {
        for (int i = 0; i < count; ++i) {
            PlanIfEnabled(add, conditions[static_cast<std::size_t>(i)], i);
        }
    }
    // Rates of two classes ("3:2"): bit n when a count of n of the class counted passes.
    static void TabulateRate(const Engine &e, PlannedTest &t)
    {
        const int k = e.f.positionCount;
        for (int n = 0; n <= k; ++n) {
            if (t.condition->Has(n * 10 + (k - n))) {
                detail::SetOutcome(t, n);
            }
        }
    }
    // Rates of three classes ("212"): bit 11 a + b for the counts of the first two.
    static void TabulateThreeWayRate(const Engine &e, PlannedTest &t,
                                     const std::array<std::uint64_t, 3> &masks)
    {
        const int k = e.f.positionCount;
        for (int a = 0; a <= k; ++a) {
            for (int b = 0; a + b <= k; ++b) {
                if (t.condition->Has(a * 100 + b * 10 + (k - a - b))) {
                    detail::SetOutcome(t, a * 11 + b);
                }
            }
        }
        t.lastByCount.assign(64, 0);
        for (int have0 = 0; have0 < 8; ++have0) {
            for (int have1 = 0; have1 < 8; ++have1) {
                t.lastByCount[(static_cast<std::size_t>(have0) * 8) + static_cast<std::size_t>(have1)] =
                    (t.Passes((have0 + 1) * 11 + have1) ? masks[0] : 0) |
                    (t.Passes(have0 * 11 + have1 + 1) ? masks[1] : 0) |
                    (t.Passes(have0 * 11 + have1) ? masks[2] : 0);
            }
        }
    }
    // Bit n for n = 0..63 when the condition has n (or allows n, for a count of a group).
    template <class Has> static void TabulateValues(PlannedTest &t, Has &&has)
    {
        for (int n = 0; n < 64; ++n) {
            if (has(n)) {
                detail::SetOutcome(t, n);
            }
        }
    }
    // The last numbers that pass with a prefix of have numbers of class cls: those of the class
    // when have + 1 passes, the others when have passes.
    static void TabulateByCount(PlannedTest &t, std::uint64_t cls)
    {
        t.lastByCount.assign(kMaxPositions + 1, 0);
        for (int have = 0; have <= kMaxPositions; ++have) {
            t.lastByCount[static_cast<std::size_t>(have)] =
                (t.Passes(have + 1) ? cls : 0) | (t.Passes(have) ? ~cls : 0);
        }
    }
    // The numbers 0..63 whose last digit passes with last digit d.
    template <class PassesWithTail> static std::uint64_t ByTail(const Engine &e, PassesWithTail &&passes)
    {
        std::uint64_t passing = 0;
        for (int d = 0; d < 10; ++d) {
            passing |= passes(d) ? e.classMasks.tail[static_cast<std::size_t>(d)] : 0;
        }
        return passing;
    }
    static std::uint64_t TailUnit(int d) { return std::uint64_t{1} << (4 * d); }

    // "kuaDu": the largest number less the smallest.
    struct Span : Defaults<Span> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.kuaDu);
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(s.largest - s.smallest);
        }
        static bool MayPass(const Engine &, const PlannedTest &t, const RowShape &s,
                            const CompletionBounds &b)
        {
            return t.condition->HasAnyIn(b.lowLast - s.smallest, b.highLast - s.smallest);
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return t.condition->Window(-static_cast<std::int64_t>(p.smallest));
        }
    };

    // "heZhi": the sum.
    struct Sum : Defaults<Sum> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.heZhi);
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(s.sum);
        }
        static bool MayPass(const Engine &, const PlannedTest &t, const RowShape &s,
                            const CompletionBounds &b)
        {
            return t.condition->HasAnyIn(s.sum + b.lowSum, s.sum + b.highSum);
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return t.condition->Window(p.sum);
        }
    };

    // "heZhiTail": the last digit of the sum.
    struct SumTail : Defaults<SumTail> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.heZhiTail);
        }
        static void Tabulate(Engine &, PlannedTest &t)
        {
            TabulateValues(t, [&](int n) { return t.condition->Has(n); });
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(s.sum % 10);
        }
        static std::uint64_t LastPassing(const Engine &e, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return ByTail(e, [&](int d) { return t.Passes((p.sum % 10 + d) % 10); });
        }
    };

    // "tailSum": the sum of the numbers' last digits.
    struct TailSum : Defaults<TailSum> {
        static constexpr unsigned kReads = kTails;
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.tailSum);
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(s.tailDigitSum);
        }
        static std::uint64_t LastPassing(const Engine &e, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return ByTail(e, [&](int d) { return t.condition->Has(p.tailDigitSum + d); });
        }
    };

    // "average": the rounded average; the last position tests its numbers one by one.
    struct Average : Defaults<Average> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.average);
        }
        static bool Passes(const Engine &e, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(detail::RoundedAverage(s.sum, e.f.positionCount));
        }
        // The rounded average grows with the sum.
        static bool MayPass(const Engine &e, const PlannedTest &t, const RowShape &s,
                            const CompletionBounds &b)
        {
            const int k = e.f.positionCount;
            return t.condition->HasAnyIn(detail::RoundedAverage(s.sum + b.lowSum, k),
                                         detail::RoundedAverage(s.sum + b.highSum, k));
        }
    };

    // "feiMa": none of the killed numbers.
    struct Killed : Defaults<Killed> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.feiMa);
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return (s.mask & t.condition->mask()) == 0;
        }
        static bool MayPass(const Engine &, const PlannedTest &t, const RowShape &s, const CompletionBounds &)
        {
            return (s.mask & t.condition->mask()) == 0;
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return (p.mask & t.condition->mask()) != 0 ? 0 : ~t.condition->mask();
        }
    };

    // The rates of two classes, "n:k-n" for n numbers of the class: big, odd or prime.
    template <class D> struct RateOfTwo : Defaults<D> {
        static void Tabulate(Engine &e, PlannedTest &t)
        {
            TabulateRate(e, t);
            TabulateByCount(t, D::Class(e));
        }
        static bool CountFields(const PlannedTest &, std::uint8_t &first, std::uint8_t &)
        {
            first = D::kField;
            return true;
        }
        static bool Passes(const Engine &e, const PlannedTest &t, const int *, const RowShape &s)
        {
            const int n = s.Field(D::kField);
            return t.condition->Has(n * 10 + (e.f.positionCount - n));
        }
        static bool MayPass(const Engine &e, const PlannedTest &t, const RowShape &s,
                            const CompletionBounds &b)
        {
            return detail::CountMayPass(t, b, s.Field(D::kField), D::Class(e));
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return t.LastByCount(p.Field(D::kField));
        }
    };
    // "bigSmallRate"
    struct BigSmallRate : RateOfTwo<BigSmallRate> {
        static constexpr std::uint8_t kField = RowShape::kBigField;
        static std::uint64_t Class(const Engine &e) { return e.classMasks.big; }
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.bigSmallRate);
        }
    };
    // "oddEvenRate"
    struct OddEvenRate : RateOfTwo<OddEvenRate> {
        static constexpr std::uint8_t kField = RowShape::kOddField;
        static std::uint64_t Class(const Engine &e) { return e.classMasks.odd; }
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.oddEvenRate);
        }
    };
    // "zhiHeRate"
    struct ZhiHeRate : RateOfTwo<ZhiHeRate> {
        static constexpr std::uint8_t kField = RowShape::kPrimeField;
        static std::uint64_t Class(const Engine &e) { return e.classMasks.prime; }
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.zhiHeRate);
        }
    };

    // The rates of three classes, "abc" for the counts of classes 0, 1 and 2: routes or areas.
    template <class D> struct RateOfThree : Defaults<D> {
        static void Tabulate(Engine &e, PlannedTest &t) { TabulateThreeWayRate(e, t, D::Classes(e)); }
        static bool CountFields(const PlannedTest &, std::uint8_t &first, std::uint8_t &second)
        {
            first = D::kFields;
            second = D::kFields + 1;
            return true;
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(s.Field(D::kFields) * 100 + s.Field(D::kFields + 1) * 10 +
                                    s.Field(D::kFields + 2));
        }
        static bool MayPass(const Engine &e, const PlannedTest &t, const RowShape &s,
                            const CompletionBounds &b)
        {
            return detail::ThreeWayMayPass(t, b, s.Field(D::kFields), s.Field(D::kFields + 1), D::Classes(e));
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return t.LastByCount(p.Field(D::kFields) * 8 + p.Field(D::kFields + 1));
        }
    };
    // "luShuRate"
    struct LuShuRate : RateOfThree<LuShuRate> {
        static constexpr std::uint8_t kFields = RowShape::kRouteFields;
        static const std::array<std::uint64_t, 3> &Classes(const Engine &e) { return e.classMasks.route; }
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.luShuRate);
        }
    };
    // "threeAreaRate"
    struct ThreeAreaRate : RateOfThree<ThreeAreaRate> {
        static constexpr std::uint8_t kFields = RowShape::kAreaFields;
        static const std::array<std::uint64_t, 3> &Classes(const Engine &e) { return e.classMasks.area; }
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.threeAreaRate);
        }
    };

    // "maximumNum": the largest number.
    struct Maximum : Defaults<Maximum> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.maximumNum);
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(s.largest);
        }
        static bool MayPass(const Engine &, const PlannedTest &t, const RowShape &, const CompletionBounds &b)
        {
            return t.condition->HasAnyIn(b.lowLast, b.highLast);
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &,
                                         std::uint64_t)
        {
            return t.condition->mask();
        }
    };

    // "minimumNum": the smallest number.
    struct Minimum : Defaults<Minimum> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.minimumNum);
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(s.smallest);
        }
        static bool MayPass(const Engine &, const PlannedTest &t, const RowShape &s, const CompletionBounds &)
        {
            return t.condition->Has(s.smallest);
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return t.condition->Has(p.smallest) ? ~std::uint64_t{0} : 0;
        }
    };

    // Counts of the numbers of a group ("lastNum": of the last draw, "ziDingYi": of a custom
    // group, "luShuNum": of a route, "wuXingNum": of an element): D::Count is the row's count and
    // D::Group the group's numbers 0..63.
    template <class D> struct GroupCount : Defaults<D> {
        static bool MayPass(const Engine &e, const PlannedTest &t, const RowShape &s,
                            const CompletionBounds &b)
        {
            return detail::CountMayPass(t, b, D::Count(t, s), D::Group(e, t));
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return t.LastByCount(D::Count(t, p));
        }
    };

    // "lastNum": how many numbers of the last draw.
    struct LastNum : GroupCount<LastNum> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.lastNum);
        }
        static int Count(const PlannedTest &t, const RowShape &s)
        {
            return CountBits(s.mask & t.condition->lastMask());
        }
        static std::uint64_t Group(const Engine &, const PlannedTest &t) { return t.condition->lastMask(); }
        static void Tabulate(Engine &, PlannedTest &t)
        {
            TabulateValues(t, [&](int n) { return t.condition->Has(n); });
            TabulateByCount(t, t.condition->lastMask());
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(Count(t, s));
        }
    };

    // "shaZuHeOne", "shaZuHeTwo": not every number inside the group.
    struct AllInside : Defaults<AllInside> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.shaZuHeOne);
            PlanIfEnabled(add, f.shaZuHeTwo);
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return (s.mask & ~t.condition->mask()) != 0;
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return (p.mask & ~t.condition->mask()) != 0 ? ~std::uint64_t{0} : ~t.condition->mask();
        }
    };

    // "lianMa": the code of the runs of consecutive numbers. Digit rows are read as their
    // distinct digits sorted, other rows as they stand.
    struct LianMa : Defaults<LianMa> {
        static constexpr unsigned kReads = kRuns;
        static bool OrderFree(int m) { return m == 0; }
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.lianMa);
        }
        // Lotto rows held ascending (their numbers are the bits of the row's mask) take one pass;
        // digit rows, short rows and rows in another order take the general path.
        static bool Passes(const Engine &e, const PlannedTest &t, const int *row, const RowShape &s)
        {
            const int k = e.f.positionCount;
            const int m = e.f.mode;
            return t.condition->Has(m != 0 && k >= 4 && k <= 7 && s.descents == 0 && s.smallest >= 0 &&
                                            s.largest < 64
                                        ? detail::GroupCode(s.runsOfSize, k)
                                        : e.f.util.GetLianMa(row, k, m));
        }
        static std::uint64_t LastPassing(const Engine &e, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t last)
        {
            const int k = e.f.positionCount;
            if (e.f.mode != 0 && k >= 4 && k <= 7 && p.largest + 2 < 64) {
                // The last number stands alone (the prefix's runs) or extends its last run.
                const std::uint64_t next = std::uint64_t{1} << (p.largest + 1);
                const std::uint8_t passing = e.RunVerdictsOf(*t.condition, p);
                return ((passing & 1U) != 0 ? ~next : 0) | ((passing & 2U) != 0 ? next : 0);
            }
            return e.LastNumbersPassingOneByOne(t, last);
        }
    };

    // "shapeSum00Small" .. "shapeSum08Lu2": the sum of the numbers of a class.
    struct ShapeSum : Defaults<ShapeSum> {
        static constexpr unsigned kReads = kClassSums;
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanEachEnabled(add, f.shapeSum);
        }
        static int SumOf(const RowShape &s, int index)
        {
            const int sums[9] = {s.quotientSum[0], s.quotientSum[1],  s.paritySum[1],
                                 s.paritySum[0],   s.seedPrimeSum[1], s.seedPrimeSum[0],
                                 s.routeSum[0],    s.routeSum[1],     s.routeSum[2]};
            return sums[index];
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(SumOf(s, t.index));
        }
        // The sum of a class grows by the last number when it is of that class.
        static std::uint64_t LastPassing(const Engine &e, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            const detail::ClassMasks &m = e.classMasks;
            const std::uint64_t classes[9] = {m.quotient[0], m.quotient[1], m.odd,
                                              ~m.odd,        m.seedPrime,   ~m.seedPrime,
                                              m.route[0],    m.route[1],    m.route[2]};
            const int sum = SumOf(p, t.index);
            const std::uint64_t cls = classes[t.index];
            return (t.condition->Window(sum) & cls) | (t.condition->Has(sum) ? ~cls : 0);
        }
    };

    // "linHaoLag": the largest gap between neighbours in the row's order.
    struct BiggestLag : Defaults<BiggestLag> {
        static bool OrderFree(int) { return false; }
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.linHaoLag);
        }
        static bool Passes(const Engine &e, const PlannedTest &t, const int *row, const RowShape &)
        {
            return t.condition->Has(e.f.util.GetBiggestLag(row, e.f.positionCount));
        }
    };

    // "acValue": the distinct differences of the numbers, less k - 1.
    struct Ac : Defaults<Ac> {
        static constexpr unsigned kReads = kDifferences;
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.acValue);
        }
        // By the number of distinct differences of the row.
        static void Tabulate(Engine &e, PlannedTest &t)
        {
            const int k = e.f.positionCount;
            TabulateValues(t, [&](int n) { return t.condition->Has(n - (k - 1)); });
        }
        static bool Passes(const Engine &e, const PlannedTest &t, const int *row, const RowShape &s)
        {
            const int k = e.f.positionCount;
            return t.condition->Has(
                (s.exactDifferences ? CountBits(s.differences) : detail::DistinctDifferences(row, k, s)) -
                (k - 1));
        }
        // The new differences of the last number are to the numbers below it.
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t last)
        {
            if (!p.exactDifferences) {
                return 0; // never reached: rows with numbers 0..63 keep exact differences
            }
            std::uint64_t passing = 0;
            for (std::uint64_t rest = last; rest != 0; rest &= rest - 1) {
                const int number = __builtin_ctzll(rest);
                const std::uint64_t differences = p.differences | (p.reversed >> (63 - number));
                passing |= ((t.outcomes[0] >> CountBits(differences)) & 1U) << number;
            }
            return passing;
        }
    };

    // "tail": every last digit is a chosen one.
    struct Tail : Defaults<Tail> {
        static constexpr unsigned kReads = kTails;
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.tail);
        }
        // The numbers 0..63 whose last digit passes.
        static void Tabulate(Engine &e, PlannedTest &t)
        {
            for (int d = 0; d < 10; ++d) {
                t.outcomes[0] |= t.condition->Has(d) ? e.classMasks.tail[static_cast<std::size_t>(d)] : 0;
            }
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return (s.tailMask & ~static_cast<std::uint32_t>(t.condition->mask())) == 0;
        }
        static bool MayPass(const Engine &, const PlannedTest &t, const RowShape &s, const CompletionBounds &)
        {
            return (s.tailMask & ~static_cast<std::uint32_t>(t.condition->mask())) == 0;
        }
        static std::uint64_t LastPassing(const Engine &, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            if ((p.tailMask & ~static_cast<std::uint32_t>(t.condition->mask())) != 0) {
                return 0;
            }
            return t.outcomes[0];
        }
    };

    // "sameTail": a chosen last digit shared by two or more numbers.
    struct SameTail : Defaults<SameTail> {
        static constexpr unsigned kReads = kTails;
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.sameTail);
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return detail::SameTailPasses(*t.condition, s.tailCounts);
        }
        static std::uint64_t LastPassing(const Engine &e, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return ByTail(
                e, [&](int d) { return detail::SameTailPasses(*t.condition, p.tailCounts + TailUnit(d)); });
        }
    };

    // "sameTailNum": the group code of the shared last digits.
    struct SameTailNum : Defaults<SameTailNum> {
        static constexpr unsigned kReads = kTails;
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanIfEnabled(add, f.sameTailNum);
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(detail::SameTailGroupCode(s.tailCounts));
        }
        static std::uint64_t LastPassing(const Engine &e, const PlannedTest &t, const RowShape &p,
                                         std::uint64_t)
        {
            return ByTail(e, [&](int d) {
                return t.condition->Has(detail::SameTailGroupCode(p.tailCounts + TailUnit(d)));
            });
        }
    };

    // Counts of a class of RowShape::counts ("luShuNum": a route, "wuXingNum": an element).
    template <class D> struct ClassCount : GroupCount<D> {
        static int Count(const PlannedTest &t, const RowShape &s) { return s.Field(D::kFields + t.index); }
        static void Tabulate(Engine &e, PlannedTest &t)
        {
            TabulateValues(t, [&](int n) { return t.condition->Has(n); });
            TabulateByCount(t, D::Group(e, t));
        }
        static bool CountFields(const PlannedTest &t, std::uint8_t &first, std::uint8_t &)
        {
            first = static_cast<std::uint8_t>(D::kFields + t.index);
            return true;
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Has(Count(t, s));
        }
    };
    // "luShuNum0" .. "luShuNum2"
    struct RouteCount : ClassCount<RouteCount> {
        static constexpr int kFields = RowShape::kRouteFields;
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanEachEnabled(add, f.luShuNum);
        }
        static std::uint64_t Group(const Engine &e, const PlannedTest &t)
        {
            return e.classMasks.route[t.index];
        }
    };
    // "wuXingNum0" .. "wuXingNum4"
    struct WuXingCount : ClassCount<WuXingCount> {
        static constexpr int kFields = RowShape::kElementFields;
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanEachEnabled(add, f.wuXingNum);
        }
        static std::uint64_t Group(const Engine &e, const PlannedTest &t)
        {
            return e.classMasks.element[t.index];
        }
    };

    // "erWeiHe", "erWeiCha", "erWeiMa" of two positions: their sum, their difference and the code
    // of the two numbers, in that order, each tolerated on its own. Planned once per pair with
    // any of them enabled; a pair that passes all three is one lookup.
    struct Pair : Defaults<Pair> {
        static bool OrderFree(int) { return false; }
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            for (int p = 0; p < f.pairCount; ++p) {
                if (f.erWeiHe[p].enabled() || f.erWeiCha[p].enabled() || f.erWeiMa[p].enabled()) {
                    add(f.erWeiHe[p], p);
                }
            }
        }
        static void Tabulate(Engine &e, PlannedTest &t)
        {
            const AbstractFilter &f = e.f;
            const int p = t.index;
            detail::PairTable &table = e.pairTables[static_cast<std::size_t>(p)];
            for (int a = 0; a < 64; ++a) {
                for (int b = 0; b < 64; ++b) {
                    bool all =
                        (!f.erWeiHe[p].enabled() || f.erWeiHe[p].Has(a + b)) &&
                        (!f.erWeiCha[p].enabled() || f.erWeiCha[p].Has(std::abs(b - a))) &&
                        (!f.erWeiMa[p].enabled() || f.erWeiMa[p].HasPairCode(std::min(a, b), std::max(a, b)));
                    if (all) {
                        table.pass[a] |= std::uint64_t{1} << b;
                    }
                }
            }
        }
        static bool Passes(const Engine &e, const PlannedTest &t, const int *row, const RowShape &)
        {
            const int a = row[e.f.pairs[t.index][0]];
            const int b = row[e.f.pairs[t.index][1]];
            return a >= 0 && a < 64 && b >= 0 && b < 64 && ((e.pairTables[t.index].pass[a] >> b) & 1U) != 0;
        }
        // The conditions one by one, each with its own tolerance.
        static bool Failed(const Engine &e, const PlannedTest &t, const int *row, int &wrongCount)
        {
            return e.PairPasses(t.index, row[e.f.pairs[t.index][0]], row[e.f.pairs[t.index][1]], wrongCount);
        }
        template <class Judged>
        static void JudgeLast(const Engine &e, PlannedTest &t, const RowShape &, const LastVerdicts &v,
                              Judged &&judged)
        {
            const AbstractFilter &f = e.f;
            const int k = f.positionCount;
            const int p = t.index;
            const int a = e.levelRow[f.pairs[p][0]];
            const bool withLast = f.pairs[p][1] == k - 1;
            const int b = withLast ? -1 : e.levelRow[f.pairs[p][1]];
            auto judge = [&](const Condition &c, auto &&passesWith) {
                if (!c.enabled()) {
                    return;
                }
                std::uint64_t passing = 0;
                if (withLast) {
                    for (std::uint64_t rest = v.pass; rest != 0; rest &= rest - 1) {
                        const int number = __builtin_ctzll(rest);
                        passing |= passesWith(number) ? std::uint64_t{1} << number : 0;
                    }
                } else {
                    passing = passesWith(b) ? v.pass : 0;
                }
                judged(t, c.canBeWrong(), passing);
            };
            judge(f.erWeiHe[p], [&](int other) { return f.erWeiHe[p].Has(a + other); });
            judge(f.erWeiCha[p], [&](int other) { return f.erWeiCha[p].Has(std::abs(other - a)); });
            judge(f.erWeiMa[p], [&](int other) {
                return f.erWeiMa[p].HasPairCode(std::min(a, other), std::max(a, other));
            });
        }
    };

    // "ziDingYi0" .. : how many numbers of a custom group.
    struct CustomGroup : GroupCount<CustomGroup> {
        template <class Add> static void Plan(const AbstractFilter &f, Add &&add)
        {
            PlanEachEnabled(add, f.ziDingYi, f.customGroupCount);
        }
        static int Count(const PlannedTest &t, const RowShape &s)
        {
            return CountBits(s.mask & t.condition->mask());
        }
        static std::uint64_t Group(const Engine &, const PlannedTest &t) { return t.condition->mask(); }
        static void Tabulate(Engine &, PlannedTest &t)
        {
            TabulateValues(t, [&](int n) { return t.condition->Allows(n); });
            TabulateByCount(t, t.condition->mask());
        }
        static bool Passes(const Engine &, const PlannedTest &t, const int *, const RowShape &s)
        {
            return t.condition->Allows(Count(t, s));
        }
    };

    // The descriptor of a kind of test: visit(Descriptor{}).
    template <class Visitor>
    [[gnu::always_inline]] static inline decltype(auto) Visit(Test test, Visitor &&visit)
    {
        switch (test) {
        case Test::Span:
            return visit(Span{});
        case Test::Sum:
            return visit(Sum{});
        case Test::SumTail:
            return visit(SumTail{});
        case Test::TailSum:
            return visit(TailSum{});
        case Test::Average:
            return visit(Average{});
        case Test::Killed:
            return visit(Killed{});
        case Test::BigSmallRate:
            return visit(BigSmallRate{});
        case Test::OddEvenRate:
            return visit(OddEvenRate{});
        case Test::ZhiHeRate:
            return visit(ZhiHeRate{});
        case Test::LuShuRate:
            return visit(LuShuRate{});
        case Test::ThreeAreaRate:
            return visit(ThreeAreaRate{});
        case Test::Maximum:
            return visit(Maximum{});
        case Test::Minimum:
            return visit(Minimum{});
        case Test::LastNum:
            return visit(LastNum{});
        case Test::AllInside:
            return visit(AllInside{});
        case Test::LianMa:
            return visit(LianMa{});
        case Test::ShapeSum:
            return visit(ShapeSum{});
        case Test::BiggestLag:
            return visit(BiggestLag{});
        case Test::Ac:
            return visit(Ac{});
        case Test::Tail:
            return visit(Tail{});
        case Test::SameTail:
            return visit(SameTail{});
        case Test::SameTailNum:
            return visit(SameTailNum{});
        case Test::RouteCount:
            return visit(RouteCount{});
        case Test::WuXingCount:
            return visit(WuXingCount{});
        case Test::Pair:
            return visit(Pair{});
        case Test::CustomGroup:
            break;
        }
        return visit(CustomGroup{}); // the last kind, and where no other kind is stored
    }

    // Every kind of test in its fixed order: visit(kind, Descriptor{}).
    template <class Visitor> static void ForEach(Visitor &&visit)
    {
        for (int kind = 0; kind < detail::kTestKinds; ++kind) {
            const auto test = static_cast<Test>(kind);
            Visit(test, [&](auto descriptor) { visit(test, descriptor); });
        }
    }
};

} // namespace calculation

// The first-level tests on every last number of a prefix at once. In a lexicographic enumeration
// of ascending rows, the rows below a prefix one short of a row differ only in their last number;
// each test's outcome then falls into a few cases (the last number odd or even, in a route, in a
// group, adjacent to the prefix or not) or follows the number itself (sum, span, largest), so it
// is worked out for all of them as a 64-bit mask. A row then costs a lookup.
#include <algorithm>

#include "calculation/abstract_filter.h"
#include "filter_engine.h"

namespace calculation {
namespace {

std::uint64_t Above(int v)
{
    return v >= 63 ? 0 : (v < 0 ? ~std::uint64_t{0} : ~std::uint64_t{0} << (v + 1));
}

} // namespace

using detail::CountLookup;
using detail::GroupCode;
using detail::LastVerdicts;
using detail::PlannedTest;
using detail::RoundedAverage;
using detail::RowShape;
using detail::RunCodeWithRunGrown;
using detail::RunsWithRunGrown;
using detail::RunVerdicts;
using detail::SameTailGroupCode;
using detail::SameTailPasses;
using detail::Test;

void detail::LastVerdicts::AddFailures(std::uint64_t failed)
{
    // A counter per number, added to in parallel; counts stop at 15 (far above any maxWrong).
    const std::uint64_t full = failures[0] & failures[1] & failures[2] & failures[3];
    std::uint64_t carry = failed & ~full;
    for (std::uint64_t &plane : failures) {
        const std::uint64_t next = plane & carry;
        plane ^= carry;
        carry = next;
    }
}

// Called once per test of a judged prefix, and only here: inlined into JudgeLastNumbers.
[[gnu::always_inline]] inline std::uint64_t
AbstractFilter::Engine::LastNumbersPassing(const PlannedTest &t, const RowShape &p, std::uint64_t last) const
{
    const Condition &c = *t.condition;
    const int k = f.positionCount;
    const std::uint64_t all = ~std::uint64_t{0};
    // Outcomes by the last digit of the last number.
    auto byTail = [&](auto &&passesWithTail) {
        std::uint64_t passing = 0;
        for (int d = 0; d < 10; ++d) {
            passing |= passesWithTail(d) ? classMasks.tail[d] : 0;
        }
        return passing;
    };
    switch (t.test) {
    case Test::Span:
        return c.Window(-static_cast<std::int64_t>(p.smallest));
    case Test::Sum:
        return c.Window(p.sum);
    case Test::SumTail:
        return byTail([&](int d) { return t.Passes((p.sum % 10 + d) % 10); });
    case Test::TailSum:
        return byTail([&](int d) { return c.Has(p.tailDigitSum + d); });
    case Test::Average:
        return LastNumbersPassingOneByOne(t, last);
    case Test::Killed:
        return (p.mask & c.mask()) != 0 ? 0 : ~c.mask();
    case Test::BigSmallRate:
        return t.LastByCount(p.big());
    case Test::OddEvenRate:
        return t.LastByCount(p.odd());
    case Test::ZhiHeRate:
        return t.LastByCount(p.prime());
    case Test::LuShuRate:
        return t.LastByCount(p.route(0) * 8 + p.route(1));
    case Test::ThreeAreaRate:
        return t.LastByCount(p.area(0) * 8 + p.area(1));
    case Test::Maximum:
        return c.mask();
    case Test::Minimum:
        return c.Has(p.smallest) ? all : 0;
    case Test::LastNum:
        return t.LastByCount(CountBits(p.mask & c.lastMask()));
    case Test::AllInside:
        return (p.mask & ~c.mask()) != 0 ? all : ~c.mask();
    case Test::LianMa:
        if (f.mode != 0 && k >= 4 && k <= 7 && p.largest + 2 < 64) {
            // The last number stands alone (the prefix's runs) or extends its last run.
            const std::uint64_t next = std::uint64_t{1} << (p.largest + 1);
            const std::uint8_t passing = RunVerdictsOf(c, p);
            return ((passing & 1U) != 0 ? ~next : 0) | ((passing & 2U) != 0 ? next : 0);
        }
        return LastNumbersPassingOneByOne(t, last);
    case Test::ShapeSum: {
        // The sum of a class grows by the last number when it is of that class.
        const int sums[9] = {p.quotientSum[0], p.quotientSum[1],  p.paritySum[1],
                             p.paritySum[0],   p.seedPrimeSum[1], p.seedPrimeSum[0],
                             p.routeSum[0],    p.routeSum[1],     p.routeSum[2]};
        const std::uint64_t classes[9] = {
            classMasks.quotient[0], classMasks.quotient[1], classMasks.odd,
            ~classMasks.odd,        classMasks.seedPrime,   ~classMasks.seedPrime,
            classMasks.route[0],    classMasks.route[1],    classMasks.route[2]};
        const int sum = sums[t.index];
        const std::uint64_t cls = classes[t.index];
        return (c.Window(sum) & cls) | (c.Has(sum) ? ~cls : 0);
    }
    case Test::BiggestLag:
        return LastNumbersPassingOneByOne(t, last);
    case Test::Ac: {
        if (!p.exactDifferences) {
            return 0; // never reached: rows with numbers 0..63 keep exact differences
        }
        // The new differences of the last number are to the numbers below it; bit c of
        // outcomes[0] says c distinct differences pass.
        std::uint64_t passing = 0;
        for (std::uint64_t rest = last; rest != 0; rest &= rest - 1) {
            const int number = __builtin_ctzll(rest);
            const std::uint64_t differences = p.differences | (p.reversed >> (63 - number));
            passing |= ((t.outcomes[0] >> CountBits(differences)) & 1U) << number;
        }
        return passing;
    }
    case Test::Tail:
        if ((p.tailMask & ~static_cast<std::uint32_t>(c.mask())) != 0) {
            return 0;
        }
        return t.outcomes[0];
    case Test::SameTail:
        return byTail([&](int d) { return SameTailPasses(c, p.tailCounts + (std::uint64_t{1} << (4 * d))); });
    case Test::SameTailNum:
        return byTail(
            [&](int d) { return c.Has(SameTailGroupCode(p.tailCounts + (std::uint64_t{1} << (4 * d)))); });
    case Test::RouteCount:
        return t.LastByCount(p.route(t.index));
    case Test::WuXingCount:
        return t.LastByCount(p.element(t.index));
    case Test::CustomGroup:
        return t.LastByCount(CountBits(p.mask & c.mask()));
    case Test::Pair:
        break; // judged condition by condition by the caller
    }
    return all;
}

std::uint8_t AbstractFilter::Engine::RunVerdictsOf(const Condition &c, const RowShape &p) const
{
    const int k = f.positionCount;
    const std::uint64_t runsOfSize = p.runsOfSize;
    const int lastRun = p.lastRun;
    const std::uint64_t key = (runsOfSize << 4) | static_cast<std::uint64_t>(lastRun);
    RunVerdicts &entry = runVerdicts[(key * 0x9E3779B97F4A7C15ULL) >> 60];
    if (entry.key != key) {
        entry.key = key;
        entry.passing =
            static_cast<std::uint8_t>((c.Has(GroupCode(runsOfSize, k)) ? 1U : 0U) |
                                      (c.Has(RunCodeWithRunGrown(k, runsOfSize, lastRun)) ? 2U : 0U));
    }
    return entry.passing;
}

std::uint64_t AbstractFilter::LastNumbersMayPass(std::uint64_t numbers) const
{
    for (const AbstractFilter *stage = this; stage != nullptr && numbers != 0; stage = stage->next) {
        numbers = stage->OwnLastNumbersMayPass(numbers);
    }
    return numbers;
}

std::uint64_t AbstractFilter::OwnLastNumbersMayPass(std::uint64_t numbers) const
{
    if (!engine_->JudgeLastNumbers(numbers)) {
        return numbers;
    }
    // The numbers left unjudged are tested row by row.
    return engine_->lastVerdicts.pass | (numbers & ~engine_->lastVerdicts.numbers);
}

bool AbstractFilter::Engine::JudgeLastNumbers(std::uint64_t last)
{
    LastVerdicts &v = lastVerdicts;
    v.known = false;
    const int k = f.positionCount;
    // Counts stop at 15, so a larger tolerance is left to the rows themselves.
    if (prefixLength != k - 1 || k < 2 || !UsesShapes() || f.maxWrong >= 15) {
        return false;
    }
    const RowShape &p = levelShapes[prefixLength];
    // Ascending rows of numbers 0..63 only: the last number is the largest and new to the row.
    if (p.descents != 0 || p.smallest < 0 || p.largest >= 63) {
        return false;
    }
    last &= Above(p.largest);
    v.numbers = last;
    v.pass = last;
    v.failures = {};
    if (f.pos[k - 1].enabled()) {
        v.pass &= f.pos[k - 1].mask(); // fixed numbers of the last position, never tolerated
    }
    if (anyBankerGroup) {
        std::uint64_t completes = 0;
        for (const Condition &g : f.danMa) {
            if (!g.enabled()) {
                continue;
            }
            const std::uint64_t missing = g.mask() & ~p.mask;
            completes |= missing == 0 ? ~std::uint64_t{0} : (CountBits(missing) == 1 ? missing : 0);
        }
        v.pass &= completes;
    }
    for (const CountLookup &lookup : countLookups) {
        v.pass &= lookup.Passing(p);
    }
    // v.pass keeps the numbers that can still pass: a test is judged on them only, and once none
    // is left the others need not be judged.
    auto judged = [&](PlannedTest &t, bool tolerated, std::uint64_t passing) {
        const std::uint64_t failed = v.pass & ~passing;
        if (failed == 0) {
            return;
        }
        if (!tolerated) {
            v.pass &= passing;
            t.rejections += v.pass == 0 ? 1 : 0; // it left no number to judge
            return;
        }
        v.AddFailures(failed);
        for (std::uint64_t rest = failed; rest != 0; rest &= rest - 1) {
            const int number = __builtin_ctzll(rest);
            if (v.FailuresOf(number) > f.maxWrong) {
                v.pass &= ~(std::uint64_t{1} << number);
            }
        }
    };
    for (PlannedTest &t : plan) {
        if (v.pass == 0) {
            break;
        }
        if (t.judgedByCount) {
            continue;
        }
        if (t.test == Test::Pair) {
            // The three conditions of a pair are tolerated one by one.
            const int a = levelRow[f.pairs[t.index][0]];
            const bool withLast = f.pairs[t.index][1] == k - 1;
            const int b = withLast ? -1 : levelRow[f.pairs[t.index][1]];
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
            const int p0 = t.index;
            judge(f.erWeiHe[p0], [&](int other) { return f.erWeiHe[p0].Has(a + other); });
            judge(f.erWeiCha[p0], [&](int other) { return f.erWeiCha[p0].Has(std::abs(other - a)); });
            judge(f.erWeiMa[p0], [&](int other) {
                return f.erWeiMa[p0].HasPairCode(std::min(a, other), std::max(a, other));
            });
        } else {
            judged(t, t.tolerated, LastNumbersPassing(t, p, v.pass));
        }
    }
    constexpr std::uint32_t kPrefixesBetweenOrderings = 1U << 12;
    if (++testedSinceOrdering >= kPrefixesBetweenOrderings) {
        testedSinceOrdering = 0;
        OrderPlanByRejections();
    }
    v.known = true;
    return true;
}

std::uint64_t AbstractFilter::Engine::LastNumbersPassingOneByOne(const PlannedTest &t,
                                                                 std::uint64_t last) const
{
    const int k = f.positionCount;
    int row[kMaxPositions];
    std::copy(levelRow.begin(), levelRow.begin() + (k - 1), row);
    RowShape s = levelShapes[k - 1];
    std::uint64_t passing = 0;
    for (std::uint64_t rest = last; rest != 0; rest &= rest - 1) {
        const int number = __builtin_ctzll(rest);
        row[k - 1] = number;
        RowShape whole = s;
        AddToShape(whole, number);
        int failures = 0;
        // Tested as a row would be: a failure of the test, tolerated or not, leaves the number out.
        if (RunPlannedTest(t, row, whole, failures) && failures == 0) {
            passing |= std::uint64_t{1} << number;
        }
    }
    return passing;
}

} // namespace calculation

// The first-level tests on every last number of a prefix at once. In a lexicographic enumeration
// of ascending rows, the rows below a prefix one short of a row differ only in their last number;
// each test's outcome then falls into a few cases (the last number odd or even, in a route, in a
// group, adjacent to the prefix or not) or follows the number itself (sum, span, largest), so it
// is worked out for all of them as a 64-bit mask. A row then costs a lookup. Each test's mask is
// its descriptor's LastPassing (first_level_tests.h).
#include <algorithm>

#include "calculation/abstract_filter.h"
#include "filter_engine.h"
#include "first_level_tests.h"

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
using detail::RowShape;
using detail::RunCodeWithRunGrown;
using detail::RunVerdicts;

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
        Tests::Visit(t.test, [&](auto d) { decltype(d)::JudgeLast(*this, t, p, v, judged); });
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

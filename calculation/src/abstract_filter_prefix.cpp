// What a prefix's completions can still give: the first-level tests that every completion of an
// announced prefix fails. A lexicographic enumeration skips such a prefix's whole subtree.
//
// Only bounds that cost a few operations are taken: the range of the sum, of the largest number
// and of each class count that the remaining numbers can reach. A test whose outcome needs the
// whole row (AC value, runs, tails shared, pairs of positions) is left to the rows themselves.
#include <algorithm>

#include "calculation/abstract_filter.h"
#include "filter_engine.h"

namespace calculation {

using detail::CompletionBounds;
using detail::GroupCode;
using detail::PlannedTest;
using detail::RoundedAverage;
using detail::RowShape;
using detail::RunCodeWithRunGrown;
using detail::RunsWithRunGrown;
using detail::SameTailGroupCode;
using detail::SameTailPasses;
using detail::Test;

namespace {

// Bits low..high of a mask (empty when low > high).
std::uint64_t Bits(int low, int high)
{
    low = std::max(low, 0);
    high = std::min(high, 63);
    if (low > high) {
        return 0;
    }
    const std::uint64_t upTo = high == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (high + 1)) - 1;
    return upTo & (~std::uint64_t{0} << low);
}

} // namespace

bool AbstractFilter::Engine::OwnPrefixMayPass(const Completion &c, int &certainFailures) const
{
    const int length = prefixLength;
    const int k = f.positionCount;
    if (length == 0 || length > k) {
        return true;
    }
    // Fixed positions are never tolerated.
    for (int i : fixedPositions) {
        if (i < length && !f.pos[i].Has(levelRow[i])) {
            return false;
        }
    }
    if (!UsesShapes()) {
        return true;
    }
    CompletionBounds b;
    b.k = k;
    b.r = k - length;
    b.rest = c.numbers;
    if (CountBits(b.rest) < b.r) {
        return false; // no completion at all
    }
    const RowShape &s = levelShapes[length];
    b.lowLast = b.highLast = s.largest;
    std::uint64_t low = b.rest;
    for (int i = 0; i < b.r; ++i) {
        const int v = __builtin_ctzll(low);
        low &= low - 1;
        b.lowSum += v;
        b.lowLast = v;
    }
    std::uint64_t high = b.rest;
    for (int i = 0; i < b.r; ++i) {
        const int v = 63 - __builtin_clzll(high);
        high &= ~(std::uint64_t{1} << v);
        b.highSum += v;
        if (i == 0) {
            b.highLast = v;
        }
    }
    if (anyBankerGroup) {
        bool possible = std::any_of(f.danMa.begin(), f.danMa.end(), [&](const Condition &g) {
            const std::uint64_t missing = g.mask() & ~s.mask;
            return g.enabled() && (missing & ~b.rest) == 0 && CountBits(missing) <= b.r;
        });
        if (!possible) {
            return false;
        }
    }
    for (const PlannedTest &t : plan) {
        if (!PlannedTestMayPass(t, s, b) && !f.Tolerate(*t.condition, certainFailures)) {
            return false;
        }
    }
    return true;
}

bool AbstractFilter::Engine::PlannedTestMayPass(const PlannedTest &t, const RowShape &s,
                                                const CompletionBounds &b) const
{
    const Condition &c = *t.condition;
    const int k = b.k;
    // Some count of the range passes.
    auto counted = [&](int have, std::uint64_t mask) {
        const auto [low, high] = b.CountRange(have, mask);
        return (t.outcomes[0] & Bits(low, high)) != 0;
    };
    // Three classes whose counts add up to the row's: every split of the remaining numbers.
    auto threeWay = [&](int have0, int have1, const std::array<std::uint64_t, 3> &masks) {
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
    };
    switch (t.test) {
    case Test::Span:
        return c.HasAnyIn(b.lowLast - s.smallest, b.highLast - s.smallest);
    case Test::Sum:
        return c.HasAnyIn(s.sum + b.lowSum, s.sum + b.highSum);
    case Test::Average: // the rounded average grows with the sum
        return c.HasAnyIn(RoundedAverage(s.sum + b.lowSum, k), RoundedAverage(s.sum + b.highSum, k));
    case Test::Killed:
        return (s.mask & c.mask()) == 0;
    case Test::BigSmallRate:
        return counted(s.big(), classMasks.big);
    case Test::OddEvenRate:
        return counted(s.odd(), classMasks.odd);
    case Test::ZhiHeRate:
        return counted(s.prime(), classMasks.prime);
    case Test::LuShuRate:
        return threeWay(s.route(0), s.route(1), classMasks.route);
    case Test::ThreeAreaRate:
        return threeWay(s.area(0), s.area(1), classMasks.area);
    case Test::Maximum:
        return c.HasAnyIn(b.lowLast, b.highLast);
    case Test::Minimum:
        return c.Has(s.smallest);
    case Test::LastNum:
        return counted(CountBits(s.mask & c.lastMask()), c.lastMask());
    case Test::Tail:
        return (s.tailMask & ~static_cast<std::uint32_t>(c.mask())) == 0;
    case Test::RouteCount:
        return counted(s.route(t.index), classMasks.route[t.index]);
    case Test::WuXingCount:
        return counted(s.element(t.index), classMasks.element[t.index]);
    case Test::CustomGroup:
        return counted(CountBits(s.mask & c.mask()), c.mask());
    default:
        return true;
    }
}

bool AbstractFilter::OwnPrefixMayPass(const Completion &c, int &certainFailures) const
{
    return engine_->OwnPrefixMayPass(c, certainFailures);
}

} // namespace calculation

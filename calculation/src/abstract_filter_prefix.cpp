// What a prefix's completions can still give: the first-level tests that every completion of an
// announced prefix fails. A lexicographic enumeration skips such a prefix's whole subtree.
//
// Only bounds that cost a few operations are taken: the range of the sum, of the largest number
// and of each class count that the remaining numbers can reach. A test whose outcome needs the
// whole row (AC value, runs, tails shared, pairs of positions) is left to the rows themselves.
// Each test's bound is its descriptor's MayPass (first_level_tests.h).
#include <algorithm>

#include "calculation/abstract_filter.h"
#include "filter_engine.h"
#include "first_level_tests.h"

namespace calculation {

using detail::CompletionBounds;
using detail::PlannedTest;
using detail::RowShape;

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
    return Tests::Visit(t.test, [&](auto d) { return decltype(d)::MayPass(*this, t, s, b); });
}

bool AbstractFilter::OwnPrefixMayPass(const Completion &c, int &certainFailures) const
{
    return engine_->OwnPrefixMayPass(c, certainFailures);
}

} // namespace calculation

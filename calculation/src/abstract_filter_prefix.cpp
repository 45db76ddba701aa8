// What a prefix's completions can still give: the first-level tests that every completion of an
// announced prefix fails. A lexicographic enumeration skips such a prefix's whole subtree.
//
// Only bounds that cost a few operations are taken: the range of the sum, of the largest number
// and of each class count that the remaining numbers can reach. A test whose outcome needs the
// whole row (AC value, runs, tails shared, pairs of positions) is left to the rows themselves.
#include <algorithm>

#include "calculation/abstract_filter.h"

namespace calculation {

struct AbstractFilter::CompletionBounds {
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

bool AbstractFilter::OwnPrefixMayPass(const Completion &c, int &certainFailures) const
{
    const int length = prefixLength_;
    const int k = positionCount;
    if (length == 0 || length > k) {
        return true;
    }
    // Fixed positions are never tolerated.
    for (int i : fixedPositions_) {
        if (i < length && !pos[i].Has(levelRow_[i])) {
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
    const RowShape &s = levelShapes_[length];
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
    if (anyBankerGroup_) {
        bool possible = std::any_of(danMa.begin(), danMa.end(), [&](const Condition &g) {
            const std::uint64_t missing = g.mask() & ~s.mask;
            return g.enabled() && (missing & ~b.rest) == 0 && CountBits(missing) <= b.r;
        });
        if (!possible) {
            return false;
        }
    }
    for (const PlannedTest &t : plan_) {
        if (!PlannedTestMayPass(t, s, b) && !Tolerate(*t.condition, certainFailures)) {
            return false;
        }
    }
    return true;
}

bool AbstractFilter::PlannedTestMayPass(const PlannedTest &t, const RowShape &s,
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
        return counted(s.big(), classMasks_.big);
    case Test::OddEvenRate:
        return counted(s.odd(), classMasks_.odd);
    case Test::ZhiHeRate:
        return counted(s.prime(), classMasks_.prime);
    case Test::LuShuRate:
        return threeWay(s.route(0), s.route(1), classMasks_.route);
    case Test::ThreeAreaRate:
        return threeWay(s.area(0), s.area(1), classMasks_.area);
    case Test::Maximum:
        return c.HasAnyIn(b.lowLast, b.highLast);
    case Test::Minimum:
        return c.Has(s.smallest);
    case Test::LastNum:
        return counted(CountBits(s.mask & c.lastMask()), c.lastMask());
    case Test::Tail:
        return (s.tailMask & ~static_cast<std::uint32_t>(c.mask())) == 0;
    case Test::RouteCount:
        return counted(s.route(t.index), classMasks_.route[t.index]);
    case Test::WuXingCount:
        return counted(s.element(t.index), classMasks_.element[t.index]);
    case Test::CustomGroup:
        return counted(CountBits(s.mask & c.mask()), c.mask());
    default:
        return true;
    }
}

} // namespace calculation

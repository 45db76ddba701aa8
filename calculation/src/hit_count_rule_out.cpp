#include "calculation/hit_count_rule_out.h"

#include <algorithm>

namespace calculation {
namespace {

// The numbers above v, as a mask.
std::uint64_t Above(int v)
{
    if (v < 0) {
        return ~std::uint64_t{0};
    }
    return v >= 63 ? 0 : ~std::uint64_t{0} << (v + 1);
}

// Bits low..high of a mask of hit counts (counts above 63 never occur: a row has at most ten
// numbers).
std::uint64_t CountRange(int low, int high)
{
    low = std::clamp(low, 0, 63);
    high = std::clamp(high, 0, 63);
    if (low > high) {
        return 0;
    }
    std::uint64_t upTo = high == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (high + 1)) - 1;
    return upTo & (~std::uint64_t{0} << low);
}

} // namespace

void HitCountRuleOut::SetDraws(const std::vector<std::vector<int>> &draws, int length)
{
    length_ = std::clamp(length, 0, AbstractFilter::kMaxPositions);
    draws_.clear();
    for (const std::vector<int> &draw : draws) {
        const int n = std::min(static_cast<int>(draw.size()), length_);
        draws_.push_back(NumberMask(draw.data(), n));
    }
    Restart();
}

void HitCountRuleOut::SetCounts(const Condition &condition)
{
    chosen_ = 0;
    for (int count : condition.data().nums) {
        chosen_ |= count >= 0 && count < 64 ? std::uint64_t{1} << count : 0;
    }
    Restart();
}

void HitCountRuleOut::Restart()
{
    Level &all = levels_[0];
    all.draws.resize(draws_.size());
    all.hits.assign(draws_.size(), 0);
    for (std::size_t d = 0; d < draws_.size(); ++d) {
        all.draws[d] = static_cast<std::uint16_t>(d);
    }
    for (std::size_t l = 1; l < levels_.size(); ++l) {
        levels_[l].draws.reserve(draws_.size());
        levels_[l].hits.reserve(draws_.size());
    }
    levelsKnown_ = 0;
    prefixLength_ = 0;
}

bool HitCountRuleOut::AnyChosenIn(int low, int high) const
{
    return (chosen_ & CountRange(low, high)) != 0;
}

bool HitCountRuleOut::AllChosenIn(int low, int high) const
{
    const std::uint64_t range = CountRange(low, high);
    return range != 0 && (chosen_ & range) == range;
}

void HitCountRuleOut::BeginPrefix(const int *row, int length)
{
    const int n = std::clamp(length, 0, length_);
    int same = 0;
    while (same < levelsKnown_ && same < n && levelRow_[same] == row[same]) {
        ++same;
    }
    for (int i = same; i < n; ++i) {
        const int v = row[i];
        levelRow_[i] = v;
        const Level &from = levels_[i];
        Level &to = levels_[i + 1];
        to.draws.clear();
        to.hits.clear();
        const int left = length_ - (i + 1);
        const std::uint64_t above = Above(v);
        const std::uint64_t bit = NumberBit(v);
        for (std::size_t a = 0; a < from.draws.size(); ++a) {
            const std::uint64_t draw = draws_[from.draws[a]];
            const int hits = from.hits[a] + ((draw & bit) != 0 ? 1 : 0);
            // The hits the row can still reach: these, up to one for each number left that the
            // draw holds above v.
            if (AnyChosenIn(hits, hits + std::min(left, CountBits(draw & above)))) {
                to.draws.push_back(from.draws[a]);
                to.hits.push_back(static_cast<std::uint8_t>(hits));
            }
        }
    }
    if (same < n) {
        levelsKnown_ = n;
    }
    prefixLength_ = n;
}

int HitCountRuleOut::Failures(const int *row) const
{
    if (chosen_ == 0) {
        return 0;
    }
    const Level &level = levels_[prefixLength_];
    const std::uint64_t rest = NumberMask(row + prefixLength_, length_ - prefixLength_);
    int failures = 0;
    for (std::size_t a = 0; a < level.draws.size(); ++a) {
        const int hits = level.hits[a] + CountBits(draws_[level.draws[a]] & rest);
        failures += static_cast<int>((chosen_ >> hits) & 1U);
    }
    return failures;
}

int HitCountRuleOut::CertainFailures(const Completion &c) const
{
    if (chosen_ == 0) {
        return 0;
    }
    const Level &level = levels_[prefixLength_];
    const int left = length_ - prefixLength_;
    int certain = 0;
    for (std::size_t a = 0; a < level.draws.size(); ++a) {
        const std::uint64_t draw = draws_[level.draws[a]];
        const int low = level.hits[a] + std::max(0, left - CountBits(c.numbers & ~draw));
        const int high = level.hits[a] + std::min(left, CountBits(c.numbers & draw));
        certain += AllChosenIn(low, high) ? 1 : 0;
    }
    return certain;
}

std::uint64_t HitCountRuleOut::LastNumbersFailing(std::uint64_t numbers) const
{
    if (chosen_ == 0 || prefixLength_ != length_ - 1) {
        return 0;
    }
    // Against each draw left, the row's hits are the prefix's, or one more when the last number
    // is one of the draw's.
    const Level &level = levels_[prefixLength_];
    std::uint64_t failing = 0;
    for (std::size_t a = 0; a < level.draws.size(); ++a) {
        const int hits = level.hits[a];
        const std::uint64_t draw = draws_[level.draws[a]];
        failing |= ((chosen_ >> hits) & 1U) != 0 ? ~draw : 0;
        failing |= ((chosen_ >> (hits + 1)) & 1U) != 0 ? draw : 0;
    }
    return numbers & failing;
}

} // namespace calculation

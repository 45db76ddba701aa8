#include "calculation/value_set.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace calculation {
namespace {
// Above this span a bit set would waste memory; a sorted array is searched instead.
constexpr std::int64_t kMaxBitSpan = std::int64_t{1} << 20;
} // namespace

IntSet::IntSet(const std::vector<int> &values)
{
    if (values.empty()) {
        return;
    }
    auto [lowIt, highIt] = std::minmax_element(values.begin(), values.end());
    std::int64_t span = static_cast<std::int64_t>(*highIt) - *lowIt + 1;
    if (span > kMaxBitSpan) {
        sorted_ = values;
        std::sort(sorted_.begin(), sorted_.end());
        useSorted_ = true;
        return;
    }
    low_ = *lowIt;
    bitCount_ = static_cast<std::uint64_t>(span);
    bits_.assign((bitCount_ + 63) / 64, 0);
    for (int v : values) {
        auto offset = static_cast<std::uint64_t>(v - low_);
        bits_[offset >> 6] |= std::uint64_t{1} << (offset & 63);
    }
}

bool IntSet::containsSorted(int value) const
{
    return std::binary_search(sorted_.begin(), sorted_.end(), value);
}

bool IntSet::containsAnyIn(int lo, int hi) const
{
    if (lo > hi) {
        return false;
    }
    if (useSorted_) {
        auto it = std::lower_bound(sorted_.begin(), sorted_.end(), lo);
        return it != sorted_.end() && *it <= hi;
    }
    // The range as offsets into the bit set, clipped to it; then whole words at a time.
    std::int64_t first = std::max<std::int64_t>(static_cast<std::int64_t>(lo) - low_, 0);
    std::int64_t last = std::min<std::int64_t>(static_cast<std::int64_t>(hi) - low_,
                                               static_cast<std::int64_t>(bitCount_) - 1);
    for (std::int64_t word = first >> 6; word <= (last >> 6) && first <= last; ++word) {
        std::uint64_t bits = bits_[static_cast<std::size_t>(word)];
        if (word == (first >> 6)) {
            bits &= ~std::uint64_t{0} << (first & 63);
        }
        if (word == (last >> 6)) {
            bits &= ~std::uint64_t{0} >> (63 - (last & 63));
        }
        if (bits != 0) {
            return true;
        }
    }
    return false;
}

std::uint64_t IntSet::windowSorted(std::int64_t offset) const
{
    std::uint64_t out = 0;
    for (int v = 0; v < 64; ++v) {
        std::int64_t value = offset + v;
        if (value >= INT32_MIN && value <= INT32_MAX && containsSorted(static_cast<int>(value))) {
            out |= std::uint64_t{1} << v;
        }
    }
    return out;
}

std::uint64_t NumberMask(const int *values, int count)
{
    std::uint64_t mask = 0;
    for (int i = 0; i < count; ++i) {
        mask |= NumberBit(values[i]);
    }
    return mask;
}

TextSet::TextSet(std::vector<std::wstring> texts) : sorted_(std::move(texts))
{
    std::sort(sorted_.begin(), sorted_.end());
}

bool TextSet::contains(std::wstring_view text) const
{
    return std::binary_search(sorted_.begin(), sorted_.end(), text,
                              [](std::wstring_view a, std::wstring_view b) { return a < b; });
}

} // namespace calculation

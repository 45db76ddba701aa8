#include "calculation/value_set.h"

#include <algorithm>

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

std::uint64_t NumberMask(const int *values, int count)
{
    std::uint64_t mask = 0;
    for (int i = 0; i < count; ++i) {
        mask |= NumberBit(values[i]);
    }
    return mask;
}

TextSet::TextSet(const std::vector<std::wstring> &texts) : sorted_(texts)
{
    std::sort(sorted_.begin(), sorted_.end());
}

bool TextSet::contains(std::wstring_view text) const
{
    return std::binary_search(sorted_.begin(), sorted_.end(), text,
                              [](std::wstring_view a, std::wstring_view b) { return a < b; });
}

} // namespace calculation

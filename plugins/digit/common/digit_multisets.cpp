#include "digit/common/digit_multisets.h"

#include <algorithm>
#include <unordered_map>

namespace plugins::digit {

DigitMultisets::DigitMultisets(int lowDigit, int highDigit, int maxSize)
    : low_(lowDigit), high_(std::max(lowDigit, std::min(highDigit, lowDigit + 9))),
      width_(static_cast<std::size_t>(high_ - low_ + 1))
{
    // Breadth first from the empty multiset: every multiset of size s + 1 is one of size s plus a
    // digit, so each is numbered once, when first reached.
    // A multiset's key: its ten counts (each at most maxSize, below 16) four bits each.
    auto key = [](const std::array<std::uint8_t, 10> &counts) {
        std::uint64_t k = 0;
        for (std::uint8_t c : counts) {
            k = (k << 4) | c;
        }
        return k;
    };
    std::unordered_map<std::uint64_t, int> numbers;
    counts_.push_back({});
    numbers.emplace(key(counts_.front()), kEmpty);
    for (std::size_t at = 0; at < counts_.size(); ++at) {
        int size = 0;
        for (std::uint8_t c : counts_[at]) {
            size += c;
        }
        for (std::size_t d = 0; d < width_; ++d) {
            int target = kNone;
            if (size < maxSize) {
                std::array<std::uint8_t, 10> grown = counts_[at];
                ++grown[d];
                auto [it, added] = numbers.emplace(key(grown), static_cast<int>(counts_.size()));
                if (added) {
                    counts_.push_back(grown);
                }
                target = it->second;
            }
            next_.push_back(target);
        }
    }
}

int DigitMultisets::Of(const int *row, int length, int from) const
{
    int multiset = from;
    for (int i = 0; i < length && multiset != kNone; ++i) {
        multiset = Add(multiset, row[i]);
    }
    return multiset;
}

} // namespace plugins::digit

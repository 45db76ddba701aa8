/// \file
/// \brief Every multiset of digits up to a row's length, numbered, with the step that adds one
/// digit: a row's multiset is found by one table lookup per digit, and by one per candidate
/// when the candidates share their first digits. What depends only on a row's digits and not on
/// their order (the rule-out of past draws) is then computed once per multiset.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace plugins::digit {

class DigitMultisets {
public:
    static constexpr int kNone = -1;
    static constexpr int kEmpty = 0;

    /// Multisets of at most maxSize digits from lowDigit to highDigit (at most ten digits).
    DigitMultisets(int lowDigit, int highDigit, int maxSize);

    /// The multiset with one more digit; kNone for a digit outside the range, a full multiset or
    /// kNone itself.
    int Add(int multiset, int digit) const
    {
        if (multiset < 0 || digit < low_ || digit > high_) {
            return kNone;
        }
        return next_[static_cast<std::size_t>(multiset) * width_ + static_cast<std::size_t>(digit - low_)];
    }
    /// The multiset of the first length digits of row (kNone when one is outside the range).
    int Of(const int *row, int length, int from = kEmpty) const;

    int count() const { return static_cast<int>(counts_.size()); }
    /// How often digit lowDigit + i occurs in the multiset.
    const std::array<std::uint8_t, 10> &Counts(int multiset) const
    {
        return counts_[static_cast<std::size_t>(multiset)];
    }
    int lowDigit() const { return low_; }

private:
    int low_;
    int high_;
    std::size_t width_;
    std::vector<std::array<std::uint8_t, 10>> counts_;
    std::vector<int> next_;
};

} // namespace plugins::digit

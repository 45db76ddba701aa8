/// \file
/// \brief Membership sets that the filter's inner loop tests without allocating.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/calculation_export.h"

namespace calculation {

/// A set of integers: a bit set over the range of its values (so a test is one shift and mask),
/// falling back to a sorted array when the values are spread too widely for bits.
class CALCULATION_EXPORT IntSet {
public:
    IntSet() = default;
    explicit IntSet(const std::vector<int> &values);

    bool contains(int value) const
    {
        if (useSorted_) {
            return containsSorted(value);
        }
        auto offset = static_cast<std::uint64_t>(static_cast<std::int64_t>(value) - low_);
        return offset < bitCount_ && ((bits_[offset >> 6] >> (offset & 63)) & 1U) != 0;
    }
    bool empty() const { return bitCount_ == 0 && sorted_.empty(); }
    /// Whether any value from lo to hi (both included) is in the set.
    bool containsAnyIn(int lo, int hi) const;
    /// Bit v (0..63) set when v + offset is in the set.
    std::uint64_t window(std::int64_t offset) const
    {
        if (useSorted_) {
            return windowSorted(offset);
        }
        // Bit index of v = 0 in bits_; bits outside the set read as 0 (bits_ is zero past
        // bitCount_).
        const std::int64_t start = offset - low_;
        const auto words = static_cast<std::int64_t>(bits_.size());
        if (words == 0 || start <= -64 || start >= words * 64) {
            return 0;
        }
        if (start < 0) {
            return bits_[0] << (-start);
        }
        const std::int64_t word = start >> 6;
        const int shift = static_cast<int>(start & 63);
        std::uint64_t out = bits_[static_cast<std::size_t>(word)] >> shift;
        if (shift != 0 && word + 1 < words) {
            out |= bits_[static_cast<std::size_t>(word) + 1] << (64 - shift);
        }
        return out;
    }

private:
    bool containsSorted(int value) const;
    std::uint64_t windowSorted(std::int64_t offset) const;

    std::int64_t low_ = 0;
    std::uint64_t bitCount_ = 0;
    std::vector<std::uint64_t> bits_;
    std::vector<int> sorted_;
    bool useSorted_ = false;
};

/// The number of set bits, without a library call on processors lacking a popcount instruction.
inline int CountBits(std::uint64_t x)
{
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

/// Numbers 0..63 as one 64-bit mask; values outside that range are left out.
CALCULATION_EXPORT std::uint64_t NumberMask(const int *values, int count);
inline std::uint64_t NumberBit(int value)
{
    return value >= 0 && value < 64 ? std::uint64_t{1} << value : 0;
}

/// A set of texts, tested by string_view so that a caller can probe with a stack buffer.
class CALCULATION_EXPORT TextSet {
public:
    TextSet() = default;
    explicit TextSet(std::vector<std::wstring> texts);
    bool contains(std::wstring_view text) const;

private:
    std::vector<std::wstring> sorted_;
};

} // namespace calculation

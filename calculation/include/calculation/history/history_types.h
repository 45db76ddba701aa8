/// \file
/// \brief What the history tables take from a game: its parameters, its rate tables, its sum
/// ranges.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace calculation {

/// A rate table: one theoretical percentage per charted column, in the table's key order
/// ("14.3"). It carries its length; a column past its end has no rate (the empty text).
using Rates = std::span<const std::wstring>;

/// One column of a sum table: the sums from low to high, both included.
struct SumRange {
    int low = 0;
    int high = 0;
};

/// count sum ranges of the given width from low on, then last.
inline std::vector<SumRange> EqualSumRanges(int low, int width, int count, SumRange last)
{
    std::vector<SumRange> ranges;
    ranges.reserve(static_cast<std::size_t>(count > 0 ? count : 0) + 1);
    for (int i = 0; i < count; ++i) {
        ranges.push_back({low + i * width, low + (i + 1) * width - 1});
    }
    ranges.push_back(last);
    return ranges;
}

/// The game parameters a history table reads.
struct HistoryGame {
    static constexpr int kLabelCount = 12;

    int frontMax = 0;     ///< values per position (digit games) or size of the front pool
    int backMax = 0;      ///< size of the back pool; 0 for none
    int frontCount = 0;   ///< front numbers per draw
    int backCount = 0;    ///< back numbers per draw
    int bigStart = 0;     ///< the smallest big number
    int areaWidth = 0;    ///< width of each of the three areas
    int lowestNumber = 1; ///< the smallest front number: 0 for digits
    /// Digit layout (one column per digit 0-9) instead of the lotto layout (columns follow the
    /// values a sorted draw can hold at a position).
    bool digitLayout = false;
    /// The back number is shown as one of the labels.
    bool labelBack = false;
    std::array<std::wstring, kLabelCount> labels;
};

} // namespace calculation

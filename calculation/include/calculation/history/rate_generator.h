/// \file
/// \brief The theoretical rates of the history tables, worked out from a game's rules: for each
/// column of a table, the share of all equally likely draws that hit it, counted exactly.
///
/// A digit game (the digit layout) draws each position on its own: every ordered row of its
/// numbers is equally likely, repeats included. A lotto game draws distinct numbers: every
/// combination is equally likely, and the tables read it ascending. The shares come in the key
/// order of the engine's tables (history_tables.h) and with the same classes, so a game writes
/// them as texts (PercentTexts) and passes them to the table as its Rates. Counting works number
/// by number over the states a statistic can be in, so even ten million rows of seven digits take
/// no time worth caching beyond the texts.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "calculation/calculation_export.h"
#include "calculation/calculation_util.h"
#include "calculation/history/history_types.h"

namespace calculation {

/// The draws that hit a column, of all draws.
struct Share {
    std::uint64_t hits = 0;
    std::uint64_t draws = 0;

    bool operator==(const Share &) const = default;
};

/// 100 × hits / draws with the given decimals (0 to 9), halves rounded away from zero ("46.9",
/// "6.3" for 6.25). Worked out in integers, so a half is never lost to a binary fraction. No
/// draws read as a share of 0.
CALCULATION_EXPORT std::wstring PercentText(Share share, int decimals);
/// The shares as texts, share i with decimals[i]; a share past the end of decimals takes its last
/// entry, and no decimals at all write one decimal.
CALCULATION_EXPORT std::vector<std::wstring> PercentTexts(std::span<const Share> shares,
                                                          std::span<const int> decimals);
/// The shares as texts, all with the same decimals.
CALCULATION_EXPORT std::vector<std::wstring> PercentTexts(std::span<const Share> shares, int decimals);

class CALCULATION_EXPORT RateGenerator {
public:
    /// The rates of game's tables: its front numbers frontCount of lowestNumber .. lowestNumber +
    /// frontMax - 1 (independent in the digit layout, distinct otherwise), its back numbers
    /// backCount distinct of 1 .. backMax.
    explicit RateGenerator(HistoryGame game);

    /// "base": per number of the pool, the draws that hold it.
    std::vector<Share> Base() const;
    /// "blue": per back number 1 .. backMax, the draws whose back numbers hold it.
    std::vector<Share> BackArea() const;
    /// "pos" + index: per column of the position's chart, the draws with that value there;
    /// nothing for a position the draws do not have.
    std::vector<Share> Position(int index) const;
    /// "distribution": the columns of every position in turn, as the engine's table lays them out.
    std::vector<Share> Distribution() const;
    /// "heZhi": per range, the draws whose sum lies in it.
    std::vector<Share> SumRanges(std::span<const SumRange> ranges) const;
    /// "heZhi": per last digit 0-9 of the sum.
    std::vector<Share> SumTails() const;
    /// "span": the first count columns of the span chart.
    std::vector<Share> Spans(int count) const;
    /// "span": the first count columns of the chart of the largest gap between neighbours.
    std::vector<Share> Gaps(int count) const;
    /// "bigSmall", "oddEven", "zhiHe" (any other type): ratio column i, i numbers of class 1, for
    /// i = 0 .. frontCount.
    std::vector<Share> ShapeRatios(const std::wstring &type) const;
    /// The same classes per position: class 1, then class 0.
    std::vector<Share> ShapePositions(const std::wstring &type) const;
    /// "luShu" or "threeArea" (any other type): per class 0, 1, 2 the draws with m of its numbers
    /// in the class, m = 0 .. frontCount.
    std::vector<Share> ClassCounts(const std::wstring &type) const;
    /// The same classes per position: class 0, 1, 2.
    std::vector<Share> ClassPositions(const std::wstring &type) const;
    /// "wuXing": per position its five elements by the element rule mode.
    std::vector<Share> FiveElements(int mode) const;

private:
    HistoryGame game_;
    CCalculationUtil util_;
};

} // namespace calculation

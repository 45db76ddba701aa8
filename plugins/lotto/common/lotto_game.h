/// \file
/// \brief A lotto game described as data: everything the lotto family's chain and stages read to
/// play it. A game's folder holds its description and the plug-in's exports.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/history/history_types.h"

namespace plugins::lotto {

/// How a bet gets its back numbers.
enum class BackArea {
    None,   ///< front numbers only
    Pairs,  ///< two different numbers of the back pool, each pair tested by the back conditions
    Single, ///< one number of the back pool, not tested
};

/// A condition of a game's own on an area of the front pool: the count of the row's numbers from
/// low to high must be one of the condition's numbers.
struct AreaCount {
    std::wstring key;
    int low = 0;
    int high = 0;
};

/// The areas low + i·width .. low + i·width + width - 1 for i = 0 .. count - 1, keyed word + i.
std::vector<AreaCount> EqualAreas(const std::wstring &word, int width, int count);

using calculation::EqualSumRanges;

/// A rate that a game writes its own way instead of the worked-out text: entry index of the rate
/// table that feeds the table type ("pos0", "heZhi", "span", ...).
struct WrittenRate {
    std::wstring table;
    std::size_t index = 0;
    std::wstring text;
};

/// How a game shows the theoretical rates of its history tables. Every rate is worked out from the
/// game's numbers (the chance among all equally likely draws) and written with one decimal unless
/// said here.
struct HistoryForms {
    std::vector<calculation::SumRange> sumRanges; ///< the range columns of the sum table
    /// The chances of the values of each position feed one distribution chart of every position,
    /// not a table per position.
    bool distribution = false;
    int backDecimals = 1;  ///< the back numbers
    int tailDecimals = 1;  ///< the last digit of the sum
    int shapeDecimals = 1; ///< every rate of the big/small, odd/even and prime tables
    /// A distribution rate that one decimal would show as 0.0 although some draws hit it.
    int rareDistributionDecimals = 1;
    std::vector<WrittenRate> written;
};

/// How a result page shows its rows.
enum class PageForm {
    Numbers, ///< the front numbers under "number"; counts: total, primaryTotal, afterFilterLen
    RedBlue, ///< red front balls under "redNumber", blue back balls under "blueNumber"; counts:
             ///< total, afterFilterLen, primaryTotal
};

/// The order of the last stage's tests (the verdict is the same either way).
enum class SeniorOrder {
    RuleOutFirst, ///< past draws, then the per-position patterns
    PatternFirst, ///< the per-position patterns, then past draws
};

/// A covering reduction "_" + x + "bao" + y read from its text.
struct Reduction {
    int x = 0;
    int y = 0;
    bool spread = false; ///< the spread form; otherwise the covering form
};

struct LottoGame {
    std::wstring key;   ///< the game key
    int frontCount = 5; ///< front numbers per bet
    int frontMax = 35;  ///< the front pool is 1 .. frontMax
    int bigStart = 18;  ///< the smallest big number
    int areaWidth = 12; ///< the width of each of the three areas (and of the banker zones)
    /// The chain's gameKey (what gameKey() answers) is key; otherwise it stays empty. Nothing
    /// a run, a page or a history table does reads it: the pools come from the game's own keys.
    bool setsChainGameKey = false;
    BackArea back = BackArea::None;
    int backMax = 0; ///< the back pool is 1 .. backMax
    /// Special numbers a draw holds after the front numbers, of the front pool; bets hold none.
    int specials = 0;
    std::wstring poolKey = L"baseNums";          ///< the condition of the front pool
    std::wstring backPoolKey = L"baseNums_blue"; ///< the condition of the back pool
    /// The first stage tests that every number of a new row is a base number.
    bool testsBaseNumbers = false;
    std::vector<AreaCount> areaTests;       ///< tested by the first stage, in this order
    std::vector<std::wstring> keptAreaKeys; ///< loaded and kept, but tested by nothing
    std::vector<std::wstring> spreadForms;  ///< reductions that take the spread form
    int cap = 0; ///< the most rows a run stores (the rest counted), and the most candidates a
                 ///< reduction takes; 0: no cap
    PageForm page = PageForm::Numbers;
    SeniorOrder seniorOrder = SeniorOrder::RuleOutFirst;
    HistoryForms history;

    /// Back numbers per bet.
    int backCount() const;
    /// The reduction named by text, or none (x of 0) for "", "_all" and a text that names no
    /// reduction of rows of this game (subsets of 2 up to frontCount numbers, one to all of them
    /// shared; the covering form fewer than all).
    Reduction ReductionOf(std::wstring_view text) const;
};

} // namespace plugins::lotto

/// \file
/// \brief The theoretical rates of a game's history tables as data: one rate table per table it
/// feeds, and how the game charts its tables over them. A chain that is given its game's rates
/// (AbstractFilterChain::tableRates) has GetDetailedData pass each table its own; a game supplies
/// the data, not an operation per table.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculation/calculation_export.h"
#include "calculation/history/history_types.h"

namespace calculation {

/// The position a position table's type names: its last character read as a digit ("pos2" is 2),
/// none when that is no digit.
CALCULATION_EXPORT std::optional<int> PositionOfType(const std::wstring &type);

/// The rate tables of a game, each in the key order of the table it feeds and of its length.
struct CALCULATION_EXPORT TableRates {
    using Texts = std::vector<std::wstring>;

    Texts base;                   ///< per number (or digit) of the front pool
    Texts back;                   ///< per back number or label; none without a back area
    std::vector<Texts> positions; ///< per position, its values in order
    Texts distribution;           ///< every position's values in turn
    std::vector<SumRange> sumRanges;
    Texts sum;           ///< per sum range, then per last digit of the sum
    int spanColumns = 0; ///< the spans a draw can have, and as many largest gaps
    Texts span;          ///< per span, then per largest gap (empty texts where a game shows none)
    /// The ratio columns, then per position its class 1 and class 0.
    Texts bigSmall, oddEven, zhiHe;
    /// The class counts class by class, then per position its three classes.
    Texts luShu, threeArea;
    Texts fiveElements; ///< per position its five elements, by elementMode

    // ---- How the game charts its tables over the rates -------------------------------------

    /// The game charts every position's values in one distribution table, not a table per
    /// position; the chart it does not show is the engine's, without rates.
    bool distributionChart = false;
    /// How the sum, span, shape, route and area, five-element, pattern and position tables write
    /// the draw's numbers: 1 with a "0" before 1-9, 0 as they are (the digit games). The base,
    /// back-area, distribution and other tables keep the engine's form.
    int pad = 1;
    /// How a number takes its element: 1 from the engine's table of numbers, 0 by its last digit.
    int elementMode = 1;
    /// A position type without a position digit answers a table without rows, where the engine's
    /// table reads it as the first position.
    bool positionNeedsDigit = false;

    /// The rates of the shape table of type: "bigSmall", "oddEven", the primes for any other.
    const Texts &Shape(const std::wstring &type) const;
    /// The rates of the route table ("luShu") or of the area table (any other type).
    const Texts &RouteArea(const std::wstring &type) const;
    /// The rates of the position the type names ("pos2"; one without a digit names the first),
    /// none for a position past the rates.
    Rates Position(const std::wstring &type) const;
    /// The rate table that feeds the table of type (as GetDetailedData names it), or none.
    const Texts *Of(const std::wstring &type) const;
    Texts *Of(const std::wstring &type);
};

} // namespace calculation

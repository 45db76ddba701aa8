/// \file
/// \brief The history tables of the lotto games: the game's parameters as the engine's tables read
/// them, and the theoretical rates of its tables, worked out once from its numbers by the engine's
/// RateGenerator and written in the game's forms.
#pragma once

#include <string>
#include <vector>

#include "calculation/history/history_types.h"
#include "lotto/common/lotto_game.h"

namespace plugins::lotto {

/// The game's parameters as the history tables (and the chain) read them: distinct front numbers
/// of 1 .. frontMax read ascending, the back numbers after them.
calculation::HistoryGame HistoryGameOf(const LottoGame &game);

/// The rate tables of a game, each in the key order of the table it feeds and of its length.
struct LottoTableRates {
    std::vector<std::wstring> base;                   ///< per number of the front pool
    std::vector<std::wstring> back;                   ///< per back number; none without a back area
    std::vector<std::vector<std::wstring>> positions; ///< per position, its values in order
    std::vector<std::wstring> distribution;           ///< every position's values in turn
    std::vector<calculation::SumRange> sumRanges;
    std::vector<std::wstring> sum;  ///< per sum range, then per last digit of the sum
    int spanColumns = 0;            ///< the spans a draw can have, and as many largest gaps
    std::vector<std::wstring> span; ///< per span, then an empty text per gap (the gaps have none)
    /// The ratio columns, then per position its class 1 and class 0.
    std::vector<std::wstring> bigSmall, oddEven, zhiHe;
    /// The class counts class by class, then per position its three classes.
    std::vector<std::wstring> luShu, threeArea;
    std::vector<std::wstring> fiveElements; ///< per position its five elements (the engine's table)

    /// The rates of the shape table of type: "bigSmall", "oddEven", the primes for any other.
    const std::vector<std::wstring> &Shape(const std::wstring &type) const;
    /// The rates of the route table ("luShu") or of the area table (any other type).
    const std::vector<std::wstring> &RouteArea(const std::wstring &type) const;
    /// The rates of the position the type names ("pos2"), none for a position the game's draws do
    /// not have or a game that charts the distribution instead.
    calculation::Rates Position(const std::wstring &type) const;
    /// The rate table that feeds the table of type (as GetDetailedData names it), or none.
    const std::vector<std::wstring> *Of(const std::wstring &type) const;
    std::vector<std::wstring> *Of(const std::wstring &type);
};

/// Every rate of the game's tables over all its equally likely draws, in the game's forms.
LottoTableRates MakeTableRates(const LottoGame &game);

} // namespace plugins::lotto

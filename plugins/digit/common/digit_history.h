/// \file
/// \brief The history tables of the digit games: the tables they build their own way (the base
/// table of the digits, the distribution of every position) and the theoretical rates of the
/// games that show them, worked out once from the game's rules by the engine's RateGenerator.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "calculation/history/history_tables.h"
#include "calculation/history/table_rates.h"
#include "digit/common/digit_game.h"

namespace plugins::digit {

/// The game's parameters as the history tables read them: its digits in the digit layout, its
/// label as the one back number.
calculation::HistoryGame HistoryGameOf(const DigitGame &game);

/// How a game writes the rates of its tables: the decimals of the texts that are not written
/// with one, and the charts it shows without their worked-out rates. Decimals are given per
/// column; a column past the end of a list takes its last entry.
struct RateForms {
    std::vector<int> sumDecimals{1};   ///< per sum range of the game (DigitGame::sumRanges)
    std::vector<int> spanDecimals{1};  ///< per span column
    std::vector<int> ratioDecimals{1}; ///< per ratio column of the shape tables
    int distributionDecimals = 0;
    /// The gap columns of the span table have no rates (empty texts).
    bool gapsWithoutRates = false;
    /// The class counts of the route and area tables show "0.0" rather than their rates.
    bool classCountsAsZero = false;
    /// The game charts every position's digits in one distribution table, not a table per
    /// position.
    bool distributionChart = false;
};

/// Every rate of the game's tables over all its equally likely rows, written in its forms (one
/// decimal where the forms say nothing), charted as the digit games chart them: digits without a
/// "0" before them, elements by the last digit, a position table only for a position digit.
calculation::TableRates MakeTableRates(const DigitGame &game, const RateForms &forms);

/// How the base table writes the consecutive digits of a draw.
enum class ConsecutiveForm {
    Text,      ///< "不连", "二连" or "三连" of three digits
    GroupCode, ///< the run code of the digits, repeats dropped
};

/// "base": which digits each draw holds, each digit once as a ball in ballStyle, with the draw's
/// statistics; the draw's balls carry no "0" before a digit and end with its label where the
/// game has one.
std::wstring DigitBaseTable(const calculation::HistoryTables &tables, const std::wstring &frontStyle,
                            const std::wstring &backStyle, const std::wstring &ballStyle,
                            calculation::Rates rates, ConsecutiveForm consecutive);

/// "distribution": the digit of each position in that position's colour; the summary rows count
/// the draw's own columns too and write no decimals.
std::wstring DigitDistributionTable(const calculation::HistoryTables &tables, const std::wstring &frontStyle,
                                    std::span<const std::wstring> styles, calculation::Rates rates);

} // namespace plugins::digit

/// \file
/// \brief The engine's history tables: one indicator of every cached past draw, one row per draw,
/// one column per value, the cells that the draw hits marked, and the six summary rows under them.
///
/// A table is answered for a game from its parameters alone; a game that knows its theoretical
/// rates passes them (Rates), a game that shows a table its own way builds the rows itself with
/// the helpers below (Draws, NewRow, Balls) and AddSumRow. Every table answers a ListReply text;
/// the rows are the cache's draws, oldest first, followed by the summary rows.
///
/// Draws are read defensively: a draw with fewer numbers than the game's front and back numbers
/// is left out, a value outside a table's columns marks no column, a back number without a label
/// shows the empty text.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "basekit/row_types.h"
#include "calculation/calculation_export.h"
#include "calculation/calculation_util.h"
#include "calculation/history/history_draw.h"
#include "calculation/history/history_types.h"

namespace calculation {

class CALCULATION_EXPORT HistoryTables {
public:
    /// The tables of game over the entries of cache, read as draws once, here.
    HistoryTables(HistoryGame game, const basekit::TextMapList &cache);
    /// The tables of game over draws (a chain's old-data cache); draws must outlive the object.
    HistoryTables(HistoryGame game, const std::vector<HistoryDraw> &draws);

    // ---- What every table shares ---------------------------------------------------------------

    /// The cached draws, oldest first, that hold at least the game's front and back numbers and
    /// at least minimumNumbers.
    std::vector<HistoryDraw> Draws(int minimumNumbers = 0) const;
    /// The draw as balls: the front numbers in frontStyle, then the back numbers in backStyle
    /// (as their labels in a game that shows labels); pad 1 writes "0" before numbers below 10.
    std::wstring Balls(const HistoryDraw &draw, const std::wstring &frontStyle, const std::wstring &backStyle,
                       int pad) const;
    /// A table row that begins with the draw's "qiHao", "lotDate" and "lottery" (balls).
    basekit::OrderedRow NewRow(const HistoryDraw &draw, std::wstring balls) const;
    /// Appends the five class ratios of the first n numbers: "threeAreaRate", "bigSmallRate",
    /// "oddEvenRate", "zhiHeRate", "luShuRate".
    void AddRatios(basekit::OrderedRow &row, const int *numbers, int n) const;
    /// The label of back number 1..12; the empty text for any other number.
    std::wstring Label(int number) const;

    const HistoryGame &game() const { return game_; }
    const CCalculationUtil &util() const { return util_; }

    // ---- The tables ----------------------------------------------------------------------------

    /// "base": which numbers of the pool each draw holds ("pos" + i for the number lowestNumber
    /// + i) with the draw's statistics. Rates: one per number.
    std::wstring Base(const std::wstring &frontStyle, const std::wstring &backStyle, Rates rates,
                      int pad) const;
    /// "distribution": every position of a sorted draw at once; position j has the columns "pos"
    /// + j + i for the values j + i + 1, its balls in styles[j] (positions past the styles: no
    /// style). Rates: position by position, columns in order.
    std::wstring Distribution(const std::wstring &frontStyle, const std::wstring &backStyle,
                              std::span<const std::wstring> styles, Rates rates, int pad) const;
    /// "pos" + p: position p (the type's last character) with its classes and its value chart;
    /// a position the draws do not have answers a table without rows. Rates: one per column.
    std::wstring Position(const std::wstring &type, const std::wstring &frontStyle,
                          const std::wstring &backStyle, std::span<const std::wstring> styles, Rates rates,
                          int pad) const;
    /// "bigSmall", "oddEven", "zhiHe" (any other type): the class ratio of the front numbers and
    /// the class of each position. Rates: the ratios "rate" + i, then per position its class 1
    /// and class 0 columns.
    std::wstring Shape(const std::wstring &type, const std::wstring &frontStyle,
                       const std::wstring &backStyle, Rates rates, int pad) const;
    /// "span": the span of the front numbers and the largest gap between neighbours, count
    /// columns each. Rates: the span columns, then the gap columns.
    std::wstring Span(const std::wstring &frontStyle, const std::wstring &backStyle, Rates rates, int count,
                      int pad) const;
    /// "heZhi": the sum against the game's ranges and the sum's last digit. Rates: one per
    /// range, then one per tail digit.
    std::wstring Sum(const std::wstring &frontStyle, const std::wstring &backStyle,
                     std::span<const SumRange> ranges, Rates rates, int pad) const;
    /// "luShu" (remainder by 3) or "threeArea" (any other type): how many front numbers fall in
    /// each of three classes and the class of each position. Rates: counts class by class, then
    /// per position its three classes.
    std::wstring RouteArea(const std::wstring &frontStyle, const std::wstring &backStyle,
                           const std::wstring &type, Rates rates, int pad) const;
    /// "wuXing": the element counts and the element of each position by the element rule mode;
    /// countStyle draws the count cells. Rates: per position its five elements.
    std::wstring FiveElements(const std::wstring &frontStyle, const std::wstring &backStyle, Rates rates,
                              int mode, int pad, const std::wstring &countStyle) const;
    /// "other": pairs, sums and differences of the first three positions and plain statistics;
    /// no marked cells, no summary rows.
    std::wstring Other(const std::wstring &frontStyle, int pad) const;
    /// "lianHao", "sameTail", "sameNum": the pattern of each draw and the values that take part.
    /// No summary rows.
    std::wstring Patterns(const std::wstring &frontStyle, const std::wstring &backStyle,
                          const std::wstring &type, int pad) const;
    /// "blue": the back numbers. Rates: one per back number.
    std::wstring BackArea(const std::wstring &frontStyle, const std::wstring &backStyle, Rates rates,
                          int pad) const;

private:
    HistoryGame game_;
    std::shared_ptr<const std::vector<HistoryDraw>> read_; // the draws read from a cache of entries
    const std::vector<HistoryDraw> *draws_ = nullptr;
    CCalculationUtil util_;
};

} // namespace calculation

/// \file
/// \brief The three-digit game's own history tables: its columns cover the digits 0-9, its balls
/// carry no "0" before a digit, and each ends with the summary rows over its own rates.
#pragma once

#include <span>
#include <string>

#include "calculation/history/history_tables.h"

namespace plugins::magic3 {

/// "heZhi": the sums 0-27 and the sum tails.
std::wstring SumTable(const calculation::HistoryTables &tables, const std::wstring &frontStyle);
/// "bigSmall", "oddEven", "zhiHe" (any other type): the class ratio and the class pattern.
std::wstring ShapeTable(const calculation::HistoryTables &tables, const std::wstring &type,
                        const std::wstring &frontStyle);
/// "luShu" or "threeArea" (any other type): the three-class ratio and each position's class.
std::wstring RouteAreaTable(const calculation::HistoryTables &tables, const std::wstring &type,
                            const std::wstring &frontStyle);
/// "wuXing": the elements of the digits by their last digit.
std::wstring FiveElementTable(const calculation::HistoryTables &tables, const std::wstring &frontStyle);
/// "w5", "w6", "w7" (any other type): the groups of 5, 6 or 7 digits that hold the whole draw.
std::wstring DigitGroupTable(const calculation::HistoryTables &tables, const std::wstring &type,
                             const std::wstring &frontStyle);
/// The rates of the engine's span table: spans 0-9 of three digits, then their largest gaps 0-9.
calculation::Rates SpanRates();

} // namespace plugins::magic3

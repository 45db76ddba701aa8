// Build step: writes the sum ranges of every game's history tables, from the games' own
// descriptions, into the table game_sum_ranges, which history_columns.sql reads for the columns
// of the sum tables and then drops, so a sum table's columns are the ranges its plug-in charts.
//   qel-sum-ranges-sql <output.sql>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "basekit/text_convert.h"
#include "calculation/game_table.h"
#include "calculation/history/history_types.h"
#include "digit_descriptions.h"
#include "lotto_descriptions.h"

namespace {

// The game's sum ranges as its description gives them; none for a game of no description.
std::vector<calculation::SumRange> SumRangesOf(std::wstring_view key)
{
    if (const auto *digit = plugins::digit::FindDescription(key)) {
        return digit->sumRanges;
    }
    if (const auto *lotto = plugins::lotto::FindDescription(key)) {
        return lotto->history.sumRanges;
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qel-sum-ranges-sql <output.sql>\n");
        return 2;
    }
    std::ostringstream out;
    out << "-- Generated from the games' descriptions (plugins/<family>/<Key>/); do not edit.\n"
        << "-- The columns of each game's sum table, r counted from 0, for history_columns.sql, which\n"
        << "-- drops the table.\n\n"
        << "CREATE TABLE game_sum_ranges (gameKey TEXT NOT NULL, r INTEGER NOT NULL, low INTEGER NOT NULL,\n"
        << "                              high INTEGER NOT NULL);\n";
    for (const calculation::GameInfo &game : calculation::Games()) {
        const std::vector<calculation::SumRange> ranges = SumRangesOf(game.key);
        for (std::size_t r = 0; r < ranges.size(); ++r) {
            out << "INSERT INTO game_sum_ranges VALUES ('" << basekit::CStrW2CStrA(game.key) << "', " << r
                << ", " << ranges[r].low << ", " << ranges[r].high << ");\n";
        }
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}

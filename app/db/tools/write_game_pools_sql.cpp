// Build step: writes each game's pools from the program's game table into the table game_pools,
// which history_columns.sql reads for the columns of the history tables and then drops, so the
// history tables follow the game table rather than a copy of its numbers.
//   qel-game-pools-sql <output.sql>
#include <sstream>

#include "basekit/text_convert.h"
#include "calculation/game_table.h"
#include "sql_text.h"

namespace {

using qel::db_tools::Quoted;

// frontMax is the size of the front pool, lowest its smallest number; backMax the largest back
// number (back numbers start at 1), backCount the back numbers of a bet.
void WriteRow(std::ostream &out, const calculation::GameInfo &g)
{
    out << "    (" << Quoted(basekit::CStrW2CStrA(g.key)) << ", " << Quoted(calculation::KindName(g.kind))
        << ", " << g.frontHigh - g.frontLow + 1 << ", " << g.frontLow << ", " << g.frontCount << ", "
        << g.backHigh << ", " << g.backCount << ")";
}

} // namespace

int main(int argc, char **argv)
{
    std::ostringstream head;
    head << "-- Generated from the program's game table (calculation/src/game_table.cpp); do not edit.\n"
         << "-- Every game's pools, for history_columns.sql, which drops the table.\n\n"
         << "CREATE TABLE game_pools (gameKey TEXT PRIMARY KEY, kind TEXT NOT NULL, frontMax INTEGER NOT "
            "NULL,\n"
         << "                         lowest INTEGER NOT NULL, frontCount INTEGER NOT NULL,\n"
         << "                         backMax INTEGER NOT NULL, backCount INTEGER NOT NULL);\n"
         << "INSERT INTO game_pools (gameKey, kind, frontMax, lowest, frontCount, backMax, backCount) "
            "VALUES\n";
    return qel::db_tools::WriteGameRows(argc, argv, "qel-game-pools-sql <output.sql>", head.str(), WriteRow);
}

// Build step: writes which digit games offer which play types, from the games' own descriptions,
// into the table digit_play_types. dict.sql reads it for the games of its "castType" rows and then
// drops it, so the play-type combo box of a game follows what its plug-in plays.
//   qel-digit-play-types-sql <output.sql>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "basekit/text_convert.h"
#include "calculation/game_table.h"
#include "digit_descriptions.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qel-digit-play-types-sql <output.sql>\n");
        return 2;
    }
    std::ostringstream out;
    out << "-- Generated from the digit games' descriptions (plugins/digit/<Key>/); do not edit.\n"
        << "-- Each game's play types in its order, the games in the game table's order.\n\n"
        << "CREATE TABLE digit_play_types (gameKey TEXT NOT NULL, castType TEXT NOT NULL);\n";
    // The games in the order of the program's game table, so that a play type's game list in the
    // dictionary reads in that order too.
    for (const calculation::GameInfo &info : calculation::Games()) {
        const plugins::digit::DigitGame *game = plugins::digit::FindDescription(info.key);
        if (game == nullptr) {
            continue;
        }
        for (const plugins::digit::PlayType &playType : game->playTypes) {
            out << "INSERT INTO digit_play_types VALUES ('" << basekit::CStrW2CStrA(game->key) << "', '"
                << basekit::CStrW2CStrA(playType.name) << "');\n";
        }
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}

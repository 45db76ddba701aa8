// Build step: writes the sizes of every lotto game's panels from the games' own descriptions, so
// that the settings database's shared lotto panels (lotto_panels.sql) are made from the numbers
// the plug-ins play: a bet's front numbers, the front and back pools, the smallest big number and
// the width of the three areas. The game seeds hold only the panels' texts and ids.
//   qel-lotto-sizes-sql <output.sql>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "basekit/text_convert.h"
#include "lotto_descriptions.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qel-lotto-sizes-sql <output.sql>\n");
        return 2;
    }
    std::ostringstream out;
    out << "-- Generated from the lotto games' descriptions (plugins/lotto/<Key>/); do not edit.\n"
        << "-- The sizes of each game's row of lotto_seed (lotto_games.sql).\n";
    for (const auto describe : plugins::lotto::kDescriptions) {
        const plugins::lotto::LottoGame &game = describe();
        out << "UPDATE lotto_seed SET k = " << game.frontCount << ", n = " << game.frontMax
            << ", bigStart = " << game.bigStart << ", areaWidth = " << game.areaWidth
            << ", backMax = " << game.backMax << " WHERE productName = '" << basekit::CStrW2CStrA(game.key)
            << "';\n";
    }
    // A seed row of no described game would make panels of no sizes: the build fails on it.
    out << "CREATE TEMP TABLE lotto_seed_unsized (productName TEXT,\n"
        << "    CONSTRAINT a_lotto_seed_row_names_no_lotto_game_folder CHECK (productName IS NULL));\n"
        << "INSERT INTO lotto_seed_unsized SELECT productName FROM lotto_seed WHERE k IS NULL;\n"
        << "DROP TABLE lotto_seed_unsized;\n";
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}

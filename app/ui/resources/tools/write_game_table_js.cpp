// Build step: writes the program's game table as the pages' script js/game_table.js, so that the
// pages know the games (keys, pools, bet shapes) from the one table the plug-in host reads.
//   qel-game-table-js <output.js>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "basekit/text_convert.h"
#include "calculation/game_table.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qel-game-table-js <output.js>\n");
        return 2;
    }
    std::ostringstream out;
    out << "// Generated from the program's game table (calculation/src/game_table.cpp); do not edit.\n"
        << "// One entry per game key, in the program's order: its plug-in, whether it ships, its\n"
        << "// kind (\"digit\" or \"lotto\") and the numbers of a bet: front and back counts, the front\n"
        << "// numbers' range and the largest back number (back numbers start at 1); the result grid's\n"
        << "// table and the product's flag (\"Fc\", \"Tc\", \"Gp\": a high-frequency game).\n"
        << "var gameTable = [\n";
    for (const calculation::GameInfo &g : calculation::Games()) {
        out << "    { key: \"" << basekit::CStrW2CStrA(g.key) << "\", plugin: \"" << g.plugin
            << "\", delivered: " << (g.delivered ? "true" : "false") << ", kind: \""
            << (g.kind == calculation::GameKind::Digit ? "digit" : "lotto") << "\", front: " << g.frontCount
            << ", back: " << g.backCount << ", low: " << g.frontLow << ", high: " << g.frontHigh
            << ", backHigh: " << g.backHigh << ", table: " << g.gridTable << ", flag: \"" << g.product.flag
            << "\" },\n";
    }
    out << "];\n\nif (typeof module !== \"undefined\" && module.exports) {\n    module.exports = "
           "gameTable;\n}\n";
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}

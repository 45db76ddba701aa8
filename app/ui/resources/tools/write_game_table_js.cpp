// Build step: writes the program's game table as the pages' script js/game_table.js, so that the
// pages know the games (keys, pools, bet shapes) from the one table the plug-in host reads, and
// the digit games' play types and save separator from their descriptions.
//   qel-game-table-js <output.js>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "basekit/text_convert.h"
#include "calculation/game_table.h"
#include "digit_descriptions.h"

namespace {

using plugins::digit::DigitGame;

// A text of the descriptions as a script's string; their texts are names and separators without
// quotes or backslashes.
std::string Quoted(const std::wstring &text)
{
    return "\"" + basekit::CStrW2CStrA(text) + "\"";
}

// What the digit game's description says to the pages: the separator of its saved rows (null when
// the save chooses it) and its play types with the searches the result grid offers on each, and
// the play type a run of another castType plays.
void WriteDescription(std::ostream &out, const DigitGame &game)
{
    out << ", separator: " << (game.callerSeparator ? std::string("null") : Quoted(game.separator));
    if (game.playTypes.empty()) {
        return;
    }
    out << ",\n      playTypes: [";
    const char *typeSeparator = "";
    for (const plugins::digit::PlayType &type : game.playTypes) {
        out << typeSeparator << "{ name: " << Quoted(type.name) << ", searches: [";
        const char *separator = "";
        for (const std::wstring &search : type.searches) {
            out << separator << Quoted(search);
            separator = ", ";
        }
        out << "] }";
        typeSeparator = ",\n                  ";
    }
    out << "]";
    if (!game.otherPlayTypes.generatedAs.empty()) {
        out << ", otherPlayType: " << Quoted(game.otherPlayTypes.generatedAs);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qel-game-table-js <output.js>\n");
        return 2;
    }
    std::ostringstream out;
    out << "// Generated from the program's game table (calculation/src/game_table.cpp) and the digit\n"
        << "// games' descriptions (plugins/digit/<Key>/); do not edit.\n"
        << "// One entry per game key, in the program's order: its plug-in, whether it ships, its\n"
        << "// kind (\"digit\" or \"lotto\") and the numbers of a bet: front and back counts, the front\n"
        << "// numbers' range and the largest back number (back numbers start at 1); the result grid's\n"
        << "// table and the product's flag (\"Fc\", \"Tc\", \"Gp\": a high-frequency game). A digit game\n"
        << "// adds the separator of its saved rows (null: the save chooses it) and, with play types, each\n"
        << "// play type with the searches the result grid offers on its rows, and the play type a run\n"
        << "// of another castType plays (otherPlayType).\n"
        << "var gameTable = [\n";
    for (const calculation::GameInfo &g : calculation::Games()) {
        out << "    { key: \"" << basekit::CStrW2CStrA(g.key) << "\", plugin: \"" << g.plugin
            << "\", delivered: " << (g.delivered ? "true" : "false") << ", kind: \""
            << calculation::KindName(g.kind) << "\", front: " << g.frontCount << ", back: " << g.backCount
            << ", low: " << g.frontLow << ", high: " << g.frontHigh << ", backHigh: " << g.backHigh
            << ", table: " << g.gridTable << ", flag: \"" << g.product.flag << "\"";
        if (const DigitGame *description = plugins::digit::FindDescription(g.key)) {
            WriteDescription(out, *description);
        }
        out << " },\n";
    }
    out << "];\n\nif (typeof module !== \"undefined\" && module.exports) {\n    module.exports = "
           "gameTable;\n}\n";
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}

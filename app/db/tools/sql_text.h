// The SQL text the build's tools write from the game table.
#pragma once

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "calculation/game_table.h"

namespace qel::db_tools {

// A text of the game table as an SQL literal; the table's texts hold no quote, and a doubled one
// keeps a future one a text all the same.
inline std::string Quoted(const std::string &text)
{
    std::string out = "'";
    for (const char c : text) {
        out += c == '\'' ? "''" : std::string(1, c);
    }
    return out + "'";
}

// The main of a tool that writes one INSERT from the game table: head (up to "VALUES\n"), then
// writeRow's row for every game, into the one path the tool is given. The tool's exit status.
template <class WriteRow>
int WriteGameRows(int argc, char **argv, const char *usage, const std::string &head, WriteRow writeRow)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s\n", usage);
        return 2;
    }
    std::ostringstream out;
    out << head;
    const char *separator = "";
    for (const calculation::GameInfo &g : calculation::Games()) {
        out << separator;
        writeRow(out, g);
        separator = ",\n";
    }
    out << ";\n";
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}

} // namespace qel::db_tools

// The SQL text the build's tools write from the game table.
#pragma once

#include <string>

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

} // namespace qel::db_tools

/// \file
/// \brief The games the program knows: each game key with its plug-in file and the pools of its
/// bets. The plug-in host, the pages (through a script generated from this table at build time)
/// and the tests read it; nothing keeps a copy of its own.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calculation/calculation_export.h"

namespace calculation {

enum class GameKind {
    Digit, ///< a digit (or die) per position, repeats allowed, order counts
    Lotto, ///< distinct numbers drawn from a pool, held ascending
};

struct GameInfo {
    const wchar_t *key; ///< the game key the pages send ("Magic3")
    const char *plugin; ///< the plug-in's file name below "Plugin/", without ".so"
    bool delivered;     ///< whether the plug-in ships
    GameKind kind;
    int frontCount; ///< numbers per bet in the front area
    int backCount;  ///< numbers per bet in the back area (0: none)
    int frontLow;   ///< the smallest front number
    int frontHigh;  ///< the largest front number
    int backHigh;   ///< the largest back number (back numbers start at 1)
};

/// Every game of the table, in the program's compare order.
CALCULATION_EXPORT std::span<const GameInfo> Games();
/// The game of that key (compared case-sensitively), or null.
CALCULATION_EXPORT const GameInfo *FindGame(std::wstring_view key);

} // namespace calculation

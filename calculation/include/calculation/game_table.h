/// \file
/// \brief The games the program knows: each game key with its plug-in file, the pools of its bets
/// and its product. The plug-in host, the pages and the settings database (through files the build's
/// tools generate from this table), the build's plug-in rule (the plug-in file of a row) and the
/// tests read it; nothing keeps a copy of its own.
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

/// How a compound bet's prize levels are counted (prize_check.h).
enum class PrizeRule {
    SevenPlusSpecial, ///< 7 numbers and a special number, 8 entries; the rule of any other game
    SixPlusOne,       ///< 6 front and 1 back number, 6 levels
    FivePlusTwo,      ///< 5 front and 2 back numbers, 6 levels
};

/// The game as a product of the settings database ("products" row, docs/settings-database.md).
struct ProductInfo {
    int id;           ///< the row's id, also its place in the product list ("sort")
    const char *name; ///< the name users read ("productCnName"), UTF-8
    const char *area; ///< the sales area: a "lotArea" dictionary code
    const char *flag; ///< "Fc" welfare lottery, "Tc" sports lottery, "Gp" high-frequency game
    bool hot;         ///< listed under the hot games too
    const char *version = "1.0.0";
    const char *released = "2025-01-01";
};

struct GameInfo {
    const wchar_t *key; ///< the game key the pages send ("Magic3")
    /// The plug-in's file name below "Plugin/", without ".so". The build names the plug-in of the
    /// game's folder by it (cmake/GamePlugin.cmake reads it from the row as written here).
    const char *plugin;
    bool delivered; ///< whether the plug-in ships
    GameKind kind;
    int frontCount; ///< numbers per bet in the front area
    int backCount;  ///< numbers per bet in the back area (0: none)
    int frontLow;   ///< the smallest front number
    int frontHigh;  ///< the largest front number
    int backHigh;   ///< the largest back number (back numbers start at 1)
    int gridTable;  ///< the result grid's table, as the settings database numbers its tables
    ProductInfo product;
    PrizeRule prize = PrizeRule::SevenPlusSpecial;
};

/// The kind's name as the settings database's products and the pages' game table write it:
/// "digit" or "lotto".
CALCULATION_EXPORT const char *KindName(GameKind kind);

/// The game's "lotteryCategory" as the product list gives it to the pages: key and flag ("Fc6Of33_Fc").
CALCULATION_EXPORT std::wstring LotteryCategory(const GameInfo &game);

/// Where a plug-in file lives, relative to the program's folder: "Plugin/<plugin>.so". The plug-in
/// host loads a game's plug-in from there and the plug-in list looks for it there.
CALCULATION_EXPORT std::string PluginFile(std::string_view plugin);

/// Every game of the table, in the program's compare order.
CALCULATION_EXPORT std::span<const GameInfo> Games();
/// The game of that key (compared case-sensitively), or null.
CALCULATION_EXPORT const GameInfo *FindGame(std::wstring_view key);

} // namespace calculation

/// \file
/// \brief The games of the game table whose plug-ins are delivered, in the product list's order:
/// what the delivered settings database offers, for the tests that read it.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "basekit/text_convert.h"
#include "calculation/game_table.h"

namespace qel::testing {

inline std::vector<const calculation::GameInfo *> DeliveredGames()
{
    std::vector<const calculation::GameInfo *> games;
    for (const calculation::GameInfo &game : calculation::Games()) {
        if (game.delivered) {
            games.push_back(&game);
        }
    }
    std::ranges::sort(games, {}, [](const calculation::GameInfo *game) { return game->product.id; });
    return games;
}

/// The keys (or plug-in files) of those games, joined by ",".
template <typename Part>
std::wstring JoinedGames(const std::vector<const calculation::GameInfo *> &games, Part part)
{
    std::wstring text;
    for (const calculation::GameInfo *game : games) {
        text += (text.empty() ? L"" : L",") + part(*game);
    }
    return text;
}

inline std::wstring KeyOf(const calculation::GameInfo &game)
{
    return game.key;
}

} // namespace qel::testing

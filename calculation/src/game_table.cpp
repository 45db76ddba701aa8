#include "calculation/game_table.h"

#include <algorithm>
#include <array>

namespace calculation {
namespace {

constexpr GameKind D = GameKind::Digit;
constexpr GameKind L = GameKind::Lotto;

// The compare order is the program's own; three games have no plug-in in this delivery.
constexpr std::array<GameInfo, 15> kGames = {{
    {L"Magic3", "Rules-Magic3", true, D, 3, 0, 0, 9, 0},
    {L"Array5", "Rules-Array5", true, D, 5, 0, 0, 9, 0},
    {L"Quick3", "Rules-Quick3", true, D, 3, 0, 1, 6, 0},
    {L"Hd5Of15", "Rules-Hd5Of15", true, L, 5, 0, 1, 15, 0},
    {L"L5Of11", "Rules-L5Of11", false, L, 5, 0, 1, 11, 0},
    {L"Ttl5Of22", "Rules-Ttl5Of22", true, L, 5, 0, 1, 22, 0},
    {L"Fc4Of10", "Rules-Ttc4Of10", true, D, 4, 0, 0, 9, 0},
    {L"Tc5Of20", "Rules-Tc5Of20", true, L, 5, 0, 1, 20, 0},
    {L"Fc6Of33", "Rules-Fc6Of33", true, L, 6, 1, 1, 33, 16},
    {L"Tc5Of35", "Rules-Tc5Of35", true, L, 5, 2, 1, 35, 12},
    {L"Fc7Of30", "Rules-Fc7Of30", true, L, 7, 0, 1, 30, 0},
    {L"Tc7Of33", "Rules-Tc7Of33", false, L, 7, 0, 1, 33, 0},
    {L"Fc5Of23", "Rules-Fc5Of23", false, L, 5, 0, 1, 23, 0},
    {L"Tc7Of10", "Rules-Tc7Of10", true, D, 7, 0, 0, 9, 0},
    // The back number of this game is a zodiac label, 1 to 12.
    {L"Fc6Of10", "Rules-Fc6Of10", true, D, 6, 1, 0, 9, 12},
}};

} // namespace

std::span<const GameInfo> Games()
{
    return kGames;
}

const GameInfo *FindGame(std::wstring_view key)
{
    const auto *it = std::ranges::find_if(kGames, [&](const GameInfo &g) { return key == g.key; });
    return it == kGames.end() ? nullptr : &*it;
}

} // namespace calculation

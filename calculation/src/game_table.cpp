#include "calculation/game_table.h"

#include <algorithm>
#include <array>

#include "basekit/text_convert.h"

namespace calculation {
namespace {

constexpr GameKind D = GameKind::Digit;
constexpr GameKind L = GameKind::Lotto;

// The compare order is the program's own; three games have no plug-in in this delivery.
// Key, plug-in, delivered, kind, front and back counts, front range, largest back number, grid
// table; product: id, name, area, flag, hot; the prize rule where it is not seven plus a special.
constexpr auto kGames = std::to_array<GameInfo>({
    {L"Magic3", "Rules-Magic3", true, D, 3, 0, 0, 9, 0, 1, {1, "福彩3D", "1", "Fc", true}},
    {L"Array5", "Rules-Array5", true, D, 5, 0, 0, 9, 0, 6, {2, "排列5", "1", "Tc", false}},
    {L"Quick3", "Rules-Quick3", true, D, 3, 0, 1, 6, 0, 1, {3, "快3", "2102", "Gp", false}},
    {L"Hd5Of15", "Rules-Hd5Of15", true, L, 5, 0, 1, 15, 0, 6, {10, "15选5", "2101", "Fc", false}},
    {L"L5Of11", "Rules-L5Of11", false, L, 5, 0, 1, 11, 0, 7, {13, "11选5", "2102", "Gp", false}},
    {L"Ttl5Of22", "Rules-Ttl5Of22", true, L, 5, 0, 1, 22, 0, 6, {11, "22选5", "2201", "Tc", false}},
    {L"Fc4Of10", "Rules-Ttc4Of10", true, D, 4, 0, 0, 9, 0, 9, {9, "四位数", "2202", "Fc", false}},
    {L"Tc5Of20", "Rules-Tc5Of20", true, L, 5, 0, 1, 20, 0, 6, {12, "20选5", "2103", "Tc", false}},
    {L"Fc6Of33",
     "Rules-Fc6Of33",
     true,
     L,
     6,
     1,
     1,
     33,
     16,
     11,
     {4, "双色球", "1", "Fc", true},
     PrizeRule::SixPlusOne},
    {L"Tc5Of35",
     "Rules-Tc5Of35",
     true,
     L,
     5,
     2,
     1,
     35,
     12,
     13,
     {5, "大乐透", "1", "Tc", true},
     PrizeRule::FivePlusTwo},
    {L"Fc7Of30", "Rules-Fc7Of30", true, L, 7, 0, 1, 30, 0, 12, {6, "七乐彩", "1", "Fc", false}},
    {L"Tc7Of33", "Rules-Tc7Of33", false, L, 7, 0, 1, 33, 0, 12, {14, "33选7", "2103", "Tc", false}},
    {L"Fc5Of23", "Rules-Fc5Of23", false, L, 5, 0, 1, 23, 0, 6, {15, "23选5", "2201", "Fc", false}},
    {L"Tc7Of10", "Rules-Tc7Of10", true, D, 7, 0, 0, 9, 0, 12, {7, "七星彩", "1", "Tc", false}},
    // The back number of this game is a zodiac label, 1 to 12.
    {L"Fc6Of10", "Rules-Fc6Of10", true, D, 6, 1, 0, 9, 12, 11, {8, "东方6+1", "2101", "Fc", false}},
});

} // namespace

std::span<const GameInfo> Games()
{
    return kGames;
}

const char *KindName(GameKind kind)
{
    return kind == GameKind::Digit ? "digit" : "lotto";
}

std::wstring LotteryCategory(const GameInfo &game)
{
    return std::wstring(game.key) + L"_" + basekit::CStrA2CStrW(game.product.flag);
}

std::string PluginFile(std::string_view plugin)
{
    return "Plugin/" + std::string(plugin) + ".so";
}

const GameInfo *FindGame(std::wstring_view key)
{
    const auto *it = std::ranges::find_if(kGames, [&](const GameInfo &g) { return key == g.key; });
    return it == kGames.end() ? nullptr : &*it;
}

} // namespace calculation

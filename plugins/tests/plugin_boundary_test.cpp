// Every plug-in of the stage loaded as the program loads it: its contract version checked, chains
// made, given back and made again after a rebind (the sanitizer builds report any leak or use of
// freed memory across the boundary), and plug-ins of another contract refused cleanly.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "calculation/game_table.h"
#include "calculation/plugin_library.h"
#include "support/condition_builder.h"

namespace {

using calculation::PluginLibrary;

// A small run of the game: a few numbers of each pool under every base-number key a game reads,
// enough for a handful of rows (the digit games two digits, the lotto games one more number than
// a bet holds).
testsupport::ConditionMap SmallRun(const calculation::GameInfo &game)
{
    testsupport::ConditionMap m(L"dataSourceNew", L"zhiXuan", 0);
    const int front = game.kind == calculation::GameKind::Digit ? 2 : game.frontCount + 1;
    const std::wstring pool = testsupport::Range(game.frontLow, game.frontLow + front - 1);
    m.Set(L"baseNums", pool).Set(L"baseNums_red", pool).Set(L"baseNums_blue", testsupport::Range(1, 2));
    return m;
}

TEST(PluginBoundary, EveryDeliveredGameLoadsMakesAndGivesBackChains)
{
    for (const calculation::GameInfo &game : calculation::Games()) {
        const std::string path = calculation::PluginPathForGame(game.key);
        SCOPED_TRACE(path);
        if (!game.delivered) {
            EXPECT_FALSE(std::filesystem::exists(path));
            continue;
        }
        for (int bind = 0; bind < 2; ++bind) { // a rebind loads the library again
            PluginLibrary library;
            ASSERT_TRUE(library.Open(path)) << library.error();
            calculation::ChainHandle first = library.MakeChain();
            calculation::ChainHandle second = library.MakeChain();
            ASSERT_TRUE(first && second) << library.error();
            EXPECT_NE(first.get(), second.get());
            EXPECT_EQ(first->FilterCount(), 2);
            EXPECT_EQ(first->rowLength(), game.frontCount + game.backCount);
            // A run whose rows the chain holds when it is given back (the second bind replaces
            // them): nothing of it may be left behind.
            const testsupport::ConditionMap run = SmallRun(game);
            first->SetNodeData(run.map(), 0);
            first->SetNodeData(run.map(), 1);
            first->Filter();
            EXPECT_GT(first->resultList()->size(), 0U);
            first->ResetAll();
            first->SetNodeData(run.map(), 0);
            first->SetNodeData(run.map(), 1);
            first->Filter();
            first->ResetAll();
            first->DeleteAll();
            first.reset();
            second.reset(); // given back without a run
        }
    }
}

// The stage's plug-in folder holds exactly the delivered games' plug-ins, so the test above meets
// every plug-in a user's installation can load. The game folders are found by the build, so this is
// what holds them to the table: a folder without a delivered row, or a row without its folder.
TEST(PluginBoundary, ThePluginFolderHoldsTheDeliveredGamesOnly)
{
    std::set<std::string> delivered;
    for (const calculation::GameInfo &game : calculation::Games()) {
        if (game.delivered) {
            delivered.insert(calculation::PluginPathForGame(game.key));
        }
    }
    std::set<std::string> staged;
    for (const auto &entry : std::filesystem::directory_iterator("Plugin")) {
        staged.insert("Plugin/" + entry.path().filename().string());
    }
    EXPECT_EQ(staged, delivered);
    EXPECT_FALSE(delivered.empty());
}

TEST(PluginBoundary, PluginsOfAnotherContractAreRefusedWithTheReason)
{
    struct Case {
        const char *path;
        const char *reason;
    } cases[] = {
        {QEL_OTHER_VERSION_PLUGIN, "plug-in built for contract version"},
        {QEL_NO_VERSION_PLUGIN, "no contract version"},
        {"Plugin/Rules-NoSuchGame.so", "Rules-NoSuchGame.so"},
    };
    for (const Case &c : cases) {
        PluginLibrary library;
        EXPECT_FALSE(library.Open(c.path)) << c.path;
        EXPECT_FALSE(library.isOpen());
        EXPECT_NE(library.error().find(c.reason), std::string::npos) << library.error();
        EXPECT_FALSE(library.MakeChain());
    }
}

TEST(PluginBoundary, KeysOutsideTheTableHaveNoPluginFile)
{
    EXPECT_EQ(calculation::PluginPathForGame(L"Fc4Of10"), "Plugin/Rules-Ttc4Of10.so");
    EXPECT_EQ(calculation::PluginPathForGame(L"magic3"), "");
    EXPECT_EQ(calculation::PluginPathForGame(L""), "");
    EXPECT_EQ(calculation::FindGame(L"Tc7Of33")->delivered, false);
}

TEST(PluginBoundary, OnlyTheGamesThatSetItCarryTheirKeyInTheChain)
{
    const std::set<std::wstring> carrying = {L"Magic3", L"Array5", L"Tc5Of35", L"Fc6Of33", L"Hd5Of15"};
    for (const calculation::GameInfo &game : calculation::Games()) {
        if (!game.delivered) {
            continue;
        }
        const std::string path = calculation::PluginPathForGame(game.key);
        SCOPED_TRACE(path);
        PluginLibrary library;
        ASSERT_TRUE(library.Open(path)) << library.error();
        calculation::ChainHandle chain = library.MakeChain();
        ASSERT_TRUE(chain) << library.error();
        EXPECT_EQ(chain->gameKey(), carrying.contains(game.key) ? game.key : L"");
    }
}

} // namespace

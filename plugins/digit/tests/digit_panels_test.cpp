// Every digit game's condition panels in the delivered settings database against what its chain
// and stages read: every condition read has its panel, and every panel is read.
#include <gtest/gtest.h>

#include <set>
#include <sqlite3.h>
#include <string>
#include <vector>

#include "basekit/text_convert.h"
#include "calculation/condition.h"
#include "digit_descriptions.h"
#include "page_run.h"

namespace digittest {
namespace {

// The conditions of a game's panels: the rows that have no rows of their own below them (a panel
// with children is only their group).
std::set<std::wstring> PanelConditions(const std::string &game)
{
    std::set<std::wstring> keys;
    sqlite3 *db = nullptr;
    EXPECT_EQ(sqlite3_open_v2("sys.db", &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const char *query = "SELECT moduleName FROM base_config AS b WHERE productName = ?1 AND isUse = 1 AND "
                        "NOT EXISTS (SELECT 1 FROM base_config AS c WHERE c.parentId = b.id)";
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, query, -1, &statement, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(statement, 1, game.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            keys.insert(
                basekit::CStrA2CStrW(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))));
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return keys;
}

struct GameCase {
    std::wstring game;
    std::vector<std::wstring> playTypes;
    std::vector<Item> base;
    // Keys read that no test of this game looks at: they have no panel.
    std::set<std::wstring> readNotTested;
};

// A run of each play type of the game, with base numbers in the game's base conditions.
GameCase CaseOf(const plugins::digit::DigitGame &d)
{
    GameCase c{.game = d.key, .playTypes = {}, .base = {{d.baseKey, L"1,2,3"}}, .readNotTested = {}};
    for (const plugins::digit::PlayType &playType : d.playTypes) {
        c.playTypes.push_back(playType.name);
    }
    if (c.playTypes.empty()) {
        // A game without play types plays every run straight and never looks at "castType".
        c.playTypes.emplace_back();
        c.readNotTested.insert(L"castType");
    }
    if (d.hasLabel()) {
        c.base.push_back({d.label.chosenKey, L"1"});
    }
    if (d.baseKey != L"baseNums") {
        // The engine's default front-pool key is looked up even where the game names its own.
        c.readNotTested.insert(L"baseNums");
    }
    return c;
}

TEST(DigitPanels, EveryConditionReadHasItsPanelAndEveryPanelIsRead)
{
    const std::set<std::wstring> loadedNeverTested = {L"onlySameTail", L"erWeiSameTail2", L"erWeiSameTail3",
                                                      L"erWeiSameTail4"};
    for (const auto describe : plugins::digit::kDescriptions) {
        const GameCase c = CaseOf(describe());
        SCOPED_TRACE(Narrow(c.game));
        std::set<std::wstring> read;
        calculation::LogConditionKeys(&read);
        qel::CFilterContext context(L"qel://base");
        context.SwitchPlugin(c.game);
        for (const std::wstring &castType : c.playTypes) {
            context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(FilterRequest(c.game, castType, c.base)));
            context.OnFilter(
                basekit::JsonUtil::JsonStrToJsonObj(FilterRequest(c.game, castType, {}, L"123")));
        }
        calculation::LogConditionKeys(nullptr);
        for (const std::wstring &key : loadedNeverTested) {
            read.erase(key);
        }
        for (const std::wstring &key : c.readNotTested) {
            read.erase(key);
        }
        std::set<std::wstring> panels = PanelConditions(Narrow(c.game));
        for (const std::wstring &key : read) {
            EXPECT_TRUE(panels.count(key)) << "read but offered by no panel: " << Narrow(key);
        }
        for (const std::wstring &key : panels) {
            EXPECT_TRUE(read.count(key)) << "a panel no stage reads: " << Narrow(key);
        }
    }
}

} // namespace
} // namespace digittest

// Every digit game's condition panels in the delivered settings database against what its chain
// and stages read: every condition read has its panel, and every panel is read.
#include <gtest/gtest.h>

#include <set>
#include <sqlite3.h>
#include <string>

#include "basekit/text_convert.h"
#include "calculation/condition.h"
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
    const wchar_t *game;
    std::vector<const wchar_t *> playTypes;
    std::vector<Item> base;
    // Keys read that no test of this game looks at: they have no panel.
    std::set<std::wstring> readNotTested;
};

TEST(DigitPanels, EveryConditionReadHasItsPanelAndEveryPanelIsRead)
{
    const std::set<std::wstring> loadedNeverTested = {L"onlySameTail", L"erWeiSameTail2", L"erWeiSameTail3",
                                                      L"erWeiSameTail4"};
    const GameCase cases[] = {
        {L"Magic3", {L"zhiXuan", L"zuLiu", L"zuSan"}, {{L"baseNums", L"1,2,3"}}, {}},
        {L"Array5", {L""}, {{L"baseNums", L"1,2"}}, {L"castType"}},
        {L"Quick3", {L"zhiXuan", L"zuXuan"}, {{L"baseNums", L"1,2"}}, {}},
        {L"Fc4Of10", {L"zhiXuan", L"zu24", L"zu12", L"zu6", L"zu4"}, {{L"baseNums", L"1,2"}}, {}},
        {L"Fc6Of10",
         {L""},
         {{L"baseNums_red", L"1,2"}, {L"baseNums_blue", L"1"}},
         {L"castType", L"baseNums"}},
        {L"Tc7Of10", {L""}, {{L"baseNums", L"1,2"}}, {L"castType"}},
    };
    for (const GameCase &c : cases) {
        SCOPED_TRACE(Narrow(c.game));
        std::set<std::wstring> read;
        calculation::LogConditionKeys(&read);
        qel::CFilterContext context(L"qel://base");
        context.SwitchPlugin(c.game);
        for (const wchar_t *castType : c.playTypes) {
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

// Grid 20 of the settings database: every delivered game of the game table lists the table types
// it offers, its chain answers each, and the columns of each are the keys of the rows it answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "basekit/string_split.h"
#include "basekit/text_convert.h"
#include "calculation/abstract_filter_chain.h"
#include "calculation/game_table.h"
#include "calculation/plugin_library.h"
#include "settings/filter_context_dao.h"
#include "settings_test_database.h"
#include "support/history_fixture.h"

namespace qel::testing {
namespace {

constexpr int kHistoryGrid = 20;

// One draw of the chain's game: the numbers 1, 2, ... for its bet and its special numbers, which
// make a draw of every delivered game (its pools start at 0 or 1 and hold more numbers than a
// draw, its back numbers at 1).
std::wstring DrawOf(const calculation::AbstractFilterChain &chain)
{
    std::vector<int> numbers;
    std::wstring lottery;
    for (int i = 1; i <= chain.drawLength(); ++i) {
        numbers.push_back(i);
        lottery += (lottery.empty() ? L"" : L",") + std::to_wstring(i);
    }
    EXPECT_TRUE(chain.IsDrawOfGame(numbers)) << basekit::CStrW2CStrA(lottery);
    return lottery;
}

std::set<std::wstring> KeysOfFirstRow(const std::wstring &reply)
{
    std::set<std::wstring> keys;
    const auto rows = testsupport::ParseListReply(reply);
    if (!rows.empty()) {
        for (const auto &[key, value] : rows.front()) {
            keys.insert(key);
        }
    }
    return keys;
}

// The grid's statements, and one more: the table types a game lists.
class GridDao : public CFilterContextDao {
public:
    std::wstring OfferedTabs(const std::wstring &game)
    {
        std::wstring tabs;
        for (const basekit::RowMap &row : queryToMapListByParams(
                 L"select distinct tab from table_column where tableId=? and flag=? and tab is "
                 L"not null order by tab",
                 {kHistoryGrid, game})) {
            tabs += (tabs.empty() ? L"" : L",") + row.at(L"tab").text;
        }
        return tabs;
    }
};

class HistoryColumnsTest : public DaoDatabaseTest<GridDao> {
protected:
    // The fields of the grid's columns for a game's table, with the columns under the groups.
    std::set<std::wstring> Fields(const std::wstring &game, const std::wstring &tab)
    {
        std::set<std::wstring> fields;
        for (const basekit::MapList &columns : {dao_.QueryTableColumns(kHistoryGrid, game, tab),
                                                dao_.QueryTableSubColumns(kHistoryGrid, game, tab)}) {
            for (const basekit::RowMap &column : columns) {
                auto field = column.find(L"field");
                if (field != column.end() && !field->second.text.empty()) {
                    EXPECT_TRUE(fields.insert(field->second.text).second)
                        << "twice: " << basekit::CStrW2CStrA(field->second.text) << " in "
                        << basekit::CStrW2CStrA(game) << " " << basekit::CStrW2CStrA(tab);
                }
            }
        }
        return fields;
    }

    std::wstring OfferedTabs(const std::wstring &game) { return dao_.OfferedTabs(game); }
};

TEST_F(HistoryColumnsTest, EveryGameOffersItsTablesWithTheColumnsOfTheirRows)
{
    for (const calculation::GameInfo &game : calculation::Games()) {
        if (!game.delivered) {
            continue;
        }
        SCOPED_TRACE(basekit::CStrW2CStrA(game.key));
        const std::wstring tabs = OfferedTabs(game.key);
        EXPECT_NE(tabs.find(L"base"), std::wstring::npos) << basekit::CStrW2CStrA(tabs);
        // Each game through its plug-in, as the trend window asks for its tables.
        calculation::PluginLibrary library;
        ASSERT_TRUE(library.Open(calculation::PluginPathForGame(game.key))) << library.error();
        calculation::ChainHandle chain = library.MakeChain();
        ASSERT_TRUE(chain);
        chain->SetOldDataCache({testsupport::Draw(L"1", L"d", DrawOf(*chain))});
        for (const std::wstring &tab : basekit::StrSplit(tabs, L",")) {
            const std::set<std::wstring> keys = KeysOfFirstRow(chain->GetDetailedData(game.key, tab));
            EXPECT_FALSE(keys.empty()) << "a table the game does not answer: " << basekit::CStrW2CStrA(tab);
            EXPECT_EQ(Fields(game.key, tab), keys) << basekit::CStrW2CStrA(tab);
        }
    }
}

TEST_F(HistoryColumnsTest, GamesWithoutPluginsListNoTables)
{
    for (const calculation::GameInfo &game : calculation::Games()) {
        if (game.delivered) {
            continue;
        }
        EXPECT_EQ(OfferedTabs(game.key), L"") << basekit::CStrW2CStrA(game.key);
        // The columns that every table shows are there for any game.
        EXPECT_EQ(Fields(game.key, L"base"), (std::set<std::wstring>{L"qiHao", L"lotDate"}));
    }
}

} // namespace
} // namespace qel::testing

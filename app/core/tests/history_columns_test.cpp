// Grid 20 of the settings database: for every game and table type it lists, its columns are the
// keys of the rows that the game's chain answers for that type, and each game lists the table
// types it offers.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "basekit/string_split.h"
#include "basekit/text_convert.h"
#include "calculation/plugin_library.h"
#include "settings/filter_context_dao.h"
#include "settings_test_database.h"
#include "support/history_fixture.h"

namespace qel::testing {
namespace {

constexpr int kHistoryGrid = 20;

struct Game {
    const wchar_t *key;
    calculation::HistoryGame shape;
    const wchar_t *tabs; ///< the table types it offers, in tab order of the database
};

calculation::HistoryGame Shape(int frontMax, int frontCount, int backMax, int backCount, bool digits)
{
    calculation::HistoryGame game = digits ? testsupport::DigitGame(frontCount)
                                           : testsupport::LottoGame(frontMax, frontCount, backMax, backCount);
    game.backMax = backMax;
    game.backCount = backCount;
    return game;
}

std::vector<Game> Games()
{
    calculation::HistoryGame labelled = Shape(10, 6, 12, 1, true);
    labelled.labelBack = true;
    calculation::HistoryGame dice = Shape(6, 3, 0, 0, true);
    dice.frontMax = 6;
    dice.lowestNumber = 1;
    dice.bigStart = 4;
    dice.areaWidth = 2;
    return {
        {L"Magic3", Shape(10, 3, 0, 0, true),
         L"base,bigSmall,distribution,heZhi,luShu,oddEven,other,span,threeArea,w5,w6,w7,wuXing,zhiHe"},
        {L"Array5", Shape(10, 5, 0, 0, true),
         L"base,bigSmall,distribution,heZhi,lianHao,luShu,oddEven,sameNum,span,threeArea,wuXing,zhiHe"},
        {L"Tc7Of10", Shape(10, 7, 0, 0, true),
         L"base,bigSmall,heZhi,lianHao,luShu,oddEven,pos0,pos1,pos2,pos3,pos4,"
         L"pos5,pos6,sameNum,span,threeArea,wuXing,zhiHe"},
        {L"Fc6Of10", labelled,
         L"base,bigSmall,blue,heZhi,lianHao,luShu,oddEven,pos0,pos1,pos2,pos3,pos4,pos5,"
         L"sameNum,span,threeArea,wuXing,zhiHe"},
        {L"Tc5Of35", Shape(35, 5, 12, 2, false),
         L"base,bigSmall,blue,heZhi,lianHao,luShu,oddEven,pos0,pos1,pos2,"
         L"pos3,pos4,sameTail,span,threeArea,wuXing,zhiHe"},
        {L"Fc6Of33", Shape(33, 6, 16, 1, false),
         L"base,bigSmall,blue,heZhi,lianHao,luShu,oddEven,pos0,pos1,pos2,"
         L"pos3,pos4,pos5,sameTail,span,threeArea,wuXing,zhiHe"},
        // Its draws hold a special number of the front pool after the seven.
        {L"Fc7Of30", Shape(30, 7, 30, 1, false),
         L"base,bigSmall,heZhi,lianHao,luShu,oddEven,pos0,pos1,pos2,pos3,"
         L"pos4,pos5,pos6,sameTail,span,threeArea,wuXing,zhiHe"},
        {L"Hd5Of15", Shape(15, 5, 0, 0, false),
         L"base,bigSmall,distribution,heZhi,lianHao,luShu,oddEven,sameTail,span,threeArea,wuXing,zhiHe"},
        {L"Ttl5Of22", Shape(22, 5, 0, 0, false),
         L"base,bigSmall,heZhi,lianHao,luShu,oddEven,pos0,pos1,pos2,pos3,"
         L"pos4,sameTail,span,threeArea,wuXing,zhiHe"},
        {L"Tc5Of20", Shape(20, 5, 0, 0, false),
         L"base,bigSmall,heZhi,lianHao,luShu,oddEven,pos0,pos1,pos2,pos3,"
         L"pos4,sameTail,span,threeArea,wuXing,zhiHe"},
        {L"Quick3", dice,
         L"base,bigSmall,lianHao,luShu,oddEven,pos0,pos1,pos2,sameNum,span,threeArea,wuXing,zhiHe"},
        {L"Fc4Of10", Shape(10, 4, 0, 0, true),
         L"base,bigSmall,lianHao,luShu,oddEven,pos0,pos1,pos2,pos3,sameNum,span,threeArea,wuXing,zhiHe"},
    };
}

// One draw of the game: 1, 2, ... (digits from 1 too), then its back numbers.
std::wstring DrawOf(const calculation::HistoryGame &game)
{
    std::wstring lottery;
    for (int i = 0; i < game.frontCount; ++i) {
        lottery += std::to_wstring(i + 1) + L",";
    }
    for (int i = 0; i < game.backCount; ++i) {
        // Past the front numbers where the pool allows: a special number is another than those.
        const int number = game.frontCount + i + 1;
        lottery += std::to_wstring(number <= game.backMax ? number : i + 1) + L",";
    }
    lottery.pop_back();
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
    for (const Game &game : Games()) {
        EXPECT_EQ(OfferedTabs(game.key), game.tabs) << basekit::CStrW2CStrA(game.key);
        // Each game through its plug-in, as the trend window asks for its tables.
        calculation::PluginLibrary library;
        ASSERT_TRUE(library.Open(calculation::PluginPathForGame(game.key))) << library.error();
        calculation::ChainHandle chain = library.MakeChain();
        ASSERT_TRUE(chain);
        chain->SetOldDataCache({testsupport::Draw(L"1", L"d", DrawOf(game.shape))});
        for (const std::wstring &tab : basekit::StrSplit(game.tabs, L",")) {
            EXPECT_EQ(Fields(game.key, tab), KeysOfFirstRow(chain->GetDetailedData(game.key, tab)))
                << basekit::CStrW2CStrA(std::wstring(game.key) + L" " + tab);
        }
    }
}

TEST_F(HistoryColumnsTest, GamesWithoutHistoryTablesListNone)
{
    for (const wchar_t *game : {L"L5Of11", L"Tc7Of33"}) {
        EXPECT_EQ(OfferedTabs(game), L"");
        // The columns that every table shows are there for any game.
        EXPECT_EQ(Fields(game, L"base"), (std::set<std::wstring>{L"qiHao", L"lotDate"}));
    }
}

} // namespace
} // namespace qel::testing

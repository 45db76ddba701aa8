// The statements of the two access objects, each on the delivered database: rows and keys.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "basekit/text_convert.h"
#include "delivered_games.h"

#include "settings/filter_context_dao.h"
#include "settings/system_dao.h"
#include "settings_test_database.h"

namespace qel::testing {
namespace {

using basekit::MapList;

TEST_F(FilterContextDaoTest, ComponentPanelsOfAGameByIdWithTheirColumns)
{
    const MapList parents = dao_.QueryComponentParents(L"Magic3");
    ASSERT_FALSE(parents.empty());
    EXPECT_EQ(KeysOf(parents.front()),
              "add0IfLess10,areaText,ballPanelCss,bgSuffixForXp,calType,classification,colNum,"
              "css,id,itemsNumber,moduleName,moduleText,optionBegin,options,quickSelect,"
              "randomMaxNum,sort,tabIndex,titleCss,type,use");
    EXPECT_EQ(Column(parents, L"moduleName").substr(0, 37), L"dataSource,castType,maxWrong,baseNums");
    EXPECT_EQ(parents.front().at(L"calType").text, L"dataSourceNew");
    EXPECT_EQ(parents.front().at(L"type").text, L"singleSel");
    // Ordered by id as numbers.
    int previous = 0;
    for (const auto &row : parents) {
        EXPECT_LT(previous, std::stoi(row.at(L"id").text));
        previous = std::stoi(row.at(L"id").text);
    }
    EXPECT_TRUE(dao_.QueryComponentParents(L"NoSuchGame").empty());
}

TEST_F(FilterContextDaoTest, ComponentChildrenByParentThenSort)
{
    const MapList children = dao_.QueryComponentChildren(L"Magic3");
    ASSERT_FALSE(children.empty());
    EXPECT_EQ(KeysOf(children.front()),
              "add0IfLess10,areaText,ballPanelCss,bgSuffixForXp,calType,classification,"
              "colNum,css,id,itemsNumber,moduleName,moduleText,optionBegin,options,parentId,"
              "quickSelect,randomMaxNum,sort,tabIndex,titleCss,type,use");
    EXPECT_EQ(Column(children, L"moduleName").substr(0, 58),
              L"danMa0,danMa1,danMa2,danMa3,danMa4,danMa5,danMa6,pos0,pos1");
    int parent = 0;
    int sort = 0;
    for (const auto &row : children) {
        const int p = std::stoi(row.at(L"parentId").text);
        const int s = std::stoi(row.at(L"sort").text);
        EXPECT_TRUE(p > parent || (p == parent && s > sort)) << p << " " << s;
        parent = p;
        sort = s;
    }
}

TEST_F(FilterContextDaoTest, PanelsSwitchedOffAreLeftOut)
{
    const size_t before = dao_.QueryComponentParents(L"Magic3").size();
    Exec("update base_config set isUse=0 where id=1010");
    EXPECT_EQ(dao_.QueryComponentParents(L"Magic3").size(), before - 1);
}

TEST_F(FilterContextDaoTest, UpdateCalTypeChangesOneRow)
{
    EXPECT_EQ(dao_.UpdateCalType(L"paiChu", 1010), 1);
    EXPECT_EQ(dao_.UpdateCalType(L"paiChu", 99999), 0);
    const MapList parents = dao_.QueryComponentParents(L"Magic3");
    for (const auto &row : parents) {
        if (row.at(L"id").text == L"1010") {
            EXPECT_EQ(row.at(L"calType").text, L"paiChu");
        }
    }
}

TEST_F(FilterContextDaoTest, DeliveredFooterButtonsForEveryGameWithTheirStagedPictures)
{
    for (const wchar_t *category : {L"Magic3_Fc", L"Fc6Of33_Fc"}) {
        const MapList buttons = dao_.QueryAdvertisements(category);
        EXPECT_EQ(Column(buttons, L"name"),
                  L"newLottery,dataAnalysis,autoDan,luckLottery,zhuiHaoPlan,check,calc,userCenter");
        EXPECT_EQ(Column(buttons, L"advertisement"),
                  L"开奖公告,走势图表,智能荐胆,幸运选号,倍投计划,中奖查询,奖金计算,用户中心");
        EXPECT_TRUE(dao_.QueryAdvertisementChildren(category).empty());
    }
    // The page shows "images/footerBtn/" + logo: every picture a button names is in the stage.
    for (const auto &button : dao_.QueryAdvertisements(L"Magic3_Fc")) {
        const std::filesystem::path picture = std::filesystem::path(QEL_STAGE_DIR) / "images" / "footerBtn" /
                                              basekit::CStrW2CStrA(button.at(L"logo").text);
        EXPECT_TRUE(std::filesystem::is_regular_file(picture)) << picture;
    }
}

TEST_F(FilterContextDaoTest, AdvertisementsOfACategoryAndOfAll)
{
    Exec("delete from advertisement"); // rows of its own instead of the delivered ones
    Exec("insert into advertisement (id, parentId, name, advertisement, webUrl, adUrl, flag, logo, "
         "realProductName, "
         "sort) values (1, NULL, 'newLottery', '最新开奖', 'http://a', 'http://b', '1', 'new.png', NULL, 2),"
         "(2, NULL, 'autoDan', '智能荐胆', NULL, NULL, '1', 'dan.png', 'Magic3_Fc', 1),"
         "(3, NULL, 'other', '其他', NULL, NULL, '1', 'x.png', 'Fc6Of33_Fc', 0),"
         "(4, 1, 'child', '子项', NULL, NULL, '1', NULL, NULL, 1)");
    const MapList top = dao_.QueryAdvertisements(L"Magic3_Fc");
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(KeysOf(top.front()), "adUrl,advertisement,flag,id,logo,name,webUrl");
    EXPECT_EQ(Column(top, L"name"), L"autoDan,newLottery");
    EXPECT_EQ(top.back().at(L"webUrl").text, L"http://a");
    const MapList children = dao_.QueryAdvertisementChildren(L"Magic3_Fc");
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(KeysOf(children.front()), "adUrl,advertisement,flag,name,parentId,webUrl");
    EXPECT_EQ(Column(dao_.QueryAdvertisementsByCategory(L"Magic3_Fc"), L"name"), L"autoDan");
}

TEST_F(FilterContextDaoTest, ComboboxDataByTypeGameAndPlayType)
{
    struct Case {
        const wchar_t *type;
        const wchar_t *game;
        const wchar_t *castType;
        size_t rows;
    };
    const Case cases[] = {
        {L"numSelect", L"Magic3", L"zhiXuan", 10},
        {L"heZhiSelect", L"Magic3", L"zhiXuan", 5}, // one row is for the group plays only
        {L"heZhiSelect", L"Magic3", L"zuLiu", 6},
        {L"heZhiSelect", L"Magic3", L"", 6}, // an empty play type matches every play type
        {L"numSelect", L"Fc6Of33", L"", 10},
        {L"numSelect", L"L5Of11", L"", 0}, // a game without panels
        {L"calType", L"L5Of11", L"", 2},   // rows for every game
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << basekit::CStrW2CStrA(c.type) << " " << basekit::CStrW2CStrA(c.castType));
        const MapList rows = dao_.QueryComboboxData(c.type, c.game, c.castType);
        ASSERT_EQ(rows.size(), c.rows);
        if (!rows.empty()) {
            EXPECT_EQ(KeysOf(rows.front()), "text,value");
        }
    }
    const MapList digits = dao_.QueryComboboxData(L"numSelect", L"Magic3", L"");
    EXPECT_EQ(digits.front().at(L"value").text, L"0,1,2,3,4,5,6,7,8,9");
    EXPECT_EQ(digits.front().at(L"text").text, L"全部");
}

TEST_F(FilterContextDaoTest, GridColumnsByPlayType)
{
    const MapList straight = dao_.QueryTableColumns(1, L"zhiXuan", L"");
    ASSERT_FALSE(straight.empty());
    EXPECT_EQ(KeysOf(straight.front()),
              "align,className,colspan,field,fieldId,fixed,parentId,rowspan,sort,style,title,width");
    EXPECT_EQ(Column(straight, L"fieldId"), L"1,2,3,4,5");
    EXPECT_EQ(Column(dao_.QueryTableColumns(1, L"zuLiu", L""), L"fieldId"), L"1,2,3,4,6");
    EXPECT_EQ(Column(dao_.QueryTableColumns(100, L"", L""), L"field"),
              L"pluginName,version,releaseDate,flag,isUse");
    EXPECT_TRUE(dao_.QueryTableColumns(42, L"", L"").empty());

    const MapList group = dao_.QueryTableSubColumns(1, L"zuLiu", L"");
    ASSERT_FALSE(group.empty());
    EXPECT_EQ(KeysOf(group.front()),
              "align,className,colspan,field,fieldId,fixed,parentId,rowspan,sort,style,title,width");
    EXPECT_EQ(Column(group, L"title"), L"三区比,大小比,奇偶比,质合比,012路比"); // prefix joined to title
    EXPECT_EQ(Column(dao_.QueryTableSubColumns(1, L"zhiXuan", L""), L"title"),
              L"三区比,大小,奇偶,质合,012路");
}

TEST_F(FilterContextDaoTest, SubColumnsMatchTheTabOfParentAndColumn)
{
    Exec("update table_column set tab='tabA' where fieldId=6; update table_column set tab='tabB' where "
         "fieldId=22");
    EXPECT_EQ(Column(dao_.QueryTableSubColumns(1, L"zuLiu", L"tabA"), L"fieldId"), L"21,23,24,25");
    EXPECT_EQ(Column(dao_.QueryTableSubColumns(1, L"zuLiu", L"tabB"), L"fieldId"), L"");
}

TEST_F(FilterContextDaoTest, PrizeLevelsOfACategory)
{
    const MapList levels = dao_.QueryLotLevels(L"Magic3_Fc");
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(KeysOf(levels.front()), "bonus,levelName,lotLevel,lotteryCategory");
    EXPECT_EQ(Column(levels, L"levelName"), L"直选,组选三,组选六");
}

class SystemDaoTest : public SettingsDatabaseTest {
protected:
    CSystemDao &dao() { return service_->dao(); }
};

TEST_F(SystemDaoTest, CurrentProductRow)
{
    const MapList rows = dao().QueryCurrentProduct();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(KeysOf(rows.front()), "area,category,flag,lotteryCategory,productCnName,productName,version");
    EXPECT_EQ(rows.front().at(L"productName").text, L"Magic3");
    EXPECT_EQ(rows.front().at(L"productCnName").text, L"福彩3D");
    EXPECT_EQ(rows.front().at(L"lotteryCategory").text, L"Magic3_Fc");
    Exec("update systeminfo set parameterValue='2' where parameterName='currentArea'");
    EXPECT_TRUE(dao().QueryCurrentProduct().empty());
}

TEST_F(SystemDaoTest, DictionaryOfAGameLeavesQuickSelectsOut)
{
    const basekit::TextMap magic3 = dao().QueryDictForProduct(L"Magic3");
    EXPECT_EQ(magic3.size(), 17u); // 10 areas, 2 data sources, 2 calc types, 3 play types
    EXPECT_EQ(magic3.at(L"zuLiu"), L"组六");
    EXPECT_EQ(magic3.at(L"2101"), L"华东联销");
    EXPECT_EQ(magic3.count(L"0,1,2,3,4,5,6,7,8,9"), 0u);
    EXPECT_EQ(dao().QueryDictForProduct(L"Fc6Of33").size(), 14u);
}

TEST_F(SystemDaoTest, SystemParamsAreTheSysRowsAndTheGamesOwn)
{
    basekit::TextMap params = dao().QuerySystemParams(L"Magic3");
    EXPECT_EQ(params.size(), 18u);
    EXPECT_EQ(params.at(L"key"), L"dorn-tech-kor");
    EXPECT_EQ(params.at(L"switchTimes"), L"0");
    EXPECT_EQ(params.count(L"Magic3"), 0u);
    Exec("insert into systeminfo values ('Magic3', 'own', NULL), ('Array5', 'other', NULL)");
    params = dao().QuerySystemParams(L"Magic3");
    EXPECT_EQ(params.size(), 19u);
    EXPECT_EQ(params.at(L"Magic3"), L"own");
}

TEST_F(SystemDaoTest, ExplanationsByPlayTypeInTabPanelAndDisplayOrder)
{
    const MapList straight = dao().QueryIndexExplanations(L"Magic3", L"zhiXuan");
    ASSERT_EQ(straight.size(), 104u);
    EXPECT_EQ(KeysOf(straight.front()), "example,explanation,moduleName,moduleText,remarks");
    EXPECT_EQ(straight.front().at(L"moduleName").text, L"baseNums"); // tab "base", a panel, sort 4
    // The per-position panels and the two shape panels belong to the straight play only.
    EXPECT_EQ(dao().QueryIndexExplanations(L"Magic3", L"zuLiu").size(), 87u);
    EXPECT_TRUE(dao().QueryIndexExplanations(L"L5Of11", L"").empty());
}

TEST_F(SystemDaoTest, PluginListHoldsTheProductsWithAPlugin)
{
    const MapList rows = dao().QueryPluginList();
    const auto games = DeliveredGames();
    ASSERT_EQ(rows.size(), games.size());
    EXPECT_EQ(KeysOf(rows.front()), "flag,id,isUse,pluginName,releaseDate,version");
    EXPECT_EQ(Column(rows, L"pluginName"), JoinedGames(games, [](const calculation::GameInfo &game) {
                  return basekit::CStrA2CStrW(game.plugin);
              }));
    EXPECT_EQ(Column(rows, L"pluginName").substr(0, 34), L"Rules-Magic3,Rules-Array5,Rules-Qu");
}

TEST_F(SystemDaoTest, TipOfACondition)
{
    const MapList tip = dao().QueryTip(1010);
    ASSERT_EQ(tip.size(), 1u);
    EXPECT_EQ(KeysOf(tip.front()), "example,explanation,remarks");
    EXPECT_EQ(tip.front().at(L"explanation").text, L"三个号码之和（0～27）。");
    EXPECT_TRUE(dao().QueryTip(5).empty());
}

TEST_F(SystemDaoTest, AreaLevels)
{
    const MapList top = dao().QueryTopAreas();
    EXPECT_EQ(KeysOf(top.front()), "dictCode,text");
    EXPECT_EQ(Column(top, L"dictCode"), L"1,2,hot");
    const MapList sub = dao().QuerySubAreas();
    EXPECT_EQ(KeysOf(sub.front()), "dictCode,parentCode,sort,text");
    EXPECT_EQ(Column(sub, L"dictCode"), L"21,22");
    EXPECT_EQ(Column(dao().QueryLeafAreas(), L"dictCode"), L"2101,2102,2103,2201,2202");
}

TEST_F(SystemDaoTest, EnabledProductsByAreaThenSort)
{
    const MapList rows = dao().QueryEnabledProducts();
    auto games = DeliveredGames();
    ASSERT_EQ(rows.size(), games.size());
    EXPECT_EQ(KeysOf(rows.front()), "abled,area,flag,isHot,productCnName,productName,sort,version");
    // The area codes compare as texts; within an area the place in the list decides.
    std::ranges::stable_sort(
        games, {}, [](const calculation::GameInfo *game) { return std::string(game->product.area); });
    EXPECT_EQ(Column(rows, L"productName"), JoinedGames(games, KeyOf));
    EXPECT_EQ(Column(rows, L"productName").substr(0, 35), L"Magic3,Array5,Fc6Of33,Tc5Of35,Fc7Of");
}

TEST_F(SystemDaoTest, EveryGameKeyHasAProductRow)
{
    struct Peek : CSystemDao {
        using CSystemDao::queryToMapList;
    };
    Peek peek;
    ASSERT_EQ(peek.openDb(dbPath_.c_str()), 0);
    const std::wstring keys[] = {L"Magic3",   L"Array5",  L"Quick3",  L"Hd5Of15", L"L5Of11",
                                 L"Ttl5Of22", L"Fc4Of10", L"Tc5Of20", L"Fc6Of33", L"Tc5Of35",
                                 L"Fc7Of30",  L"Tc7Of33", L"Fc5Of23", L"Tc7Of10", L"Fc6Of10"};
    for (const std::wstring &key : keys) {
        EXPECT_EQ(peek.queryToMapList(L"select id from products where productName='" + key + L"'").size(), 1u)
            << basekit::CStrW2CStrA(key);
    }
    EXPECT_EQ(
        Column(peek.queryToMapList(L"select productName from products where isUse=0 or abled=0 order by id"),
               L"productName"),
        L"L5Of11,Tc7Of33,Fc5Of23");
}

TEST_F(SystemDaoTest, SettingWrites)
{
    EXPECT_EQ(dao().SaveParameters({{L"host", L"h"}, {L"port", L"1"}, {L"nothing", L"x"}}), 2);
    EXPECT_EQ(Setting(L"host"), L"h");
    EXPECT_EQ(dao().SaveParameters({}), 0);
    EXPECT_EQ(dao().UpdateSystemParam(L"port", L"2"), 1);
    EXPECT_EQ(dao().UpdateSystemParam(L"nothing", L"2"), 0);
    EXPECT_EQ(Setting(L"port"), L"2");
    EXPECT_EQ(dao().StoreUserCredentials(L"p", L"e", L"w"), 3);
    EXPECT_EQ(Setting(L"email"), L"e");
}

TEST_F(SystemDaoTest, StartCounterRises)
{
    EXPECT_EQ(dao().CountStart(), 0);
    EXPECT_EQ(dao().CountStart(), 0);
    EXPECT_EQ(Setting(L"switchTimes"), L"2");
}

TEST_F(SystemDaoTest, ProductStateAndAdvertisementUpdates)
{
    // A product without a plug-in, switched on.
    const auto undelivered =
        std::ranges::find(calculation::Games(), false, &calculation::GameInfo::delivered);
    ASSERT_NE(undelivered, calculation::Games().end());
    EXPECT_EQ(dao().UpdateProductState(undelivered->product.id, 1), 1);
    EXPECT_EQ(dao().UpdateProductState(99, 1), 0);
    EXPECT_EQ(dao().QueryEnabledProducts().size(), DeliveredGames().size() + 1);
    Exec("insert into advertisement (id, name) values (70, 'a')");
    EXPECT_EQ(dao().UpdateAdvertisement(70, L"b", L"广告", L"u", L"w", L"1", 3), 1);
    EXPECT_EQ(dao().UpdateAdvertisement(71, L"b", L"广告", L"u", L"w", L"1", 3), 0);
}

} // namespace
} // namespace qel::testing

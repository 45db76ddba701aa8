// The product tree, the plug-in list and the enable switch, on the delivered database.
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "delivered_games.h"
#include "settings/product_handlers.h"
#include "settings_test_database.h"

namespace qel::testing {
namespace {

using basekit::JsonUtil;
using basekit::MapList;
using basekit::RowMap;

// The tree as "code(child,child);code(...)": areas by dictCode, products by productName.
std::wstring Outline(const MapList &rows)
{
    std::wstring text;
    bool first = true;
    for (const RowMap &row : rows) {
        text += first ? L"" : L",";
        first = false;
        auto name = row.find(L"productName");
        text += name != row.end() ? name->second.text : row.at(L"dictCode").text;
        auto children = row.find(L"children");
        if (children != row.end()) {
            text += L"(" + Outline(children->second.nested) + L")";
        }
    }
    return text;
}

const RowMap &Find(const MapList &rows, const wchar_t *key, const wchar_t *value)
{
    for (const RowMap &row : rows) {
        auto it = row.find(key);
        if (it != row.end() && it->second.text == value) {
            return row;
        }
    }
    static const RowMap none;
    ADD_FAILURE() << "no row " << basekit::CStrW2CStrA(value);
    return none;
}

// The delivered games of a sales area ("hot": the hot games) as the tree lists them, from the game
// table; a product switched off is left out.
std::wstring GamesOf(const std::string &area, int switchedOff = 0)
{
    std::vector<const calculation::GameInfo *> games = DeliveredGames();
    std::erase_if(games, [&](const calculation::GameInfo *game) {
        return game->product.id == switchedOff ||
               (area == "hot" ? !game->product.hot : area != game->product.area);
    });
    return JoinedGames(games, KeyOf);
}

// The outline of the delivered database's tree: its areas (dict.sql) with the table's games.
std::wstring DeliveredOutline(int switchedOff = 0)
{
    const auto leaf = [&](const char *code) {
        return basekit::CStrA2CStrW(code) + L"(" + GamesOf(code, switchedOff) + L")";
    };
    return leaf("1") + L",2(21(" + leaf("2101") + L"," + leaf("2102") + L"," + leaf("2103") + L"),22(" +
           leaf("2201") + L"," + leaf("2202") + L"))," + leaf("hot");
}

// The size the plug-in list names: the products with a plug-in.
std::wstring PluginListHead()
{
    return L"{size:\"" + std::to_wstring(DeliveredGames().size()) + L"\",children:[";
}

class ProductHandlersTest : public SettingsDatabaseTest {};

TEST_F(ProductHandlersTest, TreeFromTheDeliveredDatabase)
{
    const MapList tree = BuildProductTree(service_->dao());
    EXPECT_EQ(Outline(tree), DeliveredOutline());
    EXPECT_EQ(Outline(tree).rfind(L"1(Magic3,Array5,Fc6Of33,Tc5Of35,Fc7Of30,Tc7Of10),2(21(2101(Fc6Of10,", 0),
              0u);
}

// A hot game is in the tree twice, each time a row of its own.
TEST_F(ProductHandlersTest, HotProductsAreCopiesMarkedHot)
{
    MapList tree = BuildProductTree(service_->dao());
    RowMap &national = const_cast<RowMap &>(Find(tree, L"dictCode", L"1"));
    const RowMap &hot = Find(tree, L"dictCode", L"hot");
    const MapList &hotGames = hot.at(L"children").nested;
    const std::size_t hotCount = std::ranges::count_if(
        DeliveredGames(), [](const calculation::GameInfo *game) { return game->product.hot; });
    ASSERT_EQ(hotGames.size(), hotCount);
    for (const RowMap &game : hotGames) {
        EXPECT_EQ(game.at(L"hotCode").text, L"hot");
        EXPECT_EQ(game.at(L"isHot").text, L"1");
    }
    MapList &nationalGames = national.at(L"children").nested;
    RowMap &magic3 = const_cast<RowMap &>(Find(nationalGames, L"productName", L"Magic3"));
    EXPECT_EQ(magic3.count(L"hotCode"), 0u);
    magic3[L"productCnName"] = L"changed";
    EXPECT_EQ(Find(hotGames, L"productName", L"Magic3").at(L"productCnName").text, L"福彩3D");

    const std::wstring reply = JsonUtil::MapListToJson(tree);
    size_t count = 0;
    for (size_t at = reply.find(L"hotCode:\"hot\""); at != std::wstring::npos;
         at = reply.find(L"hotCode", at + 1)) {
        ++count;
    }
    EXPECT_EQ(count, hotCount);
}

TEST_F(ProductHandlersTest, ProductListReplyText)
{
    Exec("update products set isUse=0 where productName<>'Quick3'");
    SettingsContext context = Context();
    EXPECT_EQ(
        OnGetProductList(context, Json::Value()),
        L"{size:\"3\",children:[{dictCode:\"1\",text:\"全国彩票\"},"
        L"{children:[{children:[{dictCode:\"2101\",parentCode:\"21\",sort:\"1\",text:\"华东联销\"},"
        L"{children:[{abled:\"1\",area:\"2102\",flag:\"Gp\",isHot:\"0\",productCnName:\"快3\","
        L"productName:\"Quick3\",sort:\"3\",version:\"1.0.0\"}],dictCode:\"2102\",parentCode:\"21\",sort:"
        L"\"2\","
        L"text:\"江苏\"},{dictCode:\"2103\",parentCode:\"21\",sort:\"3\",text:\"浙江\"}],dictCode:\"21\","
        L"parentCode:\"2\",sort:\"1\",text:\"华东地区\"},"
        L"{children:[{dictCode:\"2201\",parentCode:\"22\",sort:\"1\",text:\"北京\"},"
        L"{dictCode:\"2202\",parentCode:\"22\",sort:\"2\",text:\"天津\"}],dictCode:\"22\",parentCode:\"2\","
        L"sort:\"2\",text:\"华北地区\"}],dictCode:\"2\",text:\"地方彩票\"},"
        L"{dictCode:\"hot\",text:\"热门彩票\"}]}");
}

TEST_F(ProductHandlersTest, SwitchingAProductOffTakesItOutOfTheTree)
{
    SettingsContext context = Context();
    EXPECT_EQ(OnChangeState(context,
                            JsonUtil::JsonStrToJsonObj(L"{\"method\":\"ChangeState\",\"id\":4,\"isUse\":0}")),
              L"{flag:\"ok\",msg:\"状态更改成功！\"}");
    EXPECT_EQ(Outline(BuildProductTree(service_->dao())), DeliveredOutline(4));
    EXPECT_EQ(DeliveredOutline(4).find(L"Fc6Of33"), std::wstring::npos);
}

TEST_F(ProductHandlersTest, ChangeStateAnswersAnErrorWhenNothingChanged)
{
    struct Case {
        const char *label;
        const wchar_t *request;
        const wchar_t *reply;
    };
    const Case cases[] = {
        {"enable", L"{\"id\":13,\"isUse\":1}", L"{flag:\"ok\",msg:\"状态更改成功！\"}"},
        {"ids as text", L"{\"id\":\"3\",\"isUse\":\"0\"}", L"{flag:\"ok\",msg:\"状态更改成功！\"}"},
        {"no such product", L"{\"id\":99,\"isUse\":1}", L"{flag:\"error\",msg:\"状态更改失败！\"}"},
        {"no id", L"{\"isUse\":1}", L"{flag:\"error\",msg:\"状态更改失败！\"}"},
        {"state out of range", L"{\"id\":1,\"isUse\":2}", L"{flag:\"error\",msg:\"状态更改失败！\"}"},
        {"state not a number", L"{\"id\":1,\"isUse\":\"on\"}", L"{flag:\"error\",msg:\"状态更改失败！\"}"},
        {"not JSON", L"id=1", L"{flag:\"error\",msg:\"状态更改失败！\"}"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        SettingsContext context = Context();
        EXPECT_EQ(OnChangeState(context, JsonUtil::JsonStrToJsonObj(c.request)), c.reply);
    }
    EXPECT_EQ(Find(service_->dao().QueryPluginList(), L"id", L"1").at(L"isUse").text, L"1");
}

class PluginListTest : public ProductHandlersTest {
protected:
    void SetUp() override
    {
        ProductHandlersTest::SetUp();
        std::filesystem::create_directories(folder_ / "Plugin");
        for (const char *file :
             {"Rules-Magic3.so", "Rules-Quick3.so", "Rules-Ttc4Of10.so", "Rules-Array5.so.bak"}) {
            std::ofstream(folder_ / "Plugin" / file) << "x";
        }
    }
};

TEST_F(PluginListTest, StateAndLotteryTexts)
{
    Exec("update products set isUse=0 where productName='Quick3'");
    SettingsContext context = Context();
    const std::wstring reply = OnGetPluginList(context, JsonUtil::JsonStrToJsonObj(L"{\"tableId\":100}"));
    EXPECT_EQ(reply.rfind(PluginListHead() +
                              L"{flag:\"福彩\",id:\"1\","
                              L"isUse:\"已启用(<a href='javascript:changeState(1,0)'>禁用</a>)\","
                              L"pluginName:\"Rules-Magic3\",releaseDate:\"2025-01-01\",version:\"1.0.0\"},"
                              L"{flag:\"体彩\",id:\"2\",isUse:\"未安装\",pluginName:\"Rules-Array5\",",
                          0),
              0u)
        << basekit::CStrW2CStrA(reply.substr(0, 400));
    EXPECT_NE(reply.find(
                  L"{flag:\"高频\",id:\"3\",isUse:\"已禁用(<a href='javascript:changeState(3,1)'>启用</a>)\","
                  L"pluginName:\"Rules-Quick3\""),
              std::wstring::npos);
    EXPECT_NE(reply.find(
                  L"{flag:\"福彩\",id:\"9\",isUse:\"已启用(<a href='javascript:changeState(9,0)'>禁用</a>)\","
                  L"pluginName:\"Rules-Ttc4Of10\""),
              std::wstring::npos);
}

TEST_F(PluginListTest, LotteryNameByFlag)
{
    struct Case {
        const char *flag;
        const wchar_t *name;
    };
    for (const Case &c : {Case{"TcFc", L"福彩"}, Case{"xTc", L"体彩"}, Case{"Gp", L"高频"},
                          Case{"Other", L"Other"}, Case{"", L""}}) {
        SCOPED_TRACE(c.flag);
        Exec(std::string("update products set flag='") + c.flag + "' where id=1");
        SettingsContext context = Context();
        const std::wstring reply = OnGetPluginList(context, Json::Value());
        EXPECT_EQ(reply.rfind(PluginListHead() + L"{flag:\"" + std::wstring(c.name) + L"\",id:\"1\",", 0),
                  0u);
    }
}

TEST_F(PluginListTest, PluginFileNames)
{
    EXPECT_EQ(PluginFilePath("/stage", L"Rules-Ttc4Of10"),
              std::filesystem::path("/stage/Plugin/Rules-Ttc4Of10.so"));
}

} // namespace
} // namespace qel::testing

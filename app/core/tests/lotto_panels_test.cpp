// The delivered condition panels of the lotto games against their real plug-ins: every condition a
// panel offers is tested by the game's stages (a value no row can have leaves no row), and every
// condition the stages test has a panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "calculation/game_table.h"
#include "filter/filter_context.h"
#include "lotto_descriptions.h"
#include "settings/filter_context_dao.h"
#include "settings_test_database.h"

namespace qel::testing {
namespace {

struct LottoPanels {
    const wchar_t *game;
    int k;                         // front numbers of a bet
    const wchar_t *baseKey;        // the condition of the front pool
    const wchar_t *backPool;       // the chosen back numbers, or none
    std::vector<std::wstring> own; // the game's own conditions
};

std::vector<std::wstring> Indexed(const std::wstring &word, int count)
{
    std::vector<std::wstring> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        keys.push_back(word + std::to_wstring(i));
    }
    return keys;
}

std::vector<std::wstring> Join(std::initializer_list<std::vector<std::wstring>> parts)
{
    std::vector<std::wstring> all;
    for (const auto &part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const std::vector<std::wstring> kBackConditions{
    L"backPos0",     L"backPos1",         L"kuaDuBack",       L"heZhiBack",     L"minBack",
    L"maxBack",      L"bigSmallRateBack", L"oddEvenRateBack", L"zhiHeRateBack", L"luShuRateBack",
    L"bigSmallBack", L"oddEvenBack",      L"zhiHeBack",       L"luShu012Back",  L"lianMaBack"};

// Every lotto game, from its description: its kind's panels, and beyond them the back numbers a
// run chooses in a game with a back area, the game's own area counts and, with a back pair, the
// pair's conditions. The areas it only loads and keeps have no panel.
std::vector<LottoPanels> LottoGames()
{
    std::vector<LottoPanels> games;
    for (const auto describe : plugins::lotto::kDescriptions) {
        const plugins::lotto::LottoGame &d = describe();
        LottoPanels g{d.key.c_str(), d.frontCount, d.poolKey.c_str(), nullptr, {}};
        for (const plugins::lotto::AreaCount &area : d.areaTests) {
            g.own.push_back(area.key);
        }
        if (d.back == plugins::lotto::BackArea::Pairs) {
            g.backPool = L"1,2,3";
            g.own.insert(g.own.end(), kBackConditions.begin(), kBackConditions.end());
        } else if (d.back == plugins::lotto::BackArea::Single) {
            g.backPool = L"1";
        }
        games.push_back(std::move(g));
    }
    return games;
}

// The conditions the family's stages test on every game of k numbers (the first stage's common
// conditions, the last stage's patterns and rule-out) and the chain's own choices.
std::set<std::wstring> TestedConditions(const LottoPanels &g)
{
    std::vector<std::wstring> keys = Join({Indexed(L"pos", g.k),
                                           Indexed(L"danMa", 7),
                                           Indexed(L"wuXingNum", 5),
                                           Indexed(L"ziDingYi", 10),
                                           Indexed(L"luShuNum", 3),
                                           {L"kuaDu",
                                            L"heZhi",
                                            L"tailSum",
                                            L"heZhiTail",
                                            L"feiMa",
                                            L"bigSmallRate",
                                            L"oddEvenRate",
                                            L"zhiHeRate",
                                            L"luShuRate",
                                            L"threeAreaRate",
                                            L"lianMa",
                                            L"acValue",
                                            L"average",
                                            L"linHaoLag",
                                            L"tail",
                                            L"sameTail",
                                            L"sameTailNum",
                                            L"lastNum",
                                            L"maximumNum",
                                            L"minimumNum",
                                            L"shaZuHeOne",
                                            L"shaZuHeTwo",
                                            L"shapeSum00Small",
                                            L"shapeSum01Big",
                                            L"shapeSum02Odd",
                                            L"shapeSum03Even",
                                            L"shapeSum04Zhi",
                                            L"shapeSum05He",
                                            L"shapeSum06Lu0",
                                            L"shapeSum07Lu1",
                                            L"shapeSum08Lu2",
                                            L"bigSmall",
                                            L"oddEven",
                                            L"zhiHe",
                                            L"luShu012",
                                            L"threeArea",
                                            L"bigSmallDingWei",
                                            L"oddEvenDingWei",
                                            L"zhiHeDingWei",
                                            L"luShu012DingWei",
                                            L"threeAreaDingWei",
                                            L"wuXingDingWei",
                                            L"ruleOutOldData",
                                            L"dataSource",
                                            L"maxWrong",
                                            L"rotateMatrix",
                                            L"oldNum",
                                            g.baseKey},
                                           g.own});
    for (int i = 0; i < g.k; ++i) {
        for (int j = i + 1; j < g.k; ++j) {
            for (const wchar_t *word : {L"erWeiHe", L"erWeiCha", L"erWeiMa"}) {
                keys.push_back(word + std::to_wstring(i) + std::to_wstring(j));
            }
        }
    }
    if (g.backPool != nullptr) {
        keys.emplace_back(L"baseNums_blue");
    }
    return {keys.begin(), keys.end()};
}

class LottoPanelsTest : public FilterContextDaoTest {
protected:
    // The conditions of the game's panels: every child, and every panel without children.
    std::set<std::wstring> Offered(const std::wstring &game)
    {
        std::set<std::wstring> parentsWithChildren;
        std::set<std::wstring> offered;
        const basekit::MapList children = dao_.QueryComponentChildren(game);
        for (const basekit::RowMap &row : children) {
            offered.insert(row.at(L"moduleName").text);
            parentsWithChildren.insert(row.at(L"parentId").text);
        }
        for (const basekit::RowMap &row : dao_.QueryComponentParents(game)) {
            if (!parentsWithChildren.contains(row.at(L"id").text)) {
                offered.insert(row.at(L"moduleName").text);
            }
        }
        return offered;
    }
};

std::string Narrow(const std::wstring &text)
{
    return basekit::CStrW2CStrA(text);
}

// A value no row of the game can have for the condition: its choice leaves no row.
std::wstring ImpossibleValue(const std::wstring &key, const std::wstring &pool, int outside)
{
    if (key == L"feiMa" || key.rfind(L"shaZuHe", 0) == 0) {
        return pool; // every number killed, or every row made of them
    }
    if (key.rfind(L"danMa", 0) == 0) {
        return std::to_wstring(outside); // a banker no row of the pool holds
    }
    if (key.find(L"DingWei") != std::wstring::npos) {
        return L"9,9,9,9,9,9,9"; // a class of no position
    }
    return L"-5";
}

TEST_F(LottoPanelsTest, EveryConditionOfferedIsTestedAndEveryConditionTestedIsOffered)
{
    const std::set<std::wstring> choices{L"dataSource", L"maxWrong",      L"rotateMatrix",
                                         L"oldNum",     L"baseNums_red",  L"baseNums_blue",
                                         L"baseNums",   L"ruleOutOldData"};
    const std::vector<LottoPanels> games = LottoGames();
    // Every delivered lotto game of the table has its description.
    for (const calculation::GameInfo &game : calculation::Games()) {
        if (game.kind == calculation::GameKind::Lotto && game.delivered) {
            EXPECT_TRUE(std::ranges::any_of(games, [&](const LottoPanels &g) {
                return game.key == std::wstring(g.game);
            })) << Narrow(game.key);
        }
    }
    for (const LottoPanels &g : games) {
        SCOPED_TRACE(Narrow(g.game));
        const std::set<std::wstring> offered = Offered(g.game);
        EXPECT_EQ(offered, TestedConditions(g));

        CFilterContext context(L"qel://base");
        context.SwitchPlugin(g.game);
        ASSERT_NE(context.chain(), nullptr);
        std::wstring pool;
        for (int v = 1; v <= g.k + 2; ++v) {
            pool += (pool.empty() ? L"" : L",") + std::to_wstring(v);
        }
        auto run = [&](const std::wstring &key, const std::wstring &value) {
            std::wstring items = L"{\"name\":\"dataSource\",\"chosenItem\":\"dataSourceNew\"},"
                                 L"{\"name\":\"maxWrong\",\"chosenItem\":\"0\"},{\"name\":\"" +
                                 std::wstring(g.baseKey) + L"\",\"chosenItem\":\"" + pool + L"\"}";
            if (g.backPool != nullptr) {
                items +=
                    L",{\"name\":\"baseNums_blue\",\"chosenItem\":\"" + std::wstring(g.backPool) + L"\"}";
            }
            if (!key.empty()) {
                items.append(L",{\"name\":\"")
                    .append(key)
                    .append(L"\",\"chosenItem\":\"")
                    .append(value)
                    .append(L"\"}");
            }
            std::wstring request = L"{\"method\":\"Filter\",\"productName\":\"";
            request += g.game;
            request += L"\",\"items\":[" + items + L"]}";
            context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(request));
            return context.chain()->resultList()->size();
        };
        ASSERT_GT(run(L"", L""), 0U);
        for (const std::wstring &key : offered) {
            if (!choices.contains(key)) {
                EXPECT_EQ(run(key, ImpossibleValue(key, pool, g.k + 3)), 0U) << Narrow(key);
            }
        }
    }
}

TEST_F(LottoPanelsTest, ChoicesAreTheValuesTheStagesCompare)
{
    // A few values by their definitions: ratios as counts run together, class strings as digits.
    const basekit::MapList children = dao_.QueryComponentChildren(L"Tc5Of35");
    auto options = [&](const wchar_t *key) {
        auto it = std::find_if(children.begin(), children.end(),
                               [&](const basekit::RowMap &row) { return row.at(L"moduleName").text == key; });
        return it == children.end() ? std::wstring() : it->at(L"options").text;
    };
    EXPECT_EQ(options(L"oddEvenRate"), L"50=5:0,41=4:1,32=3:2,23=2:3,14=1:4,5=0:5");
    EXPECT_EQ(options(L"bigSmall").substr(0, 23), L"00000=小小小小小,00001=小小小小大");
    EXPECT_EQ(options(L"erWeiMa01").substr(0, 32), L"12=01 02,13=01 03,14=01 04,15=01");
    EXPECT_EQ(options(L"bigSmallRateBack"), L"20=2:0,11=1:1,2=0:2");
    const basekit::MapList parents = dao_.QueryComponentParents(L"Hd5Of15");
    auto panel = std::find_if(parents.begin(), parents.end(), [](const basekit::RowMap &row) {
        return row.at(L"moduleName").text == L"heZhi";
    });
    ASSERT_NE(panel, parents.end());
    // Sums of five of 1-15: 15 to 65.
    EXPECT_EQ(panel->at(L"optionBegin").text, L"15");
    EXPECT_EQ(panel->at(L"itemsNumber").text, L"51");
}

} // namespace
} // namespace qel::testing

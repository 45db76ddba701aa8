// The plug-in host: binding games, the Filter command from a page's request, and the conditions
// it builds.
#include <gtest/gtest.h>

#include "basekit/text_convert.h"

#include "basekit/json_util.h"
#include "filter/filter_context.h"
#include "filter/filter_criteria.h"

namespace qel {
namespace {

basekit::TextMap Item(std::initializer_list<std::pair<const std::wstring, std::wstring>> members)
{
    return basekit::TextMap(members);
}

TEST(FilterCriteriaTest, ItemsBecomeConditions)
{
    basekit::TextMapList items = {
        Item({{L"name", L"dataSource"}, {L"chosenItem", L"dataSourceNew"}}),
        Item({{L"name", L"heZhi"}, {L"chosenItem", L"10,11,12"}, {L"canBeWrong", L"true"}}),
        Item({{L"name", L"kuaDu"},
              {L"chosenItem", L"1,2"},
              {L"unchosenItem", L"3,4,5"},
              {L"calType", L"paiChu"}}),
        Item({{L"name", L"heZhi"}, {L"chosenItem", L"20"}}),
        Item({{L"name", L"acValue"}, {L"chosenItem", L"3"}, {L"forbidden", L"true"}}),
        Item({{L"name", L"oddEvenRate"}, {L"chosenItem", L""}, {L"unchosenItem", L"12,21"}}),
        Item({{L"name", L"lastNum"}, {L"chosenItem", L"1,2"}, {L"lastLottery", L"3,5,7"}}),
        Item({{L"name", L"ziDingYi0"}, {L"chosenItem", L"1,2,3"}, {L"allowNum", L"0,1"}}),
        Item({{L"name", L"erMa"},
              {L"chosenItem", L"12,34"},
              {L"unchosenItem", L"56"},
              {L"calType", L"paiChu"}}),
    };
    calculation::DataMap m = BuildFilterCriteria(items);
    EXPECT_EQ(m.at(L"heZhi").nums, (std::vector<int>{10, 11, 12}))
        << "the first of two items with one name stays";
    EXPECT_TRUE(m.at(L"heZhi").canBeWrong);
    EXPECT_TRUE(m.at(L"heZhi").include);
    EXPECT_EQ(m.at(L"kuaDu").nums, (std::vector<int>{3, 4, 5})) << "an exclusion lists the unchosen values";
    EXPECT_FALSE(m.at(L"kuaDu").include);
    EXPECT_TRUE(m.at(L"kuaDu").enabled);
    EXPECT_EQ(m.count(L"acValue"), 0U);
    EXPECT_FALSE(m.at(L"oddEvenRate").enabled) << "nothing chosen: disabled even with unchosen values";
    EXPECT_EQ(m.at(L"lastNum").lastNums, (std::vector<int>{3, 5, 7}));
    EXPECT_EQ(m.at(L"ziDingYi0").allowNums, (std::vector<int>{0, 1}));
    EXPECT_EQ(m.at(L"erMa").strs, (std::vector<std::wstring>{L"12", L"34"}))
        << "erMa always lists the chosen codes";
}

TEST(FilterCriteriaTest, PerPositionExclusionMarksEmptyPositions)
{
    calculation::DataMap m = BuildFilterCriteria({Item({{L"name", L"oddEvenDingWei"},
                                                        {L"chosenItem", L"x"},
                                                        {L"unchosenItem", L"1,,3"},
                                                        {L"calType", L"paiChu"}})});
    EXPECT_EQ(m.at(L"oddEvenDingWei").rows, (std::vector<std::vector<int>>{{1}, {-1}, {3}}));
    EXPECT_TRUE(m.at(L"oddEvenDingWei").nums.empty());
}

TEST(FilterCriteriaTest, OldNumberRowsBySeparator)
{
    struct Case {
        const wchar_t *text;
        std::vector<std::wstring> rows;
    };
    const Case cases[] = {
        {L"123 456", {L"123", L"456"}},
        {L"123\r\n456", {L"123", L"456"}},
        {L"123\n456\n", {L"123", L"456", L""}},
        {L"123\r\n\r\n456", {L"123", L"", L"456"}},
        // A run of separators of any kind keeps every second one.
        {L"123|456", {L"123", L"456"}},
        {L"123 |456", {L"123", L"456"}},
        {L"123|||456", {L"123", L"", L"456"}},
        {L"123\r\n\r\n\r\n456", {L"123", L"", L"", L"456"}},
        {L" 123", {L"", L"123"}},
        {L"   ", {L"", L"", L""}},
        {L"123", {L"123"}},
        {L"", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(basekit::CStrW2CStrA(c.text));
        calculation::DataMap m = BuildFilterCriteria({Item({{L"name", L"oldNum"}, {L"chosenItem", c.text}})});
        EXPECT_EQ(m.at(L"oldNum").strs, c.rows);
        EXPECT_EQ(m.at(L"oldNum").enabled, !c.rows.empty());
    }
}

TEST(FilterCriteriaTest, TheRunRequestReadsTheRunsOwnValuesOnce)
{
    struct Case {
        const char *what;
        basekit::TextMapList items;
        calculation::RowSource source;
        const wchar_t *castType;
        std::size_t oldEntries;
    };
    const Case cases[] = {
        {"old numbers, the empty entry not counted",
         {Item({{L"name", L"dataSource"}, {L"chosenItem", L"dataSourceOld"}}),
          Item({{L"name", L"oldNum"}, {L"chosenItem", L"123 456\r\n\r\n789"}}),
          Item({{L"name", L"castType"}, {L"chosenItem", L"zuLiu"}})},
         calculation::RowSource::Old,
         L"zuLiu",
         3},
        {"new numbers",
         {Item({{L"name", L"dataSource"}, {L"chosenItem", L"dataSourceNew"}}),
          Item({{L"name", L"castType"}, {L"chosenItem", L"zhiXuan,zuSan"}})},
         calculation::RowSource::New,
         L"zhiXuan",
         0},
        {"a forbidden list has no entries",
         {Item({{L"name", L"dataSource"}, {L"chosenItem", L"dataSourceOld"}}),
          Item({{L"name", L"oldNum"}, {L"chosenItem", L"123|456"}, {L"forbidden", L"true"}})},
         calculation::RowSource::Old,
         L"",
         0},
        {"no data source", {}, calculation::RowSource::New, L"", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        calculation::RunRequest run = BuildRunRequest(c.items);
        EXPECT_EQ(run.conditions, BuildFilterCriteria(c.items));
        EXPECT_EQ(run.source, c.source);
        EXPECT_EQ(run.castType, c.castType);
        EXPECT_EQ(run.oldEntries, c.oldEntries);
    }
}

Json::Value FilterRequest(const std::wstring &castType, const std::wstring &base)
{
    std::wstring text = L"{\"method\":\"Filter\",\"productName\":\"Magic3\",\"items\":["
                        L"{\"name\":\"dataSource\",\"chosenItem\":\"dataSourceNew\"},"
                        L"{\"name\":\"castType\",\"chosenItem\":\"" +
                        castType +
                        L"\"},"
                        L"{\"name\":\"maxWrong\",\"chosenItem\":\"0\"},"
                        L"{\"name\":\"baseNums\",\"chosenItem\":\"" +
                        base + L"\",\"unchosenItem\":\"\",\"calType\":\"\",\"canBeWrong\":\"false\"}]}";
    return basekit::JsonUtil::JsonStrToJsonObj(text);
}

TEST(FilterContextTest, FilterCommandAnswersTheFirstPage)
{
    CFilterContext context(L"qel://base");
    context.SwitchPlugin(L"Magic3");
    ASSERT_NE(context.chain(), nullptr) << context.lastError();
    std::wstring page = context.OnFilter(FilterRequest(L"zuLiu", L"1,2,3,4"));
    EXPECT_EQ(page.rfind(L"{size:\"4\",items:[{rowNumber:\"1\",number:\"", 0), 0U);
    EXPECT_NE(page.find(L",total:4,primaryTotal:4,afterFilterLen:0,cutDownRate:\"0.00%\"}"),
              std::wstring::npos);
    EXPECT_NE(page.find(L"qel://base/images/redBall18.png"), std::wstring::npos);
    // The second run resets the first and releases it on the worker.
    page = context.OnFilter(FilterRequest(L"zhiXuan", L"1,2"));
    EXPECT_NE(page.find(L",total:8,primaryTotal:8,"), std::wstring::npos);
    EXPECT_FALSE(context.firstRun());
}

TEST(FilterContextTest, GameKeysAndMissingPlugins)
{
    EXPECT_EQ(calculation::PluginPathForGame(L"Fc4Of10"), "Plugin/Rules-Ttc4Of10.so");
    CFilterContext context(L"qel://base");
    for (const wchar_t *key : {L"L5Of11", L"Tc7Of33", L"Fc5Of23", L"", L"magic3", L"NoSuchGame"}) {
        context.SwitchPlugin(key);
        EXPECT_EQ(context.chain(), nullptr) << basekit::CStrW2CStrA(key);
        EXPECT_EQ(context.OnFilter(FilterRequest(L"zhiXuan", L"1")),
                  L"{flag:\"error\",msg:\"请先选择彩种！\"}");
    }
}

TEST(FilterContextTest, TwoWindowsHoldIndependentChains)
{
    CFilterContext a(L"qel://base");
    CFilterContext b(L"qel://base");
    a.SwitchPlugin(L"Magic3");
    b.SwitchPlugin(L"Magic3");
    ASSERT_TRUE(a.chain() && b.chain());
    EXPECT_NE(a.chain(), b.chain());
    a.OnFilter(FilterRequest(L"zhiXuan", L"1,2,3"));
    EXPECT_EQ(b.chain()->GetResultStr(L"0", L",", L"+", 1, 1), L"error_NULL");
    EXPECT_EQ(a.chain()->resultList()->size(), 27U);
}

TEST(FilterContextTest, RebindsReleaseEverything)
{
    CFilterContext context(L"qel://base");
    for (int bind = 0; bind < 5; ++bind) {
        context.SwitchPlugin(L"Magic3");
        ASSERT_NE(context.chain(), nullptr);
        EXPECT_TRUE(context.firstRun()) << "a rebind starts afresh";
        for (int run = 0; run < 3; ++run) {
            context.OnFilter(FilterRequest(run % 2 ? L"zuSan" : L"zhiXuan", L"0,1,2,3,4,5,6,7,8,9"));
            context.chain()->SearchResult(L"zuLiu");
        }
    }
    context.SwitchPlugin(L"NoSuchGame");
    EXPECT_EQ(context.chain(), nullptr);
}

} // namespace
} // namespace qel

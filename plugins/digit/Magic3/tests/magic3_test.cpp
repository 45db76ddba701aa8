// The Magic3 plug-in loaded as the program loads it and driven through its exports.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "calculation/cleanup_worker.h"
#include "calculation/plugin_library.h"
#include "support/condition_builder.h"

namespace {

using calculation::ChainHandle;
using calculation::PluginLibrary;
using testsupport::ConditionMap;
using testsupport::ConditionOptions;

const std::wstring kAllDigits = L"0,1,2,3,4,5,6,7,8,9";
const std::wstring kBall =
    L"'display:inline-block;width:18px;height:18px;line-height:18px;background-image:url("
    L"&quot;qel://base/images/redBall18.png&quot;);color:yellow;margin-left:2px;"
    L"text-align:center;'";

std::wstring Ball(int digit)
{
    return L"<span style=" + kBall + L">" + std::to_wstring(digit) + L"</span>";
}

ConditionMap Straight(const std::wstring &base = kAllDigits)
{
    ConditionMap m(L"dataSourceNew", L"zhiXuan", 0);
    m.Set(L"baseNums", base);
    return m;
}

class Magic3Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(library.Open(calculation::PluginPathForGame(L"Magic3"))) << library.error();
        chain = library.MakeChain();
        ASSERT_TRUE(chain);
    }

    // One filter run as the program drives it.
    void Run(const ConditionMap &conditions)
    {
        worker.Join();
        if (ran) {
            chain->ResetAll();
        }
        chain->SetNodeData(conditions.map(), 0);
        chain->SetNodeData(conditions.map(), 1);
        chain->Filter();
        if (ran) {
            worker.Start(*chain);
        }
        ran = true;
    }

    // The rows of a list as digit texts ("048"), through the save text.
    std::vector<std::wstring> Rows(const std::wstring &listFlag = L"0")
    {
        std::wstring text = chain->GetResultStr(listFlag, L",", L"+", 1, 1);
        std::vector<std::wstring> rows;
        if (text.empty()) {
            return rows;
        }
        for (const std::wstring &line : basekit::StrSplit(text, L"\r\n")) {
            rows.push_back(line);
        }
        return rows;
    }

    void TearDown() override
    {
        worker.Join();
        if (chain) {
            chain->ResetAll();
            chain->DeleteAll();
        }
        chain.reset();
    }

    PluginLibrary library;
    ChainHandle chain{nullptr, {}};
    calculation::CleanupWorker worker;
    bool ran = false;
};

TEST_F(Magic3Test, PlayTypesEnumerateEveryCandidateOnce)
{
    struct Case {
        const wchar_t *castType;
        const wchar_t *base;
        int primaryTotal;
        std::size_t rows;
        const wchar_t *first;
        const wchar_t *last;
    };
    const Case cases[] = {
        {L"zhiXuan", kAllDigits.c_str(), 1000, 1000, L"000", L"999"},
        {L"zuLiu", kAllDigits.c_str(), 120, 120, L"012", L"789"},
        {L"zuSan", kAllDigits.c_str(), 90, 90, L"001", L"899"},
        // The candidates are all digit rows; the base-number test narrows them to the base.
        {L"zuSan", L"1,2", 2, 2, L"112", L"122"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "castType " << basekit::CStrW2CStrA(c.castType));
        ConditionMap m(L"dataSourceNew", c.castType, 0);
        m.Set(L"baseNums", c.base);
        Run(m);
        EXPECT_EQ(chain->primaryTotal(), c.primaryTotal);
        std::vector<std::wstring> rows = Rows();
        ASSERT_EQ(rows.size(), c.rows);
        EXPECT_EQ(rows.front(), c.first);
        EXPECT_EQ(rows.back(), c.last);
    }
}

TEST_F(Magic3Test, FirstPageIsTheExactPageReply)
{
    ConditionMap m(L"dataSourceNew", L"zuLiu", 0);
    m.Set(L"baseNums", L"0,4,8");
    Run(m);
    EXPECT_EQ(
        chain->GetDataByPage(L"0", 100, 1, 1),
        L"{size:\"1\",items:[{rowNumber:\"1\",number:\"" + Ball(0) + Ball(4) + Ball(8) +
            L"\",sum:\"12\",kuaDu:\"8\",threeArea:\"1:1:1\",bigSmall:\"1:2\",oddEven:\"0:3\",zhiHe:\"0:3\","
            L"luShu:\"1:1:1\"}],total:1,primaryTotal:1,afterFilterLen:0,cutDownRate:\"0.00%\"}");

    // Straight play shows the class of every position instead of the ratios.
    Run(Straight(L"0,4,8").Set(L"heZhi", L"12").Set(L"kuaDu", L"8").Set(L"diffNum", L"3"));
    std::wstring page = chain->GetDataByPage(L"0", 1, 1, 1);
    EXPECT_NE(page.find(L"bigSmall:\"小小大\",oddEven:\"偶偶偶\",zhiHe:\"合合合\",luShu:\"012\""),
              std::wstring::npos)
        << basekit::CStrW2CStrA(page);
    EXPECT_NE(page.find(L"total:6,primaryTotal:27,afterFilterLen:0,cutDownRate:\"77.78%\"}"),
              std::wstring::npos);
}

TEST_F(Magic3Test, PagingClampsAndAnswersTotalsPastTheEnd)
{
    Run(Straight());
    std::wstring second = chain->GetDataByPage(L"0", 100, 2, 1);
    EXPECT_EQ(second.rfind(L"{size:\"100\",items:[{rowNumber:\"101\"", 0), 0U);
    EXPECT_EQ(chain->GetDataByPage(L"0", 100, 11, 1),
              L"{size:\"0\",items:[],total:1000,primaryTotal:1000,afterFilterLen:0,cutDownRate:\"0.00%\"}");
    // Page numbers and sizes below 1 count as 1.
    EXPECT_EQ(chain->GetDataByPage(L"0", 0, -3, 1).rfind(L"{size:\"1\",items:[{rowNumber:\"1\"", 0), 0U);
    // No search yet: the search list pages as empty, with only its total.
    EXPECT_EQ(chain->GetDataByPage(L"1", 100, 1, 1), L"{size:\"0\",items:[],total:0}");
}

TEST_F(Magic3Test, CutDownRateWithNoCandidatesIsZero)
{
    ConditionMap m(L"dataSourceNew", L"zuSan", 0);
    m.Set(L"baseNums", L"7");
    Run(m);
    EXPECT_EQ(chain->primaryTotal(), 0);
    EXPECT_EQ(chain->GetDataByPage(L"0", 100, 1, 1),
              L"{size:\"0\",items:[],total:0,primaryTotal:0,afterFilterLen:0,cutDownRate:\"0.00%\"}");
}

TEST_F(Magic3Test, OldNumbersAreCountedAndTestedInOrder)
{
    auto withOld = [](const wchar_t *castType) {
        ConditionMap m(L"dataSourceOld", castType, 0);
        calculation::Data old = testsupport::MakeCondition(L"oldNum", L"");
        old.strs = {L"123", L"321", L""};
        old.enabled = true;
        m.Put(old);
        return m;
    };
    Run(withOld(L"zuLiu"));
    EXPECT_EQ(chain->primaryTotal(), 2);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"123"}));

    Run(withOld(L"zhiXuan"));
    EXPECT_EQ(chain->primaryTotal(), 2);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"123", L"321"}));
}

TEST_F(Magic3Test, EntriesThatAreNotThreeDigitsAreCountedButNeverKept)
{
    ConditionMap m(L"dataSourceOld", L"zhiXuan", 0);
    calculation::Data old = testsupport::MakeCondition(L"oldNum", L"");
    old.strs = {L"12a", L"1234", L"7", L"045"};
    old.enabled = true;
    m.Put(old);
    Run(m);
    EXPECT_EQ(chain->primaryTotal(), 4);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"007", L"045"}));
}

TEST_F(Magic3Test, SearchesSelectAndCreateRows)
{
    Run(Straight());
    struct Case {
        const wchar_t *type;
        std::size_t rows;
        const wchar_t *first;
    };
    const Case cases[] = {
        {L"all", 1000, L"000"},
        {L"zuLiu", 120, L"012"},
        {L"zuLiuZhiXuan", 720, L"012"},
        {L"zuSan", 90, L"001"},
        {L"zuSanZhiXuan", 270, L"001"},
        {L"baoZi", 10, L"000"},
        {L"zhiXuanToZuXuan", 210, L"001"},
        {L"unknown", 0, L""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(basekit::CStrW2CStrA(c.type));
        chain->SearchResult(c.type);
        std::vector<std::wstring> rows = Rows(L"1");
        ASSERT_EQ(rows.size(), c.rows);
        if (c.rows > 0) {
            EXPECT_EQ(rows.front(), c.first);
        }
    }
    // The first row of each group is the one with ascending digits.
    chain->SearchResult(L"zuLiu");
    for (const std::wstring &row : Rows(L"1")) {
        EXPECT_TRUE(row[0] < row[1] && row[1] < row[2]) << basekit::CStrW2CStrA(row);
    }
}

TEST_F(Magic3Test, OrderingSearchesMakeNewRows)
{
    ConditionMap m(L"dataSourceNew", L"zuLiu", 0);
    m.Set(L"baseNums", L"1,2,3");
    Run(m);
    chain->SearchResult(L"zuLiuToZhiXuan");
    EXPECT_EQ(Rows(L"1"), (std::vector<std::wstring>{L"123", L"132", L"213", L"231", L"321", L"312"}));

    ConditionMap group(L"dataSourceNew", L"zuSan", 0);
    group.Set(L"baseNums", L"1,2");
    Run(group);
    chain->SearchResult(L"zuSanToZhiXuan");
    EXPECT_EQ(Rows(L"1"), (std::vector<std::wstring>{L"112", L"121", L"211", L"122", L"212", L"221"}));
    chain->SearchResult(L"baoZi");
    EXPECT_TRUE(Rows(L"1").empty());
}

TEST_F(Magic3Test, RowsAreEditedInTheChosenList)
{
    ConditionMap m(L"dataSourceNew", L"zuLiu", 0);
    m.Set(L"baseNums", L"0,4,8,9");
    Run(m);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"048", L"049", L"089", L"489"}));
    chain->SearchResult(L"all");
    EXPECT_EQ(chain->DeleteRows(L"1", 0), 1);
    EXPECT_EQ(Rows(L"1").size(), 3U);
    EXPECT_EQ(Rows().size(), 4U) << "deleting from the search list leaves the result list";
    EXPECT_EQ(chain->DeleteRows(L"0", 4), 1);
    EXPECT_EQ(chain->DeleteRows(L"0", -1), 1);
    EXPECT_EQ(Rows().size(), 4U) << "an index out of range removes nothing";
    EXPECT_EQ(chain->DeleteRows(L"0", 1), 1);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"048", L"089", L"489"}));

    EXPECT_EQ(chain->AddRow(L"123"), 1);
    EXPECT_EQ(chain->AddRow(L"7,0,5"), 1);
    EXPECT_EQ(chain->AddRow(L"12"), 0);
    EXPECT_EQ(chain->AddRow(L"1,2,3,4"), 0);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"048", L"089", L"489", L"123", L"705"}));
    EXPECT_EQ(chain->GetResultStr(L"0", L",", L"+", 1, 0), L"048");
}

TEST_F(Magic3Test, ResultTextWithoutAListIsAnError)
{
    EXPECT_EQ(chain->GetResultStr(L"0", L",", L"+", 1, 1), L"error_NULL");
    EXPECT_EQ(chain->GetDataByPage(L"0", 100, 1, 1),
              L"{size:\"0\",items:[],total:0,primaryTotal:0,afterFilterLen:0,cutDownRate:\"0.00%\"}");
    EXPECT_EQ(chain->SearchResult(L"all")->size(), 0U);
}

TEST_F(Magic3Test, OwnConditionsOfTheFirstStage)
{
    struct Case {
        const wchar_t *key;
        const wchar_t *values;
        std::vector<std::wstring> kept; // of the candidates 249 250 499 500 112 121 211 111 123
    };
    const std::vector<std::wstring> candidates = {L"249", L"250", L"499", L"500", L"112",
                                                  L"121", L"211", L"111", L"123"};
    const Case cases[] = {
        {L"numLag", L"1", {L"250", L"499"}},
        {L"chongMa", L"-1", {L"249", L"250", L"123"}},
        {L"chongMa", L"1", {L"112", L"121", L"211", L"111"}},
        {L"diffNum", L"2", {L"499", L"500", L"112", L"121", L"211"}},
        {L"erMa", L"12", {L"112", L"121", L"211", L"123"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(basekit::CStrW2CStrA(c.key));
        ConditionMap m(L"dataSourceOld", L"zhiXuan", 0);
        calculation::Data old = testsupport::MakeCondition(L"oldNum", L"");
        old.strs = candidates;
        old.enabled = true;
        m.Put(old).Set(c.key, c.values);
        Run(m);
        EXPECT_EQ(Rows(), c.kept);
    }
    // "erMa" as an exclusion keeps exactly the rows the inclusion drops.
    ConditionMap m(L"dataSourceOld", L"zhiXuan", 0);
    calculation::Data old = testsupport::MakeCondition(L"oldNum", L"");
    old.strs = candidates;
    old.enabled = true;
    m.Put(old).Set(L"erMa", L"12", ConditionOptions{.include = false});
    Run(m);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"249", L"250", L"499", L"500", L"111"}));
}

TEST_F(Magic3Test, BaseNumbersAreNeverTolerated)
{
    ConditionMap m = Straight(L"1,2,3");
    m.Set(L"baseNums", L"1,2,3", ConditionOptions{.canBeWrong = true});
    m.Set(L"maxWrong", L"5");
    Run(m);
    std::vector<std::wstring> rows = Rows();
    EXPECT_EQ(rows.size(), 27U);
    EXPECT_NE(std::find(rows.begin(), rows.end(), L"331"), rows.end());
    EXPECT_EQ(std::find(rows.begin(), rows.end(), L"124"), rows.end());
}

TEST_F(Magic3Test, ToleratedFailuresAddUpOverBothStages)
{
    // 123: sum 6 fails "heZhi" 7 in the first stage, odd/even 101 fails "oddEven" 000 in the second.
    auto conditions = [](int maxWrong) {
        ConditionMap m = Straight(L"1,2,3");
        m.Set(L"maxWrong", std::to_wstring(maxWrong));
        m.Set(L"heZhi", L"7", ConditionOptions{.canBeWrong = true});
        m.Set(L"oddEven", L"000", ConditionOptions{.canBeWrong = true});
        return m;
    };
    auto contains123 = [this] {
        std::vector<std::wstring> rows = Rows();
        return std::find(rows.begin(), rows.end(), L"123") != rows.end();
    };
    Run(conditions(1));
    EXPECT_FALSE(contains123());
    Run(conditions(2));
    EXPECT_TRUE(contains123());
    // Not tolerated: rejected whatever maxWrong is.
    ConditionMap strict = Straight(L"1,2,3");
    strict.Set(L"maxWrong", L"9").Set(L"heZhi", L"7");
    Run(strict);
    EXPECT_FALSE(contains123());
}

TEST_F(Magic3Test, PerPositionPatternsOnlyInStraightPlay)
{
    ConditionMap m = Straight(L"1,2,3");
    m.Put(testsupport::MakePattern(L"oddEvenDingWei", {L"1", L"", L"1"}));
    Run(m);
    for (const std::wstring &row : Rows()) {
        EXPECT_TRUE((row[0] - L'0') % 2 == 1 && (row[2] - L'0') % 2 == 1) << basekit::CStrW2CStrA(row);
    }
    EXPECT_EQ(Rows().size(), 12U); // 2 x 3 x 2
    ConditionMap group(L"dataSourceNew", L"zuLiu", 0);
    group.Set(L"baseNums", L"1,2,3").Put(testsupport::MakePattern(L"oddEvenDingWei", {L"0", L"0", L"0"}));
    Run(group);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"123"}));
}

TEST_F(Magic3Test, RuleOutByStraightOrGroupMatch)
{
    chain->SetOldDataForRuleOut({{2, 1, 1}});
    auto kept = [this](const wchar_t *mode) {
        ConditionMap m = Straight(L"1,2");
        m.Set(L"ruleOutOldData", mode);
        Run(m);
        return Rows();
    };
    std::vector<std::wstring> straight = kept(L"0");
    EXPECT_EQ(straight.size(), 7U);
    EXPECT_EQ(std::find(straight.begin(), straight.end(), L"211"), straight.end());
    std::vector<std::wstring> group = kept(L"1,1"); // two numbers: the second is the mode
    EXPECT_EQ(group.size(), 5U);
    for (const wchar_t *gone : {L"112", L"121", L"211"}) {
        EXPECT_EQ(std::find(group.begin(), group.end(), gone), group.end());
    }
}

TEST_F(Magic3Test, RuleOutKeepsTheFirst365Draws)
{
    std::vector<std::vector<int>> draws(400, std::vector<int>{9, 9, 9});
    draws[0] = {1, 1, 1};
    draws[399] = {2, 2, 2};
    chain->SetOldDataForRuleOut(draws);
    EXPECT_EQ(chain->GetLastFilter()->ruleOutCount(), 365);
    ConditionMap m = Straight(L"1,2");
    m.Set(L"ruleOutOldData", L"0");
    Run(m);
    std::vector<std::wstring> rows = Rows();
    EXPECT_EQ(std::find(rows.begin(), rows.end(), L"111"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), L"222"), rows.end());
}

TEST_F(Magic3Test, StageIndexPastTheLastIsReportedAndChangesNothing)
{
    ConditionMap m = Straight(L"5");
    chain->SetNodeData(m.map(), 0);
    ConditionMap other = Straight(L"6");
    try {
        chain->SetNodeData(other.map(), 2);
        FAIL() << "no error";
    } catch (const calculation::ChainError &e) {
        EXPECT_EQ(e.message(), L"索引值大于了过滤节点数！");
    }
    EXPECT_EQ(chain->nodeMap().at(L"baseNums").strs, (std::vector<std::wstring>{L"5"}));
}

TEST(Magic3PluginTest, ExportsMakeIndependentChainsAndFailCleanly)
{
    PluginLibrary library;
    ASSERT_TRUE(library.Open("Plugin/Rules-Magic3.so")) << library.error();
    ChainHandle a = library.MakeChain();
    ChainHandle b = library.MakeChain();
    ASSERT_TRUE(a && b);
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(a->gameKey(), L"Magic3");
    EXPECT_EQ(a->FilterCount(), 2);
    a->AddRow(L"123");
    EXPECT_EQ(b->GetResultStr(L"0", L"", L"", 0, 1), L"error_NULL");
    a.reset();
    b.reset();
    calculation::ChainRelease{}(nullptr);

    PluginLibrary missing;
    EXPECT_FALSE(missing.Open("Plugin/Rules-NoSuchGame.so"));
    EXPECT_FALSE(missing.error().empty());
    EXPECT_FALSE(missing.MakeChain());
    PluginLibrary notAPlugin;
    EXPECT_FALSE(notAPlugin.Open("./libBasekit.so"));
    EXPECT_NE(notAPlugin.error().find("not a game plug-in"), std::string::npos);
}

// Filter runs, resets, background releases racing page, search and save calls on the current
// run, and rebinds: nothing may leak, be freed twice or be read after release (run under the
// sanitizers).
TEST(Magic3LifecycleTest, RunsReleasesAndRebindsUnderLoad)
{
    for (int bind = 0; bind < 4; ++bind) {
        PluginLibrary library;
        ASSERT_TRUE(library.Open("Plugin/Rules-Magic3.so")) << library.error();
        ChainHandle chain = library.MakeChain();
        ASSERT_TRUE(chain);
        calculation::CleanupWorker worker;
        chain->SetOldDataForRuleOut({{1, 2, 3}, {4, 5, 6}});
        for (int run = 0; run < 12; ++run) {
            worker.Join();
            if (run > 0) {
                chain->ResetAll();
            }
            ConditionMap m(L"dataSourceNew", run % 3 == 0 ? L"zuLiu" : L"zhiXuan", 1);
            m.Set(L"baseNums", kAllDigits).Set(L"ruleOutOldData", L"1");
            if (run % 2 == 1) {
                m.Set(L"heZhi", L"10,11,12,13,14,15", ConditionOptions{.canBeWrong = true});
            }
            chain->SetNodeData(m.map(), 0);
            chain->SetNodeData(m.map(), 1);
            chain->Filter();
            if (run > 0) {
                worker.Start(*chain);
            }
            for (int call = 0; call < 5; ++call) {
                chain->SearchResult(call % 2 ? L"zuLiuToZhiXuan" : L"zuLiu");
                EXPECT_FALSE(chain->GetDataByPage(L"1", 50, call + 1, 1).empty());
                EXPECT_FALSE(chain->GetDataByPage(L"0", 100, call + 1, 1).empty());
                chain->GetResultStr(L"0", L",", L"+", 1, 1);
                chain->AddRow(L"987");
                chain->DeleteRows(L"1", 0);
            }
        }
        // Rebind: the program joins, resets, releases and hands the chain back.
        worker.Join();
        chain->ResetAll();
        chain->DeleteAll();
        chain.reset();
    }
}

} // namespace

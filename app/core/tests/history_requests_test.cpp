// "GetDetailedData" and "GetTableTitle" as the trend window asks them: each window answers from
// its own chain and the draws that chain cached, and the grid's columns come from the settings
// database.
#include <gtest/gtest.h>

#include <filesystem>

#include "basekit/text_convert.h"
#include "bridge/popup_window.h"
#include "support/history_fixture.h"
#include "support/scratch_copy.h"
#include "test_app.h"

namespace qel::testing {
namespace {

using testsupport::Box;
using testsupport::Marked;
using testsupport::ValueOf;

const basekit::TextMapList kDraws{testsupport::Draw(L"2024001", L"2024-01-01", L"1,1,5"),
                                  testsupport::Draw(L"2024002", L"2024-01-02", L"0,9,9")};

TEST(HistoryRequestsTest, WithoutAGameTheWindowSaysSo)
{
    TestApp t;
    EXPECT_EQ(t.Main(L"{\"method\":\"GetDetailedData\",\"productName\":\"Magic3\",\"tab\":\"base\"}"),
              L"{flag:\"error\",msg:\"请先选择彩种！\"}");
}

TEST(HistoryRequestsTest, TheMainWindowAnswersFromTheDrawsItsChainCached)
{
    TestApp t;
    t.app->mainWindow().context().SwitchPlugin(L"Magic3");
    ASSERT_NE(t.app->mainWindow().context().chain(), nullptr);
    t.app->mainWindow().context().chain()->SetOldDataCache(kDraws);
    const auto rows = testsupport::ParseListReply(
        t.Main(L"{\"method\":\"GetDetailedData\",\"productName\":\"Magic3\",\"tab\":\"heZhi\"}"));
    ASSERT_EQ(rows.size(), 2U + 6U);
    EXPECT_EQ(ValueOf(rows[0], L"sum7"), Marked(0, Box(20), L"7"));
    EXPECT_EQ(ValueOf(rows[1], L"sum18"), Marked(0, Box(20), L"18"));
    // The balls are pictures below the program's base address.
    EXPECT_NE(ValueOf(rows[0], L"lottery").find(L"url(&quot;qel://base/images/redBall18.png&quot;)"),
              std::wstring::npos);
    // A tab that names no table: the empty text; a request without one, too.
    EXPECT_EQ(t.Main(L"{\"method\":\"GetDetailedData\",\"productName\":\"Magic3\",\"tab\":\"Base\"}"), L"");
    EXPECT_EQ(t.Main(L"{\"method\":\"GetDetailedData\",\"tab\":7}"), L"");
}

TEST(HistoryRequestsTest, TheTrendWindowAnswersFromItsOwnChainAndTheGrid)
{
    const basekit::test_support::ScratchCopy database("sys.db");
    TestApp t(database.path().wstring());
    t.windows.onModal = [](PageWindow &window) {
        calculation::AbstractFilterChain *chain = dynamic_cast<PopupWindow &>(window).context().chain();
        ASSERT_NE(chain, nullptr) << "the pop-up binds the current game";
        chain->SetOldDataCache(kDraws);
    };
    t.windows.popupRequests = {
        L"{\"method\":\"GetDetailedData\",\"productName\":\"Magic3\",\"tab\":\"base\"}",
        L"{\"method\":\"GetTableTitle\",\"productName\":\"Magic3\",\"tableId\":20,\"flag\":\"Magic3\","
        L"\"tab\":\"heZhi\"}",
        L"{\"method\":\"GetDetailedData\",\"productName\":\"Magic3\",\"tab\":\"nothing\"}"};
    EXPECT_EQ(t.Main(L"{\"method\":\"GetDataAnalysis\"}"), L"");
    ASSERT_EQ(t.windows.windows.size(), 1U);
    EXPECT_EQ(t.windows.windows[0].url, "http://service.test/html/pageForPc/pageForTrend3_2.html");
    ASSERT_EQ(t.windows.popupReplies.size(), 3U);

    const auto rows = testsupport::ParseListReply(t.windows.popupReplies[0]);
    ASSERT_EQ(rows.size(), 2U + 6U);
    EXPECT_EQ(ValueOf(rows[1], L"pos9"),
              testsupport::Span(L"'display:inline-block;width:18px;height:18px;line-height:18px;"
                                L"background-image:url(&quot;qel://base/images/purpleBall18.png&quot;"
                                L");color:white;margin-left:2px;text-align:center;font-size:12px;'",
                                L"9"));
    // The grid: 期号, 开奖日期, 开奖号码, the sum and its tail, and the two charts with their columns.
    const std::wstring &titles = t.windows.popupReplies[1];
    EXPECT_EQ(titles.rfind(L"{size:\"7\",children:[{align:\"center\",", 0), 0U)
        << basekit::CStrW2CStrA(titles);
    for (const wchar_t *part : {L"field:\"qiHao\"", L"field:\"lottery\"", L"field:\"sumTail\"",
                                L"title:\"和值分布\"", L"field:\"sum27\"", L"field:\"sumTail9\""}) {
        EXPECT_NE(titles.find(part), std::wstring::npos) << basekit::CStrW2CStrA(part);
    }
    EXPECT_EQ(t.windows.popupReplies[2], L"");
    // The main window's own chain is another one: it has not bound a game.
    EXPECT_EQ(t.app->mainWindow().context().chain(), nullptr);
}

TEST(HistoryRequestsTest, TheBallPicturesTheTablesNameAreStaged)
{
    // The tests run in the stage, the program's base directory.
    for (const char *colour : {"red", "blue", "green", "gold", "purple"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::string("images/") + colour + "Ball18.png"))
            << colour;
    }
}

} // namespace
} // namespace qel::testing

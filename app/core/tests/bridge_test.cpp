// The page bridge: both method tables, the windows they open, and answers to bad requests.
#include <gtest/gtest.h>

#include "basekit/text_convert.h"

#include <string>
#include <vector>

#include "bridge/popup_window.h"
#include "support/scratch_copy.h"
#include "test_app.h"

namespace qel::testing {
namespace {

template <typename Window> std::vector<std::string> Names()
{
    std::vector<std::string> names;
    for (const auto &row : Window::Methods()) {
        names.emplace_back(row.name);
    }
    return names;
}

TEST(BridgeTest, MainTableInCompareOrder)
{
    const std::vector<std::string> expected = {"Filter",
                                               "initAppNormally",
                                               "Exit",
                                               "GetSystemConfig",
                                               "GetSystemInfo",
                                               "Toggle",
                                               "SystemEvent",
                                               "GetTableTitle",
                                               "DeleteAll",
                                               "GetComponentConfig",
                                               "GetAdvertisement",
                                               "GetResultByPage",
                                               "SearchResult",
                                               "SaveResult",
                                               "DeleteRows",
                                               "AddRow",
                                               "SaveConfig",
                                               "OpenScenario",
                                               "OpenOldNum",
                                               "SaveScenario",
                                               "GetComboboxData",
                                               "GetTip",
                                               "GetDict",
                                               "GetProductList",
                                               "OpenShell",
                                               "SaveCalType",
                                               "GetDataAnalysis",
                                               "GetNewLottery",
                                               "GetLastLottery",
                                               "CheckNewClienVersion",
                                               "GetDetailedData",
                                               "GetDanMa",
                                               "GetPluginList",
                                               "ChangeState",
                                               "GetQiHaoList",
                                               "InstallOldDataForRuleOut",
                                               "getCastWebsite",
                                               "getUserInfo",
                                               "getTextAdForCastWin",
                                               "getVideoUrl",
                                               "logIn",
                                               "getLotLevel",
                                               "getLotDetailById",
                                               "getLotCategory",
                                               "getArticles",
                                               "updateReadTime",
                                               "getForumInfo",
                                               "getAdvertisementByLotteryCategory",
                                               "getAdById",
                                               "showQelInfoWin",
                                               "aboutQel",
                                               "showLuckyWin",
                                               "showKnowledgeWin",
                                               "showProfileWin",
                                               "showDonarWin",
                                               "showUserCenterWin",
                                               "showPhoneClientWin",
                                               "showQQWin",
                                               "showShareWin",
                                               "showZhuiHaoPlanWin",
                                               "showCheckWin",
                                               "showCalcWin"};
    EXPECT_EQ(Names<MainWindow>(), expected);
}

TEST(BridgeTest, PopupTableInCompareOrder)
{
    const std::vector<std::string> expected = {"getConfig",
                                               "exit",
                                               "moveWin",
                                               "getDanMa",
                                               "GetNewLottery",
                                               "getLotLevel",
                                               "getLotDetailById",
                                               "GetQiHaoList",
                                               "getCastWebsite",
                                               "ShowLotDetail",
                                               "GetDataAnalysis",
                                               "GetDetailedData",
                                               "GetTableTitle",
                                               "SaveLuckyNum",
                                               "getLotCategory",
                                               "GetSystemInfo",
                                               "GetIndexExplanation",
                                               "changePassword",
                                               "Feedback",
                                               "generatePlan",
                                               "savePlan",
                                               "getQiHaoList",
                                               "zjCheck",
                                               "touZhuYuSuan",
                                               "getLastLottery"};
    EXPECT_EQ(Names<PopupWindow>(), expected);
}

TEST(BridgeTest, EveryRequestIsAnswered)
{
    TestApp t;
    const std::wstring unknown = L"{flag:\"error\",msg:\"没有该方法！\"}";
    for (const wchar_t *request : {L"not json", L"[1,2]", L"42", L"{\"method\":7}", L"{\"method\":\"exit\"}",
                                   L"{\"method\":\"NoSuchMethod\"}", L"", L"{\"method\":\"Filter\""}) {
        SCOPED_TRACE(basekit::CStrW2CStrA(request));
        EXPECT_EQ(t.Main(request), unknown);
    }
    // Members of the wrong type read as empty or default values; the answer is still a reply.
    EXPECT_EQ(t.Main(L"{\"method\":\"GetResultByPage\",\"pageNum\":\"x\",\"pageSize\":[1],\"type\":{}}")
                  .rfind(L"{size:", 0),
              0U);
    EXPECT_EQ(t.Main(L"{\"method\":\"Filter\",\"items\":\"nope\"}"),
              L"{flag:\"error\",msg:\"请先选择彩种！\"}");
    EXPECT_EQ(t.windows.mainClosed, 0) << R"("exit" is not the main window's "Exit")";
    EXPECT_EQ(t.Main(L"{\"method\":\"Exit\"}"), L"");
    EXPECT_EQ(t.windows.mainClosed, 1);
}

TEST(BridgeTest, MainWindowSizeFollowsTheWorkArea)
{
    struct Case {
        WorkArea area;
        int x, y, width, height;
    };
    const Case cases[] = {
        {{0, 0, 1920, 1040}, 277, 156, 1366, 728},
        {{0, 0, 1280, 720}, 0, 0, 1280, 720},
        {{100, 40, 1366, 728}, 100, 40, 1366, 728},
    };
    for (const Case &c : cases) {
        TestApp t;
        t.windows.workArea = c.area;
        t.app->Start();
        EXPECT_EQ(t.windows.mainPlacement.x, c.x);
        EXPECT_EQ(t.windows.mainPlacement.y, c.y);
        EXPECT_EQ(t.windows.mainPlacement.width, c.width);
        EXPECT_EQ(t.windows.mainPlacement.height, c.height);
        EXPECT_TRUE(t.windows.mainPlacement.rounded);
        EXPECT_EQ(t.windows.mainPlacement.cornerRadius, 16);
        EXPECT_EQ(t.windows.title, L"Varnel");
        ASSERT_EQ(t.windows.timers.size(), 1U);
        EXPECT_EQ(t.windows.timers[0].first, 6000);
    }
    TestApp t;
    t.app->Start();
    EXPECT_EQ(t.Main(L"{\"method\":\"initAppNormally\"}"), L"");
    EXPECT_EQ(t.windows.timers.size(), 2U) << "every layout arms the six-second timer again";
}

TEST(BridgeTest, WindowOpeningRows)
{
    TestApp t;
    t.windows.workArea = {0, 0, 1920, 1040};
    t.app->Start();
    struct Case {
        const wchar_t *request;
        std::string url;
        int width, height;
    };
    const Case cases[] = {
        {L"{\"method\":\"GetDataAnalysis\"}", "http://service.test/html/pageForPc/pageForTrend3_2.html", 1366,
         1040},
        {L"{\"method\":\"GetNewLottery\"}", "http://service.test/html/pageForPc/pageForNewLottery.html", 1250,
         728},
        {L"{\"method\":\"GetDanMa\"}", "http://service.test/html/pageForPc/pageForAutoAdvice.html", 550, 320},
        {L"{\"method\":\"getLotLevel\",\"lotCategoryId\":\"3\",\"qiHao\":\"2026001\",\"lotteryCategory\":"
         L"\"Magic3\"}",
         "http://service.test/html/pageForPc/"
         "pageForLotDetail.html?lotCategoryId=3&qiHao=2026001&lotteryCategory=Magic3",
         720, 550},
        {L"{\"method\":\"showKnowledgeWin\"}", "qel://base/html/pageForKnowledge.html", 1250, 728},
        {L"{\"method\":\"showProfileWin\",\"src\":\"http://x.test/p\"}", "http://x.test/p", 700, 600},
        {L"{\"method\":\"showUserCenterWin\",\"userInfo\":\"u1\"}",
         "qel://base/html/pageForUserCenter.html?userInfo=u1", 700, 600},
        {L"{\"method\":\"showCalcWin\"}", "qel://base/html/pageForCalc.html", 800, 700},
        {L"{\"method\":\"aboutQel\"}", "qel://res/about.html", 550, 320},
        {L"{\"method\":\"showLuckyWin\"}", "qel://res/lucky.html", 550, 320},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.url);
        t.windows.windows.clear();
        EXPECT_EQ(t.Main(c.request), L"");
        ASSERT_EQ(t.windows.windows.size(), 1U);
        EXPECT_TRUE(t.windows.windows[0].modal);
        EXPECT_EQ(t.windows.windows[0].url, c.url);
        EXPECT_EQ(t.windows.windows[0].placement.width, c.width);
        EXPECT_EQ(t.windows.windows[0].placement.height, c.height);
    }
    t.windows.windows.clear();
    EXPECT_EQ(t.Main(L"{\"method\":\"getLotDetailById\"}"), L"");
    EXPECT_TRUE(t.windows.windows.empty()) << "the main window's getLotDetailById does nothing";
}

TEST(BridgeTest, NoticeWindowOpensOncePerRun)
{
    TestApp t;
    t.windows.workArea = {0, 0, 1920, 1040};
    t.app->Start();
    EXPECT_EQ(t.Main(L"{\"method\":\"showQelInfoWin\"}"), L"");
    EXPECT_EQ(t.Main(L"{\"method\":\"showQelInfoWin\"}"), L"");
    ASSERT_EQ(t.windows.windows.size(), 1U);
    const OpenedWindow &notice = t.windows.windows[0];
    EXPECT_FALSE(notice.modal);
    EXPECT_EQ(notice.url, "http://service.test/html/pageForPc/pageForAdviceForYou.html");
    EXPECT_EQ(notice.placement.x + notice.placement.width, 1920);
    EXPECT_EQ(notice.placement.y + notice.placement.height, 1040);
    EXPECT_FALSE(notice.placement.rounded);
}

TEST(BridgeTest, ModalPopupServesItsOwnTableAndContext)
{
    TestApp t;
    t.app->Start();
    t.windows.popupRequests = {
        L"{\"method\":\"getConfig\"}", L"{\"method\":\"moveWin\",\"deltaLeft\":5,\"deltaTop\":-3}",
        L"{\"method\":\"Filter\"}",    L"{\"method\":\"Exit\"}",
        L"{\"method\":\"exit\"}",      L"garbage"};
    EXPECT_EQ(t.Main(L"{\"method\":\"aboutQel\"}"), L"");
    ASSERT_EQ(t.windows.popupReplies.size(), 6U);
    EXPECT_EQ(t.windows.popupReplies[0], L"{productName:\"Magic3\",website:\"http://service.test\"}");
    EXPECT_EQ(t.windows.popupReplies[1], L"{flag:\"ok\",msg:\"moved\"}");
    EXPECT_EQ(t.windows.moves, (std::vector<std::pair<int, int>>{{5, -3}}));
    EXPECT_EQ(t.windows.popupReplies[2], L"") << "the pop-up's table has no Filter";
    EXPECT_EQ(t.windows.popupReplies[3], L"") << "nor the main window's Exit";
    EXPECT_EQ(t.windows.mainClosed, 0);
    EXPECT_EQ(t.windows.popupReplies[4], L"");
    EXPECT_EQ(t.windows.popupsClosed, 1);
    EXPECT_EQ(t.windows.popupReplies[5], L"");
    EXPECT_EQ(t.app->FindWindow(2), nullptr) << "a closed pop-up no longer answers its bridge address";
}

TEST(BridgeTest, SystemEventsAndShellOpen)
{
    TestApp t;
    EXPECT_EQ(t.Main(L"{\"method\":\"SystemEvent\",\"dataType\":\"minimize\"}"),
              L"{flag:\"ok\",msg:\"done\"}");
    EXPECT_EQ(t.windows.minimised, 1);
    EXPECT_EQ(t.Main(L"{\"method\":\"SystemEvent\",\"dataType\":\"close\"}"), L"{flag:\"ok\",msg:\"done\"}");
    EXPECT_EQ(t.windows.mainClosed, 1);
    EXPECT_EQ(t.Main(L"{\"method\":\"OpenShell\",\"toolName\":\"calc; rm -rf /\"}"), L"");
    EXPECT_TRUE(t.windows.opened.empty()) << "no tool of the settings database: refused";
    EXPECT_EQ(t.Main(L"{\"method\":\"OpenShell\",\"toolName\":\"http://service.test/a?b=1&c\"}"), L"");
    EXPECT_EQ(t.windows.opened, (std::vector<std::wstring>{L"http://service.test/a?b=1&c"}))
        << "handed over as one target";
}

// The delivered settings database, as staged: the main page's first requests.
TEST(BridgeTest, ConfigurationAndPanelsFromTheStagedDatabase)
{
    const basekit::test_support::ScratchCopy database("sys.db");
    TestApp t(database.path().wstring());
    t.app->Start();
    std::wstring config = t.Main(L"{\"method\":\"GetSystemConfig\"}");
    EXPECT_NE(config.find(L"baseDir:\"qel://base\""), std::wstring::npos) << basekit::CStrW2CStrA(config);
    std::wstring panels = t.Main(L"{\"method\":\"GetComponentConfig\",\"productName\":\"Magic3\"}");
    EXPECT_EQ(panels.rfind(L"{size:\"", 0), 0U);
    EXPECT_NE(panels.find(L"children:[{"), std::wstring::npos) << "panels carry their conditions";
    EXPECT_NE(t.app->mainWindow().context().chain(), nullptr) << "the game is bound";
    std::wstring unknownGame = t.Main(L"{\"method\":\"GetComponentConfig\",\"productName\":\"L5Of11\"}");
    EXPECT_EQ(unknownGame.rfind(L"{size:\"", 0), 0U) << "answered from the database without a plug-in";
    EXPECT_EQ(t.app->mainWindow().context().chain(), nullptr);
}

TEST(BridgeTest, AccountRowsReachTheDataService)
{
    // No service address is configured here: the version check answers the connection failure.
    TestApp t;
    EXPECT_EQ(t.Main(L"{\"method\":\"CheckNewClienVersion\"}"), L"{flag:\"error\",msg:\"服务器连接失败！\"}");
    // A password that cannot be stored is refused before anything is sent.
    EXPECT_EQ(t.Main(L"{\"method\":\"logIn\",\"phone\":\"1\",\"email\":\"\",\"password\":\"\\uffff\"}"),
              L"{flag:\"error\",msg:\"用户名或密码中有无法保存的字符，请更换后再试！\"}");
    // Without a stored login the user's information is not asked for.
    EXPECT_EQ(t.Main(L"{\"method\":\"getUserInfo\"}"),
              L"{flag:\"noLocalUserInfo\",msg:\"没有本地用户信息\"}");
}

} // namespace
} // namespace qel::testing

#include "bridge/main_window.h"

#include <algorithm>
#include <cstdio>

#include "account/account_handlers.h"
#include "app/application.h"
#include "basekit/http_client.h"
#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "bridge/popup_window.h"
#include "bridge/service_rows.h"
#include "bridge/shared_rows.h"
#include "dataservice/history_handlers.h"
#include "handlers/component_handlers.h"
#include "handlers/result_handlers.h"
#include "settings/dictionary_handlers.h"
#include "settings/product_handlers.h"
#include "settings/system_config_handlers.h"
#include "window/shell_target.h"

namespace qel {
namespace {

using basekit::JsonUtil;
using Row = MethodRow<MainWindow>;

constexpr int kMaxWidth = 1366;
constexpr int kMaxHeight = 728;
constexpr int kConfigurationCheckDelayMs = 6000;

// A page below the program's base directory (WebPage, shared_rows.h: one of the data service's
// web site).
std::string BasePage(MainWindow &w, const std::string &path)
{
    return basekit::CStrW2CStrA(w.app().startup().baseUrl) + path;
}

// One of the program's own pages (about, lucky numbers).
std::string ResourcePage(MainWindow &w, const std::string &name)
{
    return basekit::CStrW2CStrA(w.app().startup().resourceUrl) + "/" + name;
}

template <int Width, int Height> std::wstring BaseWindow(MainWindow &w, const std::string &path)
{
    return w.OpenModal(BasePage(w, path), Width, Height);
}

// The desktop's "open" on the page's target, which is often the data service's address: only a
// web address or a tool of the settings database (shell_target.h).
std::wstring OpenShell(MainWindow &w, const Json::Value &r)
{
    const std::wstring target = JsonUtil::GetString(r, "toolName");
    SettingsContext settings = w.services().Settings();
    if (ClassifyShellTarget(target, settings.service.dao().QueryTools()) == ShellTarget::Refused) {
        std::fprintf(stderr, "qel: open refused (not a web address nor a tool): %s\n",
                     ShellTargetForLog(target).c_str());
        return std::wstring();
    }
    w.app().windows().OpenWithDefaultApplication(target);
    return std::wstring();
}

constexpr Row kMethods[] = {
    // The filter run.
    {"Filter", [](MainWindow &w, const Json::Value &r) { return w.context().OnFilter(r); }},
    // The main page's frame: its layout, its end, the settings it starts with, the game it shows,
    // minimizing and closing.
    {"initAppNormally",
     [](MainWindow &w, const Json::Value &) {
         w.InitAppWindow();
         return std::wstring();
     }},
    {"Exit",
     [](MainWindow &w, const Json::Value &) {
         w.app().windows().CloseMainWindow();
         return std::wstring();
     }},
    {"GetSystemConfig", Settings<OnGetSystemConfig>},
    {"GetSystemInfo", Settings<OnGetSystemInfo>},
    {"Toggle",
     [](MainWindow &w, const Json::Value &r) {
         std::wstring reply = Settings<OnToggle>(w, r);
         // A game that was not stored is not loaded: the page keeps the stored one and says why.
         if (reply == ToggleStartedReply()) {
             w.app().windows().ShowMainPage("main.html");
         }
         return reply;
     }},
    {"SystemEvent",
     [](MainWindow &w, const Json::Value &r) {
         std::wstring event = JsonUtil::GetString(r, "dataType");
         if (event == L"minimize") {
             w.app().windows().MinimizeMainWindow();
         } else if (event == L"close") {
             w.app().windows().CloseMainWindow();
         }
         return JsonUtil::Msg(L"ok", L"done");
     }},
    // The main page's panels: the result table, the condition components and the advertisement
    // beside them, and the rows of the result.
    {"GetTableTitle", [](MainWindow &w, const Json::Value &r) { return OnGetTableTitle(w.services().dao(), r); }},
    {"DeleteAll", [](MainWindow &w, const Json::Value &r) { return OnDeleteAll(w.context(), r); }},
    {"GetComponentConfig", [](MainWindow &w, const Json::Value &r) { return OnGetComponentConfig(w.context(), w.services().dao(), r); }},
    {"GetAdvertisement", [](MainWindow &w, const Json::Value &) { return OnGetAdvertisement(w.services().dao(), w.app().runtimeConfig()); }},
    {"GetResultByPage", [](MainWindow &w, const Json::Value &r) { return OnGetResultByPage(w.context(), r); }},
    {"SearchResult", [](MainWindow &w, const Json::Value &r) { return OnSearchResult(w.context(), r); }},
    {"SaveResult",
     [](MainWindow &w, const Json::Value &r) { return OnSaveResult(w.context(), w.app().windows(), r); }},
    {"DeleteRows", [](MainWindow &w, const Json::Value &r) { return OnDeleteRows(w.context(), r); }},
    {"AddRow", [](MainWindow &w, const Json::Value &r) { return OnAddRow(w.context(), r); }},
    // The settings form.
    {"SaveConfig",
     [](MainWindow &w, const Json::Value &r) {
         std::wstring failure = Settings<OnSaveConfig>(w, r);
         return failure.empty() ? Settings<OnGetSystemConfig>(w, r) : failure;
     }},
    // Scenarios and old numbers, through the file dialogs.
    {"OpenScenario", [](MainWindow &w, const Json::Value &r) { return OnOpenScenario(w.app().windows(), r); }},
    {"OpenOldNum", [](MainWindow &w, const Json::Value &r) { return OnOpenOldNum(w.app().windows(), r); }},
    {"SaveScenario", [](MainWindow &w, const Json::Value &r) { return OnSaveScenario(w.app().windows(), r); }},
    // The settings database's lookups: quick selections, tips, the dictionary, the products, the
    // tools the desktop may open, the calculation type.
    {"GetComboboxData", [](MainWindow &w, const Json::Value &r) { return OnGetComboboxData(w.services().dao(), r); }},
    {"GetTip", Settings<OnGetTip>},
    {"GetDict", Settings<OnGetDict>},
    {"GetProductList", Settings<OnGetProductList>},
    {"OpenShell", OpenShell},
    {"SaveCalType", [](MainWindow &w, const Json::Value &r) { return OnSaveCalType(w.services().dao(), r); }},
    // The footer's windows on the data service's pages, the last draw, the version check and a
    // result's details.
    {"GetDataAnalysis",
     [](MainWindow &w, const Json::Value &) {
         WorkArea area = w.workArea();
         return w.OpenModal(WebPage(w.app(), "/html/pageForPc/pageForTrend3_2.html"), std::min(area.width, kMaxWidth),
                            area.height);
     }},
    {"GetNewLottery",
     [](MainWindow &w, const Json::Value &) {
         return w.OpenModal(WebPage(w.app(), "/html/pageForPc/pageForNewLottery.html"), 1250,
                            std::min(w.workArea().height, kMaxHeight));
     }},
    {"GetLastLottery", ServicePassThrough<"GetLastLottery", MainWindow>},
    {"CheckNewClienVersion", ServicePassThrough<"CheckNewClienVersion", MainWindow>},
    {"GetDetailedData", [](MainWindow &w, const Json::Value &r) { return OnGetDetailedData(w.context(), r); }},
    {"GetDanMa",
     [](MainWindow &w, const Json::Value &) {
         return w.OpenModal(WebPage(w.app(), "/html/pageForPc/pageForAutoAdvice.html"), 550, 320);
     }},
    // The plug-in list of the settings.
    {"GetPluginList", Settings<OnGetPluginList>},
    {"ChangeState", Settings<OnChangeState>},
    // Past draws for the rule-out, the account, and the data service's sites, texts and videos.
    {"GetQiHaoList", ServicePassThrough<"GetQiHaoList", MainWindow>},
    {"InstallOldDataForRuleOut", ServiceHandler<OnInstallOldDataForRuleOut, MainWindow>},
    {"getCastWebsite",
     [](MainWindow &w, const Json::Value &) {
         return w.OpenModal(WebPage(w.app(), "/html/pageForPc/pageForMoreCastWebsite.html"), 800, 550);
     }},
    {"getUserInfo", AccountHandler<OnGetUserInfo, MainWindow>},
    {"getTextAdForCastWin", ServicePassThrough<"getTextAdForCastWin", MainWindow>},
    {"getVideoUrl", ServicePassThrough<"getVideoUrl", MainWindow>},
    {"logIn", AccountHandler<OnLogIn, MainWindow>},
    // A draw's prize levels, and the data service's lottery categories, articles and forum.
    {"getLotLevel", LotDetailWindow<550>},
    {"getLotDetailById", [](MainWindow &, const Json::Value &) { return std::wstring(); }},
    {"getLotCategory", ServicePassThrough<"getLotCategory", MainWindow>},
    {"getArticles", ServicePassThrough<"getArticles", MainWindow>},
    {"updateReadTime", ServicePassThrough<"updateReadTime", MainWindow>},
    {"getForumInfo", ServicePassThrough<"getForumInfo", MainWindow>},
    // Advertisements by game, and one by its id.
    {"getAdvertisementByLotteryCategory", [](MainWindow &w, const Json::Value &) { return OnGetAdvertisementByLotteryCategory(w.services().dao(), w.app().runtimeConfig()); }},
    {"getAdById", ServicePassThrough<"getAdById", MainWindow>},
    // The menu's and the footer's windows: the notice, the program's own pages and the pages below
    // its base directory.
    {"showQelInfoWin", [](MainWindow &w, const Json::Value &) { return w.OpenNoticeOnce(); }},
    {"aboutQel", [](MainWindow &w, const Json::Value &) { return w.OpenModal(ResourcePage(w, "about.html"), 550, 320); }},
    {"showLuckyWin", [](MainWindow &w, const Json::Value &) { return w.OpenModal(ResourcePage(w, "lucky.html"), 550, 320); }},
    {"showKnowledgeWin",
     [](MainWindow &w, const Json::Value &) {
         return w.OpenModal(BasePage(w, "/html/pageForKnowledge.html"), 1250, std::min(w.workArea().height, kMaxHeight));
     }},
    {"showProfileWin", [](MainWindow &w, const Json::Value &r) { return w.OpenModal(Member(r, "src"), 700, 600); }},
    {"showDonarWin", [](MainWindow &w, const Json::Value &) { return BaseWindow<500, 400>(w, "/html/pageForDonar.html"); }},
    {"showUserCenterWin",
     [](MainWindow &w, const Json::Value &r) {
         // The user's information is JSON text: written as one query value, so that "&", "#" or
         // "%" in it cannot end or break the value; the page decodes it.
         return BaseWindow<700, 600>(w, "/html/pageForUserCenter.html?userInfo=" +
                                            basekit::HttpClient::PercentEncode(Member(r, "userInfo")));
     }},
    {"showPhoneClientWin",
     [](MainWindow &w, const Json::Value &) {
         return w.OpenModal(WebPage(w.app(), "/html/pageForPc/pageForApps.html"), 800, 700);
     }},
    {"showQQWin", [](MainWindow &w, const Json::Value &) { return BaseWindow<500, 400>(w, "/html/pageForQQ.html"); }},
    {"showShareWin", [](MainWindow &w, const Json::Value &) { return BaseWindow<500, 400>(w, "/html/pageForShare.html"); }},
    {"showZhuiHaoPlanWin",
     [](MainWindow &w, const Json::Value &) { return BaseWindow<800, 700>(w, "/html/pageForPlan.html"); }},
    {"showCheckWin", [](MainWindow &w, const Json::Value &) { return BaseWindow<800, 700>(w, "/html/pageForCheck.html"); }},
    {"showCalcWin", [](MainWindow &w, const Json::Value &) { return BaseWindow<800, 700>(w, "/html/pageForCalc.html"); }},
};

} // namespace

MainWindow::MainWindow(Application &app)
    : PageWindow(app.NextWindowId()), app_(app), context_(app.startup().baseUrl), services_(app)
{
}

bool MainWindow::CountStart()
{
    return services_.service().dao().CountStart() == 0;
}

MainWindow::~MainWindow() = default;

std::span<const MethodRow<MainWindow>> MainWindow::Methods()
{
    return kMethods;
}

bool MainWindow::Dispatch(const std::string &method, const Json::Value &request, std::wstring &reply)
{
    return DispatchTo<MainWindow>(kMethods, *this, method, request, reply);
}

std::wstring MainWindow::UnknownMethodReply() const
{
    return JsonUtil::Msg(L"error", L"没有该方法！");
}

std::wstring MainWindow::FailureReply(const std::wstring &message) const
{
    return JsonUtil::Msg(L"error", message.empty() ? L"程序出错！" : message);
}

void MainWindow::InitAppWindow()
{
    WindowSystem &windows = app_.windows();
    workArea_ = windows.GetWorkArea();
    WindowPlacement placement;
    placement.width = std::min(workArea_.width, kMaxWidth);
    placement.height = std::min(workArea_.height, kMaxHeight);
    placement.x = workArea_.x + (workArea_.width - placement.width) / 2;
    placement.y = workArea_.y + (workArea_.height - placement.height) / 2;
    placement.centred = false;
    placement.rounded = true;
    placement.cornerRadius = 16;
    placement_ = placement;
    windows.PlaceMainWindow(placement, L"Varnel");
    // Every layout schedules one configuration check, six seconds later.
    windows.StartTimer(kConfigurationCheckDelayMs, [this] { app_.OnConfigurationCheckDue(); });
}

std::wstring MainWindow::OpenModal(const std::string &url, int width, int height)
{
    return RunModalPopup(app_, url, width, height);
}

std::wstring MainWindow::OpenNoticeOnce()
{
    if (!showNoticeOnce_) {
        return L"";
    }
    showNoticeOnce_ = false;
    WindowPlacement placement;
    placement.width = 400;
    placement.height = 335;
    placement.centred = false;
    placement.rounded = false;
    placement.x = workArea_.x + workArea_.width - placement.width;
    placement.y = workArea_.y + workArea_.height - placement.height;
    app_.windows().ShowModeless(std::make_unique<PopupWindow>(app_), placement,
                                WebPage(app_, "/html/pageForPc/pageForAdviceForYou.html"));
    return L"";
}

} // namespace qel

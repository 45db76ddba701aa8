#include "bridge/popup_window.h"

#include "account/account_handlers.h"
#include "app/application.h"
#include "basekit/json_util.h"
#include "bridge/service_rows.h"
#include "bridge/shared_rows.h"
#include "dataservice/feedback_handler.h"
#include "dataservice/history_handlers.h"
#include "dataservice/prize_handlers.h"
#include "handlers/component_handlers.h"
#include "handlers/result_handlers.h"
#include "plan/plan_handlers.h"
#include "settings/dictionary_handlers.h"
#include "settings/system_config_handlers.h"

namespace qel {
namespace {

using basekit::JsonUtil;
using Row = MethodRow<PopupWindow>;

constexpr Row kMethods[] = {
    {"getConfig", Settings<OnGetConfig>},
    {"exit",
     [](PopupWindow &w, const Json::Value &) {
         w.app().windows().ClosePopup(w);
         return std::wstring();
     }},
    {"moveWin",
     [](PopupWindow &w, const Json::Value &r) {
         // A drag moves by less than a screen; the window system adds these to a position.
         constexpr int kMaxDelta = 1 << 16;
         w.app().windows().MovePopupBy(w, JsonUtil::GetIntInRange(r, "deltaLeft", 0, -kMaxDelta, kMaxDelta),
                                       JsonUtil::GetIntInRange(r, "deltaTop", 0, -kMaxDelta, kMaxDelta));
         return JsonUtil::Msg(L"ok", L"moved");
     }},
    {"getDanMa", ServiceHandler<OnGetDanMa, PopupWindow>},
    {"GetNewLottery", ServicePassThrough<"GetNewLottery", PopupWindow>},
    {"getLotLevel", ServicePassThrough<"getLotLevel", PopupWindow>},
    {"getLotDetailById", ServicePassThrough<"getLotDetailById", PopupWindow>},
    {"GetQiHaoList", ServicePassThrough<"GetQiHaoList", PopupWindow>},
    {"getCastWebsite", ServicePassThrough<"getCastWebsite", PopupWindow>},
    {"ShowLotDetail", LotDetailWindow<600>},
    {"GetDataAnalysis", ServiceHandler<OnGetDataAnalysis, PopupWindow>},
    {"GetDetailedData",
     [](PopupWindow &w, const Json::Value &r) { return OnGetDetailedData(w.context(), r); }},
    {"GetTableTitle",
     [](PopupWindow &w, const Json::Value &r) { return OnGetTableTitle(w.services().dao(), r); }},
    {"SaveLuckyNum",
     [](PopupWindow &w, const Json::Value &r) { return OnSaveLuckyNum(w.app().windows(), r); }},
    {"getLotCategory", ServicePassThrough<"getLotCategory", PopupWindow>},
    {"GetSystemInfo", Settings<OnGetSystemInfo>},
    {"GetIndexExplanation", Settings<OnGetIndexExplanation>},
    {"changePassword", AccountHandler<OnChangePassword, PopupWindow>},
    {"Feedback", [](PopupWindow &w, const Json::Value &r) { return OnFeedback(w.app().dataService(), r); }},
    {"generatePlan", [](PopupWindow &w, const Json::Value &r) { return OnGeneratePlan(w.plan(), r); }},
    {"savePlan", [](PopupWindow &w, const Json::Value &) { return OnSavePlan(w.plan(), w.app().windows()); }},
    {"getQiHaoList", ServicePassThrough<"GetQiHaoList", PopupWindow>},
    {"zjCheck", ServiceHandler<OnZjCheck, PopupWindow>},
    {"touZhuYuSuan", ServiceHandler<OnTouZhuYuSuan, PopupWindow>},
    {"getLastLottery", ServicePassThrough<"GetLastLottery", PopupWindow>},
};

} // namespace

PopupWindow::PopupWindow(Application &app)
    : PageWindow(app.NextWindowId()), app_(app), context_(app.startup().baseUrl), services_(app)
{
    app_.RegisterWindow(*this);
    context_.SwitchPlugin(RuntimeConfigValue(app_, L"productName"));
}

PopupWindow::~PopupWindow()
{
    app_.UnregisterWindow(id());
}

std::span<const MethodRow<PopupWindow>> PopupWindow::Methods()
{
    return kMethods;
}

std::wstring RunModalPopup(Application &app, const std::string &url, int width, int height)
{
    PopupWindow popup(app);
    WindowPlacement placement;
    placement.width = width;
    placement.height = height;
    app.windows().RunModal(popup, placement, url);
    return L"";
}

bool PopupWindow::Dispatch(const std::string &method, const Json::Value &request, std::wstring &reply)
{
    return DispatchTo<PopupWindow>(kMethods, *this, method, request, reply);
}

} // namespace qel

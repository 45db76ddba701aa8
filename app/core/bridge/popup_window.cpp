#include "bridge/popup_window.h"

#include <array>

#include "app/application.h"
#include "basekit/json_util.h"
#include "handlers/component_handlers.h"
#include "handlers/result_handlers.h"
#include "plan/plan_handlers.h"
#include "settings/dictionary_handlers.h"
#include "settings/system_config_handlers.h"

namespace qel {
namespace {

using basekit::JsonUtil;
using Row = MethodRow<PopupWindow>;

std::wstring NotAvailable(PopupWindow &, const Json::Value &)
{
    return JsonUtil::Msg(L"error", L"该功能暂不可用！");
}

template <std::wstring (*Handler)(SettingsContext &, const Json::Value &)>
std::wstring Settings(PopupWindow &w, const Json::Value &r)
{
    SettingsContext context = w.services().Settings();
    return Handler(context, r);
}

const std::array<Row, 25> kMethods = {{
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
    {"getDanMa", NotAvailable},
    {"GetNewLottery", NotAvailable},
    {"getLotLevel", NotAvailable},
    {"getLotDetailById", NotAvailable},
    {"GetQiHaoList", NotAvailable},
    {"getCastWebsite", NotAvailable},
    {"ShowLotDetail", NotAvailable},
    {"GetDataAnalysis", NotAvailable},
    {"GetDetailedData",
     [](PopupWindow &w, const Json::Value &r) { return OnGetDetailedData(w.context(), r); }},
    {"GetTableTitle",
     [](PopupWindow &w, const Json::Value &r) { return OnGetTableTitle(w.services().dao(), r); }},
    {"SaveLuckyNum",
     [](PopupWindow &w, const Json::Value &r) { return OnSaveLuckyNum(w.app().windows(), r); }},
    {"getLotCategory", NotAvailable},
    {"GetSystemInfo", Settings<OnGetSystemInfo>},
    {"GetIndexExplanation", Settings<OnGetIndexExplanation>},
    {"changePassword", NotAvailable},
    {"Feedback", NotAvailable},
    {"generatePlan", [](PopupWindow &w, const Json::Value &r) { return OnGeneratePlan(w.plan(), r); }},
    {"savePlan", [](PopupWindow &w, const Json::Value &) { return OnSavePlan(w.plan(), w.app().windows()); }},
    {"getQiHaoList", NotAvailable},
    {"zjCheck", NotAvailable},
    {"touZhuYuSuan", NotAvailable},
    {"getLastLottery", NotAvailable},
}};

std::wstring ProductName(Application &app)
{
    auto it = app.runtimeConfig().find(L"productName");
    return it == app.runtimeConfig().end() ? std::wstring() : it->second;
}

} // namespace

PopupWindow::PopupWindow(Application &app)
    : PageWindow(app.NextWindowId()), app_(app), context_(app.startup().baseUrl), services_(app)
{
    app_.RegisterWindow(*this);
    context_.SwitchPlugin(ProductName(app_));
}

PopupWindow::~PopupWindow()
{
    app_.UnregisterWindow(id());
}

std::span<const MethodRow<PopupWindow>> PopupWindow::Methods()
{
    return kMethods;
}

bool PopupWindow::Dispatch(const std::string &method, const Json::Value &request, std::wstring &reply)
{
    return DispatchTo<PopupWindow>(kMethods, *this, method, request, reply);
}

} // namespace qel

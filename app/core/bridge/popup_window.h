/// \file
/// \brief A pop-up window's page bridge: its own method table, plug-in host and services.
#pragma once

#include <span>
#include <string>

#include "bridge/method_table.h"
#include "bridge/page_window.h"
#include "bridge/window_services.h"
#include "filter/filter_context.h"
#include "plan/betting_plan.h"

namespace qel {

class Application;

class PopupWindow : public PageWindow {
public:
    /// Binds the game of the runtime configuration's "productName", as every pop-up does.
    explicit PopupWindow(Application &app);
    ~PopupWindow() override;

    Application &app() { return app_; }
    CFilterContext &context() { return context_; }
    WindowServices &services() { return services_; }
    /// The last betting plan this window made ("generatePlan"), until it is saved.
    BettingPlan &plan() { return plan_; }

    static std::span<const MethodRow<PopupWindow>> Methods();

protected:
    bool Dispatch(const std::string &method, const Json::Value &request, std::wstring &reply) override;
    std::wstring UnknownMethodReply() const override { return L""; }
    std::wstring FailureReply(const std::wstring & /*message*/) const override { return L""; }

private:
    Application &app_;
    CFilterContext context_;
    WindowServices services_;
    BettingPlan plan_;
};

/// Opens a modal pop-up at url with the given size and answers "" once it has closed.
std::wstring RunModalPopup(Application &app, const std::string &url, int width, int height);

} // namespace qel

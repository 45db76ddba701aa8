/// \file
/// \brief The main window's page bridge: its method table and what it owns.
#pragma once

#include <memory>
#include <span>

#include "bridge/method_table.h"
#include "bridge/page_window.h"
#include "bridge/window_services.h"
#include "filter/filter_context.h"
#include "window/window_system.h"

namespace qel {

class Application;
class PopupWindow;

class MainWindow : public PageWindow {
public:
    explicit MainWindow(Application &app);
    ~MainWindow() override;

    /// Lays the window out on the work area: at most 1366 by 728, centred, rounded, titled; then
    /// schedules the configuration check six seconds later. The program's start and the page's
    /// "initAppNormally" lay the window out alike.
    void InitAppWindow();

    Application &app() { return app_; }
    CFilterContext &context() { return context_; }
    WindowServices &services() { return services_; }
    WorkArea workArea() const { return workArea_; }
    /// The main window's last layout.
    WindowPlacement placement() const { return placement_; }
    /// Counts the program's start in the settings database; false when it could not be stored.
    bool CountStart();

    /// Opens a modal pop-up at url with the given size and answers "" once it has closed.
    std::wstring OpenModal(const std::string &url, int width, int height);
    /// Opens the modeless notice window, once per run.
    std::wstring OpenNoticeOnce();

    static std::span<const MethodRow<MainWindow>> Methods();

protected:
    bool Dispatch(const std::string &method, const Json::Value &request, std::wstring &reply) override;
    std::wstring UnknownMethodReply() const override;
    std::wstring FailureReply(const std::wstring &message) const override;

private:
    Application &app_;
    CFilterContext context_;
    WindowServices services_;
    WorkArea workArea_;
    WindowPlacement placement_;
    bool showNoticeOnce_ = true;
};

} // namespace qel

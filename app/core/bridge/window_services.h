/// \file
/// \brief What every page window owns besides its plug-in host: its settings service, the
/// filter context's access object, and the window layer as the settings handlers see it.
#pragma once

#include <string>

#include "settings/filter_context_dao.h"
#include "settings/settings_context.h"
#include "settings/system_service.h"
#include "window/window_system.h"

namespace qel {

class Application;

/// The settings handlers' view of the window layer: the main window's last layout, the work
/// area, and a fatal end through a message box.
class WindowSettingsHost : public SettingsHost {
public:
    explicit WindowSettingsHost(Application &app) : app_(app) {}
    ScreenRect MainWindowRect() override;
    ScreenRect WorkAreaRect() override;
    void FatalExit(const std::wstring &message, int status) override;

private:
    Application &app_;
};

/// A window's two connections to the settings database, opened with the window and closed with it.
class WindowServices {
public:
    explicit WindowServices(Application &app);
    ~WindowServices();
    WindowServices(const WindowServices &) = delete;
    WindowServices &operator=(const WindowServices &) = delete;

    CSystemService &service() { return service_; }
    CFilterContextDao &dao() { return dao_; }
    /// The context a settings handler runs in, for this window.
    SettingsContext Settings();
    void Close();

private:
    Application &app_;
    CSystemService service_;
    CFilterContextDao dao_;
    WindowSettingsHost host_;
};

} // namespace qel

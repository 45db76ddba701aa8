/// \file
/// \brief The program's core: its settings, its windows and their page bridges.
///
/// The shell builds one Application over its WindowSystem, calls Start() once its main window
/// exists, and hands every bridge request to FindWindow(id)->Execute(text).
#pragma once

#include <map>
#include <memory>
#include <string>

#include "account/config_update_checks.h"
#include "basekit/row_types.h"
#include "dataservice/data_service_client.h"
#include "window/window_system.h"

namespace qel {

class MainWindow;
class PageWindow;

/// What the shell tells the core at start-up.
struct StartupSettings {
    std::string baseDir;                     ///< the base directory (working directory) as a path
    std::wstring baseUrl;                    ///< the same folder as pages address it ("qel://base")
    std::wstring resourceUrl = L"qel://res"; ///< where pages find the program's own pages
    basekit::TextMap settings;               ///< "xml/system.xml" plus "sysDb", the settings-database path
};

class Application {
public:
    Application(WindowSystem &windows, StartupSettings startup);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    /// Lays the main window out (and schedules the configuration check); call once the shell's
    /// main window exists. A settings database that cannot be read ends the program here with
    /// a message naming it; one that cannot be written is told and the program goes on.
    void Start();

    MainWindow &mainWindow() { return *main_; }
    /// Six seconds after each layout of the main window: the check for configuration updates of
    /// the data service, sent in the background; its reply is applied on this thread later.
    void OnConfigurationCheckDue();
    /// The configuration checks whose threads have not been joined yet.
    std::size_t configUpdateChecksPending() const { return configChecks_.pending(); }
    /// The main window or an open pop-up, by the id of its bridge address; null when none.
    PageWindow *FindWindow(int id);

    // For the windows themselves.
    WindowSystem &windows() { return windows_; }
    const StartupSettings &startup() const { return startup_; }
    basekit::TextMap &runtimeConfig() { return runtimeConfig_; }
    /// The data-service client every window sends its requests through.
    DataServiceClient &dataService() { return dataService_; }
    int RegisterWindow(PageWindow &window);
    void UnregisterWindow(int id);
    int NextWindowId() { return nextId_++; }

private:
    WindowSystem &windows_;
    StartupSettings startup_;
    basekit::TextMap runtimeConfig_;
    DataServiceClient dataService_;
    std::map<int, PageWindow *> open_;
    int nextId_ = 1;
    std::unique_ptr<MainWindow> main_;
    // Stopped first when the application goes: its threads must not outlive what they report to.
    ConfigUpdateChecks configChecks_;
};

} // namespace qel

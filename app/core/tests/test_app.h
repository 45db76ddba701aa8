// An Application over the fake window system, run from the staged base directory.
#pragma once

#include <memory>

#include "app/application.h"
#include "bridge/main_window.h"
#include "fake_window_system.h"

namespace qel::testing {

struct TestApp {
    /// settingsDatabase: a settings database to open ("" for none).
    explicit TestApp(const std::wstring &settingsDatabase = L"")
    {
        StartupSettings startup;
        startup.baseDir = ".";
        if (!settingsDatabase.empty()) {
            startup.settings[L"sysDb"] = settingsDatabase;
        }
        startup.baseUrl = L"qel://base";
        app = std::make_unique<Application>(windows, startup);
        app->runtimeConfig()[L"website"] = L"http://service.test";
        app->runtimeConfig()[L"productName"] = L"Magic3";
    }
    // Pop-ups the shell holds go before the application, as in the program.
    ~TestApp() { windows.modeless.clear(); }
    TestApp(const TestApp &) = delete;
    TestApp &operator=(const TestApp &) = delete;

    std::wstring Main(const std::wstring &request) const { return app->mainWindow().Execute(request); }

    FakeWindowSystem windows;
    std::unique_ptr<Application> app;
};

} // namespace qel::testing

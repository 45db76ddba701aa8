// The desktop program: settings, the settings database, the splash, the main window, the loop.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include <gtk/gtk.h>
#include <unistd.h>

#include "app/application.h"
#include "basekit/base_dir.h"
#include "basekit/system_info_util.h"
#include "basekit/text_convert.h"
#include "basekit/xml_util.h"
#include "gtk_window_system.h"
#include "log.h"
#include "settings/settings_database_path.h"
#include "settings/user_settings_copy.h"
#include "splash_window.h"
#include "startup_paths.h"
#include "test_mode.h"

namespace qel::gtk {
namespace {

constexpr int kSplashMilliseconds = 1000;

std::string Setting(const basekit::TextMap &settings, const wchar_t *key)
{
    auto it = settings.find(key);
    return it == settings.end() ? std::string() : basekit::UnicodeToUTF8Str(it->second);
}

basekit::TextMap ReadSettings()
{
    basekit::CXmlUtil xml;
    basekit::TextMap settings = xml.ParseXmlToMap(L"xml/system.xml", 1);
    if (settings.empty()) {
        LogError("xml/system.xml", basekit::UnicodeToUTF8Str(xml.LastMessage()));
    }
    std::wstring localData =
        basekit::SystemInfoUtil::GetSHGetFolderPath(basekit::SystemInfoUtil::kCsidlLocalAppData);
    std::string problem;
    settings[L"sysDb"] =
        ChooseSettingsDatabasePath(settings, localData, SettingsDatabaseWritableInPlace, problem);
    if (!problem.empty()) {
        LogError("settings database", problem);
    }
    // It holds the stored login: nobody but its owner reads it.
    if (!KeepSettingsDatabasePrivate(settings[L"sysDb"])) {
        LogError("settings database", "cannot make it readable by its owner only");
    }
    return settings;
}

int RunProgram(int argc, char **argv)
{
    // The relative paths ("xml/system.xml", "Plugin/...") are read from the program's folder.
    std::string folder = ExecutableFolder();
    if (folder.empty() || chdir(folder.c_str()) != 0) {
        LogError("start-up", "cannot enter the program's folder");
    }
    // Named "qel" however it was started (bin/varnel links to it): the web view keeps its data and
    // caches under that name, and the window's class stays the one the desktop entry names.
    g_set_prgname("qel");
    // Positions of windows can only be set under X11.
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(&argc, &argv)) {
        LogError("start-up", "no X11 display (the program needs X11 or XWayland)");
        return 1;
    }

    StartupSettings startup;
    startup.settings = ReadSettings();
    startup.baseDir = basekit::UnicodeToUTF8Str(basekit::GetBaseDir());
    startup.baseUrl = L"qel://base";
    std::string splashImage = Setting(startup.settings, L"splash_image");

    GtkWindowSystem windows(startup.baseDir, TestMode::Requested());
    Application app(windows, std::move(startup));
    windows.Attach(app);
    std::optional<TestMode> testMode;
    if (TestMode::Requested()) {
        testMode.emplace(windows);
    }

    auto splash = std::make_unique<SplashWindow>(splashImage);
    splash->Show();
    if (testMode) {
        testMode->Report("splash shown");
    }

    app.Start();
    if (!windows.mainPageShown()) {
        windows.ShowMainPage("main.html");
    }
    windows.StartTimer(kSplashMilliseconds, [&splash, &windows] {
        splash.reset();
        windows.ShowMainWindow();
    });

    windows.Run();

    splash.reset();
    testMode.reset();
    windows.CloseAll();
    return 0;
}

} // namespace
} // namespace qel::gtk

int main(int argc, char **argv)
{
    try {
        return qel::gtk::RunProgram(argc, argv);
    } catch (...) {
        qel::gtk::LogCurrentException("start-up");
        return 1;
    }
}

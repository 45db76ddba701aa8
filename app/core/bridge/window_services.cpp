#include "bridge/window_services.h"

#include "app/application.h"
#include "basekit/text_convert.h"
#include "bridge/main_window.h"

namespace qel {
namespace {

std::string SettingsDatabase(const basekit::TextMap &settings)
{
    auto it = settings.find(L"sysDb");
    return it == settings.end() ? std::string() : basekit::CStrW2CStrA(it->second);
}

} // namespace

ScreenRect WindowSettingsHost::MainWindowRect()
{
    WindowPlacement p = app_.mainWindow().placement();
    return ScreenRect{p.x, p.y, p.x + p.width, p.y + p.height};
}

ScreenRect WindowSettingsHost::WorkAreaRect()
{
    WorkArea area = app_.windows().GetWorkArea();
    return ScreenRect{area.x, area.y, area.x + area.width, area.y + area.height};
}

void WindowSettingsHost::FatalExit(const std::wstring &message, int status)
{
    app_.windows().ShowMessage(message);
    app_.windows().Exit(status);
}

WindowServices::WindowServices(Application &app) : app_(app), service_(app.startup().settings), host_(app)
{
    std::string path = SettingsDatabase(app.startup().settings);
    if (!path.empty()) {
        dao_.openDb(path.c_str());
    }
}

WindowServices::~WindowServices()
{
    Close();
}

void WindowServices::Close()
{
    service_.Close();
    dao_.closeDb();
}

SettingsContext WindowServices::Settings()
{
    return SettingsContext{app_.startup().settings, app_.runtimeConfig(),  service_, host_,
                           app_.startup().baseUrl,  app_.startup().baseDir};
}

} // namespace qel

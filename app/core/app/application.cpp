#include "app/application.h"

#include "account/config_update.h"
#include "bridge/main_window.h"
#include "dataservice/user_identifier.h"
#include "settings/settings_database_fault.h"

namespace qel {

Application::Application(WindowSystem &windows, StartupSettings startup)
    : windows_(windows), startup_(std::move(startup)), dataService_(runtimeConfig_, InstallationUserId),
      configChecks_([&windows](std::function<void()> task) { windows.PostToUserInterface(std::move(task)); },
                    [this](const ServiceReply &reply) {
                        // Applied with the main window's settings service, on the user-interface
                        // thread, like every other use of its connection.
                        SettingsContext context = main_->services().Settings();
                        ApplyConfigUpdateReply(context, reply);
                    })
{
    main_ = std::make_unique<MainWindow>(*this);
    RegisterWindow(*main_);
}

Application::~Application()
{
    configChecks_.Stop();
    main_.reset();
}

void Application::OnConfigurationCheckDue()
{
    Preparation prepared = PrepareConfigUpdateCheck(dataService_, runtimeConfig_, startup_.settings);
    if (prepared.request) {
        configChecks_.Start(std::move(*prepared.request));
    }
}

void Application::Start()
{
    CSystemDao &dao = main_->services().service().dao();
    if (!SettingsDatabaseReadable(startup_.settings, dao, windows_)) {
        return;
    }
    main_->InitAppWindow();
    // The first write of every start: when it fails, no setting the player changes will be kept.
    if (!main_->CountStart() && startup_.settings.contains(L"sysDb")) {
        WarnSettingsDatabaseUnwritable(startup_.settings, dao.lastError(), windows_);
    }
}

PageWindow *Application::FindWindow(int id)
{
    auto it = open_.find(id);
    return it == open_.end() ? nullptr : it->second;
}

int Application::RegisterWindow(PageWindow &window)
{
    open_[window.id()] = &window;
    return window.id();
}

void Application::UnregisterWindow(int id)
{
    open_.erase(id);
}

} // namespace qel

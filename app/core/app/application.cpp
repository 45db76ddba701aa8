#include "app/application.h"

#include "bridge/main_window.h"
#include "dataservice/user_identifier.h"

namespace qel {

Application::Application(WindowSystem &windows, StartupSettings startup)
    : windows_(windows), startup_(std::move(startup)), dataService_(runtimeConfig_, InstallationUserId)
{
    main_ = std::make_unique<MainWindow>(*this);
    RegisterWindow(*main_);
}

Application::~Application()
{
    main_.reset();
}

void Application::Start()
{
    main_->InitAppWindow(0);
    main_->CountStart();
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

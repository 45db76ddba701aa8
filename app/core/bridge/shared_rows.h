/// \file
/// \brief What both windows' method tables use besides the data service's rows: settings rows,
/// request members, the runtime configuration and the lottery detail window.
#pragma once

#include <string>

#include <json/value.h>

#include "bridge/popup_window.h"
#include "settings/settings_context.h"

namespace qel {

class Application;

/// The runtime configuration's value of key, or "" when it has none.
std::wstring RuntimeConfigValue(Application &app, const wchar_t *key);

/// path on the data service's web site (the runtime configuration's "website").
std::string WebPage(Application &app, const std::string &path);

/// The request's string member key, as UTF-8; "" when it has none.
std::string Member(const Json::Value &request, const char *key);

/// The data service's page of one draw's prize levels, for the request's lotCategoryId, qiHao and
/// lotteryCategory.
std::string LotDetailPage(Application &app, const Json::Value &request);

/// Runs a settings handler in the window's settings context.
template <std::wstring (*Handler)(SettingsContext &, const Json::Value &), typename Window>
std::wstring Settings(Window &window, const Json::Value &request)
{
    SettingsContext context = window.services().Settings();
    return Handler(context, request);
}

/// Opens the lottery detail page as a modal pop-up, 720 wide and Height high, and answers "" once
/// it has closed.
template <int Height, typename Window>
std::wstring LotDetailWindow(Window &window, const Json::Value &request)
{
    return RunModalPopup(window.app(), LotDetailPage(window.app(), request), 720, Height);
}

} // namespace qel

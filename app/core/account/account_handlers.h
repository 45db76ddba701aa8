/// \file
/// \brief The account services of the data service: login, password change, user information.
///
/// The handlers run on the user-interface thread with the window's settings context: its
/// settings service holds the window's attempt counters and its connection to the settings
/// database, where a successful login or password change is stored (scrambled). Passwords go to
/// the service in plain text, as it requires; nothing here logs them.
#pragma once

#include <string>

#include <json/value.h>

#include "dataservice/data_service_client.h"
#include "settings/settings_context.h"

namespace qel {

/// The answer once a window's five attempts are used up.
inline constexpr wchar_t kTooManyAttempts[] = L"操作次数过多，请稍后再试！";

/// "logIn" ("phone", "email", "password"; one of the first two empty): the sixth and every later
/// call of the window answers kTooManyAttempts without a request. Values that cannot be stored
/// scrambled are refused before anything is sent. The service's reply is answered as it came;
/// when its flag is "ok" the three values are stored scrambled in the settings database and the
/// runtime configuration (a failed write does not change the answer).
std::wstring OnLogIn(DataServiceClient &service, SettingsContext &context, const Json::Value &request);

/// "changePassword" ("oldPswd", "newPswd") for the stored login, with the window's own counter.
/// A new password that cannot be stored scrambled is refused before anything is sent. When the
/// service answers flag "ok" the new password is stored. The reply is answered as it came.
std::wstring OnChangePassword(DataServiceClient &service, SettingsContext &context,
                              const Json::Value &request);

/// "getUserInfo": {flag:"noLocalUserInfo"} without a stored login, else the service's reply to
/// the stored login.
std::wstring OnGetUserInfo(DataServiceClient &service, SettingsContext &context, const Json::Value &request);

} // namespace qel

/// \file
/// \brief The runtime configuration and the requests that read and change settings.
///
/// Every handler takes the window's settings context and the request and answers the reply
/// text; they run on the user-interface thread.
#pragma once

#include <string>

#include <json/value.h>

#include "settings/settings_context.h"

namespace qel {

/// The settings database's identity marker, systeminfo "key".
inline constexpr wchar_t kSettingsIdentityMarker[] = L"dorn-tech-kor";
/// The message of a settings database without it; the program ends after showing it.
inline constexpr wchar_t kSettingsIdentityError[] = L"程序出错！";
/// The exit status of that end.
inline constexpr int kSettingsIdentityExitStatus = 1;

/// "GetSystemConfig": rebuilds the runtime configuration from the 'sys' settings, the current
/// product's row, the built-in service address (unless the setting "debug" is "true"), the
/// base address, the main window's rectangle, the work area and the system's name, installs
/// it and answers it. A database whose identity marker is wrong or missing ends the program
/// through the host (nothing is installed; a host that returns gets an error reply).
std::wstring OnGetSystemConfig(SettingsContext &context, const Json::Value &request);

/// "SaveConfig": stores one setting per object of "rows" (its first member by name: name to
/// value), all in one transaction. Objects without members and the identity marker are left
/// out. Answers "" when stored (the caller answers with a fresh "GetSystemConfig"), or the error
/// "保存失败！" with the reason when the database refused the write (nothing is stored then).
std::wstring OnSaveConfig(SettingsContext &context, const Json::Value &request);

/// "Toggle": makes "productName", "area", "flag" the current game. ToggleStartedReply() when all
/// three were stored, else the error "切换失败！" (with the reason when the database refused the
/// write): the stored game is then still the old one.
std::wstring OnToggle(SettingsContext &context, const Json::Value &request);
/// The reply of a "Toggle" that stored the new game (the page is then loaded again for it).
std::wstring ToggleStartedReply();

/// "GetSystemInfo": "systemName", "width" and "height" (of the runtime configuration), "bit".
std::wstring OnGetSystemInfo(SettingsContext &context, const Json::Value &request);

/// "getConfig" of the pop-up windows: the runtime configuration as it stands.
std::wstring OnGetConfig(SettingsContext &context, const Json::Value &request);

/// The data service's "systemConfigs" (an array; its first object holds the settings): stores
/// every member of that object as a setting in one transaction (the identity marker and names
/// that are not plain names of letters, digits and "_" left out) and, when stored, copies them
/// into the runtime configuration. Anything else changes
/// nothing. Answers "". Call it on the user-interface thread.
std::wstring ApplySystemConfigs(SettingsContext &context, const Json::Value &systemConfigs);
/// The same from the array's JSON text; text that is not JSON changes nothing.
std::wstring ApplySystemConfigs(SettingsContext &context, const std::wstring &systemConfigsText);

} // namespace qel

/// \file
/// \brief What the player is told when the settings database cannot be read or written.
///
/// Every message names the file and the reason (SQLite's text, with the system's where the file
/// system refused), and goes to standard error as well as to the player: the program cannot run
/// without its settings, and a change it could not store must never look stored.
#pragma once

#include <string>

#include "basekit/row_types.h"
#include "basekit/sqlite3_dao.h"
#include "settings/settings_context.h"
#include "window/window_system.h"

namespace qel {

/// The exit status when the settings database cannot be read.
inline constexpr int kUnreadableSettingsExitStatus = 1;

/// The settings database's file as the messages name it: the setting "sysDb" as an absolute path.
std::wstring SettingsDatabaseFile(const basekit::TextMap &settings);

/// "设置数据库无法读取：<file>（<reason>）。程序无法运行，将退出。"
std::wstring UnreadableSettingsMessage(const std::wstring &file, const basekit::SqlError &error);
/// "设置数据库无法写入：<file>（<reason>）"
std::wstring UnwritableSettingsMessage(const std::wstring &file, const basekit::SqlError &error);

/// Writes one line "qel: settings database: <message>" on standard error.
void LogSettingsDatabaseFault(const std::wstring &message);

/// At start-up, before anything is laid out: when the settings database named by "sysDb"
/// cannot be opened or read, tells the player and standard error and ends the program through
/// the window system; false then (a window system that returns lets the caller stop). True
/// when it reads, and when the settings name no database at all.
bool SettingsDatabaseReadable(const basekit::TextMap &settings, CSystemDao &dao, WindowSystem &windows);

/// After the first write of a start failed: tells the player and standard error that the
/// database cannot be written and that changes will not be kept. The program goes on.
void WarnSettingsDatabaseUnwritable(const basekit::TextMap &settings, const basekit::SqlError &error,
                                    WindowSystem &windows);

/// The error reply of a change the window's settings service did not store: failure ("切换失败！")
/// followed by the unwritable-database message when the database reported a failure (also
/// written on standard error); failure alone when it reported none (the change matched no row).
std::wstring SettingsWriteFailure(SettingsContext &context, const std::wstring &failure);

} // namespace qel

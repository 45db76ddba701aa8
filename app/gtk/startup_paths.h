/// \file
/// \brief The folders and files the program settles on at start-up.
#pragma once

#include <functional>
#include <string>

#include "basekit/row_types.h"

namespace qel::gtk {

/// The folder of the running executable ("" when it cannot be told).
std::string ExecutableFolder();

/// The settings database to open: the user's copy (localDataFolder + "/Qel/" + "sysDbName") when
/// "debug" is not "true", "dataPath" is not "base" and that copy exists; in every other case
/// "sysDbName" itself, relative to the base directory.
std::wstring ChooseSettingsDatabase(const basekit::TextMap &settings, const std::wstring &localDataFolder,
                                    const std::function<bool(const std::wstring &)> &fileExists);

} // namespace qel::gtk

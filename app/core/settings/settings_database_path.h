/// \file
/// \brief Where the settings database is opened from.
#pragma once

#include <string>

#include "basekit/row_types.h"

namespace qel {

/// The settings-database path for the settings of "xml/system.xml": the user's data folder's
/// "Qel/" + "sysDbName" when "debug" is not "true", "dataPath" is not "base" and that file
/// exists; in every other case "sysDbName" itself, relative to the base directory.
std::wstring ChooseSettingsDatabasePath(const basekit::TextMap &settings);

/// Makes the settings database readable and writable by its owner only (it holds the stored
/// login): a regular file of this user that others may read or write loses those permissions.
/// Another user's file, a link or a missing file is left as it is. False when the permissions
/// were wanted but could not be changed.
bool KeepSettingsDatabasePrivate(const std::wstring &path);

} // namespace qel

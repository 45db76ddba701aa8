/// \file
/// \brief Where the settings database is opened from.
#pragma once

#include <functional>
#include <string>

#include "basekit/row_types.h"

namespace qel {

/// Tells whether the settings database at a path can be changed where it lies.
using WritableInPlace = std::function<bool(const std::string &database)>;

/// The settings-database path for the settings of "xml/system.xml", localDataFolder being the
/// user's local application-data folder. When "debug" is not "true" and "dataPath" is not "base",
/// the user's copy localDataFolder + "/Qel/" + "sysDbName" is preferred: taken when it exists
/// (first rebuilt from "sysDbName" when that is of a newer generation, see
/// UpgradeUserSettingsCopy), and made from "sysDbName" (the installed seed) when it is missing
/// and "sysDbName" cannot be written where it lies (an installed program, shared by every user).
/// In every other case
/// "sysDbName" itself, relative to the base directory. A copy that could not be made leaves the
/// choice at "sysDbName" and says why in problem.
std::wstring ChooseSettingsDatabasePath(const basekit::TextMap &settings, const std::wstring &localDataFolder,
                                        const WritableInPlace &writableInPlace, std::string &problem);

/// Makes the settings database readable and writable by its owner only (it holds the stored
/// login): a regular file of this user that others may read or write loses those permissions.
/// Another user's file, a link or a missing file is left as it is. False when the permissions
/// were wanted but could not be changed.
bool KeepSettingsDatabasePrivate(const std::wstring &path);

} // namespace qel

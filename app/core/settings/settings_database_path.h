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

} // namespace qel

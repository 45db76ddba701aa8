/// \file
/// \brief Bringing the user's copy of the settings database up to a newer installed one.
#pragma once

#include <string>

namespace qel {

/// The generation of the settings database at path (its user_version, raised by a release whose
/// delivered database changed); -1 when it cannot be read.
int SettingsDatabaseGeneration(const std::string &database);

/// When the installed seed is of a newer generation than the user's copy, the copy is rebuilt
/// from the seed, carrying over what the user set in the old one: the settings rows (the stored
/// login, the current game, the choices of the settings tab, the start counter, the rows the data
/// service added) except the seed's identity and program version, whether each game is switched
/// on, and the calculation type chosen per condition. The old copy is kept beside it as
/// copy + ".<its generation>.bak". A copy of the same or a newer generation is left as it is.
/// False, with problem, when the copy stays as it was because it could not be rebuilt.
bool UpgradeUserSettingsCopy(const std::string &seed, const std::string &copy, std::string &problem);

} // namespace qel

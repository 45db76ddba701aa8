/// \file
/// \brief The user's own copy of the settings database, made from the installed one.
#pragma once

#include <string>

namespace qel {

/// True when the settings database can be changed where it lies: the file and its folder (where
/// SQLite keeps its journal) are writable by this process, and the file has its owner's write
/// permission. A file without it is a seed (the installed one is read-only, mode 0444), so that
/// root, whom no permission stops, does not write the database every user's copy is made from.
/// False for a missing file.
bool SettingsDatabaseWritableInPlace(const std::string &database);

/// Makes copy as a byte copy of seed, readable and writable by its owner only; the folders it
/// makes on the way are the owner's only as well. The copy appears whole or not at all (written
/// under a scratch name, then linked into place), and a copy that exists already, made by another
/// instance in the meantime, is kept. False, with problem naming the file and the reason, when it
/// could not be made.
bool MakeUserSettingsCopy(const std::string &seed, const std::string &copy, std::string &problem);

/// Writes a byte copy of seed beside besides, under a fresh scratch name (mode 0600) left in
/// scratch; the folder must exist. False, with problem, when it could not be written whole.
bool CopyToScratchFile(const std::string &seed, const std::string &besides, std::string &scratch,
                       std::string &problem);

} // namespace qel

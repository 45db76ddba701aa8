/// \file
/// \brief The program's small store of named settings, in place of the Windows registry.
///
/// Values live in one JSON file under the user's configuration folder,
/// "$XDG_CONFIG_HOME/varnel/registry.json" (else "~/.config/varnel/registry.json"): a root, a
/// sub-key and a value name lead to a text. As in the registry, sub-keys and value names match
/// without regard to ASCII letter case, and the narrow and wide calls read and write the same
/// values (narrow text is UTF-8). Nothing here reports an error: a missing or unreadable file,
/// key or value reads as an empty text, and a write over a corrupt file replaces it. Writes go
/// to a temporary file that is renamed over the old one, so a crash never leaves half a file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "basekit/basekit_export.h"

namespace basekit {

/// The registry roots the program uses. Both are kept in the user's own file: there is no
/// machine-wide store the program could write to.
enum class RegistryRoot {
    CurrentUser,  ///< HKEY_CURRENT_USER
    LocalMachine, ///< HKEY_LOCAL_MACHINE
};

/// Where the values are stored; empty when there is no configuration or home folder.
BASEKIT_EXPORT std::filesystem::path RegistryFilePath();

/// The whole stored text of the value, or an empty text.
BASEKIT_EXPORT std::string RegRead(std::string_view subKey, std::string_view valueName, RegistryRoot root);
BASEKIT_EXPORT std::wstring RegReadW(std::wstring_view subKey, std::wstring_view valueName,
                                     RegistryRoot root);

/// Stores the text under root\subKey\valueName, creating the key when needed.
BASEKIT_EXPORT void RegWrite(std::string_view subKey, std::string_view valueName, std::string_view value,
                             RegistryRoot root);
BASEKIT_EXPORT void RegWriteW(std::wstring_view subKey, std::wstring_view valueName, std::wstring_view value,
                              RegistryRoot root);

} // namespace basekit

/// \file
/// \brief The program's base directory.
#pragma once

#include <string>

#include "basekit/basekit_export.h"

namespace basekit {

/// The process's current working directory, of any length, without a trailing '/' except for
/// the root itself. The program makes its stage folder the working directory at start, so this
/// is the folder the relative paths ("xml/system.xml", "Plugin/...") are read from.
/// Empty when the directory cannot be determined (it was removed, or access was denied).
BASEKIT_EXPORT std::wstring GetBaseDir();

} // namespace basekit

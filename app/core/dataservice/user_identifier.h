/// \file
/// \brief The installation's user identifier, sent as "userName" to the data service.
#pragma once

#include <string>

namespace qel {

/// The identifier stored in the program's registry file; made once (32 random hexadecimal
/// digits) and stored when there is none, so every request of every run sends the same text.
std::wstring InstallationUserId();

} // namespace qel

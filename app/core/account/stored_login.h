/// \file
/// \brief The login stored in the runtime configuration ("phone", "email", "pswd", scrambled).
#pragma once

#include <string>

#include "basekit/row_types.h"

namespace qel {

/// The stored values in plain text, as the data service's requests carry them.
struct StoredLogin {
    std::wstring phone;
    std::wstring email;
    std::wstring password;
};

/// A login is stored when a phone number or an e-mail address and a password are.
bool HasStoredLogin(const basekit::TextMap &runtimeConfig);

/// The stored values unscrambled; empty texts where nothing is stored.
StoredLogin ReadStoredLogin(const basekit::TextMap &runtimeConfig);

} // namespace qel

#include "account/stored_login.h"

#include "account/credential_scramble.h"
#include "settings/text_map_value.h"

namespace qel {

bool HasStoredLogin(const basekit::TextMap &runtimeConfig)
{
    const bool user = !ValueOf(runtimeConfig, L"phone").empty() || !ValueOf(runtimeConfig, L"email").empty();
    return user && !ValueOf(runtimeConfig, L"pswd").empty();
}

StoredLogin ReadStoredLogin(const basekit::TextMap &runtimeConfig)
{
    return {UnscrambleCredential(ValueOf(runtimeConfig, L"phone")),
            UnscrambleCredential(ValueOf(runtimeConfig, L"email")),
            UnscrambleCredential(ValueOf(runtimeConfig, L"pswd"))};
}

} // namespace qel

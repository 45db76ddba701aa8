#include "dataservice/user_identifier.h"

#include <random>

#include "basekit/registry.h"

namespace qel {
namespace {

constexpr wchar_t kSubKey[] = L"Software\\Varnel";
constexpr wchar_t kValueName[] = L"userId";

std::wstring NewIdentifier()
{
    static constexpr wchar_t kHex[] = L"0123456789abcdef";
    std::random_device random;
    std::wstring id;
    for (int i = 0; i < 32; ++i) {
        id.push_back(kHex[random() % 16]);
    }
    return id;
}

} // namespace

std::wstring InstallationUserId()
{
    std::wstring id = basekit::RegReadW(kSubKey, kValueName, basekit::RegistryRoot::CurrentUser);
    if (id.empty()) {
        id = NewIdentifier();
        basekit::RegWriteW(kSubKey, kValueName, id, basekit::RegistryRoot::CurrentUser);
    }
    return id;
}

} // namespace qel

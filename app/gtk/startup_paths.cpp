#include "startup_paths.h"

#include <climits>
#include <string_view>

#include <unistd.h>

namespace qel::gtk {
namespace {

std::wstring Setting(const basekit::TextMap &settings, const wchar_t *key)
{
    auto it = settings.find(key);
    return it == settings.end() ? std::wstring() : it->second;
}

} // namespace

std::string ExecutableFolder()
{
    std::string path(PATH_MAX, '\0');
    ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
        return std::string();
    }
    path.resize(static_cast<std::size_t>(length));
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return std::string();
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::wstring ChooseSettingsDatabase(const basekit::TextMap &settings, const std::wstring &localDataFolder,
                                    const std::function<bool(const std::wstring &)> &fileExists)
{
    std::wstring name = Setting(settings, L"sysDbName");
    bool userCopyAllowed =
        Setting(settings, L"debug") != L"true" && Setting(settings, L"dataPath") != L"base";
    if (userCopyAllowed && !localDataFolder.empty() && !name.empty()) {
        std::wstring userCopy = localDataFolder + L"/Qel/" + name;
        if (fileExists(userCopy)) {
            return userCopy;
        }
    }
    return name;
}

} // namespace qel::gtk

#include "settings/settings_database_path.h"

#include <filesystem>
#include <system_error>

#include "basekit/system_info_util.h"
#include "basekit/text_convert.h"

namespace qel {
namespace {

std::wstring ValueOf(const basekit::TextMap &map, const wchar_t *key)
{
    auto it = map.find(key);
    return it == map.end() ? std::wstring() : it->second;
}

} // namespace

std::wstring ChooseSettingsDatabasePath(const basekit::TextMap &settings)
{
    std::wstring name = ValueOf(settings, L"sysDbName");
    if (ValueOf(settings, L"debug") != L"true" && ValueOf(settings, L"dataPath") != L"base") {
        const std::wstring folder =
            basekit::SystemInfoUtil::GetSHGetFolderPath(basekit::SystemInfoUtil::kCsidlLocalAppData);
        if (!folder.empty() && !name.empty()) {
            std::wstring local = folder + L"/Qel/" + name;
            std::error_code error;
            if (std::filesystem::is_regular_file(basekit::CStrW2CStrA(local), error)) {
                return local;
            }
        }
    }
    return name;
}

} // namespace qel

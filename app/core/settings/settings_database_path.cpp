#include "settings/settings_database_path.h"

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "basekit/system_info_util.h"
#include "basekit/text_convert.h"
#include "settings/text_map_value.h"

namespace qel {

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

bool KeepSettingsDatabasePrivate(const std::wstring &path)
{
    const std::string file = basekit::CStrW2CStrA(path);
    // Opened without following a link and changed through the descriptor, so the file changed is
    // the file looked at.
    const int fd = file.empty() ? -1 : open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return true;
    }
    struct stat status {};
    bool kept = true;
    constexpr mode_t kOthers = S_IRWXG | S_IRWXO;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == geteuid() &&
        (status.st_mode & kOthers) != 0) {
        kept = fchmod(fd, status.st_mode & 07777 & ~kOthers) == 0;
    }
    close(fd);
    return kept;
}

} // namespace qel

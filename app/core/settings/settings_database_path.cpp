#include "settings/settings_database_path.h"

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "basekit/text_convert.h"
#include "settings/text_map_value.h"
#include "settings/user_settings_copy.h"
#include "settings/user_settings_upgrade.h"

namespace qel {

std::wstring ChooseSettingsDatabasePath(const basekit::TextMap &settings, const std::wstring &localDataFolder,
                                        const WritableInPlace &writableInPlace, std::string &problem)
{
    std::wstring name = ValueOf(settings, L"sysDbName");
    const bool userCopyPreferred =
        ValueOf(settings, L"debug") != L"true" && ValueOf(settings, L"dataPath") != L"base";
    if (!userCopyPreferred || localDataFolder.empty() || name.empty()) {
        return name;
    }
    std::wstring local = localDataFolder + L"/Qel/" + name;
    const std::string localFile = basekit::CStrW2CStrA(local);
    const std::string seed = basekit::CStrW2CStrA(name);
    std::error_code error;
    if (std::filesystem::is_regular_file(localFile, error)) {
        // A copy the update could not rebuild is still the user's: it is used as it is.
        UpgradeUserSettingsCopy(seed, localFile, problem);
        return local;
    }
    // A program of its own folder (the build's stage, a private install) keeps its database there;
    // an installed one is shared and read-only, so each user works on a copy of its seed.
    if (writableInPlace(seed)) {
        return name;
    }
    return MakeUserSettingsCopy(seed, localFile, problem) ? local : name;
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

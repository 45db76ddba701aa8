#include "dialog_folder.h"

#include <sys/stat.h>
#include <unistd.h>

namespace qel::gtk {
namespace {

bool UsableFolder(const std::string &folder, DialogUse use)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    const int needed = X_OK | (use == DialogUse::Save ? W_OK : R_OK);
    return ::access(folder.c_str(), needed) == 0;
}

} // namespace

std::string DialogStartFolder(const std::vector<std::string> &candidates, DialogUse use)
{
    std::string fallback;
    for (const std::string &folder : candidates) {
        if (folder.empty()) {
            continue;
        }
        if (UsableFolder(folder, use)) {
            return folder;
        }
        fallback = folder;
    }
    return fallback;
}

std::string FolderOfFile(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return std::string();
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace qel::gtk

#include "dialog_folder.h"

#include <filesystem>

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
    return std::filesystem::path(path).parent_path().string();
}

} // namespace qel::gtk

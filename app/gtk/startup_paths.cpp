#include "startup_paths.h"

#include <climits>
#include <filesystem>

#include <unistd.h>

namespace qel::gtk {

std::string ExecutableFolder()
{
    std::string path(PATH_MAX, '\0');
    ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
        return std::string();
    }
    path.resize(static_cast<std::size_t>(length));
    return std::filesystem::path(path).parent_path().string();
}

} // namespace qel::gtk

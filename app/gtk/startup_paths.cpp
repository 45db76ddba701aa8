#include "startup_paths.h"

#include <climits>

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
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return std::string();
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace qel::gtk

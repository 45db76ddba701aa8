#include "basekit/base_dir.h"

#include <cstdlib>
#include <memory>
#include <unistd.h>

#include "basekit/text_convert.h"

namespace basekit {

std::wstring GetBaseDir()
{
    // getcwd with a null buffer sizes the result itself, so deep directories are not cut off.
    std::unique_ptr<char, decltype(&std::free)> path(getcwd(nullptr, 0), &std::free);
    if (!path) {
        return {};
    }
    return CStrA2CStrW(path.get());
}

} // namespace basekit

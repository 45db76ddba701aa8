#include "log.h"

#include <cstdio>
#include <string>

namespace qel::gtk {

void LogError(std::string_view where, std::string_view what)
{
    std::fprintf(stderr, "qel: %.*s: %.*s\n", static_cast<int>(where.size()), where.data(),
                 static_cast<int>(what.size()), what.data());
}

void LogCurrentException(std::string_view where) noexcept
{
    try {
        throw;
    } catch (const std::exception &e) {
        LogError(where, e.what());
    } catch (...) {
        LogError(where, "unknown failure");
    }
}

} // namespace qel::gtk

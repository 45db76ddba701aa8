/// \file
/// \brief The shell's diagnostics on standard error.
#pragma once

#include <exception>
#include <string_view>

namespace qel::gtk {

void LogError(std::string_view where, std::string_view what);

/// For the catch blocks at the GTK callback boundary: logs the exception being handled.
void LogCurrentException(std::string_view where) noexcept;

} // namespace qel::gtk

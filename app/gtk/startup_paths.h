/// \file
/// \brief The program's own folder, which it settles on at start-up.
#pragma once

#include <string>

namespace qel::gtk {

/// The folder of the running executable ("" when it cannot be told).
std::string ExecutableFolder();

} // namespace qel::gtk

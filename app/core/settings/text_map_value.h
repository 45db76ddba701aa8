/// \file
/// \brief Reading one value of a settings map or of the runtime configuration.
#pragma once

#include <string>

#include "basekit/row_types.h"

namespace qel {

/// The value of key in map; the empty text when the map has none, as for a setting left empty.
inline std::wstring ValueOf(const basekit::TextMap &map, const wchar_t *key)
{
    auto it = map.find(key);
    return it == map.end() ? std::wstring() : it->second;
}

} // namespace qel

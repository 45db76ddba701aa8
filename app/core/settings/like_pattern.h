/// \file
/// \brief The LIKE pattern the settings statements match a value with.
#pragma once

#include <string>

namespace qel {

/// "%" + value + "%": any text that contains the value (every non-null text for "").
inline std::wstring ContainsPattern(const std::wstring &value)
{
    return L"%" + value + L"%";
}

} // namespace qel

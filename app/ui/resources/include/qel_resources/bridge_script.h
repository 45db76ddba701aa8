/// \file
/// \brief The page side of the bridge: window.external.execute over a synchronous request.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qel::resources {

/// The script that installs window.external in a page whose window answers at bridgeAddress
/// ("qel://bridge/3", "http://127.0.0.1:8080/bridge/3"). The address is written into the script
/// as a quoted string with its quotes and backslashes escaped.
std::string BridgeScript(std::string_view bridgeAddress);

/// The window id of a bridge path's last part ("3" in "/bridge/3"): a decimal number from 1 up,
/// nothing for anything else.
std::optional<int> ParseWindowId(std::string_view text);

} // namespace qel::resources

/// \file
/// \brief What the desktop's "open" may be handed: the addresses and names the pages pass on.
///
/// The addresses come from the data service (the version check's download, the video menu, the
/// footer's links), and the service may be hostile or its plain-HTTP path tampered with: the
/// desktop would open a local file, a desktop entry or a program just as readily as a web page.
/// So a web address opens, a local program or file only when the settings database names it as
/// a tool, and anything else is refused.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qel {

enum class ShellTarget {
    WebAddress, ///< an "http" or "https" address with a host
    Tool,       ///< exactly one of the tools the settings database names
    Refused,
};

/// The verdict on one target; tools are the settings database's tool names (empty ones never
/// match).
ShellTarget ClassifyShellTarget(std::wstring_view target, const std::vector<std::wstring> &tools);

/// The target as UTF-8 up to its query or fragment, for a log line: an address may carry the
/// stored login (the forum's sign-in).
std::string ShellTargetForLog(std::wstring_view target);

} // namespace qel

#include "qel_resources/bridge_script.h"

#include <charconv>

#include "qel_resources/embedded_resources.h"

namespace qel::resources {
namespace {

constexpr std::string_view kAddressMark = "@QEL_BRIDGE_ADDRESS@";

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
        case '\\':
            quoted += '\\';
            quoted += c;
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace

std::string BridgeScript(std::string_view bridgeAddress)
{
    std::string script(FindEmbedded("js/bridge.js").value_or(std::string_view()));
    // The mark stands in the script as a quoted string, so that the file is valid script as is.
    std::string quotedMark = "\"" + std::string(kAddressMark) + "\"";
    std::size_t at = script.find(quotedMark);
    if (at != std::string::npos) {
        script.replace(at, quotedMark.size(), Quoted(bridgeAddress));
    }
    return script;
}

std::optional<int> ParseWindowId(std::string_view text)
{
    if (text.empty() || text.size() > 9 || text.front() == '0') {
        return std::nullopt;
    }
    int id = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc() || end != text.data() + text.size() || id < 1) {
        return std::nullopt;
    }
    return id;
}

} // namespace qel::resources

#include "window/shell_target.h"

#include <algorithm>
#include <cwctype>

#include "basekit/text_convert.h"

namespace qel {
namespace {

// Blanks and control characters: no valid address holds one unencoded, and a desktop handler
// may split or cut the address there.
bool HasBlankOrControl(std::wstring_view text)
{
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c <= L' ' || c == 0x7f; });
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

// "http://host..." or "https://host...": the scheme, "//" and a host that is not empty.
bool IsWebAddress(std::wstring_view target)
{
    std::wstring_view rest;
    if (StartsWithNoCase(target, L"http://")) {
        rest = target.substr(7);
    } else if (StartsWithNoCase(target, L"https://")) {
        rest = target.substr(8);
    } else {
        return false;
    }
    const std::wstring_view authority = rest.substr(0, rest.find_first_of(L"/?#"));
    // After the user part, if any (npos + 1 is 0: the whole authority).
    const std::wstring_view host = authority.substr(authority.find(L'@') + 1);
    return !host.empty() && host.front() != L':' && !HasBlankOrControl(target);
}

} // namespace

ShellTarget ClassifyShellTarget(std::wstring_view target, const std::vector<std::wstring> &tools)
{
    if (IsWebAddress(target)) {
        return ShellTarget::WebAddress;
    }
    const bool named = !target.empty() && std::find(tools.begin(), tools.end(), target) != tools.end();
    return named ? ShellTarget::Tool : ShellTarget::Refused;
}

std::string ShellTargetForLog(std::wstring_view target)
{
    // Control characters become "?": a line break in a hostile address must not forge a line.
    std::wstring shown(target.substr(0, target.find_first_of(L"?#")));
    std::replace_if(
        shown.begin(), shown.end(), [](wchar_t c) { return c < L' ' || c == 0x7f; }, L'?');
    return basekit::UnicodeToUTF8Str(shown);
}

} // namespace qel

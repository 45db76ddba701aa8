#include "basekit/system_info_util.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/utsname.h>
#include <unistd.h>

#include "basekit/text_convert.h"

namespace basekit {
namespace {

constexpr wchar_t kUnknownSystem[] = L"unknown OperatingSystem.";
constexpr size_t kHardwareAddressLength = 6;

std::string ReadWholeFile(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string PasswdEntryField(bool wantHome)
{
    std::string buffer(16384, '\0');
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
        return {};
    }
    const char *field = wantHome ? found->pw_dir : found->pw_name;
    return field == nullptr ? std::string() : std::string(field);
}

std::string HomeFolder()
{
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    return PasswdEntryField(true);
}

// Relative values of the XDG variables do not count (the XDG rules ignore them).
std::string XdgFolder(const char *variable, const char *fallbackBelowHome)
{
    const char *value = std::getenv(variable);
    std::string path;
    if (value != nullptr && value[0] == '/') {
        path = value;
    } else {
        const std::string home = HomeFolder();
        if (home.empty()) {
            return {};
        }
        path = home + "/" + fallbackBelowHome;
    }
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// One value of an os-release line: quotes removed, backslash escapes resolved.
std::string UnquoteValue(std::string_view raw)
{
    std::string value;
    char quote = '\0';
    if (!raw.empty() && (raw.front() == '"' || raw.front() == '\'')) {
        quote = raw.front();
        raw.remove_prefix(1);
    }
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (quote != '\0' && c == quote) {
            break;
        }
        if (c == '\\' && quote != '\'' && i + 1 < raw.size()) {
            value += raw[++i];
        } else {
            value += c;
        }
    }
    return value;
}

std::map<std::string, std::string> OsReleaseFields(std::string_view text)
{
    std::map<std::string, std::string> fields;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos) {
            continue;
        }
        fields.emplace(line.substr(0, equals), UnquoteValue(std::string_view(line).substr(equals + 1)));
    }
    return fields;
}

std::wstring HexPairs(const unsigned char *bytes, size_t count)
{
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            text += L'-';
        }
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
    }
    return text;
}

} // namespace

std::wstring SystemInfoUtil::GetUserNameW()
{
    return CStrA2CStrW(PasswdEntryField(false));
}

std::wstring SystemInfoUtil::GetComputerNameW()
{
    char name[256] = {};
    if (gethostname(name, sizeof(name) - 1) != 0) {
        return {};
    }
    std::string host(name);
    host = host.substr(0, host.find('.'));
    return CStrA2CStrW(host);
}

std::wstring SystemInfoUtil::SystemNameFromOsRelease(std::string_view osRelease)
{
    const auto fields = OsReleaseFields(osRelease);
    if (auto pretty = fields.find("PRETTY_NAME"); pretty != fields.end() && !pretty->second.empty()) {
        return CStrA2CStrW(pretty->second);
    }
    auto name = fields.find("NAME");
    if (name == fields.end() || name->second.empty()) {
        return {};
    }
    std::string text = name->second;
    if (auto version = fields.find("VERSION"); version != fields.end() && !version->second.empty()) {
        text += " " + version->second;
    }
    return CStrA2CStrW(text);
}

std::wstring SystemInfoUtil::GetSystemName()
{
    for (const char *path : {"/etc/os-release", "/usr/lib/os-release"}) {
        std::wstring name = SystemNameFromOsRelease(ReadWholeFile(path));
        if (!name.empty()) {
            return name;
        }
    }
    utsname info{};
    if (uname(&info) == 0 && info.sysname[0] != '\0') {
        return CStrA2CStrW(std::string(info.sysname) + " " + info.release);
    }
    return kUnknownSystem;
}

bool SystemInfoUtil::Is64BitMachine(std::string_view machine)
{
    for (std::string_view known : {"x86_64", "amd64", "aarch64", "arm64", "ppc64", "ppc64le", "s390x",
                                   "riscv64", "mips64", "sparc64", "ia64", "loongarch64", "alpha"}) {
        if (machine == known) {
            return true;
        }
    }
    return false;
}

int SystemInfoUtil::Is64BitOS()
{
    utsname info{};
    if (uname(&info) != 0) {
        return 0;
    }
    return Is64BitMachine(info.machine) ? 1 : 0;
}

std::wstring SystemInfoUtil::IeVersion()
{
    return {};
}

std::vector<std::wstring> SystemInfoUtil::GetIpAddress()
{
    std::vector<std::wstring> addresses;
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0) {
        return addresses;
    }
    for (const ifaddrs *entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_PACKET ||
            (entry->ifa_flags & IFF_LOOPBACK) != 0) {
            continue;
        }
        const auto *link = reinterpret_cast<const sockaddr_ll *>(entry->ifa_addr);
        if (link->sll_halen != kHardwareAddressLength) {
            continue;
        }
        addresses.push_back(HexPairs(link->sll_addr, kHardwareAddressLength));
    }
    freeifaddrs(list);
    return addresses;
}

std::wstring SystemInfoUtil::GetSHGetFolderPath(int csidl)
{
    switch (csidl) {
    case kCsidlLocalAppData:
        return CStrA2CStrW(XdgFolder("XDG_DATA_HOME", ".local/share"));
    case kCsidlAppData:
        return CStrA2CStrW(XdgFolder("XDG_CONFIG_HOME", ".config"));
    default:
        return {};
    }
}

} // namespace basekit

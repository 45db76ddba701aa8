/// \file
/// \brief Facts about the machine the program runs on.
///
/// Every query answers an empty text (or 0) when the system cannot tell; nothing is reported.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "basekit/basekit_export.h"

namespace basekit {

class BASEKIT_EXPORT SystemInfoUtil {
public:
    SystemInfoUtil() = delete;

    /// The special-folder ids the program asks for.
    static constexpr int kCsidlAppData = 26;      ///< the user's configuration folder
    static constexpr int kCsidlLocalAppData = 28; ///< the user's data folder

    /// The name of the user the process runs as.
    static std::wstring GetUserNameW();
    /// The machine's host name, without its domain part.
    static std::wstring GetComputerNameW();
    /// The operating system's display name: PRETTY_NAME of /etc/os-release (else NAME and
    /// VERSION), else the kernel's name and release; "unknown OperatingSystem." when neither
    /// can be read.
    static std::wstring GetSystemName();
    /// 1 when the machine's architecture is a 64-bit one (x86_64, aarch64, ...), else 0.
    static int Is64BitOS();
    /// The installed Internet Explorer's version: there is none here, so always "".
    static std::wstring IeVersion();
    /// One entry per network interface with a six-byte hardware address (the loopback has
    /// none), in the system's order: the bytes as upper-case hex pairs joined by "-"
    /// ("00-1A-2B-3C-4D-5E"). As many entries as there are such interfaces.
    static std::vector<std::wstring> GetIpAddress();
    /// The folder's path without a trailing "/": kCsidlLocalAppData is $XDG_DATA_HOME (when
    /// absolute) else ~/.local/share; kCsidlAppData is $XDG_CONFIG_HOME else ~/.config. ""
    /// for every other id, and when there is no home folder.
    static std::wstring GetSHGetFolderPath(int csidl);

    /// The display name that an /etc/os-release text gives, "" when it names none. Values may
    /// be quoted with " or ' and use the shell's backslash escapes.
    static std::wstring SystemNameFromOsRelease(std::string_view osRelease);
    /// Whether a machine name of uname (x86_64, i686, aarch64, ...) is a 64-bit architecture.
    static bool Is64BitMachine(std::string_view machine);
};

} // namespace basekit

#include "basekit/system_info_util.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/saved_variable.h"

namespace basekit {
namespace {

using basekit::test_support::SavedVariable;

TEST(SystemInfoUtilTest, SystemNameFromOsRelease)
{
    struct Case {
        const char *label;
        const char *text;
        const wchar_t *expected;
    };
    const Case cases[] = {
        {"pretty name", "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n",
         L"Debian GNU/Linux 12 (bookworm)"},
        {"name and version", "NAME='Some OS'\nVERSION=\"7 (x)\"\n", L"Some OS 7 (x)"},
        {"name only, unquoted", "# comment\nNAME=Plain\n", L"Plain"},
        {"escapes", "PRETTY_NAME=\"A \\\"quoted\\\" name\"\n", L"A \"quoted\" name"},
        {"CR LF lines", "PRETTY_NAME=\"Windows-made\"\r\n", L"Windows-made"},
        {"nothing usable", "ID=debian\n", L""},
        {"empty", "", L""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(SystemInfoUtil::SystemNameFromOsRelease(c.text), c.expected);
    }
}

TEST(SystemInfoUtilTest, SystemNameIsNeverEmptyAndNeverWindowsXp)
{
    const std::wstring name = SystemInfoUtil::GetSystemName();
    EXPECT_FALSE(name.empty());
    // The start page for the old Windows system is chosen by this text.
    EXPECT_EQ(name.find(L"Windows XP"), std::wstring::npos);
}

TEST(SystemInfoUtilTest, SixtyFourBitMachines)
{
    struct Case {
        const char *machine;
        bool expected;
    };
    for (const Case &c : {Case{"x86_64", true}, Case{"aarch64", true}, Case{"ppc64le", true},
                          Case{"i686", false}, Case{"armv7l", false}, Case{"", false}}) {
        SCOPED_TRACE(c.machine);
        EXPECT_EQ(SystemInfoUtil::Is64BitMachine(c.machine), c.expected);
    }
    const int bits = SystemInfoUtil::Is64BitOS();
    EXPECT_TRUE(bits == 0 || bits == 1);
#if defined(__x86_64__) || defined(__aarch64__)
    EXPECT_EQ(bits, 1);
#endif
}

TEST(SystemInfoUtilTest, UserAndComputerNames)
{
    EXPECT_FALSE(SystemInfoUtil::GetUserNameW().empty());
    const std::wstring computer = SystemInfoUtil::GetComputerNameW();
    EXPECT_FALSE(computer.empty());
    EXPECT_EQ(computer.find(L'.'), std::wstring::npos);
    EXPECT_EQ(SystemInfoUtil::IeVersion(), L"");
}

TEST(SystemInfoUtilTest, HardwareAddressesAreSixHexPairs)
{
    for (const std::wstring &address : SystemInfoUtil::GetIpAddress()) {
        SCOPED_TRACE(std::string(address.begin(), address.end()));
        ASSERT_EQ(address.size(), 17u);
        for (size_t i = 0; i < address.size(); ++i) {
            if (i % 3 == 2) {
                EXPECT_EQ(address[i], L'-');
            } else {
                EXPECT_TRUE((address[i] >= L'0' && address[i] <= L'9') ||
                            (address[i] >= L'A' && address[i] <= L'F'));
            }
        }
    }
}

TEST(SystemInfoUtilTest, FolderPathsFollowTheXdgVariables)
{
    SavedVariable data("XDG_DATA_HOME");
    SavedVariable config("XDG_CONFIG_HOME");
    SavedVariable home("HOME");
    setenv("HOME", "/home/tester", 1);

    struct Case {
        const char *label;
        const char *dataHome; // nullptr: unset
        const char *configHome;
        int csidl;
        const wchar_t *expected;
    };
    const Case cases[] = {
        {"data home set", "/srv/data/", nullptr, SystemInfoUtil::kCsidlLocalAppData, L"/srv/data"},
        {"data home unset", nullptr, nullptr, SystemInfoUtil::kCsidlLocalAppData,
         L"/home/tester/.local/share"},
        {"data home relative", "relative/path", nullptr, SystemInfoUtil::kCsidlLocalAppData,
         L"/home/tester/.local/share"},
        {"config home set", nullptr, "/etc/user", SystemInfoUtil::kCsidlAppData, L"/etc/user"},
        {"config home unset", nullptr, nullptr, SystemInfoUtil::kCsidlAppData, L"/home/tester/.config"},
        {"other folders", "/srv/data", "/etc/user", 5, L""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        if (c.dataHome != nullptr) {
            setenv("XDG_DATA_HOME", c.dataHome, 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
        if (c.configHome != nullptr) {
            setenv("XDG_CONFIG_HOME", c.configHome, 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        EXPECT_EQ(SystemInfoUtil::GetSHGetFolderPath(c.csidl), c.expected);
    }
}

} // namespace
} // namespace basekit

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "basekit/text_convert.h"
#include "settings/settings_database_path.h"

namespace qel {
namespace {

namespace fs = std::filesystem;

class SettingsDatabasePathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char *value = std::getenv("XDG_DATA_HOME")) {
            saved_ = value;
        }
        std::string pattern = (fs::temp_directory_path() / "qel-db-path-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        setenv("XDG_DATA_HOME", folder_.c_str(), 1);
    }
    void TearDown() override
    {
        if (saved_) {
            setenv("XDG_DATA_HOME", saved_->c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
        fs::remove_all(folder_);
    }
    void CreateLocalCopy()
    {
        fs::create_directories(folder_ / "Qel");
        std::ofstream(folder_ / "Qel" / "sys.db") << "x";
    }

    fs::path folder_;
    std::optional<std::string> saved_;
};

TEST_F(SettingsDatabasePathTest, LocalCopyOnlyWhenNotDebuggingNotBaseAndPresent)
{
    const std::wstring local = basekit::CStrA2CStrW((folder_ / "Qel" / "sys.db").string());
    struct Case {
        const char *label;
        const wchar_t *debug;
        const wchar_t *dataPath;
        bool copyExists;
        bool expectLocal;
    };
    const Case cases[] = {
        {"copy present", L"false", L"appData", true, true},
        {"debug", L"true", L"appData", true, false},
        {"base", L"false", L"base", true, false},
        {"copy missing", L"false", L"appData", false, false},
        {"no dataPath", L"false", L"", true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove_all(folder_ / "Qel");
        if (c.copyExists) {
            CreateLocalCopy();
        }
        const basekit::TextMap settings = {
            {L"debug", c.debug}, {L"dataPath", c.dataPath}, {L"sysDbName", L"sys.db"}};
        EXPECT_EQ(ChooseSettingsDatabasePath(settings), c.expectLocal ? local : L"sys.db");
    }
}

TEST_F(SettingsDatabasePathTest, TheDatabaseIsKeptReadableByItsOwnerOnly)
{
    const fs::path file = folder_ / "sys.db";
    std::ofstream(file) << "settings";
    struct Case {
        fs::perms before;
        fs::perms after;
    };
    using P = fs::perms;
    const Case cases[] = {
        {P::owner_read | P::owner_write | P::group_read | P::others_read, P::owner_read | P::owner_write},
        {P::owner_read | P::owner_write | P::group_write | P::others_all, P::owner_read | P::owner_write},
        {P::owner_read | P::owner_write, P::owner_read | P::owner_write},
        {P::owner_read | P::group_read, P::owner_read},
    };
    for (const Case &c : cases) {
        fs::permissions(file, c.before);
        EXPECT_TRUE(KeepSettingsDatabasePrivate(basekit::CStrA2CStrW(file.string())));
        EXPECT_EQ(fs::status(file).permissions(), c.after) << static_cast<int>(c.before);
    }
    // A link is not followed, and a missing file is no failure.
    fs::permissions(file, P::owner_read | P::owner_write | P::others_read);
    fs::create_symlink(file, folder_ / "link.db");
    EXPECT_TRUE(KeepSettingsDatabasePrivate(basekit::CStrA2CStrW((folder_ / "link.db").string())));
    EXPECT_EQ(fs::status(file).permissions(), P::owner_read | P::owner_write | P::others_read);
    EXPECT_TRUE(KeepSettingsDatabasePrivate(basekit::CStrA2CStrW((folder_ / "missing.db").string())));
}

} // namespace
} // namespace qel

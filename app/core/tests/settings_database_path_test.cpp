#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "basekit/text_convert.h"
#include "settings/settings_database_path.h"
#include "settings/user_settings_copy.h"

namespace qel {
namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A scratch base directory holding the seed "sys.db", made the working directory as the program
// makes its folder, and a scratch data folder for the user's copy.
class SettingsDatabasePathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "qel-db-path-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        base_ = folder_ / "base";
        data_ = folder_ / "data";
        fs::create_directories(base_);
        fs::create_directories(data_);
        std::ofstream(base_ / "sys.db", std::ios::binary) << Seed();
        saved_ = fs::current_path();
        fs::current_path(base_);
    }
    void TearDown() override
    {
        fs::current_path(saved_);
        fs::remove_all(folder_);
    }
    void CreateLocalCopy()
    {
        fs::create_directories(data_ / "Qel");
        std::ofstream(data_ / "Qel" / "sys.db") << "x";
    }
    std::wstring Data() const { return basekit::CStrA2CStrW(data_.string()); }

    // Bytes of every kind, a zero among them: the copy is of the file, not of a text.
    static std::string Seed() { return std::string("SQLite format 3\0\x10\xff seed", 23); }
    fs::path folder_, base_, data_, saved_;
};

TEST_F(SettingsDatabasePathTest, UserCopyPreferredOutsideDebugAndBaseModesAndMadeOnlyForAReadOnlyBase)
{
    struct Case {
        const char *label;
        basekit::TextMap settings;
        bool noDataFolder;
        bool copyExists;
        bool baseWritable;
        bool expectLocal;
    };
    const basekit::TextMap plain = {{L"debug", L"false"}, {L"dataPath", L"user"}, {L"sysDbName", L"sys.db"}};
    const basekit::TextMap debug = {{L"debug", L"true"}, {L"dataPath", L"user"}, {L"sysDbName", L"sys.db"}};
    const basekit::TextMap base = {{L"debug", L"false"}, {L"dataPath", L"base"}, {L"sysDbName", L"sys.db"}};
    const basekit::TextMap noDataPath = {{L"sysDbName", L"sys.db"}};
    const Case cases[] = {
        {"copy present", plain, false, true, true, true},
        {"copy present, read-only base", plain, false, true, false, true},
        {"no dataPath", noDataPath, false, true, true, true},
        {"debug", debug, false, true, false, false},
        {"base", base, false, true, false, false},
        {"copy missing, writable base: the base's own", plain, false, false, true, false},
        {"copy missing, read-only base: made", plain, false, false, false, true},
        {"read-only base, debug: no copy", debug, false, false, false, false},
        {"read-only base, dataPath base: no copy", base, false, false, false, false},
        {"no data folder", plain, true, true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove_all(data_ / "Qel");
        if (c.copyExists) {
            CreateLocalCopy();
        }
        std::string asked;
        std::string problem;
        const std::wstring chosen = ChooseSettingsDatabasePath(
            c.settings, c.noDataFolder ? L"" : Data(),
            [&](const std::string &database) {
                asked = database;
                return c.baseWritable;
            },
            problem);
        const fs::path local = data_ / "Qel" / "sys.db";
        EXPECT_EQ(chosen, c.expectLocal ? basekit::CStrA2CStrW(local.string()) : L"sys.db");
        EXPECT_EQ(problem, "");
        if (!asked.empty()) {
            EXPECT_EQ(asked, "sys.db");
        }
        // An existing copy is the user's: never replaced by the seed.
        if (c.copyExists) {
            EXPECT_EQ(ReadWhole(local), "x");
        } else if (c.expectLocal) {
            EXPECT_EQ(ReadWhole(local), Seed());
        } else {
            EXPECT_FALSE(fs::exists(local));
        }
    }
    // No "sysDbName": nothing to choose, nothing made.
    fs::remove_all(data_ / "Qel");
    std::string problem;
    EXPECT_EQ(ChooseSettingsDatabasePath(
                  {}, Data(), [](const std::string &) { return false; }, problem),
              L"");
    EXPECT_FALSE(fs::exists(data_ / "Qel"));
}

TEST_F(SettingsDatabasePathTest, ACopyThatCannotBeMadeLeavesTheSeedChosenAndSaysWhy)
{
    const basekit::TextMap settings = {{L"dataPath", L"user"}, {L"sysDbName", L"sys.db"}};
    const auto readOnly = [](const std::string &) { return false; };
    std::string problem;
    // The data folder's place is taken by a file: no folder below it can be made.
    std::ofstream(folder_ / "file") << "x";
    const std::wstring blocked = basekit::CStrA2CStrW((folder_ / "file").string());
    EXPECT_EQ(ChooseSettingsDatabasePath(settings, blocked, readOnly, problem), L"sys.db");
    EXPECT_NE(problem.find((folder_ / "file").string()), std::string::npos) << problem;

    problem.clear();
    fs::remove(base_ / "sys.db");
    EXPECT_EQ(ChooseSettingsDatabasePath(settings, Data(), readOnly, problem), L"sys.db");
    EXPECT_NE(problem.find("sys.db"), std::string::npos) << problem;
    EXPECT_FALSE(fs::exists(data_ / "Qel"));
}

TEST_F(SettingsDatabasePathTest, TheUserCopyIsTheOwnersOnlyWhateverTheSeedAndTheUmask)
{
    fs::permissions(base_ / "sys.db", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const mode_t umaskBefore = umask(0);
    std::string problem;
    const fs::path copy = data_ / "new" / "Qel" / "sys.db";
    const bool made = MakeUserSettingsCopy((base_ / "sys.db").string(), copy.string(), problem);
    umask(umaskBefore);
    ASSERT_TRUE(made) << problem;
    EXPECT_EQ(ReadWhole(copy), Seed());
    EXPECT_EQ(fs::status(copy).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    for (const fs::path &folder : {data_ / "new", data_ / "new" / "Qel"}) {
        EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all) << folder;
    }
    // Only the copy is left: the scratch file it was written under is gone.
    EXPECT_EQ(std::distance(fs::directory_iterator(copy.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(SettingsDatabasePathTest, WritableInPlaceNeedsTheFileAndItsFolder)
{
    EXPECT_TRUE(SettingsDatabaseWritableInPlace("sys.db"));
    EXPECT_TRUE(SettingsDatabaseWritableInPlace((base_ / "sys.db").string()));
    EXPECT_FALSE(SettingsDatabaseWritableInPlace("missing.db"));
    EXPECT_FALSE(SettingsDatabaseWritableInPlace(""));
    EXPECT_FALSE(SettingsDatabaseWritableInPlace(base_.string()));
    // A seed without its owner's write permission, as installed: not written, even by root.
    fs::permissions(base_ / "sys.db", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(SettingsDatabaseWritableInPlace("sys.db"));
    fs::permissions(base_ / "sys.db", fs::perms::owner_read | fs::perms::owner_write);
    if (geteuid() == 0) {
        return; // a folder's permissions do not bind root; the installed program's gui test runs as nobody
    }
    fs::permissions(base_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(SettingsDatabaseWritableInPlace("sys.db"));
    fs::permissions(base_, fs::perms::owner_all);
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

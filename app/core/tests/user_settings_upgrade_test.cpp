#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sqlite3.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "basekit/text_convert.h"
#include "settings/settings_database_path.h"
#include "settings/user_settings_upgrade.h"
#include "settings_test_database.h"

namespace qel {
namespace {

namespace fs = std::filesystem;
using testing::BuildSettingsDatabase;
using testing::ExecSql;

// The first column of the first row of a query, "<none>" without one.
std::string Query(const fs::path &database, const std::string &sql)
{
    sqlite3 *db = nullptr;
    std::string value = "<none>";
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0) != nullptr) {
            value = reinterpret_cast<const char *>(sqlite3_column_text(statement, 0));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
}

std::string Setting(const fs::path &database, const std::string &name)
{
    return Query(database, "select parameterValue from systeminfo where parameterName = '" + name + "'");
}

std::string ReadWhole(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The delivered database as installed seed, and a user's copy made from it that the user used.
class UserSettingsUpgradeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "qel-db-upgrade-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        // Laid out as an installed program's folder that is also the user's data folder.
        seed_ = folder_ / "sys.db";
        copy_ = folder_ / "Qel" / "sys.db";
        fs::create_directories(copy_.parent_path());
        BuildSettingsDatabase(seed_);
        fs::copy_file(seed_, copy_);
        fs::permissions(copy_, fs::perms::owner_read | fs::perms::owner_write);
        ExecSql(copy_,
                "update systeminfo set parameterValue = 'scrambled' where parameterName = 'pswd';"
                "update systeminfo set parameterValue = 'Tc5Of35' where parameterName = 'currentProduct';"
                "update systeminfo set parameterValue = '7' where parameterName = 'switchTimes';"
                "update systeminfo set parameterValue = '0.9' where parameterName = 'mainProVersion';"
                "insert into systeminfo values ('Magic3', 'from the service', NULL);"
                "update products set isUse = 0 where productName = 'Array5';"
                "update base_config set calType = 'mine' where id = (select min(id) from base_config "
                " where productName = 'Magic3' and parentId is not null);");
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A later release: a new generation whose database has a new game and a new column.
    void NewerSeed()
    {
        ExecSql(seed_,
                "PRAGMA user_version = 2;"
                "alter table products add column newColumn TEXT;"
                "insert into products (lotteryCategory, productName, productCnName, area, flag, sort)"
                " values ('New9_Tc', 'New9', 'new', '1', 'Tc', 99);"
                "update systeminfo set parameterValue = '2.0.0' where parameterName = 'mainProVersion';");
    }
    std::string Upgrade()
    {
        std::string problem;
        EXPECT_TRUE(UpgradeUserSettingsCopy(seed_.string(), copy_.string(), problem)) << problem;
        return problem;
    }

    fs::path folder_, seed_, copy_;
};

TEST_F(UserSettingsUpgradeTest, TheDeliveredDatabaseHasAGeneration)
{
    EXPECT_GE(SettingsDatabaseGeneration(seed_.string()), 1);
    EXPECT_EQ(SettingsDatabaseGeneration((folder_ / "missing.db").string()), -1);
    std::ofstream(folder_ / "text.db") << "not a database, only text long enough to be read as one...";
    EXPECT_EQ(SettingsDatabaseGeneration((folder_ / "text.db").string()), -1);
}

TEST_F(UserSettingsUpgradeTest, ANewerGenerationRebuildsTheCopyKeepingWhatTheUserSet)
{
    const int before = SettingsDatabaseGeneration(copy_.string());
    const std::string oldBytes = ReadWhole(copy_);
    NewerSeed();
    EXPECT_EQ(Upgrade(), "");

    EXPECT_EQ(SettingsDatabaseGeneration(copy_.string()), 2);
    // The new release's rows, columns and version.
    EXPECT_EQ(Query(copy_, "select productCnName from products where productName = 'New9'"), "new");
    EXPECT_EQ(Query(copy_, "select count(newColumn) + 1 from products"), "1");
    EXPECT_EQ(Setting(copy_, "mainProVersion"), "2.0.0");
    EXPECT_EQ(Setting(copy_, "key"), Setting(seed_, "key"));
    // What the user set.
    EXPECT_EQ(Setting(copy_, "pswd"), "scrambled");
    EXPECT_EQ(Setting(copy_, "currentProduct"), "Tc5Of35");
    EXPECT_EQ(Setting(copy_, "switchTimes"), "7");
    EXPECT_EQ(Setting(copy_, "Magic3"), "from the service");
    EXPECT_EQ(Query(copy_, "select isUse from products where productName = 'Array5'"), "0");
    EXPECT_EQ(Query(copy_, "select isUse from products where productName = 'Magic3'"), "1");
    EXPECT_EQ(Query(copy_, "select count(*) from base_config where calType = 'mine'"), "1");
    // The old copy is kept, the user's only like the new one; no scratch file is left.
    const fs::path kept = copy_.string() + "." + std::to_string(before) + ".bak";
    EXPECT_EQ(ReadWhole(kept), oldBytes);
    EXPECT_EQ(fs::status(copy_).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(copy_.parent_path()), fs::directory_iterator()), 2);
    // Once rebuilt, a later start leaves it alone.
    const std::string upgraded = ReadWhole(copy_);
    EXPECT_EQ(Upgrade(), "");
    EXPECT_EQ(ReadWhole(copy_), upgraded);
}

TEST_F(UserSettingsUpgradeTest, TheStartUpRebuildsAnOlderCopyBeforeChoosingIt)
{
    NewerSeed();
    const fs::path saved = fs::current_path();
    fs::current_path(folder_);
    std::string problem;
    const std::wstring chosen = ChooseSettingsDatabasePath(
        {{L"dataPath", L"user"}, {L"sysDbName", L"sys.db"}}, basekit::CStrA2CStrW(folder_.string()),
        [](const std::string &) { return false; }, problem);
    fs::current_path(saved);
    EXPECT_EQ(chosen, basekit::CStrA2CStrW(copy_.string()));
    EXPECT_EQ(problem, "");
    EXPECT_EQ(SettingsDatabaseGeneration(copy_.string()), 2);
    EXPECT_EQ(Setting(copy_, "pswd"), "scrambled");
}

TEST_F(UserSettingsUpgradeTest, ACopyOfTheSameOrANewerGenerationIsLeftAsItIs)
{
    const std::string bytes = ReadWhole(copy_);
    EXPECT_EQ(Upgrade(), "");
    ExecSql(copy_, "PRAGMA user_version = 5");
    const std::string newer = ReadWhole(copy_);
    NewerSeed();
    EXPECT_EQ(Upgrade(), "");
    EXPECT_EQ(ReadWhole(copy_), newer);
    EXPECT_NE(newer, bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(copy_.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(UserSettingsUpgradeTest, ACopyThatCannotBeCarriedOverStaysAsItWas)
{
    // An old copy from before a table the carry-over reads: nothing to carry from, so it is kept.
    ExecSql(copy_, "drop table base_config");
    const std::string bytes = ReadWhole(copy_);
    NewerSeed();
    std::string problem;
    EXPECT_FALSE(UpgradeUserSettingsCopy(seed_.string(), copy_.string(), problem));
    EXPECT_NE(problem.find(copy_.string()), std::string::npos) << problem;
    EXPECT_EQ(ReadWhole(copy_), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(copy_.parent_path()), fs::directory_iterator()), 1);
}

} // namespace
} // namespace qel

#include "settings_test_database.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include <sqlite3.h>
#include <unistd.h>

#include "basekit/text_convert.h"

namespace qel::testing {

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

void ExecSql(const fs::path &path, const std::string &sql)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
    char *error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error != nullptr ? error : "") << "\n" << sql.substr(0, 200);
    sqlite3_free(error);
    sqlite3_close(db);
}

void BuildSettingsDatabase(const fs::path &path)
{
    std::istringstream files(QEL_SETTINGS_DB_SQL);
    std::string file;
    while (std::getline(files, file, '|')) {
        ExecSql(path, ReadFile(file));
    }
}

void SettingsDatabaseTest::SetUp()
{
    std::string pattern = (fs::temp_directory_path() / "qel-settings-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    dbPath_ = folder_ / "sys.db";
    BuildSettingsDatabase(dbPath_);
    settings_[L"sysDb"] = basekit::CStrA2CStrW(dbPath_.string());
    settings_[L"debug"] = L"false";
    service_ = std::make_unique<CSystemService>(settings_);
    ASSERT_TRUE(service_->dao().isOpen());
}

void SettingsDatabaseTest::TearDown()
{
    service_.reset();
    fs::remove_all(folder_);
}

std::wstring SettingsDatabaseTest::Setting(const std::wstring &name)
{
    basekit::TextMap all = service_->dao().QuerySystemParams(name);
    auto it = all.find(name);
    return it == all.end() ? L"<missing>" : it->second;
}

std::string KeysOf(const basekit::RowMap &row)
{
    std::string keys;
    for (const auto &[key, value] : row) {
        keys += (keys.empty() ? "" : ",") + basekit::CStrW2CStrA(key);
    }
    return keys;
}

std::wstring Column(const basekit::MapList &rows, const wchar_t *key)
{
    std::wstring values;
    bool first = true;
    for (const basekit::RowMap &row : rows) {
        auto it = row.find(key);
        values += (first ? L"" : L",") + (it == row.end() ? L"<none>" : it->second.text);
        first = false;
    }
    return values;
}

} // namespace qel::testing

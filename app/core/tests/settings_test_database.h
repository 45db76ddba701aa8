// Temporary settings databases built from the delivered SQL, and a fake window layer for the
// settings services.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "basekit/row_types.h"
#include "settings/filter_context_dao.h"
#include "settings/settings_context.h"
#include "settings/settings_host.h"
#include "settings/system_service.h"

namespace qel::testing {

/// Builds the settings database at path from the schema and seed files, in load order.
void BuildSettingsDatabase(const std::filesystem::path &path);
/// Runs SQL on the database at path with a connection of its own.
void ExecSql(const std::filesystem::path &path, const std::string &sql);

class FakeSettingsHost : public SettingsHost {
public:
    ScreenRect MainWindowRect() override { return window; }
    ScreenRect WorkAreaRect() override { return workArea; }
    void FatalExit(const std::wstring &message, int status) override
    {
        ++fatalCalls;
        fatalMessage = message;
        fatalStatus = status;
    }

    ScreenRect window{100, 50, 1466, 778};
    ScreenRect workArea{0, 0, 1920, 1040};
    int fatalCalls = 0;
    std::wstring fatalMessage;
    int fatalStatus = 0;
};

/// A fresh database from the seed in a temporary base directory, with a settings service on it.
class SettingsDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    SettingsContext Context()
    {
        return SettingsContext{settings_,
                               runtime_,
                               *service_,
                               host_,
                               L"qel://base",
                               folder_,
                               ServiceEndpoints{L"service.test", L"568", L"http://service.test"}};
    }
    void Exec(const std::string &sql) { ExecSql(dbPath_, sql); }
    /// The value of one systeminfo setting.
    std::wstring Setting(const std::wstring &name);

    std::filesystem::path folder_;
    std::filesystem::path dbPath_;
    basekit::TextMap settings_;
    basekit::TextMap runtime_;
    FakeSettingsHost host_;
    std::unique_ptr<CSystemService> service_;
};

/// The same with an access object of type Dao open on the database.
template <typename Dao> class DaoDatabaseTest : public SettingsDatabaseTest {
protected:
    void SetUp() override
    {
        SettingsDatabaseTest::SetUp();
        ASSERT_EQ(dao_.openDb(dbPath_.c_str()), 0);
    }
    void TearDown() override
    {
        dao_.closeDb();
        SettingsDatabaseTest::TearDown();
    }

    Dao dao_;
};

/// The delivered database with an access object of the filter context open on it.
using FilterContextDaoTest = DaoDatabaseTest<CFilterContextDao>;

/// The key set of a row.
std::string KeysOf(const basekit::RowMap &row);
/// The text values under one key of every row, joined by ",".
std::wstring Column(const basekit::MapList &rows, const wchar_t *key);

} // namespace qel::testing

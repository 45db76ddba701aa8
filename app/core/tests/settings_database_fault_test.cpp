// A settings database that cannot be read or written: what the player and standard error are
// told, and that a change the database refused is never answered as stored.
#include <cstdio>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "settings/product_handlers.h"
#include "settings/system_config_handlers.h"
#include "settings_test_database.h"
#include "test_app.h"

namespace qel::testing {
namespace {

using basekit::JsonUtil;

// The database itself refuses every change of the tables the settings requests write, as a
// read-only file does (the tests run as root, whom file permissions do not stop).
constexpr char kRefuseWrites[] = "CREATE TRIGGER refuse_settings BEFORE UPDATE ON systeminfo BEGIN SELECT "
                                 "RAISE(ABORT, 'writes refused'); END;"
                                 "CREATE TRIGGER refuse_products BEFORE UPDATE ON products BEGIN SELECT "
                                 "RAISE(ABORT, 'writes refused'); END;";

std::string StderrLine(const std::wstring &message)
{
    return "qel: settings database: " + basekit::UnicodeToUTF8Str(message) + "\n";
}

class SettingsDatabaseFaultTest : public SettingsDatabaseTest {
protected:
    std::wstring File() const { return basekit::CStrA2CStrW(dbPath_.string()); }
    std::wstring Unwritable() const { return L"设置数据库无法写入：" + File() + L"（writes refused）"; }
    std::wstring Unreadable(const std::wstring &file, const std::wstring &reason) const
    {
        return L"设置数据库无法读取：" + file + L"（" + reason + L"）。程序无法运行，将退出。";
    }
    std::wstring StoredGame() { return Setting(L"currentProduct") + L"/" + Setting(L"currentFlag"); }
};

TEST_F(SettingsDatabaseFaultTest, ChangesTheDatabaseRefusesAreAnsweredAsFailuresWithTheFileAndReason)
{
    Exec(kRefuseWrites);
    using Handler = std::function<std::wstring(SettingsContext &, const Json::Value &)>;
    struct Case {
        const char *label;
        Handler handler;
        const wchar_t *request;
        const wchar_t *failure;
    };
    const Case cases[] = {
        {"switching the game", OnToggle, L"{\"productName\":\"Fc6Of33\",\"area\":\"1\",\"flag\":\"Fc\"}",
         L"切换失败！"},
        {"saving settings", OnSaveConfig, L"{\"rows\":[{\"showTip\":\"false\"}]}", L"保存失败！"},
        {"switching a product off", OnChangeState, L"{\"id\":1,\"isUse\":0}", L"状态更改失败！"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        SettingsContext context = Context();
        ::testing::internal::CaptureStderr();
        const std::wstring reply = c.handler(context, JsonUtil::JsonStrToJsonObj(c.request));
        const std::string logged = ::testing::internal::GetCapturedStderr();
        const std::wstring message = std::wstring(c.failure) + Unwritable();
        EXPECT_EQ(reply, JsonUtil::Msg(L"error", message));
        EXPECT_EQ(logged, StderrLine(message));
    }
    // Nothing of it is stored: the main page, asking again, shows the game that is.
    EXPECT_EQ(StoredGame(), L"Magic3/Fc");
    EXPECT_EQ(Setting(L"showTip"), L"true");
    SettingsContext context = Context();
    OnGetSystemConfig(context, Json::Value());
    EXPECT_EQ(runtime_.at(L"productName"), L"Magic3");
    EXPECT_NE(OnGetProductList(context, Json::Value()).find(L"productName:\"Magic3\""), std::wstring::npos)
        << "Magic3 is still in use";
}

TEST_F(SettingsDatabaseFaultTest, ARefusedConfigurationUpdateIsLoggedAndNotApplied)
{
    Exec(kRefuseWrites);
    runtime_ = {{L"showTip", L"true"}};
    SettingsContext context = Context();
    ::testing::internal::CaptureStderr();
    ApplySystemConfigs(context, std::wstring(L"[{\"showTip\":\"false\"}]"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), StderrLine(Unwritable()));
    EXPECT_EQ(runtime_.at(L"showTip"), L"true");
}

// A change that matches no row was not refused: it fails without blaming the database.
TEST_F(SettingsDatabaseFaultTest, AChangeWithoutItsRowsIsNoDatabaseFault)
{
    Exec("delete from products where id=1");
    SettingsContext context = Context();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(OnChangeState(context, JsonUtil::JsonStrToJsonObj(L"{\"id\":1,\"isUse\":0}")),
              L"{flag:\"error\",msg:\"状态更改失败！\"}");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST_F(SettingsDatabaseFaultTest, ADatabaseThatCannotBeReadEndsTheStartNamingFileAndReason)
{
    const std::filesystem::path notes = folder_ / "notes.txt";
    {
        std::FILE *file = std::fopen(notes.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs("notes of a player, not a settings database, long enough for a header page\n", file);
        std::fclose(file);
    }
    const std::filesystem::path other = folder_ / "other.db";
    ExecSql(other, "create table other (x)");
    struct Case {
        const char *label;
        std::filesystem::path file;
        const wchar_t *reason;
    };
    const Case cases[] = {
        {"missing", folder_ / "missing.db", L"unable to open database file (No such file or directory)"},
        {"not a database", notes, L"file is not a database"},
        {"another database", other, L"no such table: systeminfo"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const std::wstring file = basekit::CStrA2CStrW(c.file.string());
        TestApp t(file);
        ::testing::internal::CaptureStderr();
        t.app->Start();
        const std::string logged = ::testing::internal::GetCapturedStderr();
        const std::wstring message = Unreadable(file, c.reason);
        EXPECT_EQ(t.windows.messages, std::vector<std::wstring>{message});
        EXPECT_EQ(logged, StderrLine(message));
        EXPECT_EQ(t.windows.exitStatus, 1);
        EXPECT_TRUE(t.windows.timers.empty()) << "nothing was laid out";
    }
}

TEST_F(SettingsDatabaseFaultTest, ADatabaseThatCannotBeWrittenIsToldAtStartAndKeepsTheStoredGame)
{
    Exec(kRefuseWrites);
    TestApp t(File());
    ::testing::internal::CaptureStderr();
    t.app->Start();
    const std::string logged = ::testing::internal::GetCapturedStderr();
    const std::wstring warning = Unwritable() + L"。更改的设置将不会保存。";
    EXPECT_EQ(t.windows.messages, std::vector<std::wstring>{warning});
    EXPECT_EQ(logged, StderrLine(warning));
    EXPECT_FALSE(t.windows.exitStatus.has_value()) << "the program goes on with what it can read";
    EXPECT_EQ(t.windows.timers.size(), 1U) << "the main window was laid out";

    // Switching the game: the error comes back and the page is not loaded again, so it keeps
    // showing the game that is stored.
    t.windows.mainPage.clear();
    EXPECT_EQ(t.Main(L"{\"method\":\"Toggle\",\"productName\":\"Fc6Of33\",\"area\":\"1\",\"flag\":\"Fc\"}"),
              JsonUtil::Msg(L"error", L"切换失败！" + Unwritable()));
    EXPECT_EQ(t.windows.mainPage, "");
    EXPECT_NE(t.Main(L"{\"method\":\"GetSystemConfig\"}").find(L"productName:\"Magic3\""),
              std::wstring::npos);
    // Saving settings answers the error, not the configuration as if saved.
    EXPECT_EQ(t.Main(L"{\"method\":\"SaveConfig\",\"rows\":[{\"showTip\":\"false\"}]}"),
              JsonUtil::Msg(L"error", L"保存失败！" + Unwritable()));
    EXPECT_EQ(Setting(L"showTip"), L"true");
}

TEST_F(SettingsDatabaseFaultTest, AWritableDatabaseStartsWithoutAMessage)
{
    TestApp t(File());
    t.app->Start();
    EXPECT_TRUE(t.windows.messages.empty());
    EXPECT_EQ(Setting(L"switchTimes"), L"1");
    t.windows.mainPage.clear();
    EXPECT_EQ(t.Main(L"{\"method\":\"Toggle\",\"productName\":\"Fc6Of33\",\"area\":\"1\",\"flag\":\"Fc\"}"),
              ToggleStartedReply());
    EXPECT_EQ(t.windows.mainPage, "main.html");
}

} // namespace
} // namespace qel::testing

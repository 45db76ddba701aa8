// The account services and the configuration update of the real program core (the application,
// its method tables and its settings database) against the stand-in service on 127.0.0.1.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "account/credential_scramble.h"
#include "app/application.h"
#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "bridge/main_window.h"
#include "bridge/popup_window.h"
#include "fake_window_system.h"
#include "settings_test_database.h"
#include "standin_server.h"
#include "support/saved_variable.h"

namespace qel::testing {
namespace {

namespace fs = std::filesystem;
using basekit::JsonUtil;
using standin::Failure;
using standin::ReceivedRequest;
using standin::StandinServer;

// The sample user of the stand-in's fixture (app/standin/fixtures/account.json).
constexpr wchar_t kPhone[] = L"13800138000";
constexpr wchar_t kPassword[] = L"sample-pass";
const std::wstring kFailed = L"{flag:\"error\",msg:\"服务器连接失败！\"}";

std::wstring LogInRequest(const std::wstring &phone, const std::wstring &email, const std::wstring &password)
{
    return L"{\"method\":\"logIn\",\"phone\":\"" + phone + L"\",\"email\":\"" + email +
           L"\",\"password\":\"" + password + L"\"}";
}

// The flag of a reply: the service's JSON or the program's own object literal.
std::string FlagOf(const std::wstring &reply)
{
    return standin::ParseParam(basekit::UnicodeToUTF8Str(reply))["flag"].asString();
}

class AccountServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "qel-account-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        // The installation's identifier is kept below the configuration folder: this test's own.
        setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
        dbPath_ = folder_ / "sys.db";
        BuildSettingsDatabase(dbPath_);

        auto bound = server_.Listen(0);
        ASSERT_TRUE(bound);
        serverThread_ = std::thread([this] { server_.Run(); });
        while (!server_.running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        port_ = *bound;
        StartApplication();
    }

    void TearDown() override
    {
        app_.reset();
        server_.Stop();
        serverThread_.join();
        fs::remove_all(folder_);
    }

    // The program's core on the test's database, its configuration built as the main page asks
    // for it, pointed at the stand-in.
    void StartApplication()
    {
        StartupSettings startup;
        startup.baseDir = ".";
        startup.baseUrl = L"qel://base";
        startup.settings = {{L"sysDb", basekit::CStrA2CStrW(dbPath_.string())},
                            {L"debug", L"false"},
                            {L"channel", L"official"}};
        app_ = std::make_unique<Application>(windows_, startup);
        app_->Start();
        Main(L"{\"method\":\"GetSystemConfig\"}");
        app_->runtimeConfig()[L"host"] = L"127.0.0.1";
        app_->runtimeConfig()[L"port"] = std::to_wstring(port_);
        app_->dataService().SetTimeouts({1000, 3000});
    }

    std::wstring Main(const std::wstring &request) { return app_->mainWindow().Execute(request); }

    // A systeminfo value as the database holds it now.
    std::wstring Stored(const std::wstring &name)
    {
        CSystemDao dao;
        dao.openDb(dbPath_.c_str());
        return dao.QuerySystemParams(name)[name];
    }

    std::wstring Config(const std::wstring &name) { return app_->runtimeConfig()[name]; }

    std::vector<ReceivedRequest> ReceivedOn(const std::string &path) const
    {
        std::vector<ReceivedRequest> found;
        for (const ReceivedRequest &r : server_.Received()) {
            if (r.path == path) {
                found.push_back(r);
            }
        }
        return found;
    }

    Json::Value LastParam(const std::string &path) const
    {
        auto received = ReceivedOn(path);
        return received.empty() ? Json::Value() : standin::ParseParam(received.back().param);
    }

    // Fires the main window's configuration check, as its six-second timer does.
    void FireConfigurationCheck()
    {
        ASSERT_FALSE(windows_.timers.empty());
        auto fire = windows_.timers.back().second;
        windows_.timers.clear();
        fire();
    }

    basekit::test_support::SavedVariable configHome_{"XDG_CONFIG_HOME"};
    fs::path folder_;
    fs::path dbPath_;
    StandinServer server_{QEL_STANDIN_FIXTURES, QEL_STANDIN_PAGES, QEL_STANDIN_PAGE_SCRIPTS};
    std::thread serverThread_;
    int port_ = 0;
    FakeWindowSystem windows_;
    std::unique_ptr<Application> app_;
};

TEST_F(AccountServicesTest, FailedLogInStoresNothingAndASuccessfulOneStoresTheScrambledValues)
{
    const std::wstring wrong = Main(LogInRequest(kPhone, L"", L"wrong"));
    EXPECT_EQ(wrong, L"{\"flag\":\"error\",\"msg\":\"密码错误！\"}");
    const std::wstring unknown = Main(LogInRequest(L"", L"nobody@example.com", kPassword));
    EXPECT_EQ(FlagOf(unknown), "no_user");
    for (const wchar_t *name : {L"phone", L"email", L"pswd"}) {
        EXPECT_EQ(Stored(name), L"") << basekit::CStrW2CStrA(name);
        EXPECT_EQ(Config(name), L"") << basekit::CStrW2CStrA(name);
    }

    const std::wstring reply = Main(LogInRequest(kPhone, L"", kPassword));
    // The service's reply as it came, with the user's information.
    Json::Value parsed = JsonUtil::JsonStrToJsonObj(reply);
    EXPECT_EQ(parsed["flag"].asString(), "ok");
    EXPECT_EQ(parsed["items"][0]["niCheng"].asString(), "样例用户");
    // The service gets the password as it requires it, in plain text.
    Json::Value sent = LastParam("/sys/logIn");
    EXPECT_EQ(sent["phone"].asString(), "13800138000");
    EXPECT_EQ(sent["password"].asString(), "sample-pass");
    // Each unit raised by one between the fixed frame: "1" is "2", "s" is "t", "-" is ".".
    EXPECT_EQ(Stored(L"phone"), L"KVELMORA2491124911119960723");
    EXPECT_EQ(Stored(L"email"), L"");
    EXPECT_EQ(Stored(L"pswd"), L"KVELMORAtbnqmf.qbtt19960723");
    EXPECT_EQ(Config(L"phone"), Stored(L"phone"));
    EXPECT_EQ(Config(L"pswd"), Stored(L"pswd"));
    // The pages see the scrambled values only, also after the configuration is built again.
    const std::wstring config = Main(L"{\"method\":\"GetSystemConfig\"}");
    EXPECT_NE(config.find(L"pswd:\"KVELMORAtbnqmf.qbtt19960723\""), std::wstring::npos);
    EXPECT_EQ(config.find(L"sample-pass"), std::wstring::npos);
}

TEST_F(AccountServicesTest, TheSixthLogInOfAWindowIsAnsweredWithoutARequest)
{
    const std::wstring limit = L"{flag:\"error\",msg:\"操作次数过多，请稍后再试！\"}";
    // Five attempts that fail for lack of a connection still count.
    server_.SetFailure("/sys/logIn", Failure::ServerError);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Main(LogInRequest(kPhone, L"", kPassword)), kFailed) << i;
    }
    server_.SetFailure("/sys/logIn", Failure::None);
    EXPECT_EQ(Main(LogInRequest(kPhone, L"", kPassword)), limit);
    EXPECT_EQ(Main(LogInRequest(kPhone, L"", kPassword)), limit);
    EXPECT_EQ(ReceivedOn("/sys/logIn").size(), 5U);
    EXPECT_EQ(Stored(L"pswd"), L"");

    // The password change counts in the pop-up that receives it, separately.
    PopupWindow popup(*app_);
    for (int i = 0; i < 5; ++i) {
        EXPECT_NE(popup.Execute(L"{\"method\":\"changePassword\",\"oldPswd\":\"a\",\"newPswd\":\"b\"}"),
                  limit);
    }
    EXPECT_EQ(popup.Execute(L"{\"method\":\"changePassword\",\"oldPswd\":\"a\",\"newPswd\":\"b\"}"), limit);
    EXPECT_EQ(ReceivedOn("/sys/changePassword").size(), 5U);
}

TEST_F(AccountServicesTest, ValuesThatCannotBeStoredAreRefusedBeforeAnythingIsSent)
{
    // U+FFFF would wrap to 0 when scrambled.
    EXPECT_EQ(Main(L"{\"method\":\"logIn\",\"phone\":\"1\",\"email\":\"\",\"password\":\"a\\uffff\"}"),
              L"{flag:\"error\",msg:\"用户名或密码中有无法保存的字符，请更换后再试！\"}");
    ASSERT_EQ(FlagOf(Main(LogInRequest(kPhone, L"", kPassword))), "ok");
    PopupWindow popup(*app_);
    EXPECT_EQ(
        popup.Execute(L"{\"method\":\"changePassword\",\"oldPswd\":\"sample-pass\",\"newPswd\":\"\\ud7ff\"}"),
        L"{flag:\"error\",msg:\"新密码中有无法保存的字符，请更换后再试！\"}");
    EXPECT_TRUE(ReceivedOn("/sys/changePassword").empty());
    EXPECT_EQ(Stored(L"pswd"), L"KVELMORAtbnqmf.qbtt19960723");
}

TEST_F(AccountServicesTest, UserInformationIsAskedForWithTheStoredLoginOnly)
{
    EXPECT_EQ(Main(L"{\"method\":\"getUserInfo\"}"), L"{flag:\"noLocalUserInfo\",msg:\"没有本地用户信息\"}");
    EXPECT_TRUE(ReceivedOn("/sys/getUserInfo").empty());

    // A stored e-mail address and password without a phone number: the request goes.
    ExecSql(dbPath_, "update systeminfo set parameterValue='KVELMORAtbnqmfAfybnqmf/dpn19960723' "
                     "where parameterName='email';"
                     "update systeminfo set parameterValue='KVELMORAtbnqmf.qbtt19960723' "
                     "where parameterName='pswd';");
    Main(L"{\"method\":\"GetSystemConfig\"}");
    app_->runtimeConfig()[L"port"] = std::to_wstring(port_);
    app_->runtimeConfig()[L"host"] = L"127.0.0.1";
    const std::wstring reply = Main(L"{\"method\":\"getUserInfo\"}");
    Json::Value parsed = JsonUtil::JsonStrToJsonObj(reply);
    EXPECT_EQ(parsed["flag"].asString(), "ok");
    EXPECT_EQ(parsed["items"][0]["email"].asString(), "sample@example.com");
    Json::Value sent = LastParam("/sys/getUserInfo");
    EXPECT_EQ(sent["email"].asString(), "sample@example.com");
    EXPECT_EQ(sent["phone"].asString(), "");
    EXPECT_EQ(sent["password"].asString(), "sample-pass");

    // Only a password, or only a user: no login.
    ExecSql(dbPath_, "update systeminfo set parameterValue='' where parameterName='email';");
    Main(L"{\"method\":\"GetSystemConfig\"}");
    EXPECT_EQ(FlagOf(Main(L"{\"method\":\"getUserInfo\"}")), "noLocalUserInfo");
    EXPECT_EQ(ReceivedOn("/sys/getUserInfo").size(), 1U);
}

TEST_F(AccountServicesTest, APasswordChangeInThePopUpStoresTheNewPasswordWhenTheServiceAccepts)
{
    ASSERT_EQ(FlagOf(Main(LogInRequest(kPhone, L"", kPassword))), "ok");
    PopupWindow popup(*app_);
    const std::wstring refused =
        popup.Execute(L"{\"method\":\"changePassword\",\"oldPswd\":\"nope\",\"newPswd\":\"new-pass\"}");
    EXPECT_EQ(refused, L"{\"flag\":\"error\",\"msg\":\"原密码错误！\"}");
    EXPECT_EQ(Stored(L"pswd"), L"KVELMORAtbnqmf.qbtt19960723");

    const std::wstring changed = popup.Execute(
        L"{\"method\":\"changePassword\",\"oldPswd\":\"sample-pass\",\"newPswd\":\"new-pass\"}");
    EXPECT_EQ(FlagOf(changed), "ok");
    Json::Value sent = LastParam("/sys/changePassword");
    EXPECT_EQ(sent["phone"].asString(), "13800138000");
    EXPECT_EQ(sent["oldPassword"].asString(), "sample-pass");
    EXPECT_EQ(sent["newPassword"].asString(), "new-pass");
    EXPECT_EQ(Stored(L"pswd"), L"KVELMORAofx.qbtt19960723");
    EXPECT_EQ(Config(L"pswd"), L"KVELMORAofx.qbtt19960723");
    EXPECT_EQ(Stored(L"phone"), L"KVELMORA2491124911119960723");
    // The stored login now asks with the new password, and the service knows the user.
    EXPECT_EQ(FlagOf(Main(L"{\"method\":\"getUserInfo\"}")), "ok");
}

TEST_F(AccountServicesTest, FeedbackArrivesAsTheUserWroteIt)
{
    PopupWindow popup(*app_);
    const std::wstring reply = popup.Execute(
        LR"({"method":"Feedback","type":"bug","content":"a & b + c = 100%\n第二行 \"引号\" \\"})");
    EXPECT_EQ(reply, L"{flag:\"ok\",msg:\"反馈成功！\"}");
    Json::Value sent = LastParam("/sys/feedback");
    EXPECT_EQ(sent["content"].asString(), "a & b + c = 100%\n第二行 \"引号\" \\");
    EXPECT_EQ(sent["type"].asString(), "bug");
    // Refused by the service: the page hears so.
    EXPECT_EQ(popup.Execute(LR"({"method":"Feedback","type":"bug","content":""})"),
              L"{flag:\"error\",msg:\"反馈失败！\"}");
}

TEST_F(AccountServicesTest, TheVersionCheckPassesItsThreeAnswersThrough)
{
    EXPECT_EQ(FlagOf(Main(L"{\"method\":\"CheckNewClienVersion\"}")), "noNewVersion");
    server_.SetNewestVersion("9.1.0");
    Json::Value newer = JsonUtil::JsonStrToJsonObj(Main(L"{\"method\":\"CheckNewClienVersion\"}"));
    EXPECT_EQ(newer["flag"].asString(), "newVersion");
    EXPECT_EQ(newer["downloadUrl"].asString(),
              "http://127.0.0.1:" + std::to_string(port_) + "/download/varnel-9.1.0.tar.gz");
    EXPECT_EQ(LastParam("/sys/checkNewClienVersion")["clientVersion"].asString(),
              basekit::CStrW2CStrA(Stored(L"mainProVersion")));
    server_.SetFailure("/sys/checkNewClienVersion", Failure::ServerError);
    EXPECT_EQ(Main(L"{\"method\":\"CheckNewClienVersion\"}"), kFailed);
}

// What a hostile service may announce reaches the page as it is: the desktop's open decides.
TEST_F(AccountServicesTest, TheAnnouncedDownloadAndVideoAddressesArePassedThrough)
{
    EXPECT_EQ(FlagOf(Main(L"{\"method\":\"getVideoUrl\"}")), "error");
    server_.SetNewestVersion("9.1.0");
    ASSERT_TRUE(server_.AnnounceAddress("download", "file:///tmp/evil.desktop"));
    ASSERT_TRUE(server_.AnnounceAddress("video", "javascript:alert(1)"));
    EXPECT_FALSE(server_.AnnounceAddress("forum", "/usr/bin/xterm"));
    EXPECT_EQ(
        JsonUtil::JsonStrToJsonObj(Main(L"{\"method\":\"CheckNewClienVersion\"}"))["downloadUrl"].asString(),
        "file:///tmp/evil.desktop");
    EXPECT_EQ(JsonUtil::JsonStrToJsonObj(Main(L"{\"method\":\"getVideoUrl\"}"))["videoUrl"].asString(),
              "javascript:alert(1)");
    server_.Reset();
    EXPECT_EQ(FlagOf(Main(L"{\"method\":\"getVideoUrl\"}")), "error");
}

TEST_F(AccountServicesTest, AConfigurationUpdateIsAppliedOnTheUserInterfaceThreadOnly)
{
    ASSERT_EQ(FlagOf(Main(LogInRequest(kPhone, L"", kPassword))), "ok");
    server_.AddConfigUpdate("maxProVersion", "9.1.0");
    server_.AddConfigUpdate("showTip", "false");
    const std::wstring before = Stored(L"maxProVersion");
    FireConfigurationCheck();
    // Meanwhile this thread goes on using the connection and the configuration as the pages do;
    // the check's thread touches neither (the ThreadSanitizer build watches this).
    while (!windows_.WaitForPosted(1, std::chrono::milliseconds(1))) {
        Main(L"{\"method\":\"GetSystemConfig\"}");
        app_->runtimeConfig()[L"host"] = L"127.0.0.1";
        app_->runtimeConfig()[L"port"] = std::to_wstring(port_);
    }
    EXPECT_EQ(Stored(L"maxProVersion"), before);
    EXPECT_EQ(Config(L"maxProVersion"), before);
    EXPECT_EQ(windows_.RunPosted(), 1U);
    EXPECT_EQ(Stored(L"maxProVersion"), L"9.1.0");
    EXPECT_EQ(Stored(L"showTip"), L"false");
    EXPECT_EQ(Config(L"maxProVersion"), L"9.1.0");
    EXPECT_EQ(Config(L"showTip"), L"false");

    // What the check sent: the installation, the game and the stored login in plain text.
    Json::Value sent = LastParam("/sys/checkConfigUpdate");
    EXPECT_EQ(sent["canal"].asString(), "official");
    EXPECT_EQ(sent["productName"].asString(), "Magic3_Fc");
    EXPECT_EQ(sent["phone"].asString(), "13800138000");
    EXPECT_EQ(sent["password"].asString(), "sample-pass");
    EXPECT_EQ(sent["clientVersion"].asString(), basekit::CStrW2CStrA(Stored(L"mainProVersion")));
    const std::string os = sent["osVersion"].asString();
    EXPECT_TRUE(os.ends_with(" 64") || os.ends_with(" 32")) << os;
    EXPECT_EQ(app_->configUpdateChecksPending(), 0U);
}

// The settings an update hands out come back in the configuration replies as bare keys: a name
// the program would not choose is not taken, so the replies stay readable.
TEST_F(AccountServicesTest, AConfigurationUpdateTakesOnlyPlainSettingNames)
{
    const std::vector<std::string> names = {
        "a:__probe_pwn(),b", "\"};__probe_pwn();({\"", "<img src=x onerror=__probe_pwn()>", "a b", "01", "",
    };
    for (const std::string &name : names) {
        server_.AddConfigUpdate(name, "v");
    }
    server_.AddConfigUpdate("showTip", "false");
    FireConfigurationCheck();
    ASSERT_TRUE(windows_.WaitForPosted(1, std::chrono::seconds(10)));
    windows_.RunPosted();
    EXPECT_EQ(Stored(L"showTip"), L"false");

    // The pop-up's configuration first: the main page's reloads it from the database.
    PopupWindow popup(*app_);
    for (const std::wstring &reply :
         {popup.Execute(L"{\"method\":\"getConfig\"}"), Main(L"{\"method\":\"GetSystemConfig\"}")}) {
        EXPECT_EQ(reply.find(L"__probe_pwn"), std::wstring::npos) << basekit::CStrW2CStrA(reply);
        const Json::Value parsed = standin::ParseParam(basekit::UnicodeToUTF8Str(reply));
        EXPECT_EQ(parsed["showTip"].asString(), "false");
        for (const std::string &name : names) {
            EXPECT_FALSE(parsed.isMember(name)) << name;
        }
    }
}

TEST_F(AccountServicesTest, AnUpdateThatIsNotOpenOrFailsChangesNothing)
{
    const std::wstring before = Stored(L"maxProVersion");
    // "openUpdate" "0", then the exchange failing in each way the service can fail.
    FireConfigurationCheck();
    ASSERT_TRUE(windows_.WaitForPosted(1, std::chrono::seconds(10)));
    windows_.RunPosted();
    server_.AddConfigUpdate("maxProVersion", "9.1.0");
    std::size_t posted = 1;
    for (Failure failure : {Failure::ServerError, Failure::ErrorBody, Failure::NotJson, Failure::Empty}) {
        server_.SetFailure("/sys/checkConfigUpdate", failure);
        app_->mainWindow().InitAppWindow(); // every layout schedules a check
        FireConfigurationCheck();
        ASSERT_TRUE(windows_.WaitForPosted(++posted, std::chrono::seconds(10)));
        windows_.RunPosted();
    }
    EXPECT_EQ(ReceivedOn("/sys/checkConfigUpdate").size(), 5U);
    EXPECT_EQ(Stored(L"maxProVersion"), before);
    EXPECT_EQ(Config(L"maxProVersion"), before);
}

TEST_F(AccountServicesTest, ClosingWhileACheckWaitsOnTheNetworkNeitherHangsNorApplies)
{
    server_.SetFailure("/sys/checkConfigUpdate", Failure::Stall);
    server_.AddConfigUpdate("maxProVersion", "9.1.0");
    app_->dataService().SetTimeouts({1000, 60000});
    FireConfigurationCheck();
    while (ReceivedOn("/sys/checkConfigUpdate").empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const auto start = std::chrono::steady_clock::now();
    app_.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
    // Nothing is handed back for a closed program, and a stray task would find nothing.
    windows_.RunPosted();
    EXPECT_NE(Stored(L"maxProVersion"), L"9.1.0");
}

} // namespace
} // namespace qel::testing

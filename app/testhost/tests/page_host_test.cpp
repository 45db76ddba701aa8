#include "page_host.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <httplib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "qel_resources/embedded_resources.h"
#include "support/scratch_copy.h"

namespace qel::testhost {
namespace {

std::string Utf8(const std::wstring &text)
{
    return basekit::UnicodeToUTF8Str(text);
}

std::string FileText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One host on a free port of 127.0.0.1, serving from its own thread.
class PageHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_ = std::make_unique<PageHost>(
            PageHostOptions{QEL_STAGE_DIR, database_.path().string(), std::nullopt, std::nullopt, {}});
        auto port = host_->Listen(0);
        ASSERT_TRUE(port.has_value());
        serving_ = std::thread([this] { host_->Run(); });
        while (!host_->running()) {
            std::this_thread::yield();
        }
        client_ = std::make_unique<httplib::Client>("127.0.0.1", *port);
    }
    void TearDown() override
    {
        client_.reset();
        host_->Stop();
        if (serving_.joinable()) {
            serving_.join();
        }
        host_.reset();
    }

    std::string Bridge(int windowId, const std::string &request)
    {
        auto result = client_->Post("/bridge/" + std::to_string(windowId), request, "text/plain");
        EXPECT_TRUE(result);
        if (!result) {
            return "<no answer>";
        }
        EXPECT_EQ(result->status, 200);
        return result->body;
    }

    int Status(const std::string &path)
    {
        auto result = client_->Get(path);
        return result ? result->status : -1;
    }

    // The core writes to its settings database; other tests read the staged one.
    basekit::test_support::ScratchCopy database_{QEL_STAGE_DIR "/sys.db"};
    std::unique_ptr<PageHost> host_;
    std::thread serving_;
    std::unique_ptr<httplib::Client> client_;
};

struct BridgeCase {
    const char *request;
    std::wstring reply;
};

TEST_F(PageHostTest, TheMainWindowsBridgeAnswersAsExecuteDoes)
{
    const std::wstring noSuchMethod = basekit::JsonUtil::Msg(L"error", L"没有该方法！");
    const BridgeCase cases[] = {
        {R"({"method":"NoSuchMethod"})", noSuchMethod},
        {R"({"method":"exit"})", noSuchMethod},
        {R"({"method":"没有"})", noSuchMethod},
        {"not json at all", noSuchMethod},
        {"[1,2,3]", noSuchMethod},
        {"", noSuchMethod},
        {R"({"method":"getLotDetailById"})", L""},
        {R"({"method":"SystemEvent","dataType":"minimize"})", basekit::JsonUtil::Msg(L"ok", L"done")},
    };
    for (const BridgeCase &c : cases) {
        SCOPED_TRACE(c.request);
        EXPECT_EQ(Bridge(host_->mainWindowId(), c.request), Utf8(c.reply));
    }
}

TEST_F(PageHostTest, AWindowThatIsNotOpenAnswersNothing)
{
    EXPECT_EQ(Bridge(999, R"({"method":"NoSuchMethod"})"), "");
    EXPECT_EQ(Bridge(0, R"({"method":"NoSuchMethod"})"), "");
    EXPECT_EQ(Status("/bridge/" + std::to_string(host_->mainWindowId())), 404); // POST only
}

TEST_F(PageHostTest, ServesTheResourcesAndTheBaseDirectoryOnly)
{
    auto page = client_->Get("/res/main.html");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->body, std::string(*resources::FindEmbedded("main.html")));
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html");

    auto error = client_->Get("/base/html/error2.html");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->status, 200);
    EXPECT_EQ(error->body, FileText(std::string(QEL_STAGE_DIR) + "/html/error2.html"));

    EXPECT_EQ(Status("/res/missing.html"), 404);
    EXPECT_EQ(Status("/base/html/missing.html"), 404);
    EXPECT_EQ(Status("/base/../CMakeCache.txt"), 403);
    EXPECT_EQ(Status("/base/html/../../CMakeCache.txt"), 403);
    EXPECT_EQ(Status("/base/%2e%2e/CMakeCache.txt"), 403);
    EXPECT_EQ(Status("/base/html/..%2F..%2FCMakeCache.txt"), 403);
}

TEST_F(PageHostTest, GivesEachWindowItsBridgeScript)
{
    auto script = client_->Get("/bridge-script/" + std::to_string(host_->mainWindowId()));
    ASSERT_TRUE(script);
    EXPECT_EQ(script->status, 200);
    std::string address = host_->address() + "/bridge/" + std::to_string(host_->mainWindowId());
    EXPECT_NE(script->body.find("\"" + address + "\""), std::string::npos);
    EXPECT_EQ(Status("/bridge-script/x"), 404);
}

TEST_F(PageHostTest, OpensPopUpsThatAnswerTheirOwnTable)
{
    auto opened = client_->Post("/popup", "", "text/plain");
    ASSERT_TRUE(opened);
    Json::Value answer = basekit::JsonUtil::JsonStrToJsonObj(basekit::UTF8ToUnicode(opened->body));
    const int id = basekit::JsonUtil::GetInt(answer, "id", 0);
    ASSERT_GT(id, 0);
    EXPECT_NE(id, host_->mainWindowId());
    // The pop-up's table: "exit" is its own, an unknown method answers nothing.
    EXPECT_EQ(Bridge(id, R"({"method":"NoSuchMethod"})"), "");
    EXPECT_EQ(Bridge(id, R"({"method":"generatePlan","oneBonus":1000,"minBonus":100,"qiShu":1})"),
              R"({size:"1",children:[{benQiTouRu:"2",qiHao:"1",rate:"1",revenue:"998",total:"2"}]})");
}

// The program as documented: started with a port of 0, it tells where it listens.
TEST(PageHostProgramTest, PrintsItsAddressAndAnswersThere)
{
    int output[2];
    ASSERT_EQ(pipe(output), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    std::string program = QEL_PAGE_HOST;
    std::string base = QEL_STAGE_DIR;
    const basekit::test_support::ScratchCopy database(base + "/sys.db");
    std::string databasePath = database.path().string();
    char *args[] = {program.data(),
                    const_cast<char *>("--base"),
                    base.data(),
                    const_cast<char *>("--port"),
                    const_cast<char *>("0"),
                    const_cast<char *>("--sys-db"),
                    databasePath.data(),
                    nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, args, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);

    FILE *lines = fdopen(output[0], "r");
    ASSERT_NE(lines, nullptr);
    char line[256] = {};
    ASSERT_NE(std::fgets(line, sizeof line, lines), nullptr);
    int port = 0;
    ASSERT_EQ(std::sscanf(line, "listening on http://127.0.0.1:%d", &port), 1) << line;

    ASSERT_NE(std::fgets(line, sizeof line, lines), nullptr);
    int mainWindow = 0;
    ASSERT_EQ(std::sscanf(line, "main window bridge: http://127.0.0.1:%*d/bridge/%d", &mainWindow), 1)
        << line;

    httplib::Client client("127.0.0.1", port);
    auto result =
        client.Post("/bridge/" + std::to_string(mainWindow), R"({"method":"NoSuchMethod"})", "text/plain");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->body, Utf8(basekit::JsonUtil::Msg(L"error", L"没有该方法！")));

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    std::fclose(lines);
}

} // namespace
} // namespace qel::testhost

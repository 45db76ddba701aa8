// HttpClient against a small server on 127.0.0.1 that records what it received.
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>
#include <httplib.h>

#include "basekit/http_client.h"
#include "support/closed_port.h"

namespace {

using basekit::HttpClient;
using basekit::HttpResult;
using basekit::HttpTimeouts;

class HttpClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        server_.Get("/ok", [this](const httplib::Request &request, httplib::Response &response) {
            Record(request);
            response.set_content("{\"flag\":\"ok\",\"msg\":\"好\"}\r\nsecond line", "text/plain");
        });
        server_.Get("/missing",
                    [](const httplib::Request &, httplib::Response &response) { response.status = 404; });
        server_.Get("/moved", [](const httplib::Request &, httplib::Response &response) {
            response.set_redirect("/ok");
        });
        server_.Get("/stall", [](const httplib::Request &, httplib::Response &response) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            response.set_content("late", "text/plain");
        });
        server_.Post("/form", [this](const httplib::Request &request, httplib::Response &response) {
            Record(request);
            response.set_content(R"({"flag":"ok"})", "text/plain");
        });
        server_.Post("/broken",
                     [](const httplib::Request &, httplib::Response &response) { response.status = 500; });
        port_ = server_.bind_to_any_port("127.0.0.1");
        ASSERT_GT(port_, 0);
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    void TearDown() override
    {
        server_.stop();
        thread_.join();
    }

    void Record(const httplib::Request &request)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        param_ = request.has_param("param") ? request.get_param_value("param") : "<none>";
        accept_ = request.get_header_value("Accept");
        contentType_ = request.get_header_value("Content-Type");
        body_ = request.body;
    }

    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::mutex mutex_;
    std::string param_, accept_, contentType_, body_;
};

TEST_F(HttpClientTest, GetSendsTheParamEncodedAndReadsTheFirstLine)
{
    // Quotes, blanks, "&", "#", "%", "+" and Chinese text arrive as they were given.
    const std::wstring param = L"{\"a\":\"b c&d#e%f+g\",\"中\":\"文\"}";
    HttpResult result = HttpClient::Get(L"127.0.0.1", L"/ok", param, port_);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.body, "{\"flag\":\"ok\",\"msg\":\"好\"}");
    EXPECT_EQ(param_, "{\"a\":\"b c&d#e%f+g\",\"中\":\"文\"}");
    EXPECT_EQ(accept_, std::string(HttpClient::kAcceptHeader).substr(8));
}

TEST_F(HttpClientTest, StatusOtherThan200IsReportedWithoutBody)
{
    HttpResult missing = HttpClient::Get(L"127.0.0.1", L"/missing", L"{}", port_);
    EXPECT_TRUE(missing.transportOk);
    EXPECT_EQ(missing.status, 404);
    EXPECT_FALSE(missing.ok());
    // Redirects are not followed.
    HttpResult moved = HttpClient::Get(L"127.0.0.1", L"/moved", L"{}", port_);
    EXPECT_EQ(moved.status, 302);
    EXPECT_TRUE(moved.body.empty());
    HttpResult broken = HttpClient::Post(L"127.0.0.1", L"/broken", "param=x", port_);
    EXPECT_EQ(broken.status, 500);
    EXPECT_FALSE(broken.ok());
}

TEST_F(HttpClientTest, PostSendsTheFormBodyAsItStands)
{
    HttpResult result = HttpClient::Post(L"127.0.0.1", L"/form", R"(param={"content":"x y"})", port_);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(body_, R"(param={"content":"x y"})");
    EXPECT_EQ(contentType_, "application/x-www-form-urlencoded;");
}

TEST_F(HttpClientTest, StalledServerEndsWithinTheTotalTimeout)
{
    const auto start = std::chrono::steady_clock::now();
    HttpResult result = HttpClient::Get(L"127.0.0.1", L"/stall", L"{}", port_, HttpTimeouts{1000, 300});
    EXPECT_FALSE(result.transportOk);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1400));
}

TEST_F(HttpClientTest, CancelledCallGivesUpBeforeTheServerAnswers)
{
    // A flag that stays down changes nothing.
    std::atomic<bool> cancelled{false};
    HttpTimeouts timeouts{1000, 10000};
    timeouts.cancelled = &cancelled;
    EXPECT_TRUE(HttpClient::Get(L"127.0.0.1", L"/ok", L"{}", port_, timeouts).ok());
    // The server answers after 1.5 s; the flag is raised at once and the call is told about it
    // within a second.
    std::thread raise([&cancelled] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        cancelled = true;
    });
    const auto start = std::chrono::steady_clock::now();
    HttpResult result = HttpClient::Get(L"127.0.0.1", L"/stall", L"{}", port_, timeouts);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    raise.join();
    EXPECT_FALSE(result.transportOk);
    EXPECT_LT(elapsed, std::chrono::milliseconds(1400));
}

TEST(HttpClientAddress, BadPortsAndHostsFailBeforeSending)
{
    for (int port : {0, -1, 65536, 80000}) {
        HttpResult result = HttpClient::Get(L"127.0.0.1", L"/ok", L"{}", port);
        EXPECT_FALSE(result.transportOk) << port;
        EXPECT_EQ(result.error, "port out of range");
    }
    for (const wchar_t *host : {L"", L"example.org/x", L"user@host", L"a b", L"host:80", L"[::1"}) {
        EXPECT_EQ(HttpClient::Get(host, L"/ok", L"{}", 8080).error, "not a host name");
    }
    EXPECT_TRUE(HttpClient::IsPlainHost(L"[::1]"));
    EXPECT_TRUE(HttpClient::IsPlainHost(L"data.example-1.org"));
}

TEST(HttpClientAddress, RefusedConnectionIsATransportFailure)
{
    const int port = basekit::test_support::ClosedLoopbackPort();
    ASSERT_GT(port, 0);
    HttpResult result = HttpClient::Get(L"127.0.0.1", L"/ok", L"{}", port, HttpTimeouts{1000, 2000});
    EXPECT_FALSE(result.transportOk);
    EXPECT_EQ(result.status, 0);
}

TEST(HttpClientEncoding, OnlyUnreservedBytesStayAsTheyAre)
{
    EXPECT_EQ(HttpClient::PercentEncode("aZ09-._~"), "aZ09-._~");
    EXPECT_EQ(HttpClient::PercentEncode("{\"a\": 1+2}&#%"), "%7B%22a%22%3A%201%2B2%7D%26%23%25");
    EXPECT_EQ(HttpClient::PercentEncode("中"), "%E4%B8%AD");
}

} // namespace

// Past draws from the stand-in service through the trend window's bridge into its chain and out as
// history tables: draws that are no draws of the game, a reply of very many draws, and the
// special number of the seven-of-30 game.
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <httplib.h>
#include <json/json.h>

#include "basekit/text_convert.h"
#include "standin_in_thread.h"
#include "standin_server.h"
#include "support/history_fixture.h"
#include "test_app.h"

extern char **environ; // NOLINT: posix_spawn passes the test's environment on

namespace qel::testing {
namespace {

Json::Value DrawItem(int number, const std::string &lottery)
{
    Json::Value draw;
    draw["qiHao"] = std::to_string(2000000 + number);
    draw["lotDate"] = "2024-01-01";
    draw["lottery"] = lottery;
    return draw;
}

// The trend window of a game against a service on port: it fetches the newest draws into its own
// chain and answers the requests after that.
std::vector<std::wstring> TrendWindowReplies(int port, const std::wstring &game, int drawCount,
                                             const std::vector<std::wstring> &requests)
{
    TestApp t;
    t.app->runtimeConfig()[L"host"] = L"127.0.0.1";
    t.app->runtimeConfig()[L"port"] = std::to_wstring(port);
    t.app->runtimeConfig()[L"productName"] = game;
    t.app->runtimeConfig()[L"lotteryCategory"] = game;
    t.app->dataService().SetTimeouts({2000, 120000});
    t.windows.popupRequests = {L"{\"method\":\"GetDataAnalysis\",\"productName\":\"" + game +
                               L"\",\"type\":\"byQiShu\",\"rowNumber\":\"" + std::to_wstring(drawCount) +
                               L"\"}"};
    t.windows.popupRequests.insert(t.windows.popupRequests.end(), requests.begin(), requests.end());
    t.Main(L"{\"method\":\"GetDataAnalysis\"}");
    return t.windows.popupReplies;
}

std::wstring TableRequest(const std::wstring &game, const std::wstring &tab)
{
    return L"{\"method\":\"GetDetailedData\",\"productName\":\"" + game + L"\",\"tab\":\"" + tab + L"\"}";
}

// The draw numbers ("qiHao") of the draw rows of a table reply.
std::vector<std::wstring> DrawNumbersOf(const std::wstring &table)
{
    std::vector<std::wstring> numbers;
    if (table.empty()) {
        return numbers; // a type that names no table of the game
    }
    for (const basekit::OrderedRow &row : testsupport::ParseListReply(table)) {
        // The summary rows are named; they count "qiHao" too.
        if (testsupport::ValueOf(row, L"name") == L"<missing>") {
            numbers.push_back(testsupport::ValueOf(row, L"qiHao"));
        }
    }
    return numbers;
}

// ---- The stand-in as a process of its own -----------------------------------------------------

// The stand-in as a process of its own, so that its memory is not the program's.
class StandinProcess {
public:
    StandinProcess()
    {
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> args = {QEL_STANDIN_PROGRAM, "--port", "0", "--fixtures",
                                         QEL_STANDIN_FIXTURES};
        std::vector<char *> argv;
        argv.reserve(args.size() + 1);
        for (std::string &a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, QEL_STANDIN_PROGRAM, &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = 0;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        FILE *lines = fdopen(out[0], "r");
        char line[128] = {};
        if (pid_ != 0 && lines && std::fgets(line, sizeof line, lines)) {
            std::sscanf(line, "listening on http://127.0.0.1:%d", &port_); // NOLINT(cert-err34-c)
        }
        if (lines) {
            std::fclose(lines);
        }
    }
    ~StandinProcess()
    {
        if (pid_ != 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    StandinProcess(const StandinProcess &) = delete;
    StandinProcess &operator=(const StandinProcess &) = delete;

    int port() const { return port_; }

    bool SetDraws(const std::string &game, const Json::Value &draws) const
    {
        httplib::Client client("127.0.0.1", port_);
        client.set_read_timeout(120, 0);
        client.set_write_timeout(120, 0);
        Json::StreamWriterBuilder builder;
        builder["indentation"] = "";
        auto reply =
            client.Post("/standin/draws?game=" + game, Json::writeString(builder, draws), "application/json");
        return reply && reply->status == 200;
    }

    // The size of the reply of the newest count draws of game, as the program receives it.
    std::size_t ReplyBytes(const std::string &game, int count) const
    {
        httplib::Client client("127.0.0.1", port_);
        client.set_read_timeout(120, 0);
        const std::string param =
            R"({"productName":")" + game + R"(","type":"byQiShu","rowNumber":)" + std::to_string(count) + "}";
        auto reply =
            client.Get("/lot/getDataAnalysis", httplib::Params{{"param", param}}, httplib::Headers{});
        return reply && reply->status == 200 ? reply->body.size() : 0;
    }

private:
    pid_t pid_ = 0;
    int port_ = 0;
};

// The largest resident size of this process since ResetPeak, in kB (VmHWM).
long PeakKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

// Makes the peak the present resident size.
void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// ---- Draws that are no draws of the game --------------------------------------------------------

const std::wstring kRedBall =
    L"'display:inline-block;width:18px;height:18px;line-height:18px;background-image:url("
    L"&quot;qel://base/images/redBall18.png&quot;);color:white;margin-left:2px;"
    L"text-align:center;font-size:12px;'";
const std::wstring kBlueBall =
    L"'display:inline-block;width:18px;height:18px;line-height:18px;background-image:url("
    L"&quot;qel://base/images/blueBall18.png&quot;);color:white;margin-left:2px;"
    L"text-align:center;font-size:12px;'";

// Every table type the dispatcher knows.
const std::vector<std::wstring> kTableTypes = {
    L"base",   L"blue",     L"distribution", L"pos0",    L"pos1", L"pos2",  L"pos3",  L"pos4",      L"pos5",
    L"pos6",   L"bigSmall", L"oddEven",      L"zhiHe",   L"span", L"heZhi", L"luShu", L"threeArea", L"other",
    L"wuXing", L"lianHao",  L"sameTail",     L"sameNum", L"w5",   L"w6",    L"w7"};

class DrawTablesTest : public ::testing::Test {
protected:
    // The tables of every type over the draws the service serves for game, as the trend window
    // shows them after fetching count draws.
    std::vector<std::wstring> Tables(const std::wstring &game, const std::vector<std::string> &draws)
    {
        Json::Value items(Json::arrayValue);
        int n = 0;
        for (const std::string &lottery : draws) {
            items.append(DrawItem(++n, lottery));
        }
        EXPECT_TRUE(standin_.server().SetDraws(basekit::CStrW2CStrA(game), {items.begin(), items.end()}));
        std::vector<std::wstring> requests;
        requests.reserve(kTableTypes.size());
        for (const std::wstring &type : kTableTypes) {
            requests.push_back(TableRequest(game, type));
        }
        std::vector<std::wstring> replies = TrendWindowReplies(standin_.port(), game, 30, requests);
        EXPECT_EQ(replies.size(), 1 + kTableTypes.size());
        EXPECT_EQ(replies.empty() ? L"" : replies[0], L"{flag:\"ok\",msg:\"已经从服务器获取数据并缓存！\"}");
        if (!replies.empty()) {
            replies.erase(replies.begin());
        }
        return replies;
    }

    StandinInThread standin_;
};

// Numbers no game has, from a hostile service, reach no table (the sums of the "other" table and
// the statistics behind the others took them in 32 bits): only the draws of the game are shown.
TEST_F(DrawTablesTest, DrawsThatNoGameHasAreLeftOutOfEveryTable)
{
    const std::vector<std::string> hostile = {
        "-2147483648,2147483647,5",
        "2147483647,2147483647,2147483647",
        "2147483647,-2147483648,0,0,0,0,0",
        "999999999,999999999,999999999,999999999,999999999,999999999,999999999",
        "1e3,2,3",
        "0x10,1,2",
        "",
        "1,,2",
        " , , ",
        "4,5,6,7,8,9,10,11,12,13"};
    struct Case {
        const wchar_t *game;
        std::vector<std::string> valid; // served between the hostile draws
        std::vector<std::string> invalid;
    };
    const std::vector<Case> cases = {
        {L"Magic3", {"1,1,5", "0,9,9"}, {"10,1,2", "1,2", "1,2,3,4"}},
        {L"Tc7Of10", {"4,7,2,2,1,3,9"}, {"4,7,2,2,1,3,10", "4,7,2,2,1,3"}},
        {L"Fc6Of10", {"6,2,4,7,2,1,3"}, {"6,2,4,7,2,1,13", "6,2,4,7,2,1,0"}},
        {L"Tc5Of35",
         {"05,10,15,29,32,05,10"},
         {"05,10,15,29,36,05,10", "05,05,15,29,32,05,10", "05,10,15,29,32,05,13"}},
        {L"Fc6Of33",
         {"01,06,08,12,16,21,10"},
         {"01,06,08,12,16,34,10", "01,06,08,12,16,21,17", "00,06,08,12,16,21,10"}},
        {L"Fc7Of30",
         {"01,05,06,16,17,25,29,09"},
         {"01,05,06,16,17,25,29", "01,05,06,16,17,25,29,05", "01,05,06,16,17,25,31,09",
          "01,05,06,16,17,25,29,31"}},
        {L"Hd5Of15", {"02,03,06,08,13"}, {"02,03,06,08,16", "02,02,06,08,13"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(basekit::CStrW2CStrA(c.game));
        std::vector<std::string> served = hostile;
        served.insert(served.end(), c.invalid.begin(), c.invalid.end());
        std::vector<std::wstring> expected;
        for (const std::string &draw : c.valid) {
            served.push_back(draw);
            expected.push_back(std::to_wstring(2000000 + served.size()));
            served.push_back(hostile[served.size() % hostile.size()]);
        }
        const std::vector<std::wstring> tables = Tables(c.game, served);
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const std::vector<std::wstring> shown = DrawNumbersOf(tables[i]);
            // A type the game does not chart answers no rows, or one of its own tables.
            if (!shown.empty()) {
                EXPECT_EQ(shown, expected) << basekit::CStrW2CStrA(kTableTypes[i]);
            }
        }
        EXPECT_EQ(DrawNumbersOf(tables[0]), expected) << "base";
    }
}

// The rule-out rows take the same check: of the draws served, only the game's are ruled out.
TEST_F(DrawTablesTest, RuleOutTakesOnlyTheDrawsOfTheGame)
{
    Json::Value items(Json::arrayValue);
    int n = 0;
    for (const char *lottery :
         {"01,05,06,16,17,25,29,09", "-2147483648,2147483647,5,6,7,8,9,10", "01,05,06,16,17,25,31,09",
          "01,05,06,16,17,25,29", "02,03,12,14,15,25,27,18"}) {
        items.append(DrawItem(++n, lottery));
    }
    ASSERT_TRUE(standin_.server().SetDraws("Fc7Of30", {items.begin(), items.end()}));
    TestApp t;
    t.app->runtimeConfig()[L"host"] = L"127.0.0.1";
    t.app->runtimeConfig()[L"port"] = std::to_wstring(standin_.port());
    t.app->runtimeConfig()[L"lotteryCategory"] = L"Fc7Of30";
    t.app->mainWindow().context().SwitchPlugin(L"Fc7Of30");
    calculation::AbstractFilterChain *chain = t.app->mainWindow().context().chain();
    ASSERT_NE(chain, nullptr);
    EXPECT_EQ(t.Main(L"{\"method\":\"InstallOldDataForRuleOut\",\"type\":\"byQiShu\",\"rowNumber\":100,"
                     L"\"productName\":\"Fc7Of30\"}"),
              L"{flag:\"ok\",msg:\"数据加载成功！\"}");
    ASSERT_NE(chain->GetLastFilter(), nullptr);
    EXPECT_EQ(chain->GetLastFilter()->ruleOutCount(), 2);
}

// ---- The special number of the seven-of-30 game --------------------------------------------------

// The draw's eighth number is its special number: every table shows it as a blue ball after the
// seven red ones, and the back-area table charts it over the pool 1-30.
TEST_F(DrawTablesTest, TheSpecialNumberOfSevenOf30ShowsInEveryTable)
{
    const std::vector<std::wstring> tables =
        Tables(L"Fc7Of30", {"01,05,06,16,17,25,29,09", "02,03,12,14,15,25,27,18"});
    std::wstring red;
    for (const wchar_t *number : {L"01", L"05", L"06", L"16", L"17", L"25", L"29"}) {
        red += testsupport::Span(kRedBall, number);
    }
    int charted = 0;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (tables[i].empty()) {
            continue; // a type this game does not chart
        }
        const std::vector<basekit::OrderedRow> rows = testsupport::ParseListReply(tables[i]);
        ASSERT_FALSE(rows.empty()) << basekit::CStrW2CStrA(kTableTypes[i]);
        ++charted;
        SCOPED_TRACE(basekit::CStrW2CStrA(kTableTypes[i]));
        // The "other" table writes its balls without a back style.
        const std::wstring special = testsupport::Span(kTableTypes[i] == L"other" ? L"" : kBlueBall, L"09");
        EXPECT_EQ(testsupport::ValueOf(rows[0], L"lottery"), red + special);
    }
    // base, blue, distribution, seven positions, three shapes, span, sum, two routes, other,
    // elements and the three patterns.
    EXPECT_EQ(charted, 22);

    const std::vector<basekit::OrderedRow> blue = testsupport::ParseListReply(tables[1]);
    ASSERT_EQ(blue.size(), 2U + 6U);
    for (int v = 1; v <= 30; ++v) {
        const std::wstring cell = testsupport::ValueOf(blue[0], L"pos" + std::to_wstring(v - 1));
        EXPECT_EQ(cell, v == 9 ? testsupport::Marked(0, kBlueBall, L"09") : L"") << v;
    }
    EXPECT_EQ(testsupport::ValueOf(blue[0], L"blue"), L"09");
    EXPECT_EQ(testsupport::ValueOf(blue[0], L"bigSmall"), L"小"); // big from 30 / 2 + 1
    EXPECT_EQ(testsupport::ValueOf(blue[0], L"oddEven"), L"奇");
    EXPECT_EQ(testsupport::ValueOf(blue[1], L"pos17"), testsupport::Marked(0, kBlueBall, L"18"));
    EXPECT_EQ(testsupport::ValueOf(blue[1], L"bigSmall"), L"大");
    EXPECT_EQ(testsupport::ValueOf(blue[1], L"oddEven"), L"偶");
}

// ---- A reply of very many draws ------------------------------------------------------------------

#if defined(__SANITIZE_ADDRESS__)
constexpr long kAllowanceKb = 768L * 1024; // the sanitizer's shadow and quarantine of freed memory
#elif defined(__SANITIZE_THREAD__)
constexpr long kAllowanceKb = 1024L * 1024; // the sanitizer's shadow of every byte touched
#else
constexpr long kAllowanceKb = 32L * 1024;
#endif

// Draws of seven digits, each a draw of "Tc7Of10".
Json::Value ManyDraws(int count)
{
    Json::Value draws(Json::arrayValue);
    for (int i = 0; i < count; ++i) {
        std::string lottery;
        for (int p = 0; p < 7; ++p) {
            lottery += (p ? "," : "") + std::string(1, static_cast<char>('0' + (i + p * 3) % 10));
        }
        draws.append(DrawItem(i, lottery));
    }
    return draws;
}

// The peak memory of fetching a reply of 10^4 and 10^5 draws (about 1.7 and 17 MB of text) and
// showing a table of them: the cache keeps the newest 1,000, the table shows those, and the
// peak grows with the reply's size (a few times its text while it is parsed), not with gigabytes.
TEST(LargeDrawReplyTest, PeakMemoryGrowsWithTheReplyAndTheKeptDraws)
{
    StandinProcess service;
    ASSERT_NE(service.port(), 0);
    const std::size_t kept = calculation::AbstractFilterChain::kMaxCachedDraws;
    for (int count : {10000, 100000}) {
        SCOPED_TRACE(count);
        ASSERT_TRUE(service.SetDraws("Tc7Of10", ManyDraws(count)));
        const long replyKb = static_cast<long>(service.ReplyBytes("Tc7Of10", count) / 1024);
        ASSERT_GT(replyKb, 0);
        malloc_trim(0);
        const long before = ResidentKilobytes();
        ResetPeak();
        const std::vector<std::wstring> replies =
            TrendWindowReplies(service.port(), L"Tc7Of10", count, {TableRequest(L"Tc7Of10", L"base")});
        const long grown = PeakKilobytes() - before;
        ASSERT_EQ(replies.size(), 2U);
        const std::vector<std::wstring> shown = DrawNumbersOf(replies[1]);
        ASSERT_EQ(shown.size(), kept);
        EXPECT_EQ(shown.back(), std::to_wstring(2000000 + count - 1)) << "the newest are kept";
        std::printf("%d draws (%ld kB of reply): peak %ld kB above the %ld kB before\n", count, replyKb,
                    grown, before);
        // Ten times the reply while it is read, 64 kB per kept draw for the cache and its table.
        EXPECT_LT(grown, 10 * replyKb + 64 * static_cast<long>(kept) + kAllowanceKb);
    }
}

} // namespace
} // namespace qel::testing

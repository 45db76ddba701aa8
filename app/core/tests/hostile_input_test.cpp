// Requests and files as an attacker or a careless user sends them, through the main window's
// bridge: numbers no game has, integers at the ends of their range, files that are huge or not
// files at all, and saves beside files and links that are not the program's.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "basekit/text_convert.h"
#include "files/user_files.h"
#include "test_app.h"

namespace qel::testing {
namespace {

namespace fs = std::filesystem;

std::string Narrow(const std::wstring &text)
{
    return basekit::CStrW2CStrA(text);
}

std::wstring Wide(const std::string &text)
{
    return basekit::CStrA2CStrW(text);
}

class HostileInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("qel-hostile-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string &name) const { return (dir / name).string(); }
    static void Write(const std::string &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Magic3 with the four group-of-six rows 048, 049, 089 and 489.
    void BindMagic3()
    {
        t.app->mainWindow().context().SwitchPlugin(L"Magic3");
        std::wstring page = t.Main(Filter(L""));
        ASSERT_NE(page.find(L"total:4,"), std::wstring::npos) << Narrow(page);
    }
    static std::wstring Filter(const std::wstring &oldNumbers)
    {
        std::wstring source = oldNumbers.empty() ? L"dataSourceNew" : L"dataSourceOld";
        std::wstring items = L"{\"name\":\"dataSource\",\"chosenItem\":\"" + source +
                             L"\"},{\"name\":\"castType\",\"chosenItem\":\"zuLiu\"},{\"name\":\"maxWrong\","
                             L"\"chosenItem\":\"0\"},{\"name\":\"baseNums\",\"chosenItem\":\"0,4,8,9\"}";
        if (!oldNumbers.empty()) {
            items += L",{\"name\":\"oldNum\",\"chosenItem\":\"" + oldNumbers + L"\"}";
        }
        return L"{\"method\":\"Filter\",\"items\":[" + items + L"]}";
    }
    static std::wstring Total(const std::wstring &page)
    {
        std::size_t at = page.find(L"total:");
        return at == std::wstring::npos ? page : page.substr(at, page.find(L',', at) - at);
    }

    TestApp t;
    fs::path dir;
};

TEST_F(HostileInputTest, TypedRowsHoldOnlyNumbersOfTheGame)
{
    BindMagic3();
    const std::wstring notOfGame = L"{flag:\"error\",msg:\"号码超出本彩种的号码范围！\"}";
    const std::wstring wrongCount = L"{flag:\"error\",msg:\"号码个数不正确！\"}";
    struct Case {
        const wchar_t *row;
        std::wstring reply; // empty: the row is added
    };
    const Case cases[] = {
        {L"2147483647,2147483647,2147483647", notOfGame},
        {L"-2147483648,1,2", notOfGame},
        {L"99999999999,1,2", notOfGame},
        {L"1,2,10", notOfGame},
        {L"1,-1,2", notOfGame},
        {L"1,2", wrongCount},
        {L"", wrongCount},
        {L"1,2,3,4", wrongCount},
        {L"9,0,9", L""},
        {L"123", L""},
    };
    for (const Case &c : cases) {
        std::wstring reply = t.Main(L"{\"method\":\"AddRow\",\"row\":\"" + std::wstring(c.row) + L"\"}");
        if (c.reply.empty()) {
            EXPECT_EQ(reply.rfind(L"{size:", 0), 0U) << Narrow(c.row) << ": " << Narrow(reply);
        } else {
            EXPECT_EQ(reply, c.reply) << Narrow(c.row);
        }
    }
    std::wstring page =
        t.Main(L"{\"method\":\"GetResultByPage\",\"pageNum\":1,\"pageSize\":100,\"type\":\"\"}");
    EXPECT_EQ(Total(page), L"total:6");
    EXPECT_NE(page.find(L"sum:\"18\""), std::wstring::npos) << "909 is paged with its sum";
}

TEST_F(HostileInputTest, IntegersOfARequestAreBroughtIntoRangeBeforeArithmetic)
{
    BindMagic3();
    struct Case {
        const wchar_t *request;
        const wchar_t *total; // of the result list afterwards
        const wchar_t *size;  // rows on the page answered
    };
    const Case cases[] = {
        {LR"({"method":"DeleteRows","type":"0","rowNumber":-2147483648,"pageNumber":1,"pageSize":100})",
         L"total:4", L"size:\"4\""},
        {LR"({"method":"DeleteRows","type":"0","rowNumber":"-2147483648","pageNumber":1,"pageSize":100})",
         L"total:4", L"size:\"4\""},
        {LR"({"method":"DeleteRows","type":"0","rowNumber":-9223372036854775808,"pageNumber":-2147483648,"pageSize":-2147483648})",
         L"total:4", L"size:\"1\""},
        {LR"({"method":"DeleteRows","type":"0","rowNumber":1e300,"pageNumber":2147483647,"pageSize":2147483647})",
         L"total:4", L"size:\"0\""},
        {LR"({"method":"DeleteRows","type":"0","rowNumber":18446744073709551615,"pageNumber":1,"pageSize":100})",
         L"total:4", L"size:\"4\""},
        {LR"({"method":"GetResultByPage","type":"","pageNum":2147483647,"pageSize":2147483647})", L"total:4",
         L"size:\"0\""},
        {LR"({"method":"GetResultByPage","type":"","pageNum":-2147483648,"pageSize":"2"})", L"total:4",
         L"size:\"2\""},
        {LR"({"method":"DeleteRows","type":"0","rowNumber":4,"pageNumber":1,"pageSize":100})", L"total:3",
         L"size:\"3\""},
    };
    for (const Case &c : cases) {
        std::wstring page = t.Main(c.request);
        EXPECT_EQ(Total(page), c.total) << Narrow(c.request);
        EXPECT_EQ(page.rfind(c.size, 1), 1U) << Narrow(c.request) << ": " << Narrow(page);
    }
}

TEST_F(HostileInputTest, ADragOfAPopupMovesByLessThanAScreen)
{
    t.windows.popupRequests = {LR"({"method":"moveWin","deltaLeft":2147483647,"deltaTop":-2147483648})",
                               LR"({"method":"moveWin","deltaLeft":"-5","deltaTop":7})"};
    t.Main(L"{\"method\":\"showLuckyWin\"}");
    ASSERT_EQ(t.windows.moves.size(), 2U);
    EXPECT_EQ(t.windows.moves[0], std::make_pair(65536, -65536));
    EXPECT_EQ(t.windows.moves[1], std::make_pair(-5, 7));
}

TEST_F(HostileInputTest, OpenedFilesMustBeRegularFilesOfASensibleSize)
{
    const std::wstring broken = L"{flag:\"error\",msg:\"文件不存在或文件格式不正确或已损坏！\"}";
    ASSERT_EQ(::mkfifo(Path("pipe.txt").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(Path("pipe.sc").c_str(), 0600), 0);
    fs::create_directories(Path("folder.txt"));
    Write(Path("huge.txt"), std::string((std::size_t{1} << 20) + 1, '1'));
    std::string manyRows;
    for (int i = 0; i < 10001; ++i) {
        manyRows += "123\r\n";
    }
    Write(Path("rows.txt"), manyRows);
    Write(Path("huge.sc"), R"({"a":")" + std::string(std::size_t{4} << 20, 'x') + R"("})");
    ASSERT_EQ(::symlink(Path("pipe.txt").c_str(), Path("link-to-pipe.txt").c_str()), 0);

    struct Case {
        const char *method;
        std::string path;
        std::wstring reply;
    };
    const Case cases[] = {
        {"OpenOldNum", Path("pipe.txt"), broken},
        {"OpenOldNum", Path("link-to-pipe.txt"), broken},
        {"OpenOldNum", Path("folder.txt"), broken},
        {"OpenOldNum", "/dev/zero", broken},
        {"OpenOldNum", Path("huge.txt"), L"{flag:\"error\",msg:\"文件过大，大底号码最大支持10000注！\"}"},
        {"OpenOldNum", Path("rows.txt"), L"{flag:\"error\",msg:\"大底号码最大支持10000注！\"}"},
        {"OpenScenario", Path("pipe.sc"), broken},
        {"OpenScenario", Path("huge.sc"), L"{flag:\"error\",msg:\"文件过大，不是本程序保存的方案！\"}"},
    };
    for (const Case &c : cases) {
        t.windows.openAnswers = {c.path};
        EXPECT_EQ(t.Main(L"{\"method\":\"" + Wide(c.method) + L"\"}"), c.reply) << c.method << " " << c.path;
    }
}

TEST_F(HostileInputTest, FilterRefusesOldNumberListsBeyondTheLimitBeforeItRuns)
{
    BindMagic3();
    auto rows = [](int count, const wchar_t *separator) {
        std::wstring text;
        for (int i = 0; i < count; ++i) {
            text += (i == 0 ? L"" : separator) + std::wstring(L"048");
        }
        return text;
    };
    std::wstring refused = t.Main(Filter(rows(10001, L"|")));
    EXPECT_EQ(refused, L"{flag:\"error\",msg:\"大底号码最大支持10000注！\"}");
    EXPECT_EQ(Total(t.Main(L"{\"method\":\"GetResultByPage\",\"pageNum\":1,\"pageSize\":100,\"type\":\"\"}")),
              L"total:4")
        << "a refused run leaves the current run alone";
    EXPECT_EQ(t.Main(Filter(rows(10001, L"\\r\\n"))), refused);
    std::wstring page = t.Main(Filter(rows(10000, L"\\r\\n\\r\\n")));
    EXPECT_NE(page.find(L"primaryTotal:10000,"), std::wstring::npos) << Narrow(page.substr(0, 200));
}

TEST_F(HostileInputTest, ASaveNeverTouchesAFileOrLinkBesideTheTarget)
{
    Write(Path("result.txt.part"), "someone else's");
    Write(Path("victim"), "keep me");
    ASSERT_EQ(::symlink(Path("victim").c_str(), Path("linked.txt.part").c_str()), 0);

    ASSERT_EQ(WriteUserFile(Path("result.txt"), L"048\r\n049"), std::error_code());
    ASSERT_EQ(WriteUserFile(Path("linked.txt"), L"089"), std::error_code());
    EXPECT_EQ(Read(Path("result.txt")), "048\r\n049");
    EXPECT_EQ(Read(Path("linked.txt")), "089");
    EXPECT_EQ(Read(Path("result.txt.part")), "someone else's");
    EXPECT_EQ(Read(Path("victim")), "keep me");
    EXPECT_TRUE(fs::is_symlink(Path("linked.txt.part")));

    int files = 0;
    for (const auto &entry : fs::directory_iterator(dir)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 5) << "no temporary file is left behind";

    struct stat info {};
    ASSERT_EQ(::stat(Path("result.txt").c_str(), &info), 0);
    mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << "a saved file gets the usual permissions";

    EXPECT_EQ(WriteUserFile(Path("no-such-folder/result.txt"), L"1"), std::errc::no_such_file_or_directory);
}

} // namespace
} // namespace qel::testing

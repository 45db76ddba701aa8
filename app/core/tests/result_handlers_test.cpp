// The result-list and file requests: pages, edits, and files saved and opened through the
// desktop's dialogs (here a fake), with their cancel and failure answers.
#include <gtest/gtest.h>

#include "basekit/text_convert.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "basekit/json_util.h"
#include "files/user_files.h"
#include "handlers/result_handlers.h"
#include "test_app.h"

namespace qel::testing {
namespace {

namespace fs = std::filesystem;
using basekit::JsonUtil;

class ResultHandlersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("qel-files-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string &name) const { return (dir / name).string(); }
    static std::string Read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const std::string &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void Bind()
    {
        t.app->mainWindow().context().SwitchPlugin(L"Magic3");
        std::wstring page = t.Main(
            L"{\"method\":\"Filter\",\"items\":[{\"name\":\"dataSource\",\"chosenItem\":"
            L"\"dataSourceNew\"},{\"name\":\"castType\",\"chosenItem\":\"zuLiu\"},{\"name\":"
            L"\"maxWrong\",\"chosenItem\":\"0\"},{\"name\":\"baseNums\",\"chosenItem\":\"0,4,8,9\"}]}");
        ASSERT_NE(page.find(L"total:4,"), std::wstring::npos) << basekit::CStrW2CStrA(page);
    }

    TestApp t;
    fs::path dir;
};

TEST_F(ResultHandlersTest, WithoutAGameTheResultRequestsAnswerEmptyPagesOrErrors)
{
    const std::wstring empty =
        L"{size:\"0\",items:[],total:0,primaryTotal:0,afterFilterLen:0,cutDownRate:\"0.00%\"}";
    EXPECT_EQ(t.Main(L"{\"method\":\"GetResultByPage\",\"pageNum\":1,\"pageSize\":100,\"type\":\"all\"}"),
              empty);
    EXPECT_EQ(t.Main(L"{\"method\":\"SearchResult\",\"type\":\"zuLiu\"}"), L"{size:\"0\",items:[],total:0}");
    EXPECT_EQ(t.Main(L"{\"method\":\"DeleteAll\"}"), empty);
    EXPECT_EQ(t.Main(L"{\"method\":\"AddRow\",\"row\":\"123\"}"), L"{flag:\"error\",msg:\"请先选择彩种！\"}");
    EXPECT_EQ(t.Main(L"{\"method\":\"SaveResult\",\"flag\":\"0\"}"),
              L"{flag:\"no_data\",msg:\"没有数据可保存！\"}");
}

TEST_F(ResultHandlersTest, PagesSearchesAndEdits)
{
    Bind();
    std::wstring page =
        t.Main(L"{\"method\":\"GetResultByPage\",\"pageNum\":2,\"pageSize\":3,\"type\":\"\"}");
    EXPECT_EQ(page.rfind(L"{size:\"1\",items:[{rowNumber:\"4\"", 0), 0U);
    page = t.Main(L"{\"method\":\"SearchResult\",\"type\":\"zuLiu\"}");
    EXPECT_EQ(page.substr(page.find(L"],total")), L"],total:4}");
    page = t.Main(L"{\"method\":\"GetResultByPage\",\"pageNum\":0,\"pageSize\":-5,\"type\":\"zuLiu\"}");
    EXPECT_EQ(page.rfind(L"{size:\"1\",items:[{rowNumber:\"1\"", 0), 0U)
        << "type other than all pages the search";
    page = t.Main(
        L"{\"method\":\"DeleteRows\",\"type\":\"0\",\"rowNumber\":1,\"pageNumber\":1,\"pageSize\":100}");
    EXPECT_NE(page.find(L"total:3,"), std::wstring::npos);
    page = t.Main(L"{\"method\":\"AddRow\",\"row\":\"1,2,3\"}");
    EXPECT_NE(page.find(L"total:4,"), std::wstring::npos);
    EXPECT_EQ(t.Main(L"{\"method\":\"AddRow\",\"row\":\"12\"}"),
              L"{flag:\"error\",msg:\"号码个数不正确！\"}");
    page = t.Main(L"{\"method\":\"DeleteAll\"}");
    EXPECT_NE(page.find(L"total:0,"), std::wstring::npos);
    EXPECT_TRUE(t.app->mainWindow().context().firstRun());
}

TEST_F(ResultHandlersTest, SaveResultWritesTheSaveTextOrSaysWhyNot)
{
    Bind();
    t.windows.saveAnswers = {std::nullopt, Path("result"), Path("kept.TXT"), Path("no-such-dir/x.txt")};
    EXPECT_EQ(t.Main(L"{\"method\":\"SaveResult\",\"flag\":\"0\"}"), L"{flag:\"error\",msg:\"保存取消！\"}");
    EXPECT_EQ(t.Main(L"{\"method\":\"SaveResult\",\"flag\":\"0\"}"), L"{flag:\"ok\",msg:\"保存成功！\"}");
    EXPECT_EQ(Read(Path("result.txt")), "048\r\n049\r\n089\r\n489");
    EXPECT_EQ(t.Main(L"{\"method\":\"SaveResult\",\"flag\":\"0\",\"lotFormat\":\"format1\"}"),
              L"{flag:\"ok\",msg:\"保存成功！\"}");
    EXPECT_TRUE(fs::exists(Path("kept.TXT")));
    // The failure names the file and the system's reason.
    EXPECT_EQ(t.Main(L"{\"method\":\"SaveResult\",\"flag\":\"0\"}"),
              L"{flag:\"error\",msg:\"保存失败：文件无法写入：" +
                  basekit::UTF8ToUnicode(Path("no-such-dir/x.txt")) + L"（No such file or directory）\"}");
    EXPECT_EQ(t.Main(L"{\"method\":\"SaveResult\",\"flag\":\"1\"}"),
              L"{flag:\"no_data\",msg:\"没有数据可保存！\"}");
}

TEST_F(ResultHandlersTest, ExtensionRule)
{
    EXPECT_EQ(WithExtension("a", FileKind::Text), "a.txt");
    EXPECT_EQ(WithExtension("a.TXT", FileKind::Text), "a.TXT");
    EXPECT_EQ(WithExtension("a.Txt", FileKind::Text), "a.Txt.txt");
    EXPECT_EQ(WithExtension("a.sc", FileKind::Scenario), "a.sc");
    EXPECT_EQ(WithExtension("a", FileKind::Scenario), "a.sc");
}

TEST_F(ResultHandlersTest, OldNumberFiles)
{
    struct Case {
        const char *name;
        std::string bytes;
        std::wstring reply;
    };
    const Case cases[] = {
        {"crlf.txt", "1 2 3\r\n4:5+6\r\n", L"{\"oldNum\":\"1,2,3|4,5,6|\",\"length\":2}"},
        {"lf", "123\n456", L"{\"oldNum\":\"123|456\",\"length\":1}"},
        {"cr.dat", "123\r456\r", L"{\"oldNum\":\"123|456|\",\"length\":2}"},
        {"script.txt", "1\",alert(1),\"", L"{flag:\"error\",msg:\"文件不存在或文件格式不正确或已损坏！\"}"},
    };
    for (const Case &c : cases) {
        Write(Path(c.name), c.bytes);
        t.windows.openAnswers = {Path(c.name)};
        EXPECT_EQ(t.Main(L"{\"method\":\"OpenOldNum\"}"), c.reply) << c.name;
    }
    t.windows.openAnswers = {std::nullopt, Path("missing.txt")};
    EXPECT_EQ(t.Main(L"{\"method\":\"OpenOldNum\"}"), L"{flag:\"cancel\",msg:\"取消打开结果！\"}");
    EXPECT_EQ(t.Main(L"{\"method\":\"OpenOldNum\"}"),
              L"{flag:\"error\",msg:\"文件不存在或文件格式不正确或已损坏！\"}");
}

TEST_F(ResultHandlersTest, OldNumberFileLimitIsTenThousandSeparators)
{
    std::string rows;
    for (int i = 0; i < 10001; ++i) {
        rows += "123";
        if (i < 10000) {
            rows += "\r\n";
        }
    }
    EXPECT_NE(OldNumberReply(basekit::CStrA2CStrW(rows)).find(L"\"length\":10000}"), std::wstring::npos);
    EXPECT_EQ(OldNumberReply(basekit::CStrA2CStrW(rows + "\r\n")),
              L"{flag:\"error\",msg:\"大底号码最大支持10000注！\"}");
}

TEST_F(ResultHandlersTest, ScenariosAreSavedAndReadBackAsJson)
{
    t.windows.saveAnswers = {Path("plan")};
    std::wstring request =
        L"{\"method\":\"SaveScenario\",\"items\":[{\"name\":\"heZhi\",\"chosenItem\":\"10\"}]}";
    EXPECT_EQ(t.Main(request), L"{flag:\"ok\",msg:\"保存成功！\"}");
    EXPECT_EQ(Read(Path("plan.sc")),
              "{\"items\":[{\"chosenItem\":\"10\",\"name\":\"heZhi\"}],\"method\":\"SaveScenario\"}\n");
    t.windows.openAnswers = {Path("plan.sc")};
    EXPECT_EQ(t.Main(L"{\"method\":\"OpenScenario\"}"),
              L"{\"items\":[{\"chosenItem\":\"10\",\"name\":\"heZhi\"}],\"method\":\"SaveScenario\"}");

    Write(Path("evil.sc"), "alert(1)");
    Write(Path("array.sc"), "[1,2]");
    t.windows.openAnswers = {Path("evil.sc"), Path("array.sc"), std::nullopt};
    const std::wstring broken = L"{flag:\"error\",msg:\"文件不存在或文件格式不正确或已损坏！\"}";
    EXPECT_EQ(t.Main(L"{\"method\":\"OpenScenario\"}"), broken);
    EXPECT_EQ(t.Main(L"{\"method\":\"OpenScenario\"}"), broken);
    EXPECT_EQ(t.Main(L"{\"method\":\"OpenScenario\"}"), L"{flag:\"cancel\",msg:\"取消导入！\"}");
    t.windows.saveAnswers = {std::nullopt};
    EXPECT_EQ(t.Main(request), L"{flag:\"cancel\",msg:\"保存取消！\"}");
}

// Save and open share one size limit: a scenario one byte above it is refused before anything is
// written (an older file of the chosen name stays as it was), one at the limit opens again.
TEST_F(ResultHandlersTest, AScenarioIsSavedOnlyWhenItOpensAgain)
{
    // {"method":"SaveScenario","oldNum":"…"} and the line end around the filler.
    const std::string frame = std::string(R"({"method":"SaveScenario","oldNum":""})") + "\n";
    auto request = [&](std::size_t fileBytes) {
        return basekit::CStrA2CStrW(R"({"method":"SaveScenario","oldNum":")" +
                                    std::string(fileBytes - frame.size(), '7') + "\"}");
    };
    const std::string old = std::string(R"({"method":"SaveScenario"})") + "\n";
    Write(Path("plan.sc"), old);

    t.windows.saveAnswers = {Path("plan")};
    EXPECT_EQ(t.Main(request(kMaxScenarioFileBytes + 1)),
              L"{flag:\"error\",msg:\"方案过大（超过4MB），无法保存！\"}");
    EXPECT_EQ(Read(Path("plan.sc")), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    t.windows.saveAnswers = {Path("plan")};
    EXPECT_EQ(t.Main(request(kMaxScenarioFileBytes)), L"{flag:\"ok\",msg:\"保存成功！\"}");
    EXPECT_EQ(fs::file_size(Path("plan.sc")), kMaxScenarioFileBytes);
    t.windows.openAnswers = {Path("plan.sc")};
    const std::wstring opened = t.Main(L"{\"method\":\"OpenScenario\"}");
    EXPECT_EQ(opened.size(), kMaxScenarioFileBytes - 1); // without its line end
    EXPECT_EQ(JsonUtil::GetString(JsonUtil::JsonStrToJsonObj(opened), "oldNum").size(),
              kMaxScenarioFileBytes - frame.size());
}

TEST_F(ResultHandlersTest, LuckyNumbersFromAPopup)
{
    t.windows.saveAnswers = {Path("lucky"), std::nullopt};
    t.windows.popupRequests = {L"{\"method\":\"SaveLuckyNum\",\"luckyNum\":\"01 02 03\"}",
                               L"{\"method\":\"SaveLuckyNum\",\"luckyNum\":\"1\"}",
                               L"{\"method\":\"SaveLuckyNum\",\"luckyNum\":\"" + std::wstring(1048576, L'1') +
                                   L"\"}"};
    t.Main(L"{\"method\":\"showLuckyWin\"}");
    ASSERT_EQ(t.windows.popupReplies.size(), 3U);
    EXPECT_EQ(t.windows.popupReplies[0], L"{flag:\"ok\",msg:\"保存成功！\"}");
    EXPECT_EQ(Read(Path("lucky.txt")), "01 02 03");
    EXPECT_EQ(t.windows.popupReplies[1], L"{flag:\"ok\",msg:\"保存取消！\"}");
    EXPECT_EQ(t.windows.popupReplies[2], L"{flag:\"error\",msg:\"号码太多，无法保存！\"}");
}

} // namespace
} // namespace qel::testing

// The betting-plan requests: the plan's reply, refused inputs, and saving through the desktop's
// dialog (here a fake) with its cancel and failure answers and the exact file.
#include "plan/plan_handlers.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <unistd.h>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "test_app.h"

namespace qel::testing {
namespace {

namespace fs = std::filesystem;
using basekit::JsonUtil;

const std::wstring kSaved = L"{flag:\"ok\",msg:\"保存成功！\"}";
const std::wstring kNothingToSave = L"{flag:\"error\",msg:\"没有计划可保存！\"}";

Json::Value Request(const std::wstring &text)
{
    return JsonUtil::JsonStrToJsonObj(text);
}

// "2024-01-05_07-08-09": digits where the shape has d, the rest as it stands.
bool IsTimeStamp(const std::string &text)
{
    const std::string shape = "dddd-dd-dd_dd-dd-dd";
    if (text.size() != shape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == 'd' ? !digit : text[i] != shape[i]) {
            return false;
        }
    }
    return true;
}

std::string Read(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class PlanHandlersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("qel-plan-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        // 2024-01-05 07:08:09: every field of the stamp has two digits (the year four).
        when_.tm_year = 2024 - 1900;
        when_.tm_mon = 0;
        when_.tm_mday = 5;
        when_.tm_hour = 7;
        when_.tm_min = 8;
        when_.tm_sec = 9;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string &name) const { return (dir_ / name).string(); }
    std::wstring Generate(const std::wstring &inputs)
    {
        return OnGeneratePlan(plan_, Request(L"{\"method\":\"generatePlan\"," + inputs + L"}"));
    }
    std::wstring Save() { return OnSavePlan(plan_, windows_, when_); }

    fs::path dir_;
    std::tm when_{};
    BettingPlan plan_;
    FakeWindowSystem windows_;
};

TEST_F(PlanHandlersTest, GeneratePlanAnswersTheRowsWithTheirKeysInOrder)
{
    EXPECT_EQ(Generate(L"\"oneBonus\":1000,\"minBonus\":100,\"qiShu\":3"),
              L"{size:\"3\",children:["
              L"{benQiTouRu:\"2\",qiHao:\"1\",rate:\"1\",revenue:\"998\",total:\"2\"},"
              L"{benQiTouRu:\"2\",qiHao:\"2\",rate:\"1\",revenue:\"996\",total:\"4\"},"
              L"{benQiTouRu:\"2\",qiHao:\"3\",rate:\"1\",revenue:\"994\",total:\"6\"}]}");
    EXPECT_EQ(plan_.inputs.oneBonus, 1000);
    EXPECT_EQ(plan_.rows.size(), 3U);

    // No draws, or missing members (which read as 0): an empty plan, and nothing to save.
    EXPECT_EQ(Generate(L"\"oneBonus\":1000,\"minBonus\":100,\"qiShu\":0"), L"{size:\"0\",children:[]}");
    EXPECT_EQ(Save(), kNothingToSave);
    EXPECT_EQ(Generate(L"\"oneBonus\":1000,\"minBonus\":100,\"qiShu\":-1e15"), L"{size:\"0\",children:[]}");
    EXPECT_EQ(Generate(L"\"x\":1"), L"{size:\"0\",children:[]}");
    EXPECT_TRUE(windows_.suggestedNames.empty()) << "no dialog without a plan";
}

TEST_F(PlanHandlersTest, InputsThatCannotMakeAPlanAreRefusedAndTheLastPlanStays)
{
    ASSERT_EQ(Generate(L"\"oneBonus\":10,\"minBonus\":10,\"qiShu\":3").rfind(L"{size:\"3\"", 0), 0U);
    const std::wstring notWhole =
        L"{flag:\"error\",msg:\"单注中奖金额、最低盈利金额和计划追号期数须为整数！\"}";
    const std::wstring tooLarge = L"{flag:\"error\",msg:\"金额超出可计算的范围！\"}";
    const std::wstring tooLong = L"{flag:\"error\",msg:\"计划追号期数最多为10000期！\"}";
    const struct {
        const wchar_t *inputs;
        const std::wstring &reply;
    } cases[] = {
        {L"\"oneBonus\":\"1000\",\"minBonus\":100,\"qiShu\":3", notWhole},
        {L"\"oneBonus\":1000.5,\"minBonus\":100,\"qiShu\":3", notWhole},
        {L"\"oneBonus\":1000,\"minBonus\":true,\"qiShu\":3", notWhole},
        {L"\"oneBonus\":1000,\"minBonus\":100,\"qiShu\":[3]", notWhole},
        {L"\"oneBonus\":2147483648,\"minBonus\":100,\"qiShu\":3", tooLarge},
        {L"\"oneBonus\":1000,\"minBonus\":-2147483649,\"qiShu\":3", tooLarge},
        {L"\"oneBonus\":1e300,\"minBonus\":100,\"qiShu\":3", tooLarge},
        {L"\"oneBonus\":18446744073709551615,\"minBonus\":100,\"qiShu\":3", tooLarge},
        {L"\"oneBonus\":1000,\"minBonus\":100,\"qiShu\":10001", tooLong},
        {L"\"oneBonus\":1000,\"minBonus\":100,\"qiShu\":4294967296", tooLong},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Generate(c.inputs), c.reply) << basekit::CStrW2CStrA(c.inputs);
    }
    EXPECT_EQ(plan_.inputs.oneBonus, 10) << "a refused request changes nothing";
    EXPECT_EQ(plan_.rows, GeneratePlan({10, 10, 3}));
    // The largest plan is accepted: 10000 rows.
    EXPECT_EQ(
        Generate(L"\"oneBonus\":1000000000,\"minBonus\":0,\"qiShu\":10000").rfind(L"{size:\"10000\"", 0), 0U);
}

TEST_F(PlanHandlersTest, SaveWritesTheFileTheUserPicksAndForgetsThePlan)
{
    Generate(L"\"oneBonus\":1000,\"minBonus\":100,\"qiShu\":3");
    windows_.saveAnswers = {std::nullopt, Path("missing-folder/plan.txt"), Path("plan")};
    // Cancelled, then not writable: the plan stays for the next try.
    EXPECT_EQ(Save(), L"{flag:\"error\",msg:\"保存取消！\"}");
    EXPECT_EQ(Save(), L"{flag:\"error\",msg:\"保存失败：文件无法写入：" +
                          basekit::UTF8ToUnicode(Path("missing-folder/plan.txt")) +
                          L"（No such file or directory）\"}");
    EXPECT_FALSE(fs::exists(dir_ / "missing-folder"));
    EXPECT_EQ(Save(), kSaved);
    EXPECT_EQ(Read(dir_ / "plan.txt"),
              "保存时间：2024-01-05_07-08-09\r\n"
              "单注中奖金额：1000元;\r\n"
              "最低盈利金额：100元;\r\n"
              "计划追号期数：3期,有效期数：3期;\r\n"
              "期号   本期需投倍数(倍)  本期需投金额(元)  截止本期累计投入(元)  盈利(元)\r\n"
              "1  1  2  2  998\r\n"
              "2  1  2  4  996\r\n"
              "3  1  2  6  994\r\n");
    EXPECT_EQ(windows_.suggestedNames, std::vector<std::string>(3, "追号计划2024-01-05_07-08-09.txt"));
    EXPECT_EQ(windows_.dialogKinds, std::vector<FileKind>(3, FileKind::Text));
    // Saved once: a second save has nothing to write and asks nothing.
    EXPECT_EQ(Save(), kNothingToSave);
    EXPECT_EQ(windows_.suggestedNames.size(), 3U);
}

TEST_F(PlanHandlersTest, SaveGivesThePathTheTextExtensionUnlessItEndsInTxtOrTXT)
{
    const struct {
        const char *chosen;
        const char *written;
    } cases[] = {{"a.TXT", "a.TXT"}, {"b.txt", "b.txt"}, {"c.Txt", "c.Txt.txt"}, {"d", "d.txt"}};
    for (const auto &c : cases) {
        Generate(L"\"oneBonus\":10,\"minBonus\":10,\"qiShu\":1");
        windows_.saveAnswers = {Path(c.chosen)};
        EXPECT_EQ(Save(), kSaved) << c.chosen;
        EXPECT_TRUE(fs::is_regular_file(dir_ / c.written)) << c.written;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);
}

// Through the plan window's own table: the window keeps its plan between the two requests, and
// another window has its own.
TEST(PlanWindowTest, ThePlanWindowMakesAndSavesAPlan)
{
    TestApp t;
    const fs::path dir = fs::temp_directory_path() / ("qel-plan-window-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    t.windows.saveAnswers = {(dir / "plan").string()};
    t.windows.popupRequests = {L"{\"method\":\"generatePlan\",\"oneBonus\":10,\"minBonus\":10,\"qiShu\":3}",
                               L"{\"method\":\"savePlan\"}", L"{\"method\":\"savePlan\"}"};
    EXPECT_EQ(t.Main(L"{\"method\":\"showZhuiHaoPlanWin\"}"), L"");
    ASSERT_EQ(t.windows.windows.size(), 1U);
    EXPECT_EQ(t.windows.windows[0].url, "qel://base/html/pageForPlan.html");
    ASSERT_EQ(t.windows.popupReplies.size(), 3U);
    EXPECT_EQ(t.windows.popupReplies[0].rfind(L"{size:\"3\",children:[", 0), 0U);
    EXPECT_EQ(t.windows.popupReplies[1], kSaved);
    EXPECT_EQ(t.windows.popupReplies[2], kNothingToSave);
    ASSERT_EQ(t.windows.suggestedNames.size(), 1U);
    const std::string prefix = "追号计划";
    const std::string &name = t.windows.suggestedNames[0];
    ASSERT_TRUE(name.rfind(prefix, 0) == 0 && name.size() == prefix.size() + 19 + 4 && name.ends_with(".txt"))
        << name;
    const std::string stamp = name.substr(prefix.size(), 19);
    EXPECT_TRUE(IsTimeStamp(stamp)) << name;
    const std::string text = Read(dir / "plan.txt");
    EXPECT_EQ(text.rfind("保存时间：" + stamp + "\r\n", 0), 0U)
        << "the heading and the file name carry the same time";
    EXPECT_NE(text.find("\r\n3  3  6  14  16\r\n"), std::string::npos) << text;

    // A new plan window starts without a plan.
    t.windows.popupReplies.clear();
    t.windows.popupRequests = {L"{\"method\":\"savePlan\"}"};
    t.Main(L"{\"method\":\"showZhuiHaoPlanWin\"}");
    EXPECT_EQ(t.windows.popupReplies, std::vector<std::wstring>{kNothingToSave});
    fs::remove_all(dir);
}

} // namespace
} // namespace qel::testing

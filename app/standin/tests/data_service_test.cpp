// The program's data-service client against the stand-in service on 127.0.0.1: every catalogue
// row as it arrives, every failure the service can show, and past draws reaching a real chain.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "basekit/json_util.h"
#include "basekit/string_split.h"
#include "basekit/text_convert.h"
#include "dataservice/data_service_client.h"
#include "dataservice/feedback_handler.h"
#include "dataservice/history_handlers.h"
#include "dataservice/prize_handlers.h"
#include "dataservice/user_identifier.h"
#include "filter/filter_context.h"
#include "standin_in_thread.h"
#include "standin_server.h"
#include "support/closed_port.h"
#include "support/saved_variable.h"

namespace {

using basekit::JsonUtil;
using qel::DataServiceClient;
using qel::standin::Failure;

const std::wstring kFailed = L"{flag:\"error\",msg:\"服务器连接失败！\"}";

Json::Value Request(const std::wstring &text)
{
    return JsonUtil::JsonStrToJsonObj(text);
}

class DataServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_ = {{L"host", L"127.0.0.1"},
                   {L"port", std::to_wstring(standin_.port())},
                   {L"lotteryCategory", L"Magic3_Fc"},
                   {L"mainProVersion", L"1.0.0"}};
        client_.SetTimeouts({1000, 500});
    }
    qel::standin::ReceivedRequest Last() const
    {
        auto received = standin_.server().Received();
        return received.empty() ? qel::standin::ReceivedRequest{} : received.back();
    }

    qel::testing::StandinInThread standin_;
    basekit::TextMap config_;
    DataServiceClient client_{config_, [] { return std::wstring(L"user-1"); }};
};

struct RowCase {
    const char *method;
    std::wstring request;
    basekit::TextMap supplied;
    const char *verb;
    const char *path;
    const char *param; // as the service decodes it
};

#define C_ID "\"clientId\":\"dorn-tech.pc.kor\""

TEST_F(DataServiceTest, EveryCatalogueRowArrivesWithItsPathAndParam)
{
    const std::vector<RowCase> cases = {
        {"GetDataAnalysis",
         LR"({"productName":"Fc6Of33_Fc","type":"byQiShu","rowNumber":"30"})",
         {},
         "GET",
         "/lot/getDataAnalysis",
         R"({"productName":"Fc6Of33_Fc","type":"byQiShu","rowNumber":30,)" C_ID "}"},
        {"GetDataAnalysis",
         LR"({"productName":"Magic3_Fc","type":"byQiHao","beginQiHao":"2024001","endQiHao":"2024010"})",
         {},
         "GET",
         "/lot/getDataAnalysis",
         R"({"productName":"Magic3_Fc","type":"byQiHao","beginQiHao":2024001,"endQiHao":2024010,)" C_ID "}"},
        {"GetDataAnalysis",
         LR"({"productName":"Magic3_Fc","type":"byDay"})",
         {},
         "GET",
         "/lot/getDataAnalysis",
         ""},
        {"InstallOldDataForRuleOut",
         LR"({"type":"byQiShu","rowNumber":100,"productName":"Magic3_Fc"})",
         {},
         "GET",
         "/lot/getDataAnalysis",
         R"({"productName":"Magic3_Fc","type":"byQiShu","rowNumber":100,)" C_ID "}"},
        {"getDanMa", L"{}", {}, "GET", "/lot/getDanMa", R"({"lotteryCategory":"Magic3_Fc",)" C_ID "}"},
        {"GetQiHaoList",
         LR"({"lastest":"30"})",
         {},
         "GET",
         "/lot/getQiHaoList",
         R"({"lotCategory":"Magic3_Fc",)" C_ID R"(,"lastest":30})"},
        {"GetQiHaoList",
         LR"({"lotteryCategory":"Tc5Of35_Tc","lastest":"30"})",
         {},
         "GET",
         "/lot/getQiHaoList",
         R"({"lotCategory":"Tc5Of35_Tc",)" C_ID R"(,"lastest":30})"},
        {"GetQiHaoList",
         LR"({"lotteryCategory":null,"lastest":"5"})",
         {},
         "GET",
         "/lot/getQiHaoList",
         R"({"lotCategory":"Magic3_Fc",)" C_ID R"(,"lastest":5})"},
        {"GetNewLottery", L"{}", {}, "GET", "/lot/getNewLottery", "{" C_ID R"(,"clientVersion":"1.0.0"})"},
        {"GetLastLottery",
         LR"({"productName":"Magic3_Fc"})",
         {},
         "GET",
         "/lot/getLotteryByLotCategory",
         R"({"productName":"Magic3_Fc",)" C_ID "}"},
        {"getLotLevel",
         LR"({"lotteryCategory":"Fc6Of33_Fc"})",
         {},
         "GET",
         "/lot/getLotLevel",
         "{" C_ID R"(,"lotteryCategory":"Fc6Of33_Fc"})"},
        {"getLotDetailById",
         LR"({"lotCategoryId":"4","qiHao":"2024005"})",
         {},
         "GET",
         "/lot/getLotteryByLotCategoryId",
         R"({"lotCategoryId":"4",)" C_ID R"(,"qiHao":"2024005"})"},
        {"getLotCategory", L"{}", {}, "GET", "/lot/getLotCategory", "{" C_ID "}"},
        {"zjCheck",
         LR"({"lotteryCategory":"Fc6Of33_Fc","qiHao":"2024003","redStr":"01"})",
         {},
         "GET",
         "/lot/checkZj",
         R"({"lotteryCategory":"Fc6Of33_Fc",)" C_ID R"(,"qiHao":"2024003"})"},
        {"touZhuYuSuan",
         LR"({"lotteryCategory":"Tc5Of35_Tc","qiHao":"2024001"})",
         {},
         "GET",
         "/lot/checkZj",
         R"({"lotteryCategory":"Tc5Of35_Tc",)" C_ID R"(,"qiHao":"2024001"})"},
        {"getArticles",
         LR"({"lastestNum":"5","tab":"news & \"tips\""})",
         {},
         "GET",
         "/art/getMoreTypeArticles",
         "{" C_ID R"(,"lastestNum":5,"tab":"news & \"tips\""})"},
        {"updateReadTime", LR"({"articleId":"7"})", {}, "GET", "/art/addOne", "{" C_ID R"(,"articleId":7})"},
        {"getForumInfo", L"{}", {}, "GET", "/art/getForumInfo", "{" C_ID "}"},
        {"getAdById", LR"({"ids":"1,2"})", {}, "GET", "/art/getAds", "{" C_ID R"(,"ids":"1,2"})"},
        {"CheckNewClienVersion",
         L"{}",
         {},
         "GET",
         "/sys/checkNewClienVersion",
         R"({"clientVersion":"1.0.0",)" C_ID "}"},
        // A quote, a backslash, "&", "+", "%" and a line break in what the user wrote.
        {"Feedback",
         LR"({"content":"好 \"a\" \\ & b+c 100%\nend","type":"bug"})",
         {},
         "POST",
         "/sys/feedback",
         R"({"content":"好 \"a\" \\ & b+c 100%\nend","type":"bug","userName":"user-1",)" C_ID "}"},
        {"",
         L"{}",
         {{L"canal", L"official"},
          {L"email", L""},
          {L"osVersion", L"Linux 64"},
          {L"password", L""},
          {L"phone", L"13800000000"},
          {L"productName", L"Magic3_Fc"}},
         "GET",
         "/sys/checkConfigUpdate",
         R"({canal:"official",clientId:"dorn-tech.pc.kor",clientVersion:"1.0.0",email:"",osVersion:"Linux 64",password:"",phone:"13800000000",productName:"Magic3_Fc",userName:"user-1"})"},
        {"getCastWebsite", L"{}", {}, "GET", "/sys/getCastWebsite", R"({clientId:"dorn-tech.pc.kor"})"},
        {"getUserInfo",
         L"{}",
         {{L"email", L"a@b.c"}, {L"password", L"p\"w"}, {L"phone", L""}},
         "GET",
         "/sys/getUserInfo",
         R"({clientId:"dorn-tech.pc.kor",email:"a@b.c",password:"p\"w",phone:"",userName:"user-1"})"},
        {"getTextAdForCastWin",
         L"{}",
         {},
         "GET",
         "/sys/getTextAdForCastWin",
         R"({clientId:"dorn-tech.pc.kor",userName:"user-1"})"},
        {"getVideoUrl",
         L"{}",
         {},
         "GET",
         "/sys/getVideoUrl",
         R"({clientId:"dorn-tech.pc.kor",userName:"user-1"})"},
        {"logIn",
         L"{}",
         {{L"email", L""}, {L"password", L"secret"}, {L"phone", L"13800000000"}},
         "GET",
         "/sys/logIn",
         R"({clientId:"dorn-tech.pc.kor",email:"",password:"secret",phone:"13800000000",userName:"user-1"})"},
        {"changePassword",
         L"{}",
         {{L"email", L""}, {L"newPassword", L"n"}, {L"oldPassword", L"o"}, {L"phone", L"1"}},
         "GET",
         "/sys/changePassword",
         R"({clientId:"dorn-tech.pc.kor",email:"",newPassword:"n",oldPassword:"o",phone:"1",userName:"user-1"})"},
    };
    std::set<std::string> paths;
    for (const RowCase &c : cases) {
        qel::ServiceReply reply = client_.Send(c.method, Request(c.request), c.supplied);
        EXPECT_TRUE(reply.usable) << c.method << ": " << basekit::CStrW2CStrA(reply.text);
        qel::standin::ReceivedRequest got = Last();
        EXPECT_EQ(got.verb, c.verb) << c.method;
        EXPECT_EQ(got.path, c.path) << c.method;
        EXPECT_EQ(got.param, c.param) << c.method;
        paths.insert(c.path);
    }
    // Every row of the catalogue was sent.
    for (const qel::CatalogueRow &row : qel::ServiceCatalogue()) {
        EXPECT_TRUE(paths.count(row.path)) << row.path;
    }
}

TEST_F(DataServiceTest, BareValuesThatAreNotIntegersSendNothing)
{
    for (const wchar_t *rowNumber : {L"\"30\\\",\\\"x\\\":\\\"1\"", L"\"3 0\"", L"\"\"", L"{}", L"1.5"}) {
        const std::wstring request =
            std::wstring(L"{\"productName\":\"Magic3_Fc\",\"type\":\"byQiShu\",\"rowNumber\":") + rowNumber +
            L"}";
        qel::ServiceReply reply = client_.Send("GetDataAnalysis", Request(request));
        EXPECT_FALSE(reply.usable);
        EXPECT_EQ(reply.text, L"{flag:\"error\",msg:\"请求参数rowNumber必须是整数！\"}") << rowNumber;
    }
    EXPECT_TRUE(standin_.server().Received().empty());
}

TEST_F(DataServiceTest, PassThroughRepliesKeepTheirText)
{
    // Decoded once: the Chinese text arrives as the same characters; "error=" inside a good reply
    // is just text.
    std::wstring reply =
        client_.PassThrough("getArticles", Request(LR"({"lastestNum":"1","tab":"error=中文"})"));
    EXPECT_NE(reply.find(L"\"tab\":\"error=中文\""), std::wstring::npos) << basekit::CStrW2CStrA(reply);
    EXPECT_NE(reply.find(L"样例文章 1"), std::wstring::npos);
}

TEST_F(DataServiceTest, PortsThatAreNotPortsFailAtOnce)
{
    for (const wchar_t *port : {L"0", L"abc", L"", L"70000", L"99999999999"}) {
        config_[L"port"] = port;
        EXPECT_EQ(client_.PassThrough("getLotCategory", Request(L"{}")), kFailed) << port;
    }
    EXPECT_TRUE(standin_.server().Received().empty());
}

// Every processed row answers the connection failure, within the timeout, whatever went wrong;
// the chain is not touched.
TEST_F(DataServiceTest, EveryFailureAnswersTheErrorReplyOnEveryProcessedRow)
{
    qel::CFilterContext filter(L"qel://base");
    filter.SwitchPlugin(L"Magic3");
    ASSERT_NE(filter.chain(), nullptr) << filter.lastError();
    using Handler = std::wstring (*)(DataServiceClient &, qel::CFilterContext &, const Json::Value &);
    struct Row {
        const char *path;
        Handler handler;
        const wchar_t *request;
    };
    const std::vector<Row> rows = {
        {"/lot/getDataAnalysis", qel::OnGetDataAnalysis,
         LR"({"productName":"Magic3_Fc","type":"byQiShu","rowNumber":"5"})"},
        {"/lot/getDataAnalysis", qel::OnInstallOldDataForRuleOut,
         LR"({"productName":"Magic3_Fc","type":"byQiShu","rowNumber":5})"},
        {"/lot/getDanMa", qel::OnGetDanMa, L"{}"},
        {"/lot/checkZj", qel::OnZjCheck,
         LR"({"lotteryCategory":"Fc6Of33_Fc","qiHao":"2024003","redStr":"01,02,03,04,05,06","blueStr":"07"})"},
        {"/lot/checkZj", qel::OnTouZhuYuSuan,
         LR"({"lotteryCategory":"Fc6Of33_Fc","qiHao":"2024003","redStr":"01,02,03,04,05,06","blueStr":"07",)"
         LR"("zhongRedNum":5,"zhongBlueNum":1,"lotNum":6,"backLotNum":1})"},
        {"/sys/feedback",
         [](DataServiceClient &s, qel::CFilterContext &, const Json::Value &r) {
             return qel::OnFeedback(s, r);
         },
         LR"({"content":"x","type":"bug"})"},
    };
    for (Failure failure : {Failure::NotFound, Failure::ServerError, Failure::Stall, Failure::Close,
                            Failure::ErrorBody, Failure::NotJson, Failure::JsonArray, Failure::Empty}) {
        for (const Row &row : rows) {
            standin_.server().Reset();
            standin_.server().SetFailure(row.path, failure);
            const auto start = std::chrono::steady_clock::now();
            EXPECT_EQ(row.handler(client_, filter, Request(row.request)), kFailed)
                << row.path << " failure " << static_cast<int>(failure);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500)) << row.path;
        }
    }
    // A refused connection, and "items" that is not an array.
    standin_.server().Reset();
    config_[L"port"] = std::to_wstring(basekit::test_support::ClosedLoopbackPort());
    for (const Row &row : rows) {
        EXPECT_EQ(row.handler(client_, filter, Request(row.request)), kFailed) << row.path;
    }
    EXPECT_EQ(filter.chain()->oldDataCache().size(), 0U);
    EXPECT_EQ(filter.chain()->GetLastFilter()->ruleOutCount(), 0);
    basekit::TextMapList draws;
    EXPECT_FALSE(qel::DrawsOfReply(Request(LR"({"items":{"lottery":"1,2,3"}})"), draws));
    EXPECT_TRUE(qel::DrawsOfReply(Request(LR"({"flag":"ok"})"), draws));
    EXPECT_TRUE(draws.empty());
}

// The newest draws of a game's sample fixture, oldest first.
std::vector<std::string> NewestDraws(const std::string &game, std::size_t count)
{
    std::ifstream in(std::string(QEL_STANDIN_FIXTURES) + "/draws/" + game + ".json");
    Json::Value doc;
    in >> doc;
    std::vector<std::string> draws;
    for (const Json::Value &draw : doc["draws"]) {
        draws.push_back(draw["lottery"].asString());
    }
    return {draws.end() - static_cast<std::ptrdiff_t>(count), draws.end()};
}

// A run of new numbers over every number of the game, with or without an untolerated rule-out
// of the rows that share hits numbers with a past draw.
Json::Value WholeSpaceRun(const std::wstring &game, const std::wstring &castType,
                          const std::wstring &baseNums, const std::wstring &hits)
{
    std::wstring text = L"{\"method\":\"Filter\",\"productName\":\"" + game +
                        L"\",\"items\":["
                        L"{\"name\":\"dataSource\",\"chosenItem\":\"dataSourceNew\"},";
    if (!castType.empty()) {
        text += L"{\"name\":\"castType\",\"chosenItem\":\"" + castType + L"\"},";
    }
    text += L"{\"name\":\"maxWrong\",\"chosenItem\":\"0\"},"
            L"{\"name\":\"baseNums\",\"chosenItem\":\"" +
            baseNums + L"\"}";
    if (!hits.empty()) {
        text += L",{\"name\":\"ruleOutOldData\",\"chosenItem\":\"" + hits + L"\",\"canBeWrong\":\"false\"}";
    }
    return Request(text + L"]}");
}

Json::Value AllDigitsStraightRun(bool ruleOut)
{
    return WholeSpaceRun(L"Magic3", L"zhiXuan", L"0,1,2,3,4,5,6,7,8,9", ruleOut ? L"0" : L"");
}

std::wstring Total(const std::wstring &page)
{
    const std::size_t at = page.find(L",total:");
    return at == std::wstring::npos ? page : page.substr(at + 7, page.find(L',', at + 7) - at - 7);
}

TEST_F(DataServiceTest, RuleOutFromTheServiceChangesTheNextMagic3Run)
{
    qel::CFilterContext filter(L"qel://base");
    filter.SwitchPlugin(L"Magic3");
    ASSERT_NE(filter.chain(), nullptr) << filter.lastError();
    EXPECT_EQ(Total(filter.OnFilter(AllDigitsStraightRun(false))), L"1000");

    EXPECT_EQ(qel::OnInstallOldDataForRuleOut(
                  client_, filter, Request(LR"({"type":"byQiShu","rowNumber":8,"productName":"Magic3_Fc"})")),
              L"{flag:\"ok\",msg:\"数据加载成功！\"}");
    std::set<std::string> distinct;
    for (const std::string &draw : NewestDraws("Magic3", 8)) {
        distinct.insert(draw);
    }
    EXPECT_EQ(filter.chain()->GetLastFilter()->ruleOutCount(), 8);
    const std::wstring page = filter.OnFilter(AllDigitsStraightRun(true));
    EXPECT_EQ(Total(page), std::to_wstring(1000 - distinct.size()));

    // A reply of no draws leaves no rule-out rows.
    EXPECT_EQ(qel::OnInstallOldDataForRuleOut(
                  client_, filter, Request(LR"({"type":"byQiShu","rowNumber":0,"productName":"Magic3_Fc"})")),
              L"{flag:\"ok\",msg:\"数据加载成功！\"}");
    EXPECT_EQ(filter.chain()->GetLastFilter()->ruleOutCount(), 0);
}

// A lotto game: rule-out of rows that share all five numbers with one of the newest draws leaves
// out exactly those draws of the whole space of 15 choose 5.
TEST_F(DataServiceTest, RuleOutFromTheServiceChangesTheNextLottoRun)
{
    qel::CFilterContext filter(L"qel://base");
    filter.SwitchPlugin(L"Hd5Of15");
    ASSERT_NE(filter.chain(), nullptr) << filter.lastError();
    auto wholeSpace = [](bool ruleOut) {
        return WholeSpaceRun(L"Hd5Of15", L"", L"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", ruleOut ? L"5" : L"");
    };
    EXPECT_EQ(Total(filter.OnFilter(wholeSpace(false))), L"3003");

    EXPECT_EQ(
        qel::OnInstallOldDataForRuleOut(
            client_, filter, Request(LR"({"type":"byQiShu","rowNumber":20,"productName":"Hd5Of15_Fc"})")),
        L"{flag:\"ok\",msg:\"数据加载成功！\"}");
    EXPECT_EQ(filter.chain()->GetLastFilter()->ruleOutCount(), 20);
    const std::vector<std::string> newest = NewestDraws("Hd5Of15", 20);
    const std::set<std::string> distinct(newest.begin(), newest.end());
    const std::wstring page = filter.OnFilter(wholeSpace(true));
    EXPECT_EQ(Total(page), std::to_wstring(3003 - distinct.size()));
    // No draw of the twenty is a row of the run any more; the other rows stay.
    std::set<std::string> saved;
    for (const std::wstring &line :
         basekit::StrSplit(filter.chain()->GetResultStr(L"0", L",", L"", 1, 1), L"\r\n")) {
        saved.insert(basekit::CStrW2CStrA(line));
    }
    EXPECT_EQ(saved.size(), 3003 - distinct.size());
    for (const std::string &draw : distinct) {
        EXPECT_EQ(saved.count(draw), 0U) << draw;
    }
}

// The installation's identifier is made once and then read back: every request of every run
// sends the same text, and another installation (another configuration folder) has its own.
TEST(InstallationUserIdTest, MadeOnceStoredAndTheSameEveryTime)
{
    basekit::test_support::SavedVariable savedConfig{"XDG_CONFIG_HOME"};
    std::string folder = (std::filesystem::temp_directory_path() / "user-id-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    setenv("XDG_CONFIG_HOME", (folder + "/first").c_str(), 1);
    const std::wstring id = qel::InstallationUserId();
    EXPECT_EQ(id.size(), 32U);
    EXPECT_EQ(id.find_first_not_of(L"0123456789abcdef"), std::wstring::npos);
    EXPECT_EQ(qel::InstallationUserId(), id);
    EXPECT_TRUE(std::filesystem::exists(folder + "/first/varnel/registry.json"));
    setenv("XDG_CONFIG_HOME", (folder + "/second").c_str(), 1);
    EXPECT_NE(qel::InstallationUserId(), id);
    setenv("XDG_CONFIG_HOME", (folder + "/first").c_str(), 1);
    EXPECT_EQ(qel::InstallationUserId(), id);
    std::filesystem::remove_all(folder);
}

TEST_F(DataServiceTest, HistoryAndBankerSuggestionReachThePopUpsChain)
{
    qel::CFilterContext filter(L"qel://base");
    filter.SwitchPlugin(L"Magic3");
    ASSERT_NE(filter.chain(), nullptr);
    EXPECT_EQ(
        qel::OnGetDataAnalysis(client_, filter,
                               Request(LR"({"productName":"Magic3_Fc","type":"byQiShu","rowNumber":"30"})")),
        L"{flag:\"ok\",msg:\"已经从服务器获取数据并缓存！\"}");
    EXPECT_EQ(filter.chain()->oldDataCache().size(), 30U);
    const std::wstring danMa = qel::OnGetDanMa(client_, filter, Request(L"{}"));
    // The last draw's keys come with the suggestion.
    const std::string newest = NewestDraws("Magic3", 1).front();
    EXPECT_NE(danMa.find(L"lottery:\"" + basekit::UTF8ToUnicode(newest) + L"\""), std::wstring::npos)
        << basekit::CStrW2CStrA(danMa);
    EXPECT_NE(danMa.find(L"danMa:\""), std::wstring::npos);
}

TEST_F(DataServiceTest, PrizeCheckAddsTheCountsToTheServicesReply)
{
    qel::CFilterContext filter(L"qel://base");
    std::ifstream in(std::string(QEL_STANDIN_FIXTURES) + "/draws/Fc6Of33.json");
    Json::Value doc;
    in >> doc;
    // The draw 2024003 itself as the bet: the first level once.
    const std::string lottery = doc["draws"][2]["lottery"].asString();
    const std::wstring red = basekit::UTF8ToUnicode(lottery.substr(0, 17));
    const std::wstring blue = basekit::UTF8ToUnicode(lottery.substr(18));
    const std::wstring reply =
        qel::OnZjCheck(client_, filter,
                       Request(LR"({"lotteryCategory":"Fc6Of33_Fc","qiHao":"2024003","redStr":")" + red +
                               LR"(","blueStr":")" + blue + L"\"}"));
    Json::Value parsed = JsonUtil::JsonStrToJsonObj(reply);
    EXPECT_EQ(parsed["lottery"].asString(), lottery);
    EXPECT_EQ(parsed["qiHao"].asString(), "2024003");
    EXPECT_EQ(JsonUtil::ObjToJsonStr(parsed["zjZhuShu"]), L"[1,0,0,0,0,0]\n");
}

} // namespace

// What a hostile data service (the stand-in told what to answer) and odd page values make of the
// requests that go through the program's bridge: the replies the pages read stay readable and
// carry only names the program chose, and the service reads every value the program sends.
#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <json/json.h>

#include "basekit/http_client.h"
#include "basekit/text_convert.h"
#include "bridge/popup_window.h"
#include "standin_in_thread.h"
#include "standin_server.h"
#include "test_app.h"

namespace qel::testing {
namespace {

class HostileServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        basekit::TextMap &config = t_.app->runtimeConfig();
        config[L"host"] = L"127.0.0.1";
        config[L"port"] = std::to_wstring(standin_.port());
        config[L"lotteryCategory"] = L"Magic3_Fc";
        t_.app->dataService().SetTimeouts({1000, 3000});
    }
    // The request of a pop-up of the game `game`, as its page sends it.
    std::wstring Popup(const std::wstring &game, const std::wstring &request) const
    {
        t_.app->runtimeConfig()[L"productName"] = game;
        PopupWindow popup(*t_.app);
        return popup.Execute(request);
    }

    std::string LastParam() const
    {
        auto received = standin_.server().Received();
        return received.empty() ? std::string() : received.back().param;
    }

    StandinInThread standin_;
    TestApp t_;
};

// The member names of a reply the pages' parser reads (JSON, or an object literal whose keys are
// plain names); nothing when it does not read.
std::set<std::string> MemberNames(const std::wstring &reply)
{
    const Json::Value parsed = standin::ParseParam(basekit::UnicodeToUTF8Str(reply));
    const std::vector<std::string> names = parsed.getMemberNames();
    return {names.begin(), names.end()};
}

// A "/lot/getDanMa" reply of two draws whose last one has one more member, name and value
// given as JSON text.
std::string DrawsWithMember(const std::string &name, const std::string &value)
{
    return R"({"flag":"ok","items":[{"lottery":"1,2,3","qiHao":"2024001","lotDate":"2024-01-01"},)"
           R"({"lottery":"1,4,5","qiHao":"2024002","lotDate":"2024-01-02",)" +
           name + ":" + value + "}]}";
}

// The banker suggestion copies the last draw's number, date and numbers, never a member the
// service named: a name would stand in the reply as a bare key.
TEST_F(HostileServiceTest, TheBankerSuggestionCarriesNoMemberTheServiceNamed)
{
    const std::vector<std::string> names = {
        R"("a:__probe_pwn(),b")",
        R"("\"};__probe_pwn();({\"")",
        R"("<img src=x onerror=__probe_pwn()>")",
        R"("a b")",
        R"("01")",
        R"("")",
        R"("danMa")", // the service's own "danMa" yields to the suggestion
    };
    const std::set<std::string> replyNames = {"danMa", "lotDate", "lottery", "qiHao"};
    for (const wchar_t *game : {L"Magic3", L"Hd5Of15"}) {
        for (const std::string &name : names) {
            SCOPED_TRACE(basekit::CStrW2CStrA(game) + " " + name);
            standin_.server().SetReply("/lot/getDanMa", DrawsWithMember(name, R"v("__probe_pwn()")v"));
            const std::wstring reply = Popup(game, L"{\"method\":\"getDanMa\"}");
            EXPECT_EQ(MemberNames(reply), replyNames) << basekit::CStrW2CStrA(reply);
            EXPECT_EQ(reply.find(L"__probe_pwn"), std::wstring::npos) << basekit::CStrW2CStrA(reply);
        }
    }
    // The three copied values stay inside their strings, whatever they hold.
    standin_.server().SetReply(
        "/lot/getDanMa",
        R"({"items":[{"lottery":"1,2\"};__probe_pwn();({\"","qiHao":"1\\\"","lotDate":"a\nb"}]})");
    const std::wstring reply = Popup(L"Magic3", L"{\"method\":\"getDanMa\"}");
    const Json::Value parsed = standin::ParseParam(basekit::UnicodeToUTF8Str(reply));
    EXPECT_EQ(parsed["lottery"].asString(), "1,2\"};__probe_pwn();({\"") << basekit::CStrW2CStrA(reply);
    EXPECT_EQ(parsed["qiHao"].asString(), "1\\\"");
    EXPECT_EQ(parsed["lotDate"].asString(), "a\nb");
}

// The prize check keeps every member of the service's reply, so there the names are written as
// JSON writes them, quoted and escaped: the reply reads as strict JSON with the same names.
TEST_F(HostileServiceTest, ThePrizeCheckWritesTheServicesNamesQuoted)
{
    standin_.server().SetReply("/lot/checkZj",
                               R"({"a:__probe_pwn(),b":"v","\"};__probe_pwn();({\"":"v","a b":"v",)"
                               R"("01":"v","":"v","lottery":"1,2,3,4,5,6,7\"};__probe_pwn();({\""})");
    const std::wstring reply =
        Popup(L"Magic3", LR"({"method":"zjCheck","lotteryCategory":"Fc6Of33_Fc","qiHao":"2024003",)"
                         LR"("redStr":"01,02,03,04,05,06","blueStr":"07"})");
    Json::CharReaderBuilder builder;
    Json::CharReaderBuilder::strictMode(&builder.settings_);
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    const std::string text = basekit::UnicodeToUTF8Str(reply);
    Json::Value parsed;
    ASSERT_TRUE(reader->parse(text.data(), text.data() + text.size(), &parsed, nullptr)) << text;
    const std::vector<std::string> names = parsed.getMemberNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              (std::set<std::string>{"a:__probe_pwn(),b", "\"};__probe_pwn();({\"", "a b", "01", "",
                                     "lottery", "zjZhuShu"}));
    EXPECT_EQ(parsed["lottery"].asString(), "1,2,3,4,5,6,7\"};__probe_pwn();({\"");
}

// The control address that hands the stand-in a path's reply, as the scripts use it: the body
// is the reply until an empty body gives the path its own reply back.
TEST_F(HostileServiceTest, TheStandInAnswersTheReplyItWasGivenOverItsControlAddress)
{
    const std::string body = DrawsWithMember(R"("a b")", R"("v")");
    EXPECT_TRUE(
        basekit::HttpClient::Post(L"127.0.0.1", L"/standin/reply?path=/lot/getDanMa", body, standin_.port())
            .ok());
    EXPECT_EQ(basekit::HttpClient::Get(L"127.0.0.1", L"/lot/getDanMa", L"{}", standin_.port()).body, body);
    EXPECT_TRUE(
        basekit::HttpClient::Post(L"127.0.0.1", L"/standin/reply?path=/lot/getDanMa", "", standin_.port())
            .ok());
    EXPECT_NE(basekit::HttpClient::Get(L"127.0.0.1", L"/lot/getDanMa", L"{}", standin_.port()).body, body);
}

struct BareValueCase {
    bool popup; // the request of a pop-up's page, else of the main page
    std::wstring request;
    const char *param; // as the service receives it
};

#define C_ID "\"clientId\":\"dorn-tech.pc.kor\""

// A bare value goes out in its integer's own form: "007" as 7, which a JSON reader accepts,
// never as 007, which none does.
TEST_F(HostileServiceTest, BareValuesGoOutWithoutLeadingZeros)
{
    const std::vector<BareValueCase> cases = {
        {true,
         LR"({"method":"GetDataAnalysis","productName":"Magic3_Fc","type":"byQiShu","rowNumber":"007"})",
         R"({"productName":"Magic3_Fc","type":"byQiShu","rowNumber":7,)" C_ID "}"},
        {true,
         LR"({"method":"GetDataAnalysis","productName":"Magic3_Fc","type":"byQiHao",)"
         LR"("beginQiHao":"02024001","endQiHao":"0000"})",
         R"({"productName":"Magic3_Fc","type":"byQiHao","beginQiHao":2024001,"endQiHao":0,)" C_ID "}"},
        {false,
         LR"({"method":"InstallOldDataForRuleOut","productName":"Magic3_Fc","type":"byQiShu","rowNumber":"0100"})",
         R"({"productName":"Magic3_Fc","type":"byQiShu","rowNumber":100,)" C_ID "}"},
        {false, LR"({"method":"GetQiHaoList","lastest":"030"})",
         R"({"lotCategory":"Magic3_Fc",)" C_ID R"(,"lastest":30})"},
        {false, LR"({"method":"getArticles","lastestNum":"-007","tab":"news"})",
         "{" C_ID R"(,"lastestNum":-7,"tab":"news"})"},
        {false, LR"({"method":"updateReadTime","articleId":"-0"})", "{" C_ID R"(,"articleId":0})"},
        {false, LR"({"method":"updateReadTime","articleId":"10"})", "{" C_ID R"(,"articleId":10})"},
    };
    for (const BareValueCase &c : cases) {
        SCOPED_TRACE(basekit::CStrW2CStrA(c.request));
        if (c.popup) {
            Popup(L"Magic3", c.request);
        } else {
            t_.Main(c.request);
        }
        EXPECT_EQ(LastParam(), c.param);
    }
}

} // namespace
} // namespace qel::testing

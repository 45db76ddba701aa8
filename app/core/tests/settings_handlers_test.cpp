// The runtime configuration and the settings requests, on the delivered database.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "basekit/json_util.h"
#include "basekit/system_info_util.h"
#include "basekit/text_convert.h"
#include "settings/dictionary_handlers.h"
#include "settings/system_config_handlers.h"
#include "settings_test_database.h"

namespace qel::testing {
namespace {

using basekit::JsonUtil;
using basekit::TextMap;

Json::Value Request(const std::wstring &text)
{
    return JsonUtil::JsonStrToJsonObj(text);
}

class SettingsHandlersTest : public SettingsDatabaseTest {
protected:
    std::wstring GetSystemConfig()
    {
        SettingsContext context = Context();
        return OnGetSystemConfig(context, Request(L"{\"method\":\"GetSystemConfig\"}"));
    }

    // The configuration the delivered database gives, worked out from its rows.
    TextMap ExpectedConfig()
    {
        return {
            {L"key", L"dorn-tech-kor"},
            {L"currentProduct", L"Magic3"},
            {L"currentArea", L"1"},
            {L"currentFlag", L"Fc"},
            {L"switchTimes", L"0"},
            {L"host", L"service.test"},
            {L"port", L"568"},
            {L"showTip", L"true"},
            {L"showResultMsg", L"true"},
            {L"showUpgradeMsg", L"true"},
            {L"lotFormat", L"format0"},
            {L"mainProVersion", Setting(L"mainProVersion")},
            {L"maxProVersion", Setting(L"maxProVersion")},
            {L"skinUrl", L""},
            {L"phone", L""},
            {L"email", L""},
            {L"pswd", L""},
            {L"niCheng", L""},
            {L"lotteryCategory", L"Magic3_Fc"},
            {L"productName", L"Magic3"},
            {L"productCnName", L"福彩3D"},
            {L"area", L"1"},
            {L"version", L"1.0.0"},
            {L"flag", L"Fc"},
            {L"category", L"digit"},
            {L"website", L"http://service.test"},
            {L"baseDir", L"qel://base"},
            {L"width", L"1366"},
            {L"height", L"728"},
            {L"left", L"100"},
            {L"top", L"50"},
            {L"screenClientAreaX", L"1920"},
            {L"screenClientAreaY", L"1040"},
            {L"winVersion", basekit::SystemInfoUtil::GetSystemName()},
        };
    }
};

TEST_F(SettingsHandlersTest, SystemConfigIsBuiltInstalledAndAnswered)
{
    const std::wstring reply = GetSystemConfig();
    const TextMap expected = ExpectedConfig();
    EXPECT_FALSE(Setting(L"mainProVersion").empty());
    EXPECT_EQ(runtime_, expected);
    EXPECT_EQ(reply, JsonUtil::MapToJsonStr(expected));
    EXPECT_EQ(host_.fatalCalls, 0);
}

TEST_F(SettingsHandlersTest, ServiceAddressComesFromTheDatabaseOnlyInDebugMode)
{
    service_->dao().SaveParameters({{L"host", L"db.example"}, {L"port", L"9000"}});
    Exec("insert into systeminfo values ('website', 'http://db.example:9000', 'sys')");
    struct Case {
        const wchar_t *debug;
        const wchar_t *host;
        const wchar_t *port;
        const wchar_t *website;
    };
    for (const Case &c : {Case{L"true", L"db.example", L"9000", L"http://db.example:9000"},
                          Case{L"false", L"service.test", L"568", L"http://service.test"},
                          Case{L"TRUE", L"service.test", L"568", L"http://service.test"},
                          Case{L"", L"service.test", L"568", L"http://service.test"}}) {
        SCOPED_TRACE(basekit::CStrW2CStrA(c.debug));
        settings_[L"debug"] = c.debug;
        GetSystemConfig();
        EXPECT_EQ(runtime_.at(L"host"), c.host);
        EXPECT_EQ(runtime_.at(L"port"), c.port);
        EXPECT_EQ(runtime_.at(L"website"), c.website);
    }
    // Without a stored web address the built-in one stands also in debug mode.
    Exec("delete from systeminfo where parameterName = 'website'");
    settings_[L"debug"] = L"true";
    GetSystemConfig();
    EXPECT_EQ(runtime_.at(L"website"), L"http://service.test");
}

TEST_F(SettingsHandlersTest, StoredWindowValuesAreKeptAndTheGamesOwnParameterIsRead)
{
    Exec("insert into systeminfo values ('width', '800', 'sys'), ('baseDir', 'stored', 'sys'), "
         "('Magic3', 'own', NULL), ('Array5', 'other', NULL)");
    GetSystemConfig();
    EXPECT_EQ(runtime_.at(L"width"), L"800");
    EXPECT_EQ(runtime_.at(L"height"), L"728");
    EXPECT_EQ(runtime_.at(L"baseDir"), L"stored");
    EXPECT_EQ(runtime_.at(L"Magic3"), L"own");
    EXPECT_EQ(runtime_.count(L"Array5"), 0u);
}

TEST_F(SettingsHandlersTest, BaseAddressUsesForwardSlashes)
{
    SettingsContext context = Context();
    context.baseUrl = L"C:\\stage\\base";
    OnGetSystemConfig(context, Json::Value());
    EXPECT_EQ(runtime_.at(L"baseDir"), L"C:/stage/base");
}

TEST_F(SettingsHandlersTest, WithoutACurrentProductOnlyTheSettingsAndBuiltInValuesRemain)
{
    Exec("update systeminfo set parameterValue='NoSuchGame' where parameterName='currentProduct'");
    GetSystemConfig();
    EXPECT_EQ(runtime_.count(L"productName"), 0u);
    EXPECT_EQ(runtime_.count(L"lotteryCategory"), 0u);
    EXPECT_EQ(runtime_.at(L"currentProduct"), L"NoSuchGame");
    EXPECT_EQ(runtime_.at(L"host"), L"service.test");
    EXPECT_EQ(host_.fatalCalls, 0);
}

TEST_F(SettingsHandlersTest, AWrongOrMissingIdentityMarkerEndsTheProgramWithANonZeroStatus)
{
    struct Case {
        const char *label;
        const char *sql;
    };
    const Case cases[] = {
        {"wrong", "update systeminfo set parameterValue='someone-else' where parameterName='key'"},
        {"not a sys row", "update systeminfo set flag=NULL where parameterName='key'"},
        {"missing", "delete from systeminfo where parameterName='key'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        Exec(c.sql);
        runtime_ = {{L"before", L"kept"}};
        host_.fatalCalls = 0;
        const std::wstring reply = GetSystemConfig();
        EXPECT_EQ(host_.fatalCalls, 1);
        EXPECT_EQ(host_.fatalMessage, L"程序出错！");
        EXPECT_NE(host_.fatalStatus, 0);
        EXPECT_EQ(reply, L"{flag:\"error\",msg:\"程序出错！\"}");
        EXPECT_EQ(runtime_, (TextMap{{L"before", L"kept"}})); // nothing installed
    }
}

TEST_F(SettingsHandlersTest, AnUnopenedDatabaseIsNoDatabaseOfOurs)
{
    settings_[L"sysDb"] = (folder_ / "missing.db").wstring();
    service_ = std::make_unique<CSystemService>(settings_);
    GetSystemConfig();
    EXPECT_EQ(host_.fatalCalls, 1);
}

TEST_F(SettingsHandlersTest, SaveConfigStoresWhatItWasGiven)
{
    SettingsContext context = Context();
    const std::wstring reply = OnSaveConfig(
        context,
        Request(L"{\"method\":\"SaveConfig\",\"name\":\"net_setting\",\"productName\":\"Magic3\","
                L"\"rows\":[{\"host\":\"10.0.0.7\"},{\"port\":\"8080\"},{\"lotFormat\":\"format2\"}]}"));
    EXPECT_EQ(reply, L"");
    EXPECT_EQ(Setting(L"host"), L"10.0.0.7");
    EXPECT_EQ(Setting(L"port"), L"8080");
    EXPECT_EQ(Setting(L"lotFormat"), L"format2");
    settings_[L"debug"] = L"true";
    GetSystemConfig();
    EXPECT_EQ(runtime_.at(L"host"), L"10.0.0.7");
    EXPECT_EQ(runtime_.at(L"lotFormat"), L"format2");
}

TEST_F(SettingsHandlersTest, SaveConfigStoresTheFirstMemberByNameOfEachObject)
{
    SettingsContext context = Context();
    OnSaveConfig(context, Request(L"{\"rows\":[{\"showTip\":\"false\",\"showResultMsg\":\"false\"}]}"));
    EXPECT_EQ(Setting(L"showResultMsg"), L"false");
    EXPECT_EQ(Setting(L"showTip"), L"true");
}

TEST_F(SettingsHandlersTest, SaveConfigSkipsWhatIsNoSetting)
{
    struct Case {
        const char *label;
        const wchar_t *request;
    };
    const Case cases[] = {
        {"empty object", L"{\"rows\":[{}]}"},
        {"not objects", L"{\"rows\":[1,\"showTip\",[\"showTip\"],null]}"},
        {"rows not an array", L"{\"rows\":{\"showTip\":\"false\"}}"},
        {"no rows", L"{}"},
        {"not JSON", L"showTip=false"},
        {"identity marker", L"{\"rows\":[{\"key\":\"other\"}]}"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        SettingsContext context = Context();
        EXPECT_EQ(OnSaveConfig(context, Request(c.request)), L"");
        EXPECT_EQ(Setting(L"showTip"), L"true");
        EXPECT_EQ(Setting(L"key"), L"dorn-tech-kor");
    }
    // An empty object among real rows does not stop them.
    SettingsContext context = Context();
    OnSaveConfig(context, Request(L"{\"rows\":[{},{\"showTip\":\"false\"}]}"));
    EXPECT_EQ(Setting(L"showTip"), L"false");
}

TEST_F(SettingsHandlersTest, SaveConfigStoresNumbersAndBooleansAsText)
{
    SettingsContext context = Context();
    OnSaveConfig(context, Request(L"{\"rows\":[{\"port\":9001},{\"showTip\":false}]}"));
    EXPECT_EQ(Setting(L"port"), L"9001");
    EXPECT_EQ(Setting(L"showTip"), L"false");
}

TEST_F(SettingsHandlersTest, ToggleSwitchesTheCurrentGame)
{
    SettingsContext context = Context();
    EXPECT_EQ(OnToggle(context, Request(L"{\"method\":\"Toggle\",\"productName\":\"Fc6Of33\",\"area\":\"1\","
                                        L"\"flag\":\"Fc\"}")),
              L"{flag:\"ok\",msg:\"正在切换中...\"}");
    GetSystemConfig();
    EXPECT_EQ(runtime_.at(L"productName"), L"Fc6Of33");
    EXPECT_EQ(runtime_.at(L"productCnName"), L"双色球");
    EXPECT_EQ(runtime_.at(L"lotteryCategory"), L"Fc6Of33_Fc");
}

TEST_F(SettingsHandlersTest, ToggleThatCannotStoreTheGameSaysSo)
{
    Exec("delete from systeminfo where parameterName='currentFlag'");
    SettingsContext context = Context();
    EXPECT_EQ(OnToggle(context, Request(L"{\"productName\":\"Fc6Of33\",\"area\":\"1\",\"flag\":\"Fc\"}")),
              L"{flag:\"error\",msg:\"切换失败！\"}");
}

TEST_F(SettingsHandlersTest, DictionaryReplyText)
{
    SettingsContext context = Context();
    EXPECT_EQ(OnGetDict(context, Request(L"{\"method\":\"GetDict\",\"productName\":\"Magic3\"}")),
              L"{1:\"全国彩票\",2:\"地方彩票\",21:\"华东地区\",2101:\"华东联销\",2102:\"江苏\",2103:\"浙江\","
              L"22:\"华北地区\",2201:\"北京\",2202:\"天津\",baoLiu:\"保留\",dataSourceNew:\"全新号码\","
              L"dataSourceOld:\"大底号码\",hot:\"热门彩票\",paiChu:\"排除\",zhiXuan:\"直选\",zuLiu:\"组六\","
              L"zuSan:\"组三\"}");
}

TEST_F(SettingsHandlersTest, DictionaryOfAGameWithoutOwnRows)
{
    Exec("delete from dict where type='lotArea'");
    SettingsContext context = Context();
    EXPECT_EQ(OnGetDict(context, Request(L"{\"productName\":\"Fc6Of33\"}")),
              L"{baoLiu:\"保留\",dataSourceNew:\"全新号码\",dataSourceOld:\"大底号码\",paiChu:\"排除\"}");
}

TEST_F(SettingsHandlersTest, TipReplyText)
{
    const std::wstring expected =
        L"{size:\"1\",children:[{example:\"号码258的和值为15。\","
        L"explanation:\"三个号码之和（0～27）。\",remarks:\"勾选“容错”后，不满足该条件的"
        L"号码计入容错数，不超过最大容错数时保留。\"}]}";
    for (const wchar_t *request : {L"{\"id\":\"1010\"}", L"{\"id\":1010}"}) {
        SettingsContext context = Context();
        EXPECT_EQ(OnGetTip(context, Request(request)), expected);
    }
    SettingsContext context = Context();
    EXPECT_EQ(OnGetTip(context, Request(L"{\"id\":\"none\"}")), L"{size:\"0\",children:[]}");
}

TEST_F(SettingsHandlersTest, TipTextsAreEscapedForThePage)
{
    Exec("update base_config set explanation='say \"hi\"' || char(10) || 'back\\slash', example=NULL, "
         "remarks=NULL "
         "where id=1010");
    SettingsContext context = Context();
    EXPECT_EQ(OnGetTip(context, Request(L"{\"id\":\"1010\"}")),
              L"{size:\"1\",children:[{example:\"\",explanation:\"say "
              L"\\\"hi\\\"\\nback\\\\slash\",remarks:\"\"}]}");
}

TEST_F(SettingsHandlersTest, IndexExplanationsOfAPlayType)
{
    SettingsContext context = Context();
    const std::wstring reply =
        OnGetIndexExplanation(context, Request(L"{\"productName\":\"Magic3\",\"castType\":\"zuLiu\"}"));
    EXPECT_EQ(reply.rfind(L"{size:\"87\",children:[{example:\"选0、1、2、3时，123保留，124被过滤。\",", 0),
              0u);
    EXPECT_EQ(reply.find(L"moduleName:\"bigSmallDingWei\""), std::wstring::npos);
}

TEST_F(SettingsHandlersTest, SystemInfoReply)
{
    GetSystemConfig();
    SettingsContext context = Context();
    const std::wstring bits = basekit::SystemInfoUtil::Is64BitOS() != 0 ? L"64位" : L"32位";
    EXPECT_EQ(OnGetSystemInfo(context, Json::Value()),
              L"{bit:\"" + bits + L"\",height:\"728\",systemName:\"" +
                  JsonUtil::Escape(basekit::SystemInfoUtil::GetSystemName()) + L"\",width:\"1366\"}");
}

TEST_F(SettingsHandlersTest, GetConfigAnswersTheRuntimeConfiguration)
{
    SettingsContext context = Context();
    EXPECT_EQ(OnGetConfig(context, Json::Value()), L"{}");
    GetSystemConfig();
    EXPECT_EQ(OnGetConfig(context, Json::Value()), JsonUtil::MapToJsonStr(ExpectedConfig()));
}

TEST_F(SettingsHandlersTest, ApplySystemConfigsStoresTheFirstObjectsMembers)
{
    GetSystemConfig();
    SettingsContext context = Context();
    EXPECT_EQ(ApplySystemConfigs(context,
                                 std::wstring(L"[{\"maxProVersion\":\"2.0.0\",\"showUpgradeMsg\":\"false\","
                                              L"\"key\":\"evil\"},{\"showTip\":\"false\"}]")),
              L"");
    EXPECT_EQ(Setting(L"maxProVersion"), L"2.0.0");
    EXPECT_EQ(Setting(L"showUpgradeMsg"), L"false");
    EXPECT_EQ(Setting(L"showTip"), L"true");
    EXPECT_EQ(Setting(L"key"), L"dorn-tech-kor");
    EXPECT_EQ(runtime_.at(L"maxProVersion"), L"2.0.0");
    EXPECT_EQ(runtime_.at(L"key"), L"dorn-tech-kor");
}

// A tool is a program the desktop may be asked to open: the data service must not name one.
TEST_F(SettingsHandlersTest, NoRequestChangesAToolOfTheDatabase)
{
    Exec("insert into systeminfo (parameterName, parameterValue, flag) values "
         "('calcTool', '/opt/varnel/tools/calc', 'tool'), ('emptyTool', '', 'tool')");
    SettingsContext context = Context();
    ApplySystemConfigs(context, std::wstring(L"[{\"calcTool\":\"/usr/bin/xterm\",\"showTip\":\"false\"}]"));
    OnSaveConfig(context, JsonUtil::JsonStrToJsonObj(L"{\"rows\":[{\"calcTool\":\"/usr/bin/xterm\"}]}"));
    EXPECT_EQ(service_->dao().UpdateSystemParam(L"calcTool", L"/usr/bin/xterm"), 0);
    EXPECT_EQ(Setting(L"showTip"), L"false");
    EXPECT_EQ(Setting(L"calcTool"), L"/opt/varnel/tools/calc");
    EXPECT_EQ(service_->dao().QueryTools(), std::vector<std::wstring>{L"/opt/varnel/tools/calc"});
}

TEST_F(SettingsHandlersTest, ApplySystemConfigsIgnoresWhatIsNotASettingsArray)
{
    for (const wchar_t *text : {L"", L"not json", L"{\"maxProVersion\":\"2\"}", L"[]", L"[\"maxProVersion\"]",
                                L"[{}]", L"[{\"maxProVersion\":\"2\""}) {
        SCOPED_TRACE(basekit::CStrW2CStrA(text));
        SettingsContext context = Context();
        EXPECT_EQ(ApplySystemConfigs(context, std::wstring(text)), L"");
        EXPECT_EQ(Setting(L"maxProVersion"), Setting(L"mainProVersion"));
        EXPECT_TRUE(runtime_.empty());
    }
}

} // namespace
} // namespace qel::testing

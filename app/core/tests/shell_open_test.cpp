// The desktop's "open": which targets the pages may have opened, and the main window's request.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <json/json.h>

#include "basekit/sqlite3_dao.h"
#include "basekit/text_convert.h"
#include "support/scratch_copy.h"
#include "test_app.h"
#include "window/shell_target.h"

namespace qel::testing {
namespace {

struct TargetCase {
    const wchar_t *target;
    ShellTarget verdict;
};

const std::vector<std::wstring> kTools = {L"/opt/varnel/tools/calc", L"", L"docs/manual.pdf"};

TEST(ShellTargetTest, WebAddressesAndNamedToolsOnly)
{
    using enum ShellTarget;
    const TargetCase cases[] = {
        {L"http://127.0.0.1:8080/download/varnel-9.0.0.tar.gz", WebAddress},
        {L"https://service.example/video?id=7&t=30#start", WebAddress},
        {L"HTTPS://Service.Example/", WebAddress},
        {L"http://user@service.example/", WebAddress},
        {L"http://service.example", WebAddress},
        // What a hostile service or the plain-HTTP path may announce.
        {L"file:///etc/passwd", Refused},
        {L"file:///tmp/evil.desktop", Refused},
        {L"javascript:alert(document.cookie)", Refused},
        {L"/usr/bin/xterm", Refused},
        {L"/usr/share/applications/xterm.desktop", Refused},
        {L"calc; rm -rf /", Refused},
        {L"ftp://service.example/varnel.tar.gz", Refused},
        {L"mailto:someone@service.example", Refused},
        {L"smb://service.example/share", Refused},
        {L"httpx://service.example/", Refused},
        // Web schemes without a host, or spelled so that a handler may read them otherwise.
        {L"http://", Refused},
        {L"http:///etc/passwd", Refused},
        {L"http:/etc/passwd", Refused},
        {L"https:service.example", Refused},
        {L"http://user@/etc/passwd", Refused},
        {L"http://:80/", Refused},
        {L" http://service.example/", Refused},
        {L"http://service.example/a b", Refused},
        {L"http://service.example/\n--new-window", Refused},
        {L"", Refused},
        // Exactly a tool of the settings database, and nothing near it.
        {L"/opt/varnel/tools/calc", Tool},
        {L"docs/manual.pdf", Tool},
        {L"/opt/varnel/tools/calc ", Refused},
        {L"/opt/varnel/tools/calc; xterm", Refused},
        {L"file:///opt/varnel/tools/calc", Refused},
    };
    for (const TargetCase &c : cases) {
        EXPECT_EQ(ClassifyShellTarget(c.target, kTools), c.verdict) << basekit::CStrW2CStrA(c.target);
    }
    EXPECT_EQ(ClassifyShellTarget(L"/opt/varnel/tools/calc", {}), ShellTarget::Refused) << "no tools";
}

TEST(ShellTargetTest, LoggedWithoutQueryNorLineBreaks)
{
    EXPECT_EQ(ShellTargetForLog(L"http://service.example/forum?xxn=me&iip=secret"),
              "http://service.example/forum");
    EXPECT_EQ(ShellTargetForLog(L"file:///tmp/evil.desktop#x"), "file:///tmp/evil.desktop");
    EXPECT_EQ(ShellTargetForLog(L"javascript:x\nqel: forged line"), "javascript:x?qel: forged line");
    EXPECT_EQ(ShellTargetForLog(L"/usr/bin/视频"), "/usr/bin/视频");
}

// Writes to the scratch database the way the delivered SQL would.
struct RawSql : basekit::CSqlite3Dao {
    using CSqlite3Dao::update;
};

std::wstring OpenShellRequest(const std::wstring &target)
{
    Json::Value request;
    request["method"] = "OpenShell";
    request["toolName"] = basekit::UnicodeToUTF8Str(target);
    return basekit::UTF8ToUnicode(Json::writeString(Json::StreamWriterBuilder(), request));
}

TEST(ShellOpenTest, MainWindowOpensWebAddressesAndToolsAndLogsRefusalsWithoutQuery)
{
    const basekit::test_support::ScratchCopy database("sys.db");
    {
        RawSql sql;
        ASSERT_EQ(sql.openDb(database.path().string().c_str()), 0);
        ASSERT_EQ(sql.update(L"insert into systeminfo (parameterName, parameterValue, flag) values "
                             L"('calcTool', '/opt/varnel/tools/calc', 'tool')"),
                  0);
    }
    TestApp t(database.path().wstring());
    t.app->Start();
    ::testing::internal::CaptureStderr();
    for (const wchar_t *hostile : {L"file:///etc/passwd?user=me&pswd=secret", L"file:///tmp/evil.desktop",
                                   L"javascript:alert(1)", L"/usr/bin/xterm"}) {
        EXPECT_EQ(t.Main(OpenShellRequest(hostile)), L"");
    }
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(t.windows.opened.empty());
    EXPECT_NE(log.find("open refused (not a web address nor a tool): file:///etc/passwd\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find(": /usr/bin/xterm\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("secret"), std::string::npos) << "the query is left out: " << log;

    t.Main(OpenShellRequest(L"http://127.0.0.1:1/download/varnel.tar.gz"));
    t.Main(OpenShellRequest(L"/opt/varnel/tools/calc"));
    EXPECT_EQ(t.windows.opened, (std::vector<std::wstring>{L"http://127.0.0.1:1/download/varnel.tar.gz",
                                                           L"/opt/varnel/tools/calc"}));
}

} // namespace
} // namespace qel::testing

#include "basekit/xml_util.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

namespace basekit {
namespace {

namespace fs = std::filesystem;

class XmlUtilTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "xml-util-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::wstring WriteFile(const std::string &name, const std::string &bytes)
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.wstring();
    }

    fs::path folder_;
    CXmlUtil xml_;
};

TEST_F(XmlUtilTest, FlatSettingsFileGivesNameToText)
{
    const std::wstring path = WriteFile(
        "system.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config>\n  <debug>false</debug>\n"
                      "  <!-- a comment is no setting -->\n  <sysDbName>sys.db</sysDbName>\n</config>\n");
    const TextMap expected = {{L"debug", L"false"}, {L"sysDbName", L"sys.db"}};
    EXPECT_EQ(xml_.ParseXmlToMap(path, 1), expected);
    EXPECT_EQ(xml_.LastMessage(), L"");
}

// The settings file of the Windows build declares a Chinese code page.
TEST_F(XmlUtilTest, ChineseCodePageDeclarationsAreDecoded)
{
    struct Case {
        const char *encoding;
    };
    for (const Case &c : {Case{"GBK"}, Case{"GB2312"}, Case{"gb2312"}}) {
        SCOPED_TRACE(c.encoding);
        // "中文" in GBK / GB2312 is D6 D0 CE C4.
        const std::wstring path =
            WriteFile("gbk.xml", std::string("<?xml version=\"1.0\" encoding=\"") + c.encoding +
                                     "\"?><config><title>\xD6\xD0\xCE\xC4</title>"
                                     "<debug>true</debug></config>");
        const TextMap expected = {{L"debug", L"true"}, {L"title", L"中文"}};
        EXPECT_EQ(xml_.ParseXmlToMap(path, 1), expected);
    }
}

TEST_F(XmlUtilTest, RepeatedNameKeepsTheFirstTextAndTextIncludesDescendants)
{
    const TextMap map = xml_.ParseXmlToMap(L"<r><a>1</a><a>2</a><b>x<i>y</i>z</b></r>", 0);
    const TextMap expected = {{L"a", L"1"}, {L"b", L"xyz"}};
    EXPECT_EQ(map, expected);
}

TEST_F(XmlUtilTest, WideTextIsReadWhateverItsDeclarationSays)
{
    const TextMap map =
        xml_.ParseXmlToMap(L"<?xml version=\"1.0\" encoding=\"GBK\"?><r><name>福彩</name></r>", 0);
    EXPECT_EQ(map.at(L"name"), L"福彩");
}

TEST_F(XmlUtilTest, MissingOrBrokenFilesGiveEmptyResultsAndAMessage)
{
    struct Case {
        const char *label;
        std::wstring path;
    };
    const Case cases[] = {
        {"missing", (folder_ / "missing.xml").wstring()},
        {"empty", WriteFile("empty.xml", "")},
        {"unclosed", WriteFile("broken.xml", "<config><debug>false</debug>")},
        {"garbage", WriteFile("garbage.xml", "\x01\x02 not xml at all <<<")},
        {"two roots", WriteFile("roots.xml", "<a/><b/>")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_TRUE(xml_.ParseXmlToMap(c.path, 1).empty());
        EXPECT_EQ(xml_.LastMessage(), L"加载失败");
        EXPECT_TRUE(xml_.ParseXmlWithAttrsToMap(c.path, 1).empty());
        EXPECT_TRUE(xml_.ParseXmlToMapList(c.path, 1).empty());
        EXPECT_EQ(xml_.LastMessage(), L"XML格式不正确！");
        EXPECT_EQ(xml_.ParseXmlFileToStr(c.path), L"");
        EXPECT_EQ(xml_.LastMessage(), L"加载失败");
    }
}

TEST_F(XmlUtilTest, AttributesOfTheFirstChild)
{
    const TextMap map =
        xml_.ParseXmlWithAttrsToMap(L"<r>\n <item id=\"1\" name=\"甲\"/><item id=\"2\"/></r>", 0);
    const TextMap expected = {{L"id", L"1"}, {L"name", L"甲"}};
    EXPECT_EQ(map, expected);
}

TEST_F(XmlUtilTest, MapListDescendsThroughSingleChildrenToTheFirstWideLevel)
{
    struct Case {
        const char *label;
        std::wstring xml;
        TextMapList expected;
    };
    const Case cases[] = {
        {"two levels down",
         L"<r><list><group><row a=\"1\"/><row a=\"2\" b=\"x\"/></group></list></r>",
         {{{L"a", L"1"}}, {{L"a", L"2"}, {L"b", L"x"}}}},
        {"a single leaf child", L"<r><only k=\"v\"/></r>", {{{L"k", L"v"}}}},
        {"children without attributes", L"<r><a/><b/></r>", {{}, {}}},
        {"no children", L"<r/>", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(xml_.ParseXmlToMapList(c.xml, 0), c.expected);
    }
}

TEST_F(XmlUtilTest, SaveAsXmlWritesAParsableFile)
{
    const std::wstring path = (folder_ / "saved.xml").wstring();
    ASSERT_EQ(xml_.SaveAsXml(L"<config><debug>false</debug><title>中文</title></config>", path), 0);
    const TextMap expected = {{L"debug", L"false"}, {L"title", L"中文"}};
    EXPECT_EQ(xml_.ParseXmlToMap(path, 1), expected);
    EXPECT_NE(xml_.ParseXmlFileToStr(path).find(L"<title>中文</title>"), std::wstring::npos);
}

TEST_F(XmlUtilTest, SaveAsXmlOfTextThatDoesNotParseReportsFailureAndWritesNothing)
{
    const std::wstring path = (folder_ / "never.xml").wstring();
    EXPECT_EQ(xml_.SaveAsXml(L"<config><debug>", path), CXmlUtil::kSaveFailed);
    EXPECT_EQ(xml_.LastMessage(), L"xml格式不正确！");
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(XmlUtilTest, SaveAsXmlToAnUnwritablePlaceReportsFailure)
{
    const std::wstring path = (folder_ / "no-such-folder" / "x.xml").wstring();
    EXPECT_EQ(xml_.SaveAsXml(L"<config/>", path), CXmlUtil::kSaveFailed);
}

TEST_F(XmlUtilTest, ExternalEntitiesAreNotExpanded)
{
    const std::wstring secret = WriteFile("secret.txt", "secret");
    const std::wstring path =
        WriteFile("entity.xml", "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY s SYSTEM \"" +
                                    fs::path(secret).string() + "\">]><r><a>&s;</a></r>");
    const TextMap map = xml_.ParseXmlToMap(path, 1);
    EXPECT_EQ(map.count(L"a"), 1u);
    EXPECT_EQ(map.at(L"a").find(L"secret"), std::wstring::npos);
}

} // namespace
} // namespace basekit

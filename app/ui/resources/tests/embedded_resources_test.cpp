#include "qel_resources/bridge_script.h"
#include "qel_resources/embedded_resources.h"
#include "qel_resources/mime_type.h"

#include <gtest/gtest.h>

namespace qel::resources {
namespace {

TEST(EmbeddedResourcesTest, HoldsTheProgramsOwnPages)
{
    for (const char *path : {"main.html", "start.html", "about.html", "lucky.html", "js/bridge.js",
                             "js/loader.js", "js/page.js", "css/style.css"}) {
        auto content = FindEmbedded(path);
        ASSERT_TRUE(content.has_value()) << path;
        EXPECT_FALSE(content->empty()) << path;
    }
    EXPECT_NE(FindEmbedded("main.html")->find("GetSystemConfig"), std::string_view::npos);
    EXPECT_FALSE(FindEmbedded("missing.html").has_value());
    EXPECT_FALSE(FindEmbedded("").has_value());
    EXPECT_FALSE(FindEmbedded("/main.html").has_value());
}

TEST(BridgeScriptTest, WritesTheAddressAsAQuotedString)
{
    std::string script = BridgeScript("qel://bridge/3");
    EXPECT_NE(script.find("var address = \"qel://bridge/3\";"), std::string::npos);
    EXPECT_EQ(script.find("@QEL_BRIDGE_ADDRESS@"), std::string::npos);
    EXPECT_NE(script.find("window.external"), std::string::npos);

    std::string hostile = BridgeScript("x\"+alert(1)+\"\\");
    EXPECT_NE(hostile.find("var address = \"x\\\"+alert(1)+\\\"\\\\\";"), std::string::npos);
}

TEST(BridgeScriptTest, WindowIds)
{
    EXPECT_EQ(ParseWindowId("1"), 1);
    EXPECT_EQ(ParseWindowId("42"), 42);
    for (const char *bad : {"", "0", "01", "-1", "+1", "1a", "a", " 1", "1234567890", "3/4"}) {
        EXPECT_FALSE(ParseWindowId(bad).has_value()) << bad;
    }
}

TEST(MimeTypeTest, ByExtension)
{
    EXPECT_EQ(MimeTypeFor("main.html"), "text/html");
    EXPECT_EQ(MimeTypeFor("js/lib/jquery-1.11.0.min.js"), "text/javascript");
    EXPECT_EQ(MimeTypeFor("themes/default/easyui.CSS"), "text/css");
    EXPECT_EQ(MimeTypeFor("images/logo.PNG"), "image/png");
    EXPECT_EQ(MimeTypeFor("images/splash.svg"), "image/svg+xml");
    EXPECT_EQ(MimeTypeFor("folder.d/file"), "application/octet-stream");
    EXPECT_EQ(MimeTypeFor("noextension"), "application/octet-stream");
}

} // namespace
} // namespace qel::resources

#include "basekit/base_dir.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "basekit/text_convert.h"

namespace basekit {
namespace {

namespace fs = std::filesystem;

// Runs a test inside a fresh temporary directory and returns to the previous one afterwards.
class GetBaseDirTest : public testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "base-dir-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    fs::path previous_;
    fs::path root_;
};

TEST_F(GetBaseDirTest, IsTheWorkingDirectory)
{
    fs::path folder = root_ / "版本 1";
    fs::create_directory(folder);
    fs::current_path(folder);
    EXPECT_EQ(GetBaseDir(), UTF8ToUnicode(fs::canonical(root_).string() + "/版本 1"));
}

TEST_F(GetBaseDirTest, HasNoTrailingSlashExceptAtTheRoot)
{
    fs::current_path(root_);
    EXPECT_NE(GetBaseDir().back(), L'/');
    fs::current_path("/");
    EXPECT_EQ(GetBaseDir(), L"/");
}

TEST_F(GetBaseDirTest, IsNotCutOffInDeepFolders)
{
    fs::current_path(root_);
    const std::string level(100, 'd');
    for (int i = 0; i < 12; ++i) {
        fs::create_directory(level);
        fs::current_path(level);
    }
    std::wstring dir = GetBaseDir();
    EXPECT_GT(dir.size(), 1200u);
    EXPECT_EQ(dir, UTF8ToUnicode(fs::current_path().string()));
}

} // namespace
} // namespace basekit

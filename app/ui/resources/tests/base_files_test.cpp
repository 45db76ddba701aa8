#include "qel_resources/base_files.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

namespace qel::resources {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path &path, const std::string &content)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

// base/ holds html/page.html and links; secret.txt lies beside base/, outside it.
class BaseFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("qel_base_files_" + std::to_string(getpid()));
        fs::remove_all(root_);
        base_ = root_ / "base";
        WriteFile(base_ / "html" / "page.html", "<p>page</p>");
        WriteFile(base_ / "images" / "a b.png", "png");
        WriteFile(root_ / "secret.txt", "secret");
        fs::create_symlink(root_ / "secret.txt", base_ / "html" / "out.txt");
        fs::create_symlink(root_, base_ / "up");
        fs::create_symlink(base_ / "html" / "page.html", base_ / "inside.html");
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path root_;
    fs::path base_;
};

struct ReadCase {
    const char *path;
    BaseFileStatus status;
    const char *content;
};

TEST_F(BaseFilesTest, ReadsOnlyFilesInsideTheBaseDirectory)
{
    const ReadCase cases[] = {
        {"html/page.html", BaseFileStatus::Found, "<p>page</p>"},
        {"images/a b.png", BaseFileStatus::Found, "png"},
        {"inside.html", BaseFileStatus::Found, "<p>page</p>"},
        {"html/missing.html", BaseFileStatus::NotFound, ""},
        {"html", BaseFileStatus::NotFound, ""},
        {"../secret.txt", BaseFileStatus::Refused, ""},
        {"html/../../secret.txt", BaseFileStatus::Refused, ""},
        {"html/../html/page.html", BaseFileStatus::Refused, ""},
        {"/etc/passwd", BaseFileStatus::Refused, ""},
        {"html/out.txt", BaseFileStatus::Refused, ""},
        {"up/secret.txt", BaseFileStatus::Refused, ""},
        {"html\\page.html", BaseFileStatus::Refused, ""},
        {"", BaseFileStatus::Refused, ""},
    };
    for (const ReadCase &c : cases) {
        SCOPED_TRACE(c.path);
        BaseFile file = ReadBaseFile(base_.string(), c.path);
        EXPECT_EQ(file.status, c.status);
        EXPECT_EQ(file.content, c.content);
    }
}

TEST(BaseFilePathTest, PlainRelativePaths)
{
    EXPECT_TRUE(IsPlainRelativePath("js/lib/jquery-1.11.0.min.js"));
    EXPECT_TRUE(IsPlainRelativePath("a..b/c.html"));
    const char *refused[] = {"", "/abs", "a//b", "a/", "./a", "a/./b", "..", "a/..", "a\\b"};
    for (const char *path : refused) {
        EXPECT_FALSE(IsPlainRelativePath(path)) << path;
    }
    EXPECT_FALSE(IsPlainRelativePath(std::string_view("a\0b", 3)));
}

} // namespace
} // namespace qel::resources

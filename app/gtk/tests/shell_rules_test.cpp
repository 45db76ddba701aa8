#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dialog_folder.h"
#include "hit_test.h"
#include "startup_paths.h"

namespace qel::gtk {
namespace {

struct MainPressCase {
    int width, x, y;
    bool drags;
};

TEST(MainWindowDragTest, TopBandOutsideTheCentreStrip)
{
    // 1366 wide: the strip runs from (1366 - 800) / 2 = 283 to 1083, the buttons to 1113.
    const MainPressCase cases[] = {
        {1366, 0, 0, true},      {1366, 282, 60, true},  {1366, 283, 10, false}, {1366, 700, 10, false},
        {1366, 1083, 10, false}, {1366, 1084, 10, true}, {1366, 1112, 10, true}, {1366, 1113, 10, false},
        {1366, 1300, 10, false}, {1366, 100, 61, false}, {1280, 239, 0, true},   {1280, 240, 0, false},
        {1280, 1041, 5, true},   {700, 10, 10, false},   {700, 760, 10, true},
    };
    for (const MainPressCase &c : cases) {
        EXPECT_EQ(MainWindowDragsAt(c.width, c.x, c.y), c.drags) << c.width << " " << c.x << "," << c.y;
    }
}

struct PopupPressCase {
    int width, x, y;
    PopupPress press;
};

TEST(PopupPressTest, CloseBoxBetweenSixAndThirtyPixelsFromTheRight)
{
    const PopupPressCase cases[] = {
        {550, 545, 10, PopupPress::Drag},     {550, 544, 10, PopupPress::CloseBox},
        {550, 520, 35, PopupPress::CloseBox}, {550, 519, 10, PopupPress::Drag},
        {550, 100, 35, PopupPress::Drag},     {550, 100, 36, PopupPress::None},
        {550, 530, 36, PopupPress::None},     {800, 0, 0, PopupPress::Drag},
    };
    for (const PopupPressCase &c : cases) {
        EXPECT_EQ(PopupPressAt(c.width, c.x, c.y), c.press) << c.width << " " << c.x << "," << c.y;
    }
}

TEST(ExecutableFolderTest, IsTheFolderOfTheTestBinary)
{
    std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_NE(folder.back(), '/');
}

// Folders of each kind in a scratch folder: one to write, one only to read, a file, a missing one.
class DialogFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = std::filesystem::temp_directory_path() / ("qel-dialog-" + std::to_string(::getpid()));
        std::filesystem::create_directories(Folder("writable"));
        std::filesystem::create_directories(Folder("read-only"));
        ::chmod(Folder("read-only").c_str(), 0555);
        FILE *file = std::fopen(Folder("a-file").c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }
    void TearDown() override
    {
        ::chmod(Folder("read-only").c_str(), 0755);
        std::filesystem::remove_all(root_);
    }
    std::string Folder(const std::string &name) const { return (root_ / name).string(); }

    std::filesystem::path root_;
};

TEST_F(DialogFolderTest, StartsInTheFirstFolderTheDialogCanUse)
{
    // Root writes anywhere: a read-only folder refuses saving only to others.
    const bool root = ::geteuid() == 0;
    struct Case {
        std::vector<std::string> candidates;
        DialogUse use;
        std::string start;
    };
    const Case cases[] = {
        {{Folder("writable"), Folder("read-only")}, DialogUse::Save, Folder("writable")},
        {{"", Folder("missing"), Folder("a-file"), Folder("writable")}, DialogUse::Save, Folder("writable")},
        {{Folder("read-only"), Folder("writable")}, DialogUse::Open, Folder("read-only")},
        {{Folder("read-only"), Folder("writable")}, DialogUse::Save, Folder(root ? "read-only" : "writable")},
        // Nothing usable: the last one offered, the home folder, as it is.
        {{Folder("missing"), Folder("a-file"), ""}, DialogUse::Save, Folder("a-file")},
        {{}, DialogUse::Open, ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(DialogStartFolder(c.candidates, c.use), c.start) << c.candidates.size();
    }
}

TEST(FolderOfFileTest, IsWhatPrecedesTheLastSlash)
{
    EXPECT_EQ(FolderOfFile("/home/player/ssq.txt"), "/home/player");
    EXPECT_EQ(FolderOfFile("/ssq.txt"), "/");
    EXPECT_EQ(FolderOfFile("ssq.txt"), "");
}

} // namespace
} // namespace qel::gtk

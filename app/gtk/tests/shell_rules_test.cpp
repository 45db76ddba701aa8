#include <string>

#include <gtest/gtest.h>

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

} // namespace
} // namespace qel::gtk

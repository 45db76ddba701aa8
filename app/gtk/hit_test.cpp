#include "hit_test.h"

namespace qel::gtk {
namespace {

constexpr int kMainCaptionHeight = 60;
constexpr int kMainCentreStrip = 800;
constexpr int kMainSystemButtons = 30;
constexpr int kPopupCaptionHeight = 35;
constexpr int kCloseBoxNear = 6;
constexpr int kCloseBoxFar = 30;

} // namespace

bool MainWindowDragsAt(int windowWidth, int x, int y)
{
    if (y > kMainCaptionHeight) {
        return false;
    }
    int stripStart = (windowWidth - kMainCentreStrip) / 2;
    int stripEnd = stripStart + kMainCentreStrip;
    return x < stripStart || (stripEnd < x && x < stripEnd + kMainSystemButtons);
}

PopupPress PopupPressAt(int windowWidth, int x, int y)
{
    if (y > kPopupCaptionHeight) {
        return PopupPress::None;
    }
    int fromRight = windowWidth - x;
    if (fromRight < kCloseBoxNear || fromRight > kCloseBoxFar) {
        return PopupPress::Drag;
    }
    return PopupPress::CloseBox;
}

} // namespace qel::gtk

/// \file
/// \brief Where a left-button press on an undecorated window drags it or closes it.
///
/// The windows have no frame of their own: the pages draw their title bars, and a press in the
/// title-bar band of the window moves it as a caption would. Coordinates are relative to the
/// window's top left corner.
#pragma once

namespace qel::gtk {

/// The main window drags from its top 60 pixels, except over the page's own 800-pixel centre
/// strip (its tabs and menus) and the system buttons to the right of it.
bool MainWindowDragsAt(int windowWidth, int x, int y);

enum class PopupPress { None, Drag, CloseBox };

/// A pop-up's top 35 pixels drag, except the close box 6 to 30 pixels from the right edge.
PopupPress PopupPressAt(int windowWidth, int x, int y);

} // namespace qel::gtk

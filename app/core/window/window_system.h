/// \file
/// \brief Everything the core asks of the desktop: windows, timers, dialogs, the shell, exit.
///
/// The GTK shell implements it; the tests use a fake. No handler of the core touches a window
/// toolkit directly.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace qel {

class PageWindow;

/// The desktop's work area: the screen less panels and docks.
struct WorkArea {
    int x = 0;
    int y = 0;
    int width = 1366;
    int height = 728;
};

/// Where a window goes and how it looks.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 550;
    int height = 320;
    bool centred = true;   ///< centred over its parent (the main window: on the work area)
    bool rounded = true;   ///< cut to a rounded rectangle
    int cornerRadius = 12; ///< corner of the rounded rectangle
};

/// The file dialogs' two kinds: text files (".txt") and scenarios (".sc").
enum class FileKind { Text, Scenario };

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual WorkArea GetWorkArea() = 0;

    /// Moves and sizes the main window, cuts its shape and sets its title.
    virtual void PlaceMainWindow(const WindowPlacement &placement, const std::wstring &title) = 0;
    /// Shows one of the program's own pages ("main.html", "start.html") in the main window.
    virtual void ShowMainPage(const std::string &resource) = 0;
    virtual void MinimizeMainWindow() = 0;
    /// Closes the main window; the program's main loop ends.
    virtual void CloseMainWindow() = 0;
    /// Calls onTimeout once, on the user-interface thread, after the given time.
    virtual void StartTimer(int milliseconds, std::function<void()> onTimeout) = 0;
    /// Runs task once on the user-interface thread, as soon as that thread is free. The one call
    /// of this interface that any thread may make: background work hands its result back by it.
    virtual void PostToUserInterface(std::function<void()> task) = 0;

    /// Opens a pop-up window for the page at url hosting popup, and returns when it has closed.
    /// The pop-up's own requests are served meanwhile.
    virtual void RunModal(PageWindow &popup, const WindowPlacement &placement, const std::string &url) = 0;
    /// Opens a pop-up window that stays open on its own; the shell owns it from now on.
    virtual void ShowModeless(std::unique_ptr<PageWindow> popup, const WindowPlacement &placement,
                              const std::string &url) = 0;
    virtual void ClosePopup(PageWindow &popup) = 0;
    virtual void MovePopupBy(PageWindow &popup, int deltaX, int deltaY) = 0;

    /// The path the user chose, or nothing when the dialog was cancelled. suggestedName (UTF-8, may
    /// be empty) is the file name the dialog offers first.
    virtual std::optional<std::string> ChooseFileToSave(FileKind kind, const std::string &suggestedName) = 0;
    virtual std::optional<std::string> ChooseFileToOpen(FileKind kind) = 0;
    virtual void ShowMessage(const std::wstring &text) = 0;
    /// Opens the target (a web address, or a tool's program or file) with the desktop's default
    /// application. The core hands it only what ClassifyShellTarget lets through (shell_target.h).
    virtual bool OpenWithDefaultApplication(const std::wstring &target) = 0;
    /// Ends the program at once with the given status (after a fatal message).
    virtual void Exit(int status) = 0;
};

} // namespace qel

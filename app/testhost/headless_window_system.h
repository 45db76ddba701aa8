/// \file
/// \brief The core's window interface without a screen, for the test page host.
///
/// Nothing is shown: placements, pages, pop-ups, messages and targets are recorded for the tests
/// to read. Modal pop-ups exist for the length of the call that opens them; modeless ones stay
/// (their bridge addresses answer) until they are closed. Timers are recorded and never fire,
/// as the host has no event loop of its own; for the same reason tasks posted to the
/// user-interface thread are dropped (none is posted, since only timers start background work).
/// File dialogs answer the paths the host was given, or cancel.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "window/window_system.h"

namespace qel::testhost {

struct OpenedWindow {
    std::string url;
    WindowPlacement placement;
    bool modal = false;
};

class HeadlessWindowSystem : public WindowSystem {
public:
    HeadlessWindowSystem() = default;

    std::optional<std::string> fileToOpen;
    std::optional<std::string> fileToSave;
    WorkArea workArea;
    /// Called by Exit(status).
    std::function<void(int status)> onExit;

    // What the core asked for.
    std::wstring title;
    WindowPlacement mainPlacement;
    std::string mainPage;
    int minimized = 0;
    bool mainClosed = false;
    std::vector<OpenedWindow> opened;
    std::vector<std::wstring> messages;
    std::vector<std::wstring> openedTargets;
    int pendingTimers = 0;

    /// Drops the modeless pop-ups that were closed; call when no request is under way.
    void ReleaseClosed();
    /// Drops every pop-up; call before the application goes, as they refer to it.
    void ReleaseAll();

    WorkArea GetWorkArea() override { return workArea; }
    void PlaceMainWindow(const WindowPlacement &placement, const std::wstring &title) override;
    void ShowMainPage(const std::string &resource) override { mainPage = resource; }
    void MinimizeMainWindow() override { ++minimized; }
    void CloseMainWindow() override { mainClosed = true; }
    void StartTimer(int milliseconds, std::function<void()> onTimeout) override;
    void PostToUserInterface(std::function<void()> /*task*/) override {}
    void RunModal(PageWindow &popup, const WindowPlacement &placement, const std::string &url) override;
    void ShowModeless(std::unique_ptr<PageWindow> popup, const WindowPlacement &placement,
                      const std::string &url) override;
    void ClosePopup(PageWindow &popup) override;
    void MovePopupBy(PageWindow &popup, int deltaX, int deltaY) override;
    std::optional<std::string> ChooseFileToSave(FileKind kind, const std::string &suggestedName) override;
    std::optional<std::string> ChooseFileToOpen(FileKind kind) override;
    void ShowMessage(const std::wstring &text) override { messages.push_back(text); }
    bool OpenWithDefaultApplication(const std::wstring &target) override;
    void Exit(int status) override;

private:
    std::vector<std::unique_ptr<PageWindow>> modeless_;
    std::vector<std::unique_ptr<PageWindow>> closed_;
};

} // namespace qel::testhost

// A window system that records what the core asked of it, for the tests.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "window/window_system.h"

namespace qel::testing {

struct OpenedWindow {
    std::string url;
    WindowPlacement placement;
    bool modal = true;
};

class FakeWindowSystem : public WindowSystem {
public:
    WorkArea GetWorkArea() override { return workArea; }
    void PlaceMainWindow(const WindowPlacement &p, const std::wstring &t) override
    {
        mainPlacement = p;
        title = t;
    }
    void ShowMainPage(const std::string &resource) override { mainPage = resource; }
    void MinimizeMainWindow() override { ++minimised; }
    void CloseMainWindow() override { ++mainClosed; }
    void StartTimer(int milliseconds, std::function<void()> onTimeout) override
    {
        timers.emplace_back(milliseconds, std::move(onTimeout));
    }
    /// Kept until the test runs them with RunPosted, on its own thread.
    void PostToUserInterface(std::function<void()> task) override;
    void RunModal(PageWindow &popup, const WindowPlacement &p, const std::string &url) override;
    void ShowModeless(std::unique_ptr<PageWindow> popup, const WindowPlacement &p,
                      const std::string &url) override;
    void ClosePopup(PageWindow &) override { ++popupsClosed; }
    void MovePopupBy(PageWindow &, int dx, int dy) override { moves.emplace_back(dx, dy); }
    std::optional<std::string> ChooseFileToSave(FileKind kind, const std::string &suggestedName) override
    {
        suggestedNames.push_back(suggestedName);
        return Next(saveAnswers, kind);
    }
    std::optional<std::string> ChooseFileToOpen(FileKind kind) override { return Next(openAnswers, kind); }
    void ShowMessage(const std::wstring &text) override { messages.push_back(text); }
    bool OpenWithDefaultApplication(const std::wstring &target) override
    {
        opened.push_back(target);
        return true;
    }
    void Exit(int status) override { exitStatus = status; }

    WorkArea workArea{0, 0, 1920, 1040};
    WindowPlacement mainPlacement;
    std::wstring title;
    std::string mainPage;
    int minimised = 0;
    int mainClosed = 0;
    int popupsClosed = 0;
    std::vector<std::pair<int, std::function<void()>>> timers;
    std::vector<OpenedWindow> windows;
    std::vector<std::unique_ptr<PageWindow>> modeless;
    std::vector<std::pair<int, int>> moves;
    /// Answers of the file dialogs, in order; an empty optional is a cancelled dialog.
    std::deque<std::optional<std::string>> saveAnswers, openAnswers;
    std::vector<FileKind> dialogKinds;
    std::vector<std::string> suggestedNames; ///< what each save dialog offered
    std::vector<std::wstring> messages, opened;
    std::optional<int> exitStatus;
    /// What a modal pop-up's page asks while it is open, and what it got.
    std::function<void(PageWindow &)> onModal; ///< runs first, when set
    std::vector<std::wstring> popupRequests;
    std::vector<std::wstring> popupReplies;

    /// Waits until count tasks in all have been posted, or the time has passed; whether they were.
    bool WaitForPosted(std::size_t count, std::chrono::milliseconds limit);
    /// Runs the tasks posted so far, in order, on the calling thread; how many ran.
    std::size_t RunPosted();

private:
    std::mutex postedMutex_;
    std::condition_variable postedArrived_;
    std::deque<std::function<void()>> posted_;
    std::size_t postedCount_ = 0;

    std::optional<std::string> Next(std::deque<std::optional<std::string>> &answers, FileKind kind);
};

} // namespace qel::testing

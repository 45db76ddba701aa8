#include "headless_window_system.h"

#include <algorithm>

#include "bridge/page_window.h"

namespace qel::testhost {

void HeadlessWindowSystem::PlaceMainWindow(const WindowPlacement &placement, const std::wstring &newTitle)
{
    mainPlacement = placement;
    title = newTitle;
}

void HeadlessWindowSystem::StartTimer(int, std::function<void()>)
{
    ++pendingTimers;
}

void HeadlessWindowSystem::RunModal(PageWindow &, const WindowPlacement &placement, const std::string &url)
{
    opened.push_back({url, placement, true});
}

void HeadlessWindowSystem::ShowModeless(std::unique_ptr<PageWindow> popup, const WindowPlacement &placement,
                                        const std::string &url)
{
    opened.push_back({url, placement, false});
    if (popup) {
        modeless_.push_back(std::move(popup));
    }
}

void HeadlessWindowSystem::ClosePopup(PageWindow &popup)
{
    // The pop-up's own request may be the one closing it: it goes once that request is over.
    auto it =
        std::find_if(modeless_.begin(), modeless_.end(), [&](const auto &p) { return p.get() == &popup; });
    if (it != modeless_.end()) {
        closed_.push_back(std::move(*it));
        modeless_.erase(it);
    }
}

void HeadlessWindowSystem::ReleaseClosed()
{
    closed_.clear();
}

void HeadlessWindowSystem::ReleaseAll()
{
    closed_.clear();
    modeless_.clear();
}

void HeadlessWindowSystem::MovePopupBy(PageWindow &, int, int) {}

std::optional<std::string> HeadlessWindowSystem::ChooseFileToSave(FileKind, const std::string &)
{
    return fileToSave;
}

std::optional<std::string> HeadlessWindowSystem::ChooseFileToOpen(FileKind)
{
    return fileToOpen;
}

bool HeadlessWindowSystem::OpenWithDefaultApplication(const std::wstring &target)
{
    openedTargets.push_back(target);
    return true;
}

void HeadlessWindowSystem::Exit(int status)
{
    if (onExit) {
        onExit(status);
    }
}

} // namespace qel::testhost

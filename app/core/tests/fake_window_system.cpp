#include "fake_window_system.h"

#include "bridge/page_window.h"

namespace qel::testing {

void FakeWindowSystem::RunModal(PageWindow &popup, const WindowPlacement &p, const std::string &url)
{
    windows.push_back({url, p, true});
    if (onModal) {
        onModal(popup);
    }
    for (const std::wstring &request : popupRequests) {
        popupReplies.push_back(popup.Execute(request));
    }
}

void FakeWindowSystem::ShowModeless(std::unique_ptr<PageWindow> popup, const WindowPlacement &p,
                                    const std::string &url)
{
    windows.push_back({url, p, false});
    modeless.push_back(std::move(popup));
}

void FakeWindowSystem::PostToUserInterface(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        posted_.push_back(std::move(task));
        ++postedCount_;
    }
    postedArrived_.notify_all();
}

bool FakeWindowSystem::WaitForPosted(std::size_t count, std::chrono::milliseconds limit)
{
    std::unique_lock<std::mutex> lock(postedMutex_);
    return postedArrived_.wait_for(lock, limit, [&] { return postedCount_ >= count; });
}

std::size_t FakeWindowSystem::RunPosted()
{
    std::deque<std::function<void()>> tasks;
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        tasks.swap(posted_);
    }
    for (auto &task : tasks) {
        task();
    }
    return tasks.size();
}

std::optional<std::string> FakeWindowSystem::Next(std::deque<std::optional<std::string>> &answers,
                                                  FileKind kind)
{
    dialogKinds.push_back(kind);
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace qel::testing

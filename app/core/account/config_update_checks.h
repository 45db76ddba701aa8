/// \file
/// \brief The configuration-update checks in the background.
///
/// Each check's request is prepared on the user-interface thread with everything it needs copied
/// into it. Its exchange runs on an idle-priority thread of its own, which touches nothing else:
/// not the runtime configuration, not the settings database. The reply goes back to the
/// user-interface thread, which alone applies it, so no statement of the check ever runs on a
/// connection while the pages use it. Closing the program cancels the exchanges still waiting on
/// the network and waits for their threads, which end within about a second; replies not yet
/// applied are dropped.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <thread>

#include "dataservice/data_service_client.h"

namespace qel {

class ConfigUpdateChecks {
public:
    /// Hands a task to the user-interface thread; the checks' threads call it.
    using PostToUserInterface = std::function<void(std::function<void()> task)>;
    /// What becomes of a reply, on the user-interface thread.
    using ApplyReply = std::function<void(const ServiceReply &reply)>;

    ConfigUpdateChecks(PostToUserInterface post, ApplyReply apply);
    /// Stop().
    ~ConfigUpdateChecks();
    ConfigUpdateChecks(const ConfigUpdateChecks &) = delete;
    ConfigUpdateChecks &operator=(const ConfigUpdateChecks &) = delete;

    /// Sends the request on a new thread. Every call starts a check of its own, also while an
    /// earlier one still waits. Does nothing once stopped.
    void Start(PreparedRequest request);
    /// Cancels the exchanges under way and waits for every thread; nothing is applied afterwards.
    void Stop();
    /// The threads started and not yet joined.
    std::size_t pending() const { return threads_.size(); }

private:
    // What a check's thread and its posted reply may reach; the reply checks that the checks are
    // still there before it touches them.
    struct Shared {
        std::atomic<bool> cancelled{false};
        ConfigUpdateChecks *owner = nullptr;
    };

    void Finish(int id, const ServiceReply &reply);

    PostToUserInterface post_;
    ApplyReply apply_;
    std::shared_ptr<Shared> shared_;
    std::map<int, std::thread> threads_;
    int nextId_ = 0;
};

} // namespace qel

#include "account/config_update_checks.h"

#include "basekit/thread_priority.h"

namespace qel {

ConfigUpdateChecks::ConfigUpdateChecks(PostToUserInterface post, ApplyReply apply)
    : post_(std::move(post)), apply_(std::move(apply)), shared_(std::make_shared<Shared>())
{
    shared_->owner = this;
}

ConfigUpdateChecks::~ConfigUpdateChecks()
{
    Stop();
    // A reply posted before the stop and run after it finds nothing to reach.
    shared_.reset();
}

void ConfigUpdateChecks::Start(PreparedRequest request)
{
    if (shared_->cancelled) {
        return;
    }
    const int id = nextId_++;
    request.timeouts.cancelled = &shared_->cancelled;
    std::weak_ptr<Shared> weak = shared_;
    threads_.emplace(id,
                     std::thread([request = std::move(request), weak = std::move(weak), id, post = post_] {
                         basekit::LowerThreadToIdlePriority();
                         try {
                             ServiceReply reply = DataServiceClient::Exchange(request);
                             if (request.timeouts.cancelled->load()) {
                                 return; // the program is closing: nobody applies it
                             }
                             post([weak, id, reply = std::move(reply)] {
                                 if (std::shared_ptr<Shared> shared = weak.lock()) {
                                     shared->owner->Finish(id, reply);
                                 }
                             });
                         } catch (...) {
                             // Nothing may leave a thread; a check that fails changes nothing.
                         }
                     }));
}

void ConfigUpdateChecks::Finish(int id, const ServiceReply &reply)
{
    auto it = threads_.find(id);
    if (it != threads_.end()) {
        // The thread posted this as its last act: it has ended or is about to.
        it->second.join();
        threads_.erase(it);
    }
    if (shared_->cancelled) {
        return;
    }
    apply_(reply);
}

void ConfigUpdateChecks::Stop()
{
    shared_->cancelled = true;
    for (auto &[id, thread] : threads_) {
        thread.join();
    }
    threads_.clear();
}

} // namespace qel

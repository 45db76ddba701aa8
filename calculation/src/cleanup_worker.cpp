#include "calculation/cleanup_worker.h"

#include "basekit/thread_priority.h"

namespace calculation {

CleanupWorker::~CleanupWorker()
{
    Join();
}

void CleanupWorker::Start(AbstractFilterChain &chain)
{
    Join();
    thread_ = std::thread([&chain] {
        // Releasing memory is never urgent: the user-interface thread goes first.
        basekit::LowerThreadToIdlePriority();
        try {
            chain.DeleteOldData();
        } catch (...) {
            // Nothing may leave a thread; a failed release only keeps memory longer.
        }
    });
}

void CleanupWorker::Join()
{
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace calculation

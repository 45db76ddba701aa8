#include "calculation/cleanup_worker.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

namespace calculation {
namespace {

// Releasing memory is never urgent: let the user-interface thread go first.
void LowerPriority()
{
    sched_param param{};
    if (pthread_setschedparam(pthread_self(), SCHED_IDLE, &param) != 0) {
        setpriority(PRIO_PROCESS, 0, 19);
    }
}

} // namespace

CleanupWorker::~CleanupWorker()
{
    Join();
}

void CleanupWorker::Start(AbstractFilterChain &chain)
{
    Join();
    thread_ = std::thread([&chain] {
        LowerPriority();
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

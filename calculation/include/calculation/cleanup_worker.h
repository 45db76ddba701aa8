/// \file
/// \brief The worker that releases a chain's previous run in the background.
///
/// After every filter run but the first, the previous run's rows are released on an idle-priority
/// thread while the user goes on paging the new run. DeleteOldData touches only the previous run,
/// which paging, searching and writing the current run never read, so those may go on while it
/// runs. Everything that replaces or releases a run (ResetAll, DeleteAll, Filter, handing the chain
/// back to its plug-in) calls Join() first.
#pragma once

#include <thread>

#include "calculation/abstract_filter_chain.h"
#include "calculation/calculation_export.h"

namespace calculation {

class CALCULATION_EXPORT CleanupWorker {
public:
    CleanupWorker() = default;
    ~CleanupWorker();
    CleanupWorker(const CleanupWorker &) = delete;
    CleanupWorker &operator=(const CleanupWorker &) = delete;

    /// Starts DeleteOldData of chain on a new worker, after joining the one before.
    void Start(AbstractFilterChain &chain);
    /// Waits for the running worker, if any.
    void Join();
    bool running() const { return thread_.joinable(); }

private:
    std::thread thread_;
};

} // namespace calculation

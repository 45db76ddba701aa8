/// \file
/// \brief A window's plug-in host: the game bound to it, its chain, and the clean-up worker.
#pragma once

#include <string>

#include <json/value.h>

#include "calculation/calculation_util.h"
#include "calculation/cleanup_worker.h"
#include "calculation/plugin_library.h"

namespace qel {

class CFilterContext {
public:
    /// baseUrl is the address prefix of the program's images in the chain's ball styles.
    explicit CFilterContext(std::wstring baseUrl) : baseUrl_(std::move(baseUrl)) {}
    ~CFilterContext();
    CFilterContext(const CFilterContext &) = delete;
    CFilterContext &operator=(const CFilterContext &) = delete;

    /// Releases the bound game completely, then binds the key's plug-in (also when it is the same
    /// game: a game's state never survives a rebind). An unknown key or a missing or broken plug-in
    /// leaves the window without a chain.
    void SwitchPlugin(const std::wstring &gameKey);
    /// Joins the clean-up worker, resets and releases the chain, hands it back and unloads the
    /// plug-in.
    void Release();

    /// The "Filter" command: builds the conditions from the request's "items", runs the chain and
    /// answers its first result page.
    std::wstring OnFilter(const Json::Value &request);

    /// The bound chain, or null. Paging, searching and writing the current run may overlap the
    /// clean-up worker; use PrepareToReplaceRun() before anything that replaces or releases a run.
    calculation::AbstractFilterChain *chain() { return chain_.get(); }
    /// Waits for the clean-up worker.
    void PrepareToReplaceRun() { worker_.Join(); }
    /// The next "Filter" starts afresh: no reset, no clean-up worker.
    void MarkFirstRun() { firstRun_ = true; }
    bool firstRun() const { return firstRun_; }

    const calculation::CCalculationUtil &calc() const { return calc_; }
    const std::string &lastError() const { return lastError_; }

private:
    std::wstring baseUrl_;
    bool firstRun_ = true;
    calculation::CCalculationUtil calc_;
    // Declared in this order so that destruction joins the worker, then gives the chain back,
    // then unloads the library.
    calculation::PluginLibrary library_;
    calculation::ChainHandle chain_{nullptr, {}};
    calculation::CleanupWorker worker_;
    std::string lastError_;
};

} // namespace qel

/// \file
/// \brief Loads a game plug-in and hands out its chains, checking the boundary as it goes.
///
/// A PluginLibrary owns the dlopen handle; a chain it makes is a ChainHandle whose deleter gives
/// the object back to the plug-in that made it. Every chain must be gone before its library:
/// keep the library open (declared first) for as long as any chain it made lives.
#pragma once

#include <memory>
#include <string>

#include "calculation/calculation_export.h"
#include "calculation/plugin_api.h"

namespace calculation {

class PluginLibrary;

/// Gives a chain back to its plug-in's ReleaseFilterChain.
struct CALCULATION_EXPORT ChainRelease {
    ReleaseFilterChainFn release = nullptr;
    void operator()(AbstractFilterChain *chain) const;
};
using ChainHandle = std::unique_ptr<AbstractFilterChain, ChainRelease>;

class CALCULATION_EXPORT PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(PluginLibrary &&other) noexcept;
    PluginLibrary &operator=(PluginLibrary &&other) noexcept;
    PluginLibrary(const PluginLibrary &) = delete;
    PluginLibrary &operator=(const PluginLibrary &) = delete;

    /// Opens the file, checks its contract version and resolves both exports. On failure the
    /// library stays closed and error() says why (the loader's own text, or the versions).
    bool Open(const std::string &path);
    void Close();
    bool isOpen() const { return handle_ != nullptr; }
    const std::string &error() const { return error_; }

    /// A new chain with its stages built (CreateChainNode), or null when the plug-in gave none or
    /// failed building it.
    ChainHandle MakeChain();

private:
    void *handle_ = nullptr;
    GetFilterChainFn getChain_ = nullptr;
    ReleaseFilterChainFn releaseChain_ = nullptr;
    std::string error_;
};

/// The plug-in file of a game key of the game table, relative to the base directory
/// ("Plugin/Rules-Magic3.so"; "Fc4Of10" is "Rules-Ttc4Of10"); empty for a key not in the table.
CALCULATION_EXPORT std::string PluginPathForGame(const std::wstring &gameKey);

} // namespace calculation

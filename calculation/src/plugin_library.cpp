#include "calculation/plugin_library.h"

#include <dlfcn.h>

#include <bit>
#include <string>
#include <type_traits>

#include "calculation/game_table.h"

namespace calculation {
namespace {

// The export of an open library as the function type the contract gives it; null when the
// library has none of that name.
template <class Fn> Fn LookUp(void *handle, PluginExport<Fn> symbol)
{
    static_assert(std::is_function_v<std::remove_pointer_t<Fn>>, "exports of the contract are functions");
    return std::bit_cast<Fn>(dlsym(handle, symbol.name));
}

} // namespace

void ChainRelease::operator()(AbstractFilterChain *chain) const
{
    if (chain && release) {
        release(chain);
    }
}

PluginLibrary::~PluginLibrary()
{
    Close();
}

PluginLibrary::PluginLibrary(PluginLibrary &&other) noexcept
{
    *this = std::move(other);
}

PluginLibrary &PluginLibrary::operator=(PluginLibrary &&other) noexcept
{
    if (this != &other) {
        Close();
        std::swap(handle_, other.handle_);
        std::swap(getChain_, other.getChain_);
        std::swap(releaseChain_, other.releaseChain_);
        error_ = std::move(other.error_);
    }
    return *this;
}

bool PluginLibrary::Open(const std::string &path)
{
    Close();
    dlerror();
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *why = dlerror();
        error_ = why ? why : "cannot open " + path;
        return false;
    }
    // The version first: nothing else of a plug-in built against another contract is called.
    auto version = LookUp(handle, kApiVersionExport);
    if (!version) {
        error_ = path + ": not a game plug-in of this program (no contract version)";
        dlclose(handle);
        return false;
    }
    if (int built = version(); built != QEL_PLUGIN_API_VERSION) {
        error_ = path + ": plug-in built for contract version " + std::to_string(built) +
                 ", the program needs " + std::to_string(QEL_PLUGIN_API_VERSION);
        dlclose(handle);
        return false;
    }
    auto getChain = LookUp(handle, kGetFilterChainExport);
    auto releaseChain = LookUp(handle, kReleaseFilterChainExport);
    if (!getChain || !releaseChain) {
        error_ = path + ": not a game plug-in (GetFilterChain/ReleaseFilterChain missing)";
        dlclose(handle);
        return false;
    }
    handle_ = handle;
    getChain_ = getChain;
    releaseChain_ = releaseChain;
    error_.clear();
    return true;
}

void PluginLibrary::Close()
{
    if (handle_) {
        dlclose(handle_);
    }
    handle_ = nullptr;
    getChain_ = nullptr;
    releaseChain_ = nullptr;
}

ChainHandle PluginLibrary::MakeChain()
{
    if (!getChain_) {
        return ChainHandle(nullptr, ChainRelease{});
    }
    ChainHandle chain(getChain_(), ChainRelease{releaseChain_});
    if (!chain) {
        error_ = "the plug-in made no chain";
        return chain;
    }
    try {
        chain->CreateChainNode();
    } catch (const std::exception &e) {
        error_ = e.what();
        chain.reset();
    } catch (...) {
        error_ = "building the chain's stages failed";
        chain.reset();
    }
    return chain;
}

std::string PluginPathForGame(const std::wstring &gameKey)
{
    const GameInfo *game = FindGame(gameKey);
    return game ? PluginFile(game->plugin) : std::string();
}

} // namespace calculation

/// \file
/// \brief The contract between the program and a game plug-in.
///
/// A plug-in is a shared object "Plugin/Rules-<name>.so" that exports exactly these three C
/// functions. The program loads it with dlopen and first asks QelPluginApiVersion: a plug-in built
/// against another version of this contract is refused before any of its code is trusted. Then it
/// calls GetFilterChain, then CreateChainNode on the
/// object once, uses it, and before unloading joins any clean-up worker, calls ResetAll and
/// DeleteAll, and hands the object back to the same plug-in's ReleaseFilterChain. An object is
/// never destroyed by the program and never handed to another plug-in.
///
/// Nothing throws out of the exports: a failure to build the chain is a null result.
#pragma once

#include "calculation/abstract_filter_chain.h"

/// The version of this contract. Raise it whenever what a plug-in and the program share changes in
/// a way the other side sees: a virtual operation of AbstractFilterChain or AbstractFilter added,
/// removed or moved, a member of either class or of a type they pass changed, an export changed.
/// Plug-ins are built with the program, so there is no range of accepted versions: only this one.
#define QEL_PLUGIN_API_VERSION 5

extern "C" {
/// The contract version the plug-in was built against.
typedef int (*QelPluginApiVersionFn)();
/// A new, independent chain object of the plug-in's game, or null.
typedef calculation::AbstractFilterChain *(*GetFilterChainFn)();
/// Destroys an object made by this plug-in's GetFilterChain; null does nothing.
typedef void (*ReleaseFilterChainFn)(calculation::AbstractFilterChain *chain);
}

namespace calculation {

/// An export of the contract: its name with the type of function it is, so the loader looks it
/// up as that type and a name can never be read as another export's type.
template <class Fn> struct PluginExport {
    const char *name;
};
inline constexpr PluginExport<QelPluginApiVersionFn> kApiVersionExport{"QelPluginApiVersion"};
inline constexpr PluginExport<GetFilterChainFn> kGetFilterChainExport{"GetFilterChain"};
inline constexpr PluginExport<ReleaseFilterChainFn> kReleaseFilterChainExport{"ReleaseFilterChain"};

} // namespace calculation

/// Defines the three exports of a plug-in whose chain class is ChainClass.
// NOLINTBEGIN(bugprone-macro-parentheses): the parameter is a type name
#define QEL_DEFINE_GAME_PLUGIN(ChainClass)                                                                   \
    extern "C" __attribute__((visibility("default"))) int QelPluginApiVersion()                              \
    {                                                                                                        \
        return QEL_PLUGIN_API_VERSION;                                                                       \
    }                                                                                                        \
    extern "C" __attribute__((visibility("default"))) calculation::AbstractFilterChain *GetFilterChain()     \
    {                                                                                                        \
        try {                                                                                                \
            return new ChainClass();                                                                         \
        } catch (...) {                                                                                      \
            return nullptr;                                                                                  \
        }                                                                                                    \
    }                                                                                                        \
    extern "C" __attribute__((visibility("default"))) void ReleaseFilterChain(                               \
        calculation::AbstractFilterChain *chain)                                                             \
    {                                                                                                        \
        delete chain;                                                                                        \
    }
// NOLINTEND(bugprone-macro-parentheses)

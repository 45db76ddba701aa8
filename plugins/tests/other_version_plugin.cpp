// A test-only plug-in built against another version of the contract: the loader must refuse it
// before it calls anything else of it.
#include <cstdlib>

#include "calculation/plugin_api.h"

extern "C" __attribute__((visibility("default"))) int QelPluginApiVersion()
{
    return QEL_PLUGIN_API_VERSION + 1;
}

extern "C" __attribute__((visibility("default"))) calculation::AbstractFilterChain *GetFilterChain()
{
    std::abort(); // a chain of another contract would not be an AbstractFilterChain of ours
}

extern "C" __attribute__((visibility("default"))) void ReleaseFilterChain(calculation::AbstractFilterChain *)
{
    std::abort();
}

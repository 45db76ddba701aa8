// A test-only plug-in of the contract before it carried a version: refused as well.
#include <cstdlib>

#include "calculation/plugin_api.h"

extern "C" __attribute__((visibility("default"))) calculation::AbstractFilterChain *GetFilterChain()
{
    std::abort();
}

extern "C" __attribute__((visibility("default"))) void ReleaseFilterChain(calculation::AbstractFilterChain *)
{
    std::abort();
}

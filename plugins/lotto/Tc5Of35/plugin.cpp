// The exports of Rules-Tc5Of35.
#include "calculation/plugin_api.h"
#include "tc5of35_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::tc5of35::Tc5Of35FilterChain)

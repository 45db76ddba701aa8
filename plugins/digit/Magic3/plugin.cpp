// The exports of Rules-Magic3.
#include "calculation/plugin_api.h"
#include "magic3_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::magic3::Magic3FilterChain)

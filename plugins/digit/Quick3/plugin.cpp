// The exports of Rules-Quick3.
#include "calculation/plugin_api.h"
#include "quick3_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::quick3::Quick3FilterChain)

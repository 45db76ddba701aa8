// The exports of Rules-Fc7Of30.
#include "calculation/plugin_api.h"
#include "fc7of30_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::fc7of30::Fc7Of30FilterChain)

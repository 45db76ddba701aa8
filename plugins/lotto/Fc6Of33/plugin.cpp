// The exports of Rules-Fc6Of33.
#include "calculation/plugin_api.h"
#include "fc6of33_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::fc6of33::Fc6Of33FilterChain)

// The exports of Rules-Array5.
#include "array5_filter_chain.h"
#include "calculation/plugin_api.h"

QEL_DEFINE_GAME_PLUGIN(plugins::array5::Array5FilterChain)

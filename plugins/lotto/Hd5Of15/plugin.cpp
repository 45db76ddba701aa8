// The exports of Rules-Hd5Of15.
#include "calculation/plugin_api.h"
#include "hd5of15_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::hd5of15::Hd5Of15FilterChain)

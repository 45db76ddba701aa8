// The exports of Rules-Tc5Of20.
#include "calculation/plugin_api.h"
#include "tc5of20_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::tc5of20::Tc5Of20FilterChain)

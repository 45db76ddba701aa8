// The exports of Rules-Tc7Of10.
#include "calculation/plugin_api.h"
#include "tc7of10_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::tc7of10::Tc7Of10FilterChain)

// The exports of Rules-Fc6Of10.
#include "calculation/plugin_api.h"
#include "fc6of10_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::fc6of10::Fc6Of10FilterChain)

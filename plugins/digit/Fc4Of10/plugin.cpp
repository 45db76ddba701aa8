// The exports of Rules-Ttc4Of10, the plug-in of the game key "Fc4Of10".
#include "calculation/plugin_api.h"
#include "fc4of10_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::fc4of10::Ttc4Of10FilterChain)

// The exports of Rules-Ttl5Of22.
#include "calculation/plugin_api.h"
#include "ttl5of22_filter_chain.h"

QEL_DEFINE_GAME_PLUGIN(plugins::ttl5of22::Ttl5Of22FilterChain)

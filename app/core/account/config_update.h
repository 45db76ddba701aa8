/// \file
/// \brief The check for configuration updates of the data service: its request and its reply.
///
/// Both halves run on the user-interface thread: the request is prepared from the runtime
/// configuration and the settings as they stand (a copy, so that the exchange can run on a thread
/// of its own), and the reply is applied to the settings database and the runtime configuration.
#pragma once

#include "basekit/row_types.h"
#include "dataservice/data_service_client.h"
#include "settings/settings_context.h"

namespace qel {

/// The "/sys/checkConfigUpdate" request: the system's name with " 64" or " 32", the current game
/// as "productName_flag", the stored login in plain text, the program's version and the
/// settings file's "channel".
Preparation PrepareConfigUpdateCheck(DataServiceClient &service, const basekit::TextMap &runtimeConfig,
                                     const basekit::TextMap &settings);

/// Applies a reply whose "openUpdate" is "1": its "systemConfigs" (an array, or the array's JSON
/// text) go to the settings database and the runtime configuration. A failed exchange and any
/// other reply change nothing.
void ApplyConfigUpdateReply(SettingsContext &context, const ServiceReply &reply);

} // namespace qel

/// \file
/// \brief The data service's built-in address, as the build configured it.
#pragma once

#include <string>

namespace qel {

/// Where the data service is reached when the settings do not say otherwise.
struct ServiceEndpoints {
    std::wstring host;    ///< "host" of the runtime configuration
    std::wstring port;    ///< "port" of the runtime configuration
    std::wstring website; ///< "website": the service's web address, the prefix of its pages
};

/// The values of the build's cache entries QEL_SERVICE_HOST, QEL_SERVICE_PORT and QEL_WEB_URL.
ServiceEndpoints BuiltInServiceEndpoints();

} // namespace qel

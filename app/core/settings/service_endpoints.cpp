#include "settings/service_endpoints.h"

#include "settings/build_service_address.h"

namespace qel {

ServiceEndpoints BuiltInServiceEndpoints()
{
    return {kBuiltInServiceHost, kBuiltInServicePort, kBuiltInWebsite};
}

} // namespace qel

/// \file
/// \brief Sends the catalogue's requests and tells a usable reply from a failed exchange.
///
/// Host and port are read afresh for every request from the runtime configuration. Whether a
/// reply is usable is decided from the exchange (a complete reply, status 200, a body), never
/// from what the body says. Request values are escaped where they stand in quotes, and a value
/// the catalogue writes bare must be an integer, or nothing is sent.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <json/value.h>

#include "basekit/http_client.h"
#include "basekit/row_types.h"
#include "dataservice/service_catalogue.h"

namespace qel {

/// The answer to every request whose exchange failed.
inline constexpr wchar_t kServiceFailed[] = L"服务器连接失败！";

/// The "param" of a row, or the reason it cannot be built.
struct BuiltParam {
    std::optional<std::wstring> text; ///< the param; empty optional when a value is unusable
    std::wstring error;               ///< the error reply when it is
};

/// A reply the exchange delivered, decoded, or the error reply for the page.
struct ServiceReply {
    bool usable = false;
    std::wstring text; ///< the decoded reply when usable, else the error reply
};

/// One request with everything its exchange needs copied into it, so that the exchange may run
/// on another thread than the one that read the runtime configuration.
struct PreparedRequest {
    HttpVerb verb = HttpVerb::Get;
    std::wstring host;
    int port = 0;
    std::wstring path;
    std::wstring param;
    basekit::HttpTimeouts timeouts;
};

/// A prepared request, or the error reply when it cannot be sent.
struct Preparation {
    std::optional<PreparedRequest> request;
    std::wstring error;
};

class DataServiceClient {
public:
    /// userId gives the installation's user identifier; it is asked for only when a request
    /// carries it.
    DataServiceClient(const basekit::TextMap &runtimeConfig, std::function<std::wstring()> userId);

    void SetTimeouts(const basekit::HttpTimeouts &timeouts) { timeouts_ = timeouts; }

    /// The row's param for the request; supplied holds the values of the Supplied keys.
    BuiltParam BuildParam(const CatalogueRow &row, const Json::Value &request,
                          const basekit::TextMap &supplied = {});

    /// The row of method for the request, with host, port and timeouts as they stand now.
    Preparation Prepare(std::string_view method, const Json::Value &request,
                        const basekit::TextMap &supplied = {});
    /// Sends a prepared request and decodes the reply. Reads nothing but the request, so any
    /// thread may call it.
    static ServiceReply Exchange(const PreparedRequest &request);

    /// Sends the row of method for the request and decodes the reply.
    ServiceReply Send(std::string_view method, const Json::Value &request,
                      const basekit::TextMap &supplied = {});

    /// A pass-through request: the decoded reply, or the error reply.
    std::wstring PassThrough(std::string_view method, const Json::Value &request);

    /// A processed request: the reply parsed as a JSON object, or nothing with errorReply set (a
    /// failed exchange, or a reply that is not a JSON object).
    std::optional<Json::Value> SendForObject(std::string_view method, const Json::Value &request,
                                             std::wstring &errorReply, const basekit::TextMap &supplied = {});

private:
    std::wstring ConfigValue(const char *key) const;
    const std::wstring &UserId();

    const basekit::TextMap &runtimeConfig_;
    std::function<std::wstring()> userIdSource_;
    std::optional<std::wstring> userId_;
    basekit::HttpTimeouts timeouts_;
};

} // namespace qel

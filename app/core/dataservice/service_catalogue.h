/// \file
/// \brief Every request the program sends to the data service, as one table.
///
/// A row names the page method that sends it, the verb and path, how its "param" is built and
/// whether the reply goes back to the page as it came (pass-through) or is processed by a
/// handler first. The windows' method tables reach the rows by method name.
#pragma once

#include <span>
#include <string_view>

#include <json/value.h>

namespace qel {

enum class HttpVerb { Get, Post };

/// How the "param" text is written.
enum class ParamForm {
    Json,     ///< {"key":"text","key":123} in the row's key order, keys quoted
    MapReply, ///< {key:"text"} with the keys in ascending order, keys bare, every value quoted
    Empty,    ///< "" (a history request of a type the service does not know)
};

/// Where a value of the "param" comes from.
enum class ValueSource {
    Request,         ///< the page request's member `from`
    RequestOrConfig, ///< the request's member `from` when present and not null, else the runtime
                     ///< configuration's
    Config,          ///< the runtime configuration's value `from`
    ClientId,        ///< the fixed client identifier
    UserId,          ///< the installation's user identifier
    Supplied,        ///< given by the handler that sends the row (credentials, feedback user)
};

struct ParamKey {
    const char *name; ///< the key on the wire
    ValueSource source;
    const char *from;  ///< the member or setting read; null for ClientId and UserId
    bool bare = false; ///< written without quotes: the value must be an integer
};

enum class ReplyUse {
    PassThrough, ///< the decoded reply is the page's answer
    Processed,   ///< a handler parses the reply and answers
};

struct CatalogueRow {
    const char *method; ///< the page method; "" for the configuration-update check
    const char *type;   ///< the request's "type" this row is for; null: any type
    HttpVerb verb;
    const char *path;
    ParamForm form;
    std::span<const ParamKey> keys;
    ReplyUse reply;
};

/// The fixed client identifier every request carries.
inline constexpr wchar_t kClientId[] = L"dorn-tech.pc.kor";

/// Every row, in the catalogue's order.
std::span<const CatalogueRow> ServiceCatalogue();

/// The row of method for this request (the first whose method is equal and whose type, if it has
/// one, is the request's "type"); null when the catalogue has none.
const CatalogueRow *FindServiceRequest(std::string_view method, const Json::Value &request);

} // namespace qel

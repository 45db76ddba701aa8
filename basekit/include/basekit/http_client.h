/// \file
/// \brief Blocking HTTP calls to the data service: one GET with a "param" query, one form POST.
///
/// Each call uses an easy handle of its own (libcurl), so calls on different threads share
/// nothing. The result tells a transport failure (refused, timed out, closed, a bad address or
/// port) apart from an HTTP status, so callers decide from the exchange itself, never from the
/// text of a reply. Nothing here throws.
#pragma once

#include <atomic>
#include <string>
#include <string_view>

#include "basekit/basekit_export.h"

namespace basekit {

/// What came back from one call.
struct HttpResult {
    bool transportOk = false; ///< a complete HTTP reply was received
    long status = 0;          ///< its status code; 0 without a reply
    std::string body;         ///< the first line of the body, as raw bytes (UTF-8 from the service)
    std::string error;        ///< why the exchange failed, for diagnostics

    /// A complete reply with status 200.
    bool ok() const { return transportOk && status == 200; }
};

/// Limits of one call, in milliseconds. The calls run on the user-interface thread, so a server
/// that accepts and then stalls must not hold it longer than totalMs.
struct HttpTimeouts {
    long connectMs = 5000;
    long totalMs = 20000;
    /// When given and it turns true, the call gives up as a failed exchange; it is looked at
    /// about once a second while the call waits. A background caller that must end early (the
    /// program closing) sets it.
    std::atomic<bool> *cancelled = nullptr;
};

class BASEKIT_EXPORT HttpClient {
public:
    HttpClient() = delete;

    /// The accept header every GET carries.
    static constexpr const char *kAcceptHeader =
        "Accept: audio/x-aiff, audio/basic, audio/midi,audio/mpeg, audio/wav, image/jpeg, image/gif, "
        "image/jpg, image/png,image/mng, image/bmp, text/plain, text/html, text/htm";

    /// GET http://host:port + path + "?param=" + param, percent-encoded as UTF-8. A port outside
    /// 1-65535 or a host that is not a plain name or address fails before anything is sent.
    static HttpResult Get(const std::wstring &host, const std::wstring &path, const std::wstring &param,
                          int port, const HttpTimeouts &timeouts = {});
    /// POST of the form body (already encoded, sent as it stands) to http://host:port + path.
    static HttpResult Post(const std::wstring &host, const std::wstring &path, std::string_view body,
                           int port, const HttpTimeouts &timeouts = {50000, 60000});

    /// Every byte of the text except the unreserved ones (letters, digits, "-", ".", "_", "~")
    /// written as "%XX".
    static std::string PercentEncode(std::string_view bytes);
    /// Whether the text may stand as the host of an address: letters, digits, ".", "-", or an
    /// IPv6 address in brackets; nothing that could start a path, a user name or a port.
    static bool IsPlainHost(std::wstring_view host);
};

} // namespace basekit

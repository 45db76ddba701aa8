#include "qel_scheme.h"

#include <memory>
#include <string_view>

#include "gobject_ref.h"
#include "log.h"
#include "qel_resources/base_files.h"
#include "qel_resources/bridge_script.h"
#include "qel_resources/embedded_resources.h"
#include "qel_resources/mime_type.h"

namespace qel::gtk {
namespace {

constexpr const char *kScheme = "qel";

struct UriDeleter {
    void operator()(GUri *uri) const { g_uri_unref(uri); }
};

std::string RequestOrigin(WebKitURISchemeRequest *request)
{
    SoupMessageHeaders *headers = webkit_uri_scheme_request_get_http_headers(request);
    const char *origin = headers ? soup_message_headers_get_one(headers, "Origin") : nullptr;
    return origin ? origin : "";
}

// Our own pages (qel://res, qel://base) may read each other's files; a page from elsewhere may
// only call the bridge.
std::string AllowedOrigin(WebKitURISchemeRequest *request, bool anyOrigin)
{
    if (anyOrigin) {
        return "*";
    }
    std::string origin = RequestOrigin(request);
    return origin.rfind("qel://", 0) == 0 ? origin : std::string();
}

void Finish(WebKitURISchemeRequest *request, std::string_view contentType, std::string_view body,
            const std::string &allowOrigin)
{
    auto bytes = g_bytes_new(body.data(), body.size());
    auto stream = GObjectRef<GInputStream>::Adopt(g_memory_input_stream_new_from_bytes(bytes));
    g_bytes_unref(bytes);
    auto response = GObjectRef<WebKitURISchemeResponse>::Adopt(
        webkit_uri_scheme_response_new(stream.get(), static_cast<gint64>(body.size())));
    webkit_uri_scheme_response_set_status(response.get(), 200, nullptr);
    webkit_uri_scheme_response_set_content_type(response.get(), std::string(contentType).c_str());
    SoupMessageHeaders *headers = soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
    soup_message_headers_append(headers, "Cache-Control", "no-store");
    if (!allowOrigin.empty()) {
        soup_message_headers_append(headers, "Access-Control-Allow-Origin", allowOrigin.c_str());
        soup_message_headers_append(headers, "Access-Control-Allow-Methods", "GET, POST");
        soup_message_headers_append(headers, "Access-Control-Allow-Headers", "Content-Type");
    }
    webkit_uri_scheme_response_set_http_headers(response.get(), headers);
    webkit_uri_scheme_request_finish_with_response(request, response.get());
}

// A failed request makes the page's load fail, so that pop-ups show their error page.
void Fail(WebKitURISchemeRequest *request, GIOErrorEnum code, const std::string &message)
{
    GError *error = g_error_new_literal(G_IO_ERROR, code, message.c_str());
    webkit_uri_scheme_request_finish_error(request, error);
    g_error_free(error);
}

std::string ReadBody(WebKitURISchemeRequest *request)
{
    std::string body;
    auto stream = GObjectRef<GInputStream>::Adopt(webkit_uri_scheme_request_get_http_body(request));
    if (!stream) {
        return body;
    }
    char buffer[16384];
    for (;;) {
        gsize read = 0;
        if (!g_input_stream_read_all(stream.get(), buffer, sizeof buffer, &read, nullptr, nullptr)) {
            break;
        }
        body.append(buffer, read);
        if (read < sizeof buffer) {
            break;
        }
    }
    return body;
}

} // namespace

QelScheme::QelScheme(std::string baseDir, Bridge bridge)
    : baseDir_(std::move(baseDir)), bridge_(std::move(bridge))
{
}

void QelScheme::Register(WebKitWebContext *context)
{
    webkit_web_context_register_uri_scheme(context, kScheme, OnRequest, this, nullptr);
    WebKitSecurityManager *security = webkit_web_context_get_security_manager(context);
    webkit_security_manager_register_uri_scheme_as_secure(security, kScheme);
    webkit_security_manager_register_uri_scheme_as_cors_enabled(security, kScheme);
}

void QelScheme::OnRequest(WebKitURISchemeRequest *request, gpointer self)
{
    // The request stays ours until it is finished, even if a nested loop runs meanwhile.
    auto held = GObjectRef<WebKitURISchemeRequest>::Adopt(WEBKIT_URI_SCHEME_REQUEST(g_object_ref(request)));
    try {
        static_cast<QelScheme *>(self)->Handle(request);
    } catch (...) {
        LogCurrentException("qel: request");
        Fail(request, G_IO_ERROR_FAILED, "the request failed");
    }
}

void QelScheme::Handle(WebKitURISchemeRequest *request)
{
    const char *address = webkit_uri_scheme_request_get_uri(request);
    std::unique_ptr<GUri, UriDeleter> uri(g_uri_parse(address, G_URI_FLAGS_NONE, nullptr));
    if (!uri) {
        Fail(request, G_IO_ERROR_INVALID_ARGUMENT, "not a valid address");
        return;
    }
    std::string host = g_uri_get_host(uri.get()) ? g_uri_get_host(uri.get()) : "";
    std::string path = g_uri_get_path(uri.get());
    if (!path.empty() && path.front() == '/') {
        path.erase(0, 1);
    }
    if (host == "res") {
        ServeResource(request, path);
    } else if (host == "base") {
        ServeBaseFile(request, path);
    } else if (host == "bridge") {
        ServeBridge(request, path);
    } else {
        Fail(request, G_IO_ERROR_NOT_FOUND, "no such place");
    }
}

void QelScheme::ServeResource(WebKitURISchemeRequest *request, const std::string &path)
{
    auto content = resources::FindEmbedded(path);
    if (!content) {
        Fail(request, G_IO_ERROR_NOT_FOUND, "no such resource");
        return;
    }
    Finish(request, resources::MimeTypeFor(path), *content, AllowedOrigin(request, false));
}

void QelScheme::ServeBaseFile(WebKitURISchemeRequest *request, const std::string &path)
{
    resources::BaseFile file = resources::ReadBaseFile(baseDir_, path);
    switch (file.status) {
    case resources::BaseFileStatus::Found:
        Finish(request, resources::MimeTypeFor(path), file.content, AllowedOrigin(request, false));
        return;
    case resources::BaseFileStatus::Refused:
        Fail(request, G_IO_ERROR_PERMISSION_DENIED, "outside the base directory");
        return;
    case resources::BaseFileStatus::NotFound:
        Fail(request, G_IO_ERROR_NOT_FOUND, "no such file");
        return;
    }
}

void QelScheme::ServeBridge(WebKitURISchemeRequest *request, const std::string &path)
{
    const char *method = webkit_uri_scheme_request_get_http_method(request);
    if (!method || std::string_view(method) != "POST") {
        Fail(request, G_IO_ERROR_NOT_SUPPORTED, "the bridge answers POST only");
        return;
    }
    std::string reply;
    if (auto id = resources::ParseWindowId(path)) {
        reply = bridge_(webkit_uri_scheme_request_get_web_view(request), *id, ReadBody(request));
    }
    // XMLHttpRequest decodes a text without a named charset as UTF-8.
    Finish(request, "text/plain", reply, "*");
}

} // namespace qel::gtk

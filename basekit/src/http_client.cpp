#include "basekit/http_client.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <mutex>

#include <curl/curl.h>

#include "basekit/text_convert.h"

namespace basekit {
namespace {

// A reply larger than this is not one of the service's one-line texts; the call fails instead of
// filling the memory.
constexpr std::size_t kMaxBodyBytes = std::size_t{32} * 1024 * 1024;

struct EasyDeleter {
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;

struct SlistDeleter {
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, SlistDeleter>;

// curl_global_init is not thread-safe itself; the first call of any thread runs it once.
void InitialiseCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Sink {
    std::string bytes;
    bool tooLarge = false;
};

std::size_t Collect(char *data, std::size_t size, std::size_t count, void *user)
{
    auto *sink = static_cast<Sink *>(user);
    const std::size_t length = size * count;
    if (sink->bytes.size() + length > kMaxBodyBytes) {
        sink->tooLarge = true;
        return 0; // ends the transfer with a write error
    }
    sink->bytes.append(data, length);
    return length;
}

// The service answers one line; a line end after it is not part of the text.
std::string FirstLine(std::string bytes)
{
    const std::size_t end = bytes.find('\n');
    if (end != std::string::npos) {
        bytes.erase(end);
    }
    if (!bytes.empty() && bytes.back() == '\r') {
        bytes.pop_back();
    }
    return bytes;
}

HttpResult Failed(std::string why)
{
    HttpResult result;
    result.error = std::move(why);
    return result;
}

// Asked by libcurl while the call runs; a non-zero answer ends it.
int GiveUpWhenCancelled(void *flag, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<std::atomic<bool> *>(flag)->load() ? 1 : 0;
}

// Options every call shares: HTTP only, no redirects, no signals, the timeouts, fresh connections.
void SetCommonOptions(CURL *curl, const HttpTimeouts &timeouts, Sink &sink, char *errorBuffer)
{
    if (timeouts.cancelled) {
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, GiveUpWhenCancelled);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, timeouts.cancelled);
    }
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, timeouts.connectMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeouts.totalMs);
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "127.0.0.1,localhost,::1");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
}

HttpResult Perform(CURL *curl, Sink &sink, const char *errorBuffer)
{
    const CURLcode code = curl_easy_perform(curl);
    HttpResult result;
    if (code != CURLE_OK) {
        result.error =
            sink.tooLarge ? "reply too large" : (errorBuffer[0] ? errorBuffer : curl_easy_strerror(code));
        return result;
    }
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
    result.transportOk = true;
    // A reply other than 200 carries no text the caller could use.
    if (result.status == 200) {
        result.body = FirstLine(std::move(sink.bytes));
    }
    return result;
}

bool PortInRange(int port)
{
    return port >= 1 && port <= 65535;
}

// One request to http://host:port + target with the header line; setRequest chooses the verb
// and the body.
HttpResult Exchange(const std::wstring &host, int port, const std::string &target, const char *header,
                    const HttpTimeouts &timeouts, const std::function<void(CURL *)> &setRequest)
{
    if (!PortInRange(port)) {
        return Failed("port out of range");
    }
    if (!HttpClient::IsPlainHost(host)) {
        return Failed("not a host name");
    }
    InitialiseCurlOnce();
    EasyHandle curl(curl_easy_init());
    if (!curl) {
        return Failed("no curl handle");
    }
    const std::string url = "http://" + UnicodeToUTF8Str(host) + ":" + std::to_string(port) + target;
    HeaderList headers(curl_slist_append(nullptr, header));
    Sink sink;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    SetCommonOptions(curl.get(), timeouts, sink, errorBuffer);
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers.get());
    setRequest(curl.get());
    return Perform(curl.get(), sink, errorBuffer);
}

} // namespace

bool HttpClient::IsPlainHost(std::wstring_view host)
{
    auto digit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };
    auto letter = [](wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); };
    if (host.empty()) {
        return false;
    }
    if (host.front() == L'[') {
        auto hexOrSeparator = [&](wchar_t c) {
            return digit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F') || c == L':' || c == L'.';
        };
        return host.size() >= 3 && host.back() == L']' &&
               std::ranges::all_of(host.substr(1, host.size() - 2), hexOrSeparator);
    }
    return std::ranges::all_of(host,
                               [&](wchar_t c) { return digit(c) || letter(c) || c == L'.' || c == L'-'; });
}

std::string HttpClient::PercentEncode(std::string_view bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(bytes.size() * 3);
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= 'A' && byte <= 'Z') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~';
        if (unreserved) {
            encoded.push_back(c);
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[byte >> 4]);
            encoded.push_back(kHex[byte & 0x0F]);
        }
    }
    return encoded;
}

HttpResult HttpClient::Get(const std::wstring &host, const std::wstring &path, const std::wstring &param,
                           int port, const HttpTimeouts &timeouts)
{
    const std::string target = UnicodeToUTF8Str(path) + "?param=" + PercentEncode(UnicodeToUTF8Str(param));
    return Exchange(host, port, target, kAcceptHeader, timeouts,
                    [](CURL *curl) { curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L); });
}

HttpResult HttpClient::Post(const std::wstring &host, const std::wstring &path, std::string_view body,
                            int port, const HttpTimeouts &timeouts)
{
    return Exchange(host, port, UnicodeToUTF8Str(path), "Content-Type: application/x-www-form-urlencoded;",
                    timeouts, [body](CURL *curl) {
                        curl_easy_setopt(curl, CURLOPT_POST, 1L);
                        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
                        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE,
                                         static_cast<curl_off_t>(body.size()));
                    });
}

} // namespace basekit

#include "dataservice/data_service_client.h"

#include <algorithm>
#include <cwctype>
#include <map>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"

namespace qel {
namespace {

using basekit::JsonUtil;

std::wstring Lookup(const basekit::TextMap &map, const char *key)
{
    auto it = map.find(basekit::CStrA2CStrW(key));
    return it == map.end() ? std::wstring() : it->second;
}

// An integer's own decimal form: an optional minus and decimal digits, nothing else, written
// without leading zeros ("007" is 7, "-0" is 0), since a JSON number may not start with a zero;
// nothing for any other text.
std::optional<std::wstring> IntegerForm(const std::wstring &text)
{
    const bool negative = !text.empty() && text.front() == L'-';
    const std::size_t start = negative ? 1 : 0;
    if (start == text.size() || !std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
                                             [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        return std::nullopt;
    }
    const std::size_t firstDigit = std::min(text.find_first_not_of(L'0', start), text.size() - 1);
    const std::wstring digits = text.substr(firstDigit);
    return negative && digits != L"0" ? L"-" + digits : digits;
}

// The port as the runtime configuration holds it: its leading digits, 0 without any. A value
// too long for a port stays out of range, so the call fails instead of wrapping around.
int PortOf(const std::wstring &text)
{
    long port = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            break;
        }
        port = port * 10 + (c - L'0');
        if (port > 65535) {
            return -1;
        }
    }
    return static_cast<int>(port);
}

// A quoted JSON string: the same escapes the reply texts use are valid JSON escapes.
std::wstring Quoted(const std::wstring &value)
{
    return L"\"" + JsonUtil::Escape(value) + L"\"";
}

std::wstring WriteJson(const std::vector<std::pair<const ParamKey *, std::wstring>> &values)
{
    std::wstring text = L"{";
    for (const auto &[key, value] : values) {
        if (text.size() > 1) {
            text += L",";
        }
        text += Quoted(basekit::CStrA2CStrW(key->name)) + L":" + (key->bare ? value : Quoted(value));
    }
    return text + L"}";
}

} // namespace

DataServiceClient::DataServiceClient(const basekit::TextMap &runtimeConfig,
                                     std::function<std::wstring()> userId)
    : runtimeConfig_(runtimeConfig), userIdSource_(std::move(userId))
{
}

std::wstring DataServiceClient::ConfigValue(const char *key) const
{
    return Lookup(runtimeConfig_, key);
}

const std::wstring &DataServiceClient::UserId()
{
    if (!userId_) {
        userId_ = userIdSource_ ? userIdSource_() : std::wstring();
    }
    return *userId_;
}

BuiltParam DataServiceClient::BuildParam(const CatalogueRow &row, const Json::Value &request,
                                         const basekit::TextMap &supplied)
{
    if (row.form == ParamForm::Empty) {
        return {std::wstring(), {}};
    }
    std::vector<std::pair<const ParamKey *, std::wstring>> values;
    for (const ParamKey &key : row.keys) {
        std::wstring value;
        switch (key.source) {
        case ValueSource::Request:
            value = JsonUtil::GetString(request, key.from);
            break;
        case ValueSource::RequestOrConfig:
            value = request.isObject() && request.isMember(key.from) && !request[key.from].isNull()
                        ? JsonUtil::GetString(request, key.from)
                        : ConfigValue(key.from);
            break;
        case ValueSource::Config:
            value = ConfigValue(key.from);
            break;
        case ValueSource::ClientId:
            value = kClientId;
            break;
        case ValueSource::UserId:
            value = UserId();
            break;
        case ValueSource::Supplied:
            value = Lookup(supplied, key.from);
            break;
        }
        if (key.bare) {
            std::optional<std::wstring> integer = IntegerForm(value);
            if (!integer) {
                return {std::nullopt, JsonUtil::Msg(L"error", L"请求参数" + basekit::CStrA2CStrW(key.name) +
                                                                  L"必须是整数！")};
            }
            value = std::move(*integer);
        }
        values.emplace_back(&key, std::move(value));
    }
    if (row.form == ParamForm::Json) {
        return {WriteJson(values), {}};
    }
    basekit::TextMap map;
    for (const auto &[key, value] : values) {
        map[basekit::CStrA2CStrW(key->name)] = value;
    }
    return {JsonUtil::MapToJsonStr(map), {}};
}

Preparation DataServiceClient::Prepare(std::string_view method, const Json::Value &request,
                                       const basekit::TextMap &supplied)
{
    const CatalogueRow *row = FindServiceRequest(method, request);
    if (!row) {
        return {std::nullopt, JsonUtil::Msg(L"error", L"没有该方法！")};
    }
    BuiltParam param = BuildParam(*row, request, supplied);
    if (!param.text) {
        return {std::nullopt, param.error};
    }
    return {PreparedRequest{row->verb, ConfigValue("host"), PortOf(ConfigValue("port")),
                            basekit::CStrA2CStrW(row->path), std::move(*param.text), timeouts_},
            {}};
}

ServiceReply DataServiceClient::Exchange(const PreparedRequest &request)
{
    basekit::HttpResult result;
    if (request.verb == HttpVerb::Get) {
        result = basekit::HttpClient::Get(request.host, request.path, request.param, request.port,
                                          request.timeouts);
    } else {
        // A form body: "param=" and the text encoded as a form value, so "&", "+" and "%" in
        // what the user wrote reach the service as they were.
        const std::string body =
            "param=" + basekit::HttpClient::PercentEncode(basekit::UnicodeToUTF8Str(request.param));
        result = basekit::HttpClient::Post(request.host, request.path, body, request.port, request.timeouts);
    }
    if (!result.ok() || result.body.empty()) {
        return {false, JsonUtil::Msg(L"error", kServiceFailed)};
    }
    return {true, basekit::UTF8ToUnicode(result.body)};
}

ServiceReply DataServiceClient::Send(std::string_view method, const Json::Value &request,
                                     const basekit::TextMap &supplied)
{
    Preparation prepared = Prepare(method, request, supplied);
    if (!prepared.request) {
        return {false, prepared.error};
    }
    return Exchange(*prepared.request);
}

std::wstring DataServiceClient::PassThrough(std::string_view method, const Json::Value &request)
{
    return Send(method, request).text;
}

std::optional<Json::Value> DataServiceClient::SendForObject(std::string_view method,
                                                            const Json::Value &request,
                                                            std::wstring &errorReply,
                                                            const basekit::TextMap &supplied)
{
    ServiceReply reply = Send(method, request, supplied);
    if (!reply.usable) {
        errorReply = reply.text;
        return std::nullopt;
    }
    // The wide text goes before the tree is built: a reply of many draws is megabytes of it.
    const std::string utf8 = basekit::CStrW2CStrA(reply.text);
    std::wstring().swap(reply.text);
    Json::Value object = JsonUtil::Utf8JsonStrToJsonObj(utf8);
    if (!object.isObject()) {
        errorReply = JsonUtil::Msg(L"error", kServiceFailed);
        return std::nullopt;
    }
    return object;
}

} // namespace qel

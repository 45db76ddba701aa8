#include "basekit/json_util.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>
#include <memory>

#include "basekit/number_text.h"
#include "basekit/text_convert.h"

namespace basekit {
namespace {

// Documents nested deeper than this are refused (jsoncpp throws, and the throw is caught).
// The requests nest three levels; jsoncpp's own limit of 1000 would recurse that deep first.
constexpr int kStackLimit = 256;

void AppendHex4(std::wstring &out, unsigned code)
{
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    out += L"\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out += kDigits[(code >> shift) & 0xFu];
    }
}

// The single escaping rule of every reply writer. Besides the quote, the backslash and the line
// breaks it also escapes the rest of the control characters and the two script line
// separators, so that a reply stays one valid string literal for any parser.
void AppendEscaped(std::wstring &out, std::wstring_view text)
{
    for (wchar_t c : text) {
        switch (c) {
        case L'\\':
            out += L"\\\\";
            break;
        case L'"':
            out += L"\\\"";
            break;
        case L'\r':
            out += L"\\r";
            break;
        case L'\n':
            out += L"\\n";
            break;
        case L'\t':
            out += L"\\t";
            break;
        case L'\b':
            out += L"\\b";
            break;
        case L'\f':
            out += L"\\f";
            break;
        case L'\u2028':
        case L'\u2029':
            AppendHex4(out, static_cast<unsigned>(c));
            break;
        default:
            if (static_cast<unsigned>(c) < 0x20u) {
                AppendHex4(out, static_cast<unsigned>(c));
            } else {
                out += c;
            }
        }
    }
}

void AppendQuoted(std::wstring &out, std::wstring_view value)
{
    out += L'"';
    AppendEscaped(out, value);
    out += L'"';
}

void AppendKey(std::wstring &out, std::wstring_view key)
{
    AppendEscaped(out, key);
    out += L':';
}

// Works for TextMap and OrderedRow alike: both are sequences of (key, text) pairs.
template <typename Row> void AppendTextRow(std::wstring &out, const Row &row)
{
    out += L'{';
    bool first = true;
    for (const auto &[key, value] : row) {
        if (!first) {
            out += L',';
        }
        first = false;
        AppendKey(out, key);
        AppendQuoted(out, value);
    }
    out += L'}';
}

template <typename Rows> std::wstring TextListReply(const Rows &rows)
{
    std::wstring out = L"{size:";
    AppendQuoted(out, IntToStrW(static_cast<int>(rows.size())));
    out += L",items:[";
    bool first = true;
    for (const auto &row : rows) {
        if (!first) {
            out += L',';
        }
        first = false;
        AppendTextRow(out, row);
    }
    out += L"]}";
    return out;
}

void AppendTreeRows(std::wstring &out, const MapList &rows);

void AppendTreeRow(std::wstring &out, const RowMap &row)
{
    out += L'{';
    bool first = true;
    for (const auto &[key, value] : row) {
        if (!first) {
            out += L',';
        }
        first = false;
        AppendKey(out, key);
        if (value.isNested) {
            AppendTreeRows(out, value.nested);
        } else {
            AppendQuoted(out, value.text);
        }
    }
    out += L'}';
}

void AppendTreeRows(std::wstring &out, const MapList &rows)
{
    out += L'[';
    bool first = true;
    for (const auto &row : rows) {
        if (!first) {
            out += L',';
        }
        first = false;
        AppendTreeRow(out, row);
    }
    out += L']';
}

Json::CharReaderBuilder MakeReaderBuilder()
{
    Json::CharReaderBuilder builder;
    builder["collectComments"] = false;
    builder["allowComments"] = true;
    builder["failIfExtra"] = true;
    builder["stackLimit"] = kStackLimit;
    return builder;
}

Json::StreamWriterBuilder MakeWriterBuilder()
{
    // The settings under which StreamWriter writes what FastWriter wrote.
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["commentStyle"] = "None";
    builder["emitUTF8"] = false;
    builder["enableYAMLCompatibility"] = false;
    builder["dropNullPlaceholders"] = false;
    builder["useSpecialFloats"] = false;
    builder["precision"] = 17;
    builder["precisionType"] = "significant";
    return builder;
}

std::string CompactJson(const Json::Value &value)
{
    static const Json::StreamWriterBuilder builder = MakeWriterBuilder();
    try {
        return Json::writeString(builder, value);
    } catch (const std::exception &) {
        return {};
    }
}

std::wstring IntegerText(const Json::Value &value)
{
    if (value.isInt()) {
        return IntToStrW(value.asInt());
    }
    if (value.isInt64()) {
        return std::to_wstring(value.asInt64());
    }
    return std::to_wstring(value.asUInt64());
}

// The text of a member value; arrays and objects only when allowed.
std::wstring ValueText(const Json::Value &value, bool structuredAsJson)
{
    switch (value.type()) {
    case Json::intValue:
    case Json::uintValue:
        return IntegerText(value);
    case Json::realValue:
        return DoubleToStr(value.asDouble(), L"%.4f");
    case Json::stringValue:
        return CStrA2CStrW(value.asString());
    case Json::booleanValue:
        return value.asBool() ? L"true" : L"false";
    case Json::arrayValue:
    case Json::objectValue:
        return structuredAsJson ? CStrA2CStrW(CompactJson(value)) : std::wstring();
    case Json::nullValue:
        break;
    }
    return {};
}

const Json::Value *FindMember(const Json::Value &obj, const char *key)
{
    if (key == nullptr || !obj.isObject()) {
        return nullptr;
    }
    return obj.find(key, key + std::strlen(key));
}

bool TextToInt(const std::string &text, int &result)
{
    const char *begin = text.data();
    const char *end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin != end && *begin == '-') {
            return false;
        }
    }
    long long value = 0;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || value < INT_MIN || value > INT_MAX) {
        return false;
    }
    result = static_cast<int>(value);
    return true;
}

} // namespace

std::wstring JsonUtil::Escape(std::wstring_view text)
{
    std::wstring out;
    out.reserve(text.size());
    AppendEscaped(out, text);
    return out;
}

std::wstring JsonUtil::Msg(const std::wstring &flag, const std::wstring &msg)
{
    std::wstring out = L"{flag:";
    AppendQuoted(out, flag);
    out += L",msg:";
    AppendQuoted(out, msg);
    out += L'}';
    return out;
}

std::wstring JsonUtil::MapToJsonStr(const TextMap &map)
{
    std::wstring out;
    AppendTextRow(out, map);
    return out;
}

std::wstring JsonUtil::MapListToJson(const TextMapList &rows)
{
    return TextListReply(rows);
}

std::wstring JsonUtil::MapListToJson(const TextMapPtrList &rows)
{
    return TextListReply(rows);
}

std::wstring JsonUtil::MapListToJson(const MapList &rows)
{
    std::wstring out = L"{size:";
    AppendQuoted(out, IntToStrW(static_cast<int>(rows.size())));
    out += L",children:";
    AppendTreeRows(out, rows);
    out += L'}';
    return out;
}

Json::Value JsonUtil::JsonStrToJsonObj(const std::wstring &text)
{
    return Utf8JsonStrToJsonObj(CStrW2CStrA(text));
}

Json::Value JsonUtil::Utf8JsonStrToJsonObj(const std::string &utf8)
{
    static const Json::CharReaderBuilder builder = MakeReaderBuilder();
    try {
        const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        Json::Value root;
        std::string errors;
        if (reader->parse(utf8.data(), utf8.data() + utf8.size(), &root, &errors) && root.isObject()) {
            return root;
        }
    } catch (const std::exception &) {
        // Too deep or otherwise unreadable: the same answer as any text that does not parse.
    }
    return Json::Value();
}

TextMapList JsonUtil::JsonArrayToList(const Json::Value &array)
{
    TextMapList rows;
    if (!array.isArray()) {
        return rows;
    }
    for (const Json::Value &element : array) {
        if (!element.isObject()) {
            continue;
        }
        TextMap &row = rows.emplace_back();
        for (auto it = element.begin(); it != element.end(); ++it) {
            row[CStrA2CStrW(it.name())] = ValueText(*it, true);
        }
    }
    return rows;
}

std::wstring JsonUtil::ObjToJsonStr(const Json::Value &value)
{
    return CStrA2CStrW(CompactJson(value)) + L"\n";
}

std::wstring JsonUtil::GetString(const Json::Value &obj, const char *key)
{
    const Json::Value *member = FindMember(obj, key);
    return member == nullptr ? std::wstring() : ValueText(*member, false);
}

int JsonUtil::GetInt(const Json::Value &obj, const char *key, int fallback)
{
    const Json::Value *member = FindMember(obj, key);
    if (member == nullptr) {
        return fallback;
    }
    int result = fallback;
    switch (member->type()) {
    case Json::intValue:
    case Json::uintValue:
        return member->isInt() ? member->asInt() : fallback;
    case Json::realValue: {
        const double cut = std::trunc(member->asDouble());
        return std::isfinite(cut) && cut >= INT_MIN && cut <= INT_MAX ? static_cast<int>(cut) : fallback;
    }
    case Json::stringValue:
        return TextToInt(member->asString(), result) ? result : fallback;
    default:
        return fallback;
    }
}

int JsonUtil::GetIntInRange(const Json::Value &obj, const char *key, int fallback, int low, int high)
{
    const Json::Value *member = FindMember(obj, key);
    long long value = fallback;
    if (member != nullptr && (member->isInt64() || member->isUInt64())) {
        // Whole numbers beyond the int range still tell on which side of the range they lie.
        value = member->isInt64() ? member->asInt64() : std::numeric_limits<long long>::max();
    } else {
        value = GetInt(obj, key, fallback);
    }
    return static_cast<int>(std::clamp<long long>(value, low, std::max(low, high)));
}

Json::Value JsonUtil::GetArray(const Json::Value &obj, const char *key)
{
    const Json::Value *member = FindMember(obj, key);
    if (member == nullptr || !member->isArray()) {
        return Json::Value(Json::arrayValue);
    }
    return *member;
}

} // namespace basekit

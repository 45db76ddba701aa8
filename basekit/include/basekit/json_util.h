/// \file
/// \brief Reply texts for the pages, and guarded reading of the JSON texts that come back.
///
/// Reply texts are object literals that the pages evaluate: keys bare, every scalar value in
/// double quotes, no blanks. Every quoted value (and every key) goes through Escape, so a value
/// holding a quote, a backslash or a line break cannot end its string early.
///
/// Nothing here throws: text that is not JSON, JSON of another shape than expected and members
/// of another type read as the empty or null result. Narrow JSON text is UTF-8 (the "ANSI" code
/// page of this build), so every character survives the round trip.
#pragma once

#include <string>
#include <string_view>

#include <json/json.h>

#include "basekit/basekit_export.h"
#include "basekit/row_types.h"

namespace basekit {

class BASEKIT_EXPORT JsonUtil {
public:
    JsonUtil() = delete;

    /// The text with `\`, `"`, CR and LF (and the other control characters, and U+2028/U+2029)
    /// written as escapes, so that it can stand between double quotes of a reply text. Every
    /// other character is kept as it is.
    static std::wstring Escape(std::wstring_view text);

    /// {flag:"F",msg:"M"}
    static std::wstring Msg(const std::wstring &flag, const std::wstring &msg);
    /// {k1:"v1",k2:"v2"} in key order; {} for an empty map.
    static std::wstring MapToJsonStr(const TextMap &map);
    /// {size:"N",items:[R1,R2]}: rows in list order, pairs in key order.
    static std::wstring MapListToJson(const TextMapList &rows);
    /// {size:"N",items:[R1,R2]}: rows in list order, pairs in each row's own column order.
    static std::wstring MapListToJson(const TextMapPtrList &rows);
    /// {size:"N",children:[R1,R2]} with N the number of top-level rows; a nested value is
    /// written as the array of its rows ([] when empty), a text value in quotes.
    static std::wstring MapListToJson(const MapList &rows);

    /// The parsed JSON object. Anything else gives the null value: text that is not JSON (or
    /// has more than one value), JSON whose root is not an object, nesting too deep to read.
    /// Comments are allowed.
    static Json::Value JsonStrToJsonObj(const std::wstring &text);
    /// The same of a UTF-8 text.
    static Json::Value Utf8JsonStrToJsonObj(const std::string &utf8);

    /// One TextMap per element of the array, in index order, every member as text:
    /// - integers in decimal, also those beyond 32 bits (up to 64 bits; jsoncpp reads larger
    ///   ones as reals);
    /// - reals with four decimals ("%.4f": 2.5 is "2.5000");
    /// - null as "", booleans as "true" / "false", texts as they are;
    /// - nested arrays and objects as their compact JSON text.
    /// An element that is not an object is skipped; a value that is not an array gives no rows.
    static TextMapList JsonArrayToList(const Json::Value &array);

    /// The value as compact JSON (members in name order, no blanks, non-ASCII characters as
    /// \\u escapes) followed by a line feed, as jsoncpp's FastWriter writes it.
    static std::wstring ObjToJsonStr(const Json::Value &value);

    /// The member as text: a text as it is, a number or boolean as JsonArrayToList writes it;
    /// "" when obj is not an object, the member is missing, null, an array or an object.
    static std::wstring GetString(const Json::Value &obj, const char *key);
    /// The member as an int: an integer, a real (cut towards zero), or a text that is an
    /// optional sign and decimal digits. fallback when the member is missing, of another type,
    /// or outside the int range.
    static int GetInt(const Json::Value &obj, const char *key, int fallback);
    /// GetInt, with the value brought into [low, high] (a value below low is low, one above high
    /// is high), so that callers may do arithmetic on it; fallback when the member is missing or
    /// unreadable, also brought into the range.
    static int GetIntInRange(const Json::Value &obj, const char *key, int fallback, int low, int high);
    /// The member when it is an array, else an empty array.
    static Json::Value GetArray(const Json::Value &obj, const char *key);
};

} // namespace basekit

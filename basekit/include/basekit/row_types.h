/// \file
/// \brief The row containers every layer passes around: text maps, row lists and query rows.
///
/// All of them own their values: copying a list copies its rows, destroying it frees them, and
/// no two lists ever share a value.
#pragma once

#include <list>
#include <map>
#include <string>
#include <vector>

namespace basekit {

/// Text to text, in ordinal key order: a settings map, one query row, one parsed JSON object.
using TextMap = std::map<std::wstring, std::wstring>;

/// Rows of text maps: parsed page arrays, server rows, the cached history of past draws.
using TextMapList = std::list<TextMap>;

/// Table rows built by the engine and the plug-ins for result pages and history tables.
/// Unlike TextMap, a row keeps its columns in the order they were added.
using OrderedRow = std::vector<std::pair<std::wstring, std::wstring>>;
using TextMapPtrList = std::list<OrderedRow>;

struct RowValue;
/// One row of a settings-database query: column name to value; under "children" and "items"
/// the value holds nested rows instead of a text.
using RowMap = std::map<std::wstring, RowValue>;
using MapList = std::list<RowMap>;

/// A value of a RowMap: a text, or (for the keys "children" and "items") nested rows.
struct RowValue {
    std::wstring text;
    MapList nested;
    bool isNested = false;

    RowValue() = default;
    RowValue(std::wstring value) : text(std::move(value)) {} // NOLINT: rows are filled with texts
    RowValue(const wchar_t *value) : text(value) {}          // NOLINT
    static RowValue Nested(MapList rows)
    {
        RowValue v;
        v.nested = std::move(rows);
        v.isNested = true;
        return v;
    }
    bool operator==(const RowValue &other) const = default;
};

/// Parameters of one execution of a prepared statement, in placeholder order (value i binds to
/// placeholder i + 1). Every value is text: the settings database's access object binds each one
/// as text, and SQLite's column affinity stores numeric texts in numeric columns as numbers.
using ParamRow = std::vector<std::wstring>;
/// One ParamRow per execution of a batch update.
using ParamRows = std::list<ParamRow>;

/// True for the keys whose value is a nested row list in tree replies.
inline bool IsNestedKey(const std::wstring &key)
{
    return key == L"children" || key == L"items";
}

} // namespace basekit

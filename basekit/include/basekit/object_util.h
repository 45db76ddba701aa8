/// \file
/// \brief Copying, nesting and clearing of query rows.
#pragma once

#include <string>

#include "basekit/basekit_export.h"
#include "basekit/row_types.h"

namespace basekit {

class BASEKIT_EXPORT ObjectUtil {
public:
    ObjectUtil() = delete;

    /// Copies every text value of row into target (overwriting), except the keys named in
    /// excludeKeys, a comma-separated list. A key is excluded when key + "," occurs anywhere in
    /// excludeKeys + ",": a case-sensitive substring test, so "parentId" also excludes "Id" (and
    /// "" excludes the empty key). Callers name their exclusions with that rule in mind, so it
    /// stays. Nested values are not texts and are not copied.
    static void CopyProperties(TextMap &target, const RowMap &row, const std::wstring &excludeKeys);

    /// Merge-join of two lists sorted ascending by their keys: every child whose
    /// child[childKey] equals (as text) parent[parentKey] of a parent is copied into that
    /// parent's nested list under childrenKey (made when absent; a text value there is replaced
    /// by the list). Children sharing a key all go to the first parent with that key; children
    /// with no matching parent are dropped. numeric compares the keys as integers for the
    /// ordering, otherwise ordinal text order. A missing key reads as "".
    /// The parents are changed in place; the result is a copy of them after the join.
    static MapList Append(MapList &parents, const std::wstring &parentKey, const MapList &children,
                          const std::wstring &childKey, const std::wstring &childrenKey, bool numeric);

    /// Empties the list (rows own their values, nested rows included).
    static void ReleaseList(MapList &rows);
    /// Empties the parameter rows.
    static void ReleaseList(ParamRows &rows);

    /// Inserts (key, value) unless the key is present (a present key keeps its value); returns
    /// a copy of the map.
    static TextMap put(TextMap &map, const std::wstring &key, const std::wstring &value);
};

} // namespace basekit

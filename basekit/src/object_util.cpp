#include "basekit/object_util.h"

#include "basekit/number_text.h"

namespace basekit {
namespace {

// Reads a key without inserting it: the children are const, and a parent must not gain an
// empty column just because it was compared.
const std::wstring &TextOf(const RowMap &row, const std::wstring &key)
{
    static const std::wstring kEmpty;
    auto it = row.find(key);
    return it == row.end() || it->second.isNested ? kEmpty : it->second.text;
}

bool ParentKeyBelow(const std::wstring &parentValue, const std::wstring &childValue, bool numeric)
{
    return numeric ? StrToIntW(parentValue) < StrToIntW(childValue) : parentValue < childValue;
}

MapList &NestedRows(RowMap &parent, const std::wstring &childrenKey)
{
    RowValue &slot = parent[childrenKey];
    if (!slot.isNested) {
        slot = RowValue::Nested({});
    }
    return slot.nested;
}

} // namespace

void ObjectUtil::CopyProperties(TextMap &target, const RowMap &row, const std::wstring &excludeKeys)
{
    // Substring test on purpose (see the header): "parentId" also excludes "Id".
    const std::wstring excluded = excludeKeys + L",";
    for (const auto &[key, value] : row) {
        if (value.isNested || excluded.find(key + L",") != std::wstring::npos) {
            continue;
        }
        target[key] = value.text;
    }
}

MapList ObjectUtil::Append(MapList &parents, const std::wstring &parentKey, const MapList &children,
                           const std::wstring &childKey, const std::wstring &childrenKey, bool numeric)
{
    auto child = children.begin();
    for (RowMap &parent : parents) {
        while (child != children.end()) {
            const std::wstring &parentValue = TextOf(parent, parentKey);
            const std::wstring &childValue = TextOf(*child, childKey);
            if (parentValue == childValue) {
                NestedRows(parent, childrenKey).push_back(*child);
                ++child;
            } else if (ParentKeyBelow(parentValue, childValue, numeric)) {
                break;
            } else {
                ++child; // no parent left for this child
            }
        }
    }
    return parents;
}

void ObjectUtil::ReleaseList(MapList &rows)
{
    rows.clear();
}

void ObjectUtil::ReleaseList(ParamRows &rows)
{
    rows.clear();
}

TextMap ObjectUtil::put(TextMap &map, const std::wstring &key, const std::wstring &value)
{
    map.emplace(key, value);
    return map;
}

} // namespace basekit

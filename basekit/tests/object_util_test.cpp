#include "basekit/object_util.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "basekit/json_util.h"

namespace basekit {
namespace {

RowMap Row(std::initializer_list<std::pair<const std::wstring, RowValue>> pairs)
{
    return RowMap(pairs);
}

// ---- CopyProperties ----

struct CopyCase {
    const char *name;
    std::wstring excludeKeys;
    TextMap expected;
};

class ObjectUtilCopyPropertiesTest : public testing::TestWithParam<CopyCase> {};

TEST_P(ObjectUtilCopyPropertiesTest, CopiesTextsExceptExcludedKeys)
{
    const RowMap row = Row({{L"parentId", L"0"},
                            {L"Id", L"7"},
                            {L"id", L"3"},
                            {L"name", L"和值"},
                            {L"ame", L"a"},
                            {L"items", RowValue::Nested({Row({{L"id", L"9"}})})}});
    TextMap target{{L"id", L"old"}, {L"kept", L"k"}};
    ObjectUtil::CopyProperties(target, row, GetParam().excludeKeys);
    EXPECT_EQ(target, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ObjectExclusions, ObjectUtilCopyPropertiesTest,
    testing::Values(CopyCase{"NoneExcluded",
                             L"",
                             {{L"parentId", L"0"},
                              {L"Id", L"7"},
                              {L"id", L"3"},
                              {L"name", L"和值"},
                              {L"ame", L"a"},
                              {L"kept", L"k"}}},
                    // The substring rule: "parentId" excludes "Id" too, but not "id".
                    CopyCase{"ParentIdAlsoExcludesId",
                             L"parentId",
                             {{L"id", L"3"}, {L"name", L"和值"}, {L"ame", L"a"}, {L"kept", L"k"}}},
                    // "ame" goes with "name"; the excluded "id" leaves the target's own value.
                    CopyCase{"SeveralKeys",
                             L"name,id",
                             {{L"parentId", L"0"}, {L"Id", L"7"}, {L"id", L"old"}, {L"kept", L"k"}}},
                    CopyCase{"CaseSensitive",
                             L"ID,NAME",
                             {{L"parentId", L"0"},
                              {L"Id", L"7"},
                              {L"id", L"3"},
                              {L"name", L"和值"},
                              {L"ame", L"a"},
                              {L"kept", L"k"}}},
                    CopyCase{"UnknownKey",
                             L"other",
                             {{L"parentId", L"0"},
                              {L"Id", L"7"},
                              {L"id", L"3"},
                              {L"name", L"和值"},
                              {L"ame", L"a"},
                              {L"kept", L"k"}}}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Append ----

struct AppendCase {
    const char *name;
    std::vector<std::wstring> parentIds;
    std::vector<std::wstring> childParentIds; // child i has the id "c<i>"
    bool numeric;
    std::vector<std::vector<std::wstring>> attached; // child ids per parent, in order
};

MapList Parents(const std::vector<std::wstring> &ids)
{
    MapList rows;
    for (const auto &id : ids) {
        rows.push_back(Row({{L"id", id}, {L"name", L"p" + id}}));
    }
    return rows;
}

MapList Children(const std::vector<std::wstring> &parentIds)
{
    MapList rows;
    for (size_t i = 0; i < parentIds.size(); ++i) {
        rows.push_back(Row({{L"id", L"c" + std::to_wstring(i)}, {L"parentId", parentIds[i]}}));
    }
    return rows;
}

std::vector<std::vector<std::wstring>> AttachedIds(const MapList &parents)
{
    std::vector<std::vector<std::wstring>> result;
    for (const RowMap &parent : parents) {
        auto &ids = result.emplace_back();
        auto it = parent.find(L"children");
        if (it == parent.end()) {
            continue;
        }
        EXPECT_TRUE(it->second.isNested);
        EXPECT_FALSE(it->second.nested.empty()) << "a nested list is only made for a match";
        for (const RowMap &child : it->second.nested) {
            ids.push_back(child.at(L"id").text);
        }
    }
    return result;
}

class ObjectUtilAppendTest : public testing::TestWithParam<AppendCase> {};

TEST_P(ObjectUtilAppendTest, JoinsChildrenToTheirParents)
{
    MapList parents = Parents(GetParam().parentIds);
    const MapList children = Children(GetParam().childParentIds);
    const MapList childrenBefore = children;

    const MapList joined =
        ObjectUtil::Append(parents, L"id", children, L"parentId", L"children", GetParam().numeric);

    EXPECT_EQ(AttachedIds(parents), GetParam().attached);
    EXPECT_EQ(joined, parents);
    EXPECT_EQ(children, childrenBefore);
}

INSTANTIATE_TEST_SUITE_P(
    ObjectJoins, ObjectUtilAppendTest,
    testing::Values(
        AppendCase{"NumericDropsUnmatched",
                   {L"1", L"2", L"3"},
                   {L"0", L"2", L"2", L"3"},
                   true,
                   {{}, {L"c1", L"c2"}, {L"c3"}}},
        AppendCase{"TextDropsUnmatched",
                   {L"a", L"b", L"d"},
                   {L"a", L"c", L"d", L"e"},
                   false,
                   {{L"c0"}, {}, {L"c2"}}},
        // Sorted as numbers: the numeric mode finds the match, the text mode ("9" > "10") drops it.
        AppendCase{"NumericOrderOfTexts", {L"9", L"10"}, {L"10"}, true, {{}, {L"c0"}}},
        AppendCase{"TextOrderDiffersFromNumeric", {L"9", L"10"}, {L"10"}, false, {{}, {}}},
        // Equality is exact text in both modes: "02" is not "2" and is dropped.
        AppendCase{"NumericNeedsEqualText", {L"2"}, {L"02"}, true, {{}}},
        AppendCase{"SameKeyGoesToFirstParent", {L"1", L"1"}, {L"1", L"1"}, true, {{L"c0", L"c1"}, {}}},
        AppendCase{"ChildrenBeyondLastParent", {L"1"}, {L"1", L"5", L"6"}, true, {{L"c0"}}},
        AppendCase{"NoChildren", {L"1", L"2"}, {}, true, {{}, {}}},
        AppendCase{"NoParents", {}, {L"1"}, false, {}},
        AppendCase{
            "NegativeNumbers", {L"-3", L"-1", L"4"}, {L"-3", L"-2", L"4"}, true, {{L"c0"}, {}, {L"c2"}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ObjectUtilAppend, AddsToAnExistingNestedListAndReplacesAText)
{
    MapList parents{Row({{L"id", L"1"}, {L"items", RowValue::Nested({Row({{L"id", L"old"}})})}}),
                    Row({{L"id", L"2"}, {L"items", L"not rows"}})};
    const MapList children{Row({{L"pid", L"1"}, {L"id", L"new"}}), Row({{L"pid", L"2"}, {L"id", L"x"}})};
    ObjectUtil::Append(parents, L"id", children, L"pid", L"items", false);
    EXPECT_EQ(JsonUtil::MapListToJson(parents),
              L"{size:\"2\",children:[{id:\"1\",items:[{id:\"old\"},{id:\"new\",pid:\"1\"}]},"
              L"{id:\"2\",items:[{id:\"x\",pid:\"2\"}]}]}");
}

TEST(ObjectUtilAppend, MissingKeysReadAsEmptyTextWithoutBeingAdded)
{
    MapList parents{Row({{L"name", L"no id"}}), Row({{L"id", L"1"}})};
    const MapList children{Row({{L"id", L"c0"}}), Row({{L"id", L"c1"}, {L"pid", L"1"}})};
    ObjectUtil::Append(parents, L"id", children, L"pid", L"children", false);
    EXPECT_EQ(JsonUtil::MapListToJson(parents), L"{size:\"2\",children:[{children:[{id:\"c0\"}],name:\"no "
                                                L"id\"},{children:[{id:\"c1\",pid:\"1\"}],id:\"1\"}]}");
}

TEST(ObjectUtilAppend, ListsOwnTheirRowsIndependently)
{
    MapList parents = Parents({L"1"});
    MapList children = Children({L"1"});
    MapList joined = ObjectUtil::Append(parents, L"id", children, L"parentId", L"children", true);

    // Releasing the children, and changing the returned copy, leave the parents' rows whole.
    ObjectUtil::ReleaseList(children);
    joined.front()[L"children"].nested.front()[L"id"] = L"changed";
    joined.front()[L"name"] = L"changed";
    const std::wstring expected =
        L"{size:\"1\",children:[{children:[{id:\"c0\",parentId:\"1\"}],id:\"1\",name:\"p1\"}]}";
    EXPECT_EQ(JsonUtil::MapListToJson(parents), expected);

    ObjectUtil::ReleaseList(parents);
    EXPECT_EQ(joined.front().at(L"children").nested.front().at(L"parentId").text, L"1");
}

// ---- clearing and put ----

TEST(ObjectUtilRelease, ClearsRowsAndParameters)
{
    MapList rows{Row({{L"id", L"1"}, {L"children", RowValue::Nested({Row({{L"id", L"2"}})})}}), Row({})};
    ObjectUtil::ReleaseList(rows);
    EXPECT_TRUE(rows.empty());
    ObjectUtil::ReleaseList(rows);
    EXPECT_TRUE(rows.empty());

    ParamRows params{{L"1", L"text"}, {}};
    ObjectUtil::ReleaseList(params);
    EXPECT_TRUE(params.empty());
}

struct PutCase {
    const char *name;
    std::wstring key;
    TextMap expected;
};

class ObjectUtilPutTest : public testing::TestWithParam<PutCase> {};

TEST_P(ObjectUtilPutTest, InsertsOnlyAbsentKeys)
{
    TextMap map{{L"a", L"old"}};
    TextMap copy = ObjectUtil::put(map, GetParam().key, L"new");
    EXPECT_EQ(map, GetParam().expected);
    EXPECT_EQ(copy, GetParam().expected);
    copy[L"a"] = L"changed";
    EXPECT_EQ(map.at(L"a"), L"old");
}

INSTANTIATE_TEST_SUITE_P(ObjectKeys, ObjectUtilPutTest,
                         testing::Values(PutCase{"Present", L"a", {{L"a", L"old"}}},
                                         PutCase{"Absent", L"b", {{L"a", L"old"}, {L"b", L"new"}}},
                                         PutCase{"EmptyKey", L"", {{L"", L"new"}, {L"a", L"old"}}}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace basekit

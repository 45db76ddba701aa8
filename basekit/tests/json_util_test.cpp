#include "basekit/json_util.h"

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "basekit/text_convert.h"

namespace basekit {
namespace {

// A value holding every character that must not reach a reply unescaped, and its escaped form.
const std::wstring kAwkward = L"say \"hi\"\r\nC:\\dir";
const std::wstring kAwkwardEscaped = L"say \\\"hi\\\"\\r\\nC:\\\\dir";

RowMap Row(std::initializer_list<std::pair<const std::wstring, RowValue>> pairs)
{
    return RowMap(pairs);
}

// ---- reply writers ----

struct ReplyCase {
    const char *name;
    std::wstring actual;
    std::wstring expected;
};

class JsonUtilReplyTest : public testing::TestWithParam<ReplyCase> {};

TEST_P(JsonUtilReplyTest, WritesExactText)
{
    EXPECT_EQ(GetParam().actual, GetParam().expected);
}

std::vector<ReplyCase> ReplyCases()
{
    const TextMapList noRows;
    const TextMapList oneEmptyRow{TextMap{}};
    const TextMapList twoRows{TextMap{{L"b", L"2"}, {L"a", L"1"}}, TextMap{{L"qiHao", L"2024001"}}};
    const TextMapPtrList orderedNone;
    const TextMapPtrList ordered{OrderedRow{{L"rowNumber", L"1"}, {L"number", L"03"}, {L"sum", L"3"}},
                                 OrderedRow{}};
    const MapList treeNone;
    const MapList tree{Row({{L"id", L"1"}, {L"children", RowValue::Nested({Row({{L"id", L"5"}})})}})};
    const MapList treeMixed{Row({{L"name", L"a"}, {L"items", RowValue::Nested({})}}),
                            Row({{L"id", L"2"},
                                 {L"items", RowValue::Nested({Row({{L"x", L"1"}}), Row({})})},
                                 {L"children", RowValue::Nested({Row({{L"y", L"2"}})})}})};
    return {
        {"MsgOk", JsonUtil::Msg(L"ok", L"done"), L"{flag:\"ok\",msg:\"done\"}"},
        {"MsgEmpty", JsonUtil::Msg(L"no_data", L""), L"{flag:\"no_data\",msg:\"\"}"},
        {"MsgChinese", JsonUtil::Msg(L"error", L"保存失败"), L"{flag:\"error\",msg:\"保存失败\"}"},
        {"MapEmpty", JsonUtil::MapToJsonStr(TextMap{}), L"{}"},
        {"MapSorted", JsonUtil::MapToJsonStr(TextMap{{L"b", L"2"}, {L"a", L"1"}}), L"{a:\"1\",b:\"2\"}"},
        {"MapEmptyValue", JsonUtil::MapToJsonStr(TextMap{{L"k", L""}}), L"{k:\"\"}"},
        {"ListNone", JsonUtil::MapListToJson(noRows), L"{size:\"0\",items:[]}"},
        {"ListOneEmptyRow", JsonUtil::MapListToJson(oneEmptyRow), L"{size:\"1\",items:[{}]}"},
        {"ListTwoRows", JsonUtil::MapListToJson(twoRows),
         L"{size:\"2\",items:[{a:\"1\",b:\"2\"},{qiHao:\"2024001\"}]}"},
        {"OrderedNone", JsonUtil::MapListToJson(orderedNone), L"{size:\"0\",items:[]}"},
        {"OrderedKeepsColumnOrder", JsonUtil::MapListToJson(ordered),
         L"{size:\"2\",items:[{rowNumber:\"1\",number:\"03\",sum:\"3\"},{}]}"},
        {"TreeNone", JsonUtil::MapListToJson(treeNone), L"{size:\"0\",children:[]}"},
        {"TreeNested", JsonUtil::MapListToJson(tree),
         L"{size:\"1\",children:[{children:[{id:\"5\"}],id:\"1\"}]}"},
        {"TreeItemsAndEmptyNested", JsonUtil::MapListToJson(treeMixed),
         L"{size:\"2\",children:[{items:[],name:\"a\"},"
         L"{children:[{y:\"2\"}],id:\"2\",items:[{x:\"1\"},{}]}]}"},
    };
}

INSTANTIATE_TEST_SUITE_P(JsonWriters, JsonUtilReplyTest, testing::ValuesIn(ReplyCases()),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- escaping ----

struct EscapeCase {
    std::wstring text;
    std::wstring escaped;
};

class JsonUtilEscapeTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(JsonUtilEscapeTest, EscapesOnlyWhatBreaksAString)
{
    EXPECT_EQ(JsonUtil::Escape(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(JsonTexts, JsonUtilEscapeTest,
                         testing::Values(EscapeCase{L"", L""},
                                         EscapeCase{L"plain text 123", L"plain text 123"},
                                         EscapeCase{L"中文 'single' <b>&amp;", L"中文 'single' <b>&amp;"},
                                         EscapeCase{L"a\"b", L"a\\\"b"}, EscapeCase{L"a\\b", L"a\\\\b"},
                                         EscapeCase{L"a\rb", L"a\\rb"}, EscapeCase{L"a\nb", L"a\\nb"},
                                         EscapeCase{L"\r\n", L"\\r\\n"}, EscapeCase{L"\\\"", L"\\\\\\\""},
                                         EscapeCase{L"a\tb", L"a\\tb"}, EscapeCase{L"\x01", L"\\u0001"},
                                         EscapeCase{L"\x1f", L"\\u001f"},
                                         EscapeCase{L"a\u2028b\u2029", L"a\\u2028b\\u2029"},
                                         EscapeCase{kAwkward, kAwkwardEscaped}));

TEST(JsonUtilEscape, JsonReadsBackTheOriginalText)
{
    std::wstring text = L"\"\\/中 \u2028\u2029 end";
    for (wchar_t c = 1; c < 0x20; ++c) {
        text += c;
    }
    const std::string literal = CStrW2CStrA(L"\"" + JsonUtil::Escape(text) + L"\"");
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value parsed;
    std::string errors;
    ASSERT_TRUE(reader->parse(literal.data(), literal.data() + literal.size(), &parsed, &errors)) << errors;
    ASSERT_TRUE(parsed.isString());
    EXPECT_EQ(parsed.asString(), CStrW2CStrA(text));
}

TEST(JsonUtilEscape, EveryWriterEscapesValuesAndKeys)
{
    const std::wstring &v = kAwkward;
    const std::wstring &e = kAwkwardEscaped;
    EXPECT_EQ(JsonUtil::Msg(v, v), L"{flag:\"" + e + L"\",msg:\"" + e + L"\"}");
    EXPECT_EQ(JsonUtil::MapToJsonStr(TextMap{{L"k", v}}), L"{k:\"" + e + L"\"}");
    EXPECT_EQ(JsonUtil::MapToJsonStr(TextMap{{L"k\"\n", L"x"}}), L"{k\\\"\\n:\"x\"}");
    EXPECT_EQ(JsonUtil::MapListToJson(TextMapList{TextMap{{L"k", v}}}),
              L"{size:\"1\",items:[{k:\"" + e + L"\"}]}");
    EXPECT_EQ(JsonUtil::MapListToJson(TextMapPtrList{OrderedRow{{L"k", v}}}),
              L"{size:\"1\",items:[{k:\"" + e + L"\"}]}");
    const MapList tree{Row({{L"k", v}, {L"children", RowValue::Nested({Row({{L"n", v}})})}})};
    EXPECT_EQ(JsonUtil::MapListToJson(tree),
              L"{size:\"1\",children:[{children:[{n:\"" + e + L"\"}],k:\"" + e + L"\"}]}");
}

// ---- parsing ----

class JsonUtilMalformedTest : public testing::TestWithParam<std::wstring> {};

TEST_P(JsonUtilMalformedTest, GivesTheNullValue)
{
    const Json::Value value = JsonUtil::JsonStrToJsonObj(GetParam());
    EXPECT_TRUE(value.isNull());
    EXPECT_EQ(JsonUtil::GetString(value, "method"), L"");
}

INSTANTIATE_TEST_SUITE_P(
    JsonTexts, JsonUtilMalformedTest,
    testing::Values(L"", L"   ", L"not json", L"{", L"{\"method\":", L"{\"method\":\"a\",}x",
                    L"{\"method\":\"a\"", L"{method:\"a\"}", L"{'method':'a'}",
                    L"{\"method\":\"a\"} trailing", L"{\"method\":\"a\"}{}", L"[1,2]",
                    L"[{\"method\":\"a\"}]", L"\"text\"", L"42", L"true", L"null", L"{\"a\":NaN}",
                    L"{\"a\":\"\\x\"}", std::wstring(100000, L'[') + std::wstring(100000, L']'),
                    L"{\"a\":" + std::wstring(5000, L'[') + std::wstring(5000, L']') + L"}"));

TEST(JsonUtilParse, ReadsAnObjectWithCommentsAndBlanks)
{
    const Json::Value value = JsonUtil::JsonStrToJsonObj(
        L" // request\n{\"method\":\"Filter\", /* note */ \"items\":[{\"name\":\"和值\"}],\"n\":3}\r\n");
    ASSERT_TRUE(value.isObject());
    EXPECT_EQ(JsonUtil::GetString(value, "method"), L"Filter");
    EXPECT_EQ(JsonUtil::GetInt(value, "n", -1), 3);
    const TextMapList items = JsonUtil::JsonArrayToList(JsonUtil::GetArray(value, "items"));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items.front().at(L"name"), L"和值");
}

TEST(JsonUtilParse, ReadsAtMost256ValuesFromTheOutermostIn)
{
    // The pages' reply parser keeps the same limit (reply_parser.test.js), so that a scenario the
    // program reads and writes back is read by the page too.
    auto nested = [](int objects) {
        std::wstring text;
        for (int i = 0; i < objects; ++i) {
            text += L"{\"a\":";
        }
        text += L"{}";
        return text + std::wstring(static_cast<std::size_t>(objects), L'}');
    };
    EXPECT_TRUE(JsonUtil::JsonStrToJsonObj(nested(255)).isObject());
    EXPECT_TRUE(JsonUtil::JsonStrToJsonObj(nested(256)).isNull());
    const Json::Value arrays = JsonUtil::JsonStrToJsonObj(L"{\"a\":" + std::wstring(254, L'[') + L"1" +
                                                          std::wstring(254, L']') + L"}");
    EXPECT_TRUE(arrays.isObject());
}

TEST(JsonUtilParse, KeepsCharactersBeyondAnyCodePage)
{
    const Json::Value value = JsonUtil::JsonStrToJsonObj(L"{\"t\":\"€ 𝄞 中 \\u00e9\"}");
    EXPECT_EQ(JsonUtil::GetString(value, "t"), L"€ 𝄞 中 é");
}

// ---- arrays to rows ----

TEST(JsonUtilArray, ConvertsTheScalarTypes)
{
    const TextMapList rows = JsonUtil::JsonArrayToList(
        JsonUtil::JsonStrToJsonObj(L"{\"a\":[{\"a\":1,\"b\":2.5,\"c\":null,\"d\":\"x\"}]}")["a"]);
    const TextMapList expected{TextMap{{L"a", L"1"}, {L"b", L"2.5000"}, {L"c", L""}, {L"d", L"x"}}};
    EXPECT_EQ(rows, expected);
}

struct MemberCase {
    const char *json;
    std::wstring text;
};

class JsonUtilMemberTextTest : public testing::TestWithParam<MemberCase> {};

TEST_P(JsonUtilMemberTextTest, WritesTheMemberAsText)
{
    const std::wstring request = L"{\"rows\":[{\"v\":" + CStrA2CStrW(GetParam().json) + L"}]}";
    const Json::Value parsed = JsonUtil::JsonStrToJsonObj(request);
    ASSERT_TRUE(parsed.isObject()) << GetParam().json;
    const TextMapList rows = JsonUtil::JsonArrayToList(parsed["rows"]);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().at(L"v"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    JsonValues, JsonUtilMemberTextTest,
    testing::Values(MemberCase{"0", L"0"}, MemberCase{"-17", L"-17"}, MemberCase{"2147483647", L"2147483647"},
                    MemberCase{"-2147483648", L"-2147483648"}, MemberCase{"2147483648", L"2147483648"},
                    MemberCase{"-2147483649", L"-2147483649"},
                    MemberCase{"9223372036854775807", L"9223372036854775807"},
                    MemberCase{"-9223372036854775808", L"-9223372036854775808"},
                    MemberCase{"18446744073709551615", L"18446744073709551615"}, MemberCase{"3.0", L"3.0000"},
                    MemberCase{"-0.5", L"-0.5000"}, MemberCase{"1e2", L"100.0000"},
                    MemberCase{"0.12345", L"0.1235"}, MemberCase{"true", L"true"},
                    MemberCase{"false", L"false"}, MemberCase{"null", L""}, MemberCase{"\"\"", L""},
                    MemberCase{"\"a\\\"b\\n\"", L"a\"b\n"}, MemberCase{"[1, \"x\", [ ]]", L"[1,\"x\",[]]"},
                    MemberCase{"{ \"y\" : 2, \"x\":[true] }", L"{\"x\":[true],\"y\":2}"},
                    MemberCase{"{}", L"{}"}));

TEST(JsonUtilArray, SkipsElementsThatAreNotObjects)
{
    const Json::Value parsed =
        JsonUtil::JsonStrToJsonObj(L"{\"a\":[1,{\"k\":\"x\"},\"s\",null,[{\"k\":\"y\"}],{},true,2.5]}");
    const TextMapList expected{TextMap{{L"k", L"x"}}, TextMap{}};
    EXPECT_EQ(JsonUtil::JsonArrayToList(parsed["a"]), expected);
}

TEST(JsonUtilArray, GivesNoRowsForAValueThatIsNotAnArray)
{
    const Json::Value parsed =
        JsonUtil::JsonStrToJsonObj(L"{\"o\":{\"k\":\"x\"},\"s\":\"t\",\"n\":1,\"z\":null}");
    for (const char *key : {"o", "s", "n", "z", "missing"}) {
        EXPECT_TRUE(JsonUtil::JsonArrayToList(parsed[key]).empty()) << key;
    }
    EXPECT_TRUE(JsonUtil::JsonArrayToList(parsed).empty());
    EXPECT_TRUE(JsonUtil::JsonArrayToList(Json::Value(Json::arrayValue)).empty());
}

// ---- writing JSON ----

struct WriteCase {
    const char *name;
    std::wstring json;
    std::wstring written;
};

// Long enough for jsoncpp's own line-breaking rule, which compact output must not follow.
std::wstring LongArrayItems(const std::wstring &separator)
{
    std::wstring items;
    for (int i = 0; i < 30; ++i) {
        items += (i == 0 ? L"" : separator) + L"{\"value\":" + std::to_wstring(100000 + i) + L"}";
    }
    return items;
}

class JsonUtilWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(JsonUtilWriteTest, WritesCompactJsonEndingInALineFeed)
{
    Json::Value value;
    const std::string text = CStrW2CStrA(GetParam().json);
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    ASSERT_TRUE(reader->parse(text.data(), text.data() + text.size(), &value, &errors)) << errors;
    EXPECT_EQ(JsonUtil::ObjToJsonStr(value), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    JsonValues, JsonUtilWriteTest,
    testing::Values(WriteCase{"Null", L"null", L"null\n"}, WriteCase{"EmptyObject", L"{ }", L"{}\n"},
                    WriteCase{"EmptyArray", L"[ ]", L"[]\n"},
                    WriteCase{"MembersInNameOrder", L"{\"b\": 1, \"a\": \"x\"}", L"{\"a\":\"x\",\"b\":1}\n"},
                    WriteCase{"Scalars", L"[1, -2, 2.5, true, false, null, \"s\"]",
                              L"[1,-2,2.5,true,false,null,\"s\"]\n"},
                    WriteCase{"Nested", L"{\"a\": {\"b\": [1, {\"c\": [ ]}, [2, 3]]}, \"d\": { }}",
                              L"{\"a\":{\"b\":[1,{\"c\":[]},[2,3]]},\"d\":{}}\n"},
                    WriteCase{"EscapesAndNonAscii", L"{\"t\": \"中\\\"\\n\\\\\"}",
                              L"{\"t\":\"\\u4e2d\\\"\\n\\\\\"}\n"},
                    WriteCase{"CommentsDropped", L"{\"a\": 1 // one\n}", L"{\"a\":1}\n"},
                    WriteCase{"LongArrayStaysOnOneLine", L"[" + LongArrayItems(L", ") + L"]",
                              L"[" + LongArrayItems(L",") + L"]\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(JsonUtilWrite, ReplyWithAnAddedMemberKeepsTheOthers)
{
    Json::Value reply = JsonUtil::JsonStrToJsonObj(L"{\"lottery\":\"01,02\",\"qiHao\":\"2024001\"}");
    Json::Value counts(Json::arrayValue);
    counts.append(0);
    counts.append(3);
    reply["zjZhuShu"] = counts;
    EXPECT_EQ(JsonUtil::ObjToJsonStr(reply),
              L"{\"lottery\":\"01,02\",\"qiHao\":\"2024001\",\"zjZhuShu\":[0,3]}\n");
}

// ---- typed readers ----

const Json::Value &Sample()
{
    static const Json::Value sample = JsonUtil::JsonStrToJsonObj(
        L"{\"s\":\"x\",\"n\":5,\"neg\":-5,\"r\":2.5,\"rn\":-2.5,\"big\":1e10,\"i64\":2147483648,"
        L"\"b\":true,\"z\":null,\"a\":[1,2],\"o\":{\"k\":1},\"t30\":\"30\",\"tneg\":\"-7\",\"tplus\":\"+8\","
        L"\"tmin\":\"-2147483648\",\"tover\":\"2147483648\",\"tbad\":\"3x\",\"tblank\":\" "
        L"3\",\"tempty\":\"\","
        L"\"tsigns\":\"+-3\",\"tdot\":\"3.5\"}");
    return sample;
}

struct StringCase {
    const char *key;
    std::wstring text;
};

class JsonUtilGetStringTest : public testing::TestWithParam<StringCase> {};

TEST_P(JsonUtilGetStringTest, ReadsTextOrEmpty)
{
    EXPECT_EQ(JsonUtil::GetString(Sample(), GetParam().key), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(JsonMembers, JsonUtilGetStringTest,
                         testing::Values(StringCase{"s", L"x"}, StringCase{"n", L"5"},
                                         StringCase{"r", L"2.5000"}, StringCase{"i64", L"2147483648"},
                                         StringCase{"b", L"true"}, StringCase{"z", L""}, StringCase{"a", L""},
                                         StringCase{"o", L""}, StringCase{"missing", L""},
                                         StringCase{"t30", L"30"}));

struct IntCase {
    const char *key;
    int value;
};

class JsonUtilGetIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(JsonUtilGetIntTest, ReadsIntOrFallback)
{
    EXPECT_EQ(JsonUtil::GetInt(Sample(), GetParam().key, 99), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(JsonMembers, JsonUtilGetIntTest,
                         testing::Values(IntCase{"n", 5}, IntCase{"neg", -5}, IntCase{"r", 2},
                                         IntCase{"rn", -2}, IntCase{"big", 99}, IntCase{"i64", 99},
                                         IntCase{"t30", 30}, IntCase{"tneg", -7}, IntCase{"tplus", 8},
                                         IntCase{"tmin", INT_MIN}, IntCase{"tover", 99}, IntCase{"tbad", 99},
                                         IntCase{"tblank", 99}, IntCase{"tempty", 99}, IntCase{"tsigns", 99},
                                         IntCase{"tdot", 99}, IntCase{"s", 99}, IntCase{"b", 99},
                                         IntCase{"z", 99}, IntCase{"a", 99}, IntCase{"o", 99},
                                         IntCase{"missing", 99}));

TEST(JsonUtilRead, GetArrayGivesTheArrayOrAnEmptyOne)
{
    const Json::Value array = JsonUtil::GetArray(Sample(), "a");
    ASSERT_TRUE(array.isArray());
    EXPECT_EQ(array.size(), 2u);
    for (const char *key : {"s", "o", "z", "missing"}) {
        const Json::Value other = JsonUtil::GetArray(Sample(), key);
        EXPECT_TRUE(other.isArray()) << key;
        EXPECT_EQ(other.size(), 0u) << key;
    }
}

TEST(JsonUtilRead, ReadersAcceptValuesThatAreNotObjects)
{
    std::vector<Json::Value> values{Json::Value(), Json::Value(3), Json::Value("text"), Json::Value(true),
                                    Json::Value(Json::arrayValue)};
    values.back().append(1);
    for (const Json::Value &value : values) {
        EXPECT_EQ(JsonUtil::GetString(value, "s"), L"");
        EXPECT_EQ(JsonUtil::GetInt(value, "n", -1), -1);
        EXPECT_EQ(JsonUtil::GetArray(value, "a").size(), 0u);
    }
    EXPECT_EQ(JsonUtil::GetString(Sample(), nullptr), L"");
    EXPECT_EQ(JsonUtil::GetInt(Sample(), nullptr, 4), 4);
}

} // namespace
} // namespace basekit

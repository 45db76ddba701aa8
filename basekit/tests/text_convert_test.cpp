#include "basekit/text_convert.h"

#include <gtest/gtest.h>

namespace basekit {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

struct RoundTripCase {
    std::wstring wide;
    std::string utf8;
};

class Utf8RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(Utf8RoundTripTest, EveryNarrowConversionIsUtf8)
{
    const RoundTripCase &c = GetParam();
    EXPECT_EQ(UnicodeToUTF8Str(c.wide), c.utf8);
    EXPECT_EQ(UnicodeToUTF8Chars(c.wide), c.utf8);
    EXPECT_EQ(UnicodeToANSI(c.wide), c.utf8);
    EXPECT_EQ(CStrW2CStrA(c.wide), c.utf8);
    EXPECT_EQ(CStrW2String(c.wide), c.utf8);
    EXPECT_EQ(CStrW2CStrA(c.wide, kCodePageUtf8), c.utf8);

    EXPECT_EQ(UTF8ToUnicode(c.utf8), c.wide);
    EXPECT_EQ(ANSIToUnicode(c.utf8), c.wide);
    EXPECT_EQ(CStrA2CStrW(c.utf8), c.wide);
    EXPECT_EQ(CStrA2CStrW(c.utf8, kCodePageUtf8), c.wide);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8RoundTripTest,
                         testing::Values(RoundTripCase{L"", ""}, RoundTripCase{L"abc 123", "abc 123"},
                                         RoundTripCase{L"中文", "\xE4\xB8\xAD\xE6\x96\x87"},
                                         RoundTripCase{L"é", "\xC3\xA9"},
                                         RoundTripCase{L"\U0001F600", "\xF0\x9F\x98\x80"},
                                         RoundTripCase{L"福彩3D,排列5", "\xE7\xA6\x8F\xE5\xBD\xA9"
                                                                        "3D,\xE6\x8E\x92\xE5\x88\x97"
                                                                        "5"}));

TEST(TextConvertTest, ConversionsStopAtTheFirstNul)
{
    EXPECT_EQ(CStrW2CStrA(std::wstring(L"ab\0cd", 5)), "ab");
    EXPECT_EQ(CStrA2CStrW(std::string("ab\0cd", 5)), L"ab");
    EXPECT_EQ(UnicodeToUTF8Chars(std::wstring(L"\0x", 2)), "");
}

struct InvalidCase {
    std::string bytes;
    std::wstring wide;
};

class InvalidUtf8Test : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidUtf8Test, EachByteThatDoesNotConvertBecomesAReplacementCharacter)
{
    EXPECT_EQ(UTF8ToUnicode(GetParam().bytes), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidUtf8Test,
    testing::Values(InvalidCase{"a\xFF"
                                "b",
                                std::wstring(L"a") + kReplacement + L"b"},
                    InvalidCase{"\x80", std::wstring(1, kReplacement)},
                    // A sequence cut off at the end of the text.
                    InvalidCase{"x\xE4\xB8", std::wstring(L"x") + kReplacement + kReplacement},
                    InvalidCase{"\xE4\xB8\xAD\xFE\xE6\x96\x87", std::wstring(L"中") + kReplacement + L"文"}));

TEST(CodePageTest, NamesTheConverter)
{
    EXPECT_EQ(CodePageName(kCodePageGbk), "CP936");
    EXPECT_EQ(CodePageName(kCodePageUtf8), "UTF-8");
    EXPECT_EQ(CodePageName(0), "UTF-8");
    EXPECT_EQ(CodePageName(1252), "CP1252");
}

TEST(CodePageTest, Gbk936BothWays)
{
    const std::string gbk = "\xD6\xD0\xCE\xC4"
                            "ab"; // 中文ab
    EXPECT_EQ(CStrW2CStrA(L"中文ab", kCodePageGbk), gbk);
    EXPECT_EQ(CStrA2CStrW(gbk, kCodePageGbk), L"中文ab");
    EXPECT_EQ(CStrA2CStrW(CStrW2CStrA(L"双色球 大乐透", kCodePageGbk), kCodePageGbk), L"双色球 大乐透");
}

TEST(CodePageTest, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    EXPECT_EQ(CStrW2CStrA(L"a\U0001F600b", kCodePageGbk), "a?b");
}

TEST(IsValidUtf8Test, AcceptsOnlyWellFormedSequences)
{
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("\xE4\xB8\xAD"));
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF")); // U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\x80"));
    EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xD6\xD0\xCE\xC4")); // GBK bytes
}

struct UserFileCase {
    const char *name;
    std::string bytes;
    std::wstring text;
};

class DecodeUserFileTextTest : public testing::TestWithParam<UserFileCase> {};

TEST_P(DecodeUserFileTextTest, ReadsUtf8OrElseGb18030)
{
    EXPECT_EQ(DecodeUserFileText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeUserFileTextTest,
    testing::Values(UserFileCase{"Empty", "", L""}, UserFileCase{"Utf8", "\xE4\xB8\xAD\xE6\x96\x87", L"中文"},
                    UserFileCase{"Utf8WithBom", "\xEF\xBB\xBF\xE4\xB8\xAD\xE6\x96\x87\r\n", L"中文\r\n"},
                    UserFileCase{"BomOnly", "\xEF\xBB\xBF", L""},
                    UserFileCase{"Gb18030TwoByte", "\xD6\xD0\xCE\xC4\r\n01 02", L"中文\r\n01 02"},
                    // U+1F600 takes four bytes in GB18030.
                    UserFileCase{"Gb18030FourByte", "a\x94\x39\xFC\x36", L"a\U0001F600"}),
    [](const testing::TestParamInfo<UserFileCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace basekit

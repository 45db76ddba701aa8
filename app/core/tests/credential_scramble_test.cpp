// The scrambled form of the stored login: what it is, that it reads back, and what it refuses.
#include <gtest/gtest.h>

#include "account/credential_scramble.h"
#include "account/stored_login.h"
#include "basekit/text_convert.h"

namespace qel::testing {
namespace {

std::string Narrow(const std::wstring &text)
{
    return basekit::UnicodeToUTF8Str(text);
}

TEST(CredentialScrambleTest, EveryUnitIsRaisedByOneBetweenTheFixedFrame)
{
    struct Case {
        std::wstring plain;
        std::wstring scrambled;
    };
    const Case cases[] = {
        {L"abc", L"KVELMORAbcd19960723"},
        {L"13800138000", L"KVELMORA2491124911119960723"},
        // 密 U+5BC6, 码 U+7801, 测 U+6D4B, 试 U+8BD5.
        {L"密码测试", L"KVELMORA\u5BC7\u7802\u6D4C\u8BD619960723"},
        // U+1F600 is D83D DE00; raised: D83E DE01, which is U+1FA01.
        {L"\U0001F600", L"KVELMORA\U0001FA0119960723"},
        {L"", L""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ScrambleCredential(c.plain), c.scrambled) << Narrow(c.plain);
        EXPECT_EQ(UnscrambleCredential(c.scrambled), c.plain) << Narrow(c.plain);
    }
    EXPECT_EQ(ScrambleCredential(L"abc")->size(), 19U);
}

TEST(CredentialScrambleTest, ReadingDropsEightUnitsAtEachEndWithoutComparingThem)
{
    EXPECT_EQ(UnscrambleCredential(L"XXXXXXXXbcdYYYYYYYY"), L"abc");
    EXPECT_EQ(UnscrambleCredential(L"KVELMORA19960723"), L""); // 16 units
    EXPECT_EQ(UnscrambleCredential(L"KVELMORAb19960723"), L"a");
    EXPECT_EQ(UnscrambleCredential(L"short"), L"");
    // Stored texts that lower to no text (a lone surrogate, a 0) read as nothing stored.
    EXPECT_EQ(UnscrambleCredential(L"KVELMORA\uE00019960723"), L"");
    EXPECT_EQ(UnscrambleCredential(std::wstring(L"KVELMORA") + wchar_t{1} + L"19960723"), L"");
}

TEST(CredentialScrambleTest, TextWhoseRaisedUnitsAreNoTextIsRefused)
{
    const std::wstring refused[] = {
        std::wstring(1, wchar_t{0xD7FF}), // becomes a lone high surrogate
        std::wstring(1, wchar_t{0xFFFF}), // wraps to 0
        L"ab" + std::wstring(1, wchar_t{0xFFFF}),
        std::wstring(1, wchar_t{0x103FF}),  // D800 DFFF: the low unit leaves the surrogates
        std::wstring(1, wchar_t{0x10FC00}), // DBFF DC00: the high unit becomes a low one
        std::wstring(1, wchar_t{0xD800}),   // not a character to begin with
        std::wstring(1, wchar_t{0x110000}),
    };
    for (const std::wstring &text : refused) {
        EXPECT_FALSE(ScrambleCredential(text).has_value()) << static_cast<unsigned>(text.back());
    }
    // Their neighbours are fine.
    for (wchar_t c :
         {wchar_t{0xD7FE}, wchar_t{0xFFFE}, wchar_t{0xE000}, wchar_t{0x103FE}, wchar_t{0x10FBFE}}) {
        const std::wstring text(1, c);
        ASSERT_TRUE(ScrambleCredential(text).has_value()) << static_cast<unsigned>(c);
        EXPECT_EQ(UnscrambleCredential(*ScrambleCredential(text)), text) << static_cast<unsigned>(c);
    }
}

TEST(StoredLoginTest, APhoneOrAnEmailAndAPasswordMakeALogin)
{
    struct Case {
        const wchar_t *phone;
        const wchar_t *email;
        const wchar_t *pswd;
        bool stored;
    };
    const Case cases[] = {
        {L"KVELMORA219960723", L"", L"KVELMORAq19960723", true},
        {L"", L"KVELMORAb19960723", L"KVELMORAq19960723", true},
        {L"", L"", L"KVELMORAq19960723", false},
        {L"KVELMORA219960723", L"KVELMORAb19960723", L"", false},
    };
    for (const Case &c : cases) {
        const basekit::TextMap config = {{L"phone", c.phone}, {L"email", c.email}, {L"pswd", c.pswd}};
        EXPECT_EQ(HasStoredLogin(config), c.stored) << Narrow(c.phone) << "/" << Narrow(c.email);
    }
    const StoredLogin login =
        ReadStoredLogin({{L"email", L"KVELMORAb19960723"}, {L"pswd", L"KVELMORAq19960723"}});
    EXPECT_EQ(login.phone, L"");
    EXPECT_EQ(login.email, L"a");
    EXPECT_EQ(login.password, L"p");
}

} // namespace
} // namespace qel::testing

#include "basekit/number_text.h"

#include <climits>
#include <clocale>
#include <string>

#include <gtest/gtest.h>

namespace basekit {
namespace {

TEST(IntToStrTest, WritesDecimalText)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-12), "-12");
    EXPECT_EQ(IntToStr(INT_MAX), "2147483647");
    EXPECT_EQ(IntToStr(INT_MIN), "-2147483648");
    EXPECT_EQ(IntToStrW(-12), L"-12");
    EXPECT_EQ(IntToStrW(305), L"305");
}

struct FormatCase {
    double value;
    std::wstring format;
    std::wstring expected;
};

class IntFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(IntFormatTest, FollowsTheFormat)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(IntToStr(static_cast<int>(c.value), c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IntFormatTest,
                         testing::Values(FormatCase{5, L"%d", L"5"}, FormatCase{-5, L"%d", L"-5"},
                                         FormatCase{7, L"%02d", L"07"}, FormatCase{0, L"%02d", L"00"},
                                         FormatCase{123, L"%02d", L"123"}, FormatCase{-5, L"%03d", L"-05"},
                                         FormatCase{42, L"%5d", L"   42"}, FormatCase{42, L"%-4d|", L"42  |"},
                                         FormatCase{9, L"第%d期", L"第9期"},
                                         FormatCase{50, L"%d%%", L"50%"}));

class DoubleFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(DoubleFormatTest, FollowsTheFormatAndRoundsHalvesAwayFromZero)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(DoubleToStr(c.value, c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DoubleFormatTest,
    testing::Values(FormatCase{0.5, L"%.4f", L"0.5000"}, FormatCase{1.0 / 3, L"%.4f", L"0.3333"},
                    FormatCase{2.0 / 3, L"%.4f", L"0.6667"}, FormatCase{-0.125, L"%.2f", L"-0.13"},
                    FormatCase{6.25, L"%.1f", L"6.3"}, FormatCase{0.05, L"%.1f", L"0.1"},
                    FormatCase{-6.25, L"%.1f", L"-6.3"}, FormatCase{0.04, L"%.1f", L"0.0"},
                    FormatCase{0.15, L"%.1f", L"0.2"}, FormatCase{2.675, L"%.2f", L"2.68"},
                    FormatCase{9.95, L"%.1f", L"10.0"}, FormatCase{99.96, L"%.1f", L"100.0"},
                    FormatCase{2.5, L"%.0f", L"3"}, FormatCase{33.333, L"%.1f", L"33.3"},
                    FormatCase{1234567.0, L"%.2f", L"1234567.00"}, FormatCase{3.0, L"%f", L"3.000000"},
                    FormatCase{7.5, L"%.1f%%", L"7.5%"}));

class PercentageTest : public testing::TestWithParam<FormatCase> {};

TEST_P(PercentageTest, WritesTheValueUnscaled)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(Percentage(c.value, c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PercentageTest,
    testing::Values(FormatCase{12.5, L"%04.2f", L"12.50"}, FormatCase{5.0, L"%04.2f", L"5.00"},
                    FormatCase{0.5, L"%05.2f", L"00.50"}, FormatCase{100.0, L"%04.2f", L"100.00"},
                    FormatCase{33.335, L"%04.2f", L"33.34"}, FormatCase{-1.5, L"%06.2f", L"-01.50"}));

TEST(StrAToIntTest, ReadsLeadingDigits)
{
    const std::pair<std::string, int> cases[] = {
        {"123abc", 123},
        {"abc", 0},
        {"", 0},
        {"  -7", -7},
        {"+8", 8},
        {"007", 7},
        {"1 2", 1},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"-", 0},
        {"2147483647", INT_MAX},
    };
    for (const auto &[text, expected] : cases) {
        EXPECT_EQ(StrAToInt(text), expected) << text;
    }
}

TEST(StrToIntWTest, ReadsAnOptionalMinusAndLeadingDigits)
{
    const std::pair<std::wstring, int> cases[] = {
        {L"42", 42}, {L"-3", -3}, {L"x", 0}, {L"7x", 7}, {L"", 0}, {L"05", 5}, {L"-2147483648", INT_MIN},
    };
    for (const auto &[text, expected] : cases) {
        EXPECT_EQ(StrToIntW(text), expected);
    }
}

TEST(StrToDoubleTest, ReadsALeadingNumber)
{
    const std::pair<std::wstring, double> cases[] = {
        {L"3.5abc", 3.5}, {L"abc", 0.0}, {L"", 0.0},      {L"  -2.5e2", -250.0},
        {L"+1.5", 1.5},   {L".5", 0.5},  {L"12", 12.0},   {L"1e", 1.0},
        {L"0.1", 0.1},    {L"7,5", 7.0}, {L"中3.5", 0.0}, {L"-0.25%", -0.25},
    };
    for (const auto &[text, expected] : cases) {
        EXPECT_DOUBLE_EQ(StrToDouble(text), expected);
    }
}

// GTK puts the user's locale in place; a decimal comma must not show up in texts or stop a
// number from being read.
TEST(NumberTextTest, IgnoresTheProcessLocale)
{
    const char *commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char *used = nullptr;
    for (const char *name : commaLocales) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            used = name;
            break;
        }
    }
    if (used == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed (tried de_DE, fr_FR, ru_RU)";
    }
    EXPECT_EQ(DoubleToStr(0.5, L"%.4f"), L"0.5000");
    EXPECT_EQ(Percentage(12.5, L"%04.2f"), L"12.50");
    EXPECT_EQ(DoubleToStr(6.25, L"%.1f"), L"6.3");
    EXPECT_DOUBLE_EQ(StrToDouble(L"3.5"), 3.5);
    EXPECT_EQ(IntToStr(1234567, L"%d"), L"1234567");
    std::setlocale(LC_ALL, previous.c_str());
}

} // namespace
} // namespace basekit

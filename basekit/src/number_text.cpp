#include "basekit/number_text.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>

namespace basekit {
namespace {

// One printf conversion: flags, width, precision and its letter.
struct Conversion {
    bool leftAlign = false;
    bool zeroPad = false;
    bool plusSign = false;
    bool spaceSign = false;
    int width = 0;
    std::optional<int> precision;
    wchar_t letter = L'd';
};

struct ParsedFormat {
    std::wstring prefix;
    std::wstring suffix;
    std::optional<Conversion> conversion;
};

// Copies literal text up to the next conversion, turning "%%" into "%".
size_t CopyLiteral(std::wstring_view format, size_t pos, std::wstring &out)
{
    while (pos < format.size()) {
        if (format[pos] == L'%' && pos + 1 < format.size() && format[pos + 1] == L'%') {
            out += L'%';
            pos += 2;
        } else if (format[pos] == L'%') {
            return pos;
        } else {
            out += format[pos++];
        }
    }
    return pos;
}

int ReadNumber(std::wstring_view format, size_t &pos)
{
    int value = 0;
    while (pos < format.size() && format[pos] >= L'0' && format[pos] <= L'9' && value < 1000) {
        value = value * 10 + (format[pos++] - L'0');
    }
    return value;
}

ParsedFormat ParseFormat(std::wstring_view format)
{
    ParsedFormat parsed;
    size_t pos = CopyLiteral(format, 0, parsed.prefix);
    if (pos >= format.size()) {
        return parsed;
    }
    ++pos; // the '%'
    Conversion conv;
    for (; pos < format.size(); ++pos) {
        wchar_t c = format[pos];
        if (c == L'-') {
            conv.leftAlign = true;
        } else if (c == L'0') {
            conv.zeroPad = true;
        } else if (c == L'+') {
            conv.plusSign = true;
        } else if (c == L' ') {
            conv.spaceSign = true;
        } else if (c != L'#') {
            break;
        }
    }
    conv.width = ReadNumber(format, pos);
    if (pos < format.size() && format[pos] == L'.') {
        ++pos;
        conv.precision = ReadNumber(format, pos);
    }
    while (pos < format.size() && (format[pos] == L'l' || format[pos] == L'h')) {
        ++pos;
    }
    if (pos < format.size()) {
        conv.letter = format[pos++];
        parsed.conversion = conv;
    }
    CopyLiteral(format, pos, parsed.suffix);
    return parsed;
}

// Rounds an unsigned decimal text "ddd.ddd" to `digits` fraction digits, halves away from zero.
std::string RoundDecimal(std::string text, int digits)
{
    size_t dot = text.find('.');
    if (dot == std::string::npos) {
        dot = text.size();
        text += '.';
    }
    std::string fraction = text.substr(dot + 1);
    std::string whole = text.substr(0, dot);
    bool roundUp = static_cast<int>(fraction.size()) > digits && fraction[digits] >= '5';
    fraction.resize(digits, '0');
    std::string all = whole + fraction;
    if (roundUp) {
        int i = static_cast<int>(all.size()) - 1;
        for (; i >= 0; --i) {
            if (all[i] == '9') {
                all[i] = '0';
            } else {
                ++all[i];
                break;
            }
        }
        if (i < 0) {
            all.insert(all.begin(), '1');
        }
    }
    std::string result = all.substr(0, all.size() - digits);
    if (digits > 0) {
        result += '.';
        result += all.substr(all.size() - digits);
    }
    return result;
}

std::string FixedText(double magnitude, int digits)
{
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
    if (ec != std::errc()) {
        return "0";
    }
    return RoundDecimal(std::string(buffer, end), digits);
}

// Applies sign, padding and alignment to the digits of a converted number.
std::wstring Pad(const Conversion &conv, bool negative, const std::string &digits)
{
    std::wstring sign;
    if (negative) {
        sign = L"-";
    } else if (conv.plusSign) {
        sign = L"+";
    } else if (conv.spaceSign) {
        sign = L" ";
    }
    std::wstring body(digits.begin(), digits.end());
    int fill = conv.width - static_cast<int>(sign.size() + body.size());
    if (fill <= 0) {
        return sign + body;
    }
    if (conv.leftAlign) {
        return sign + body + std::wstring(fill, L' ');
    }
    if (conv.zeroPad) {
        return sign + std::wstring(fill, L'0') + body;
    }
    return std::wstring(fill, L' ') + sign + body;
}

std::wstring FormatDouble(const Conversion &conv, double x)
{
    if (std::isnan(x)) {
        return Pad(conv, false, "nan");
    }
    if (std::isinf(x)) {
        return Pad(conv, x < 0, "inf");
    }
    return Pad(conv, std::signbit(x), FixedText(std::fabs(x), conv.precision.value_or(6)));
}

std::wstring FormatInteger(const Conversion &conv, long long value)
{
    unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    if (conv.precision && static_cast<int>(digits.size()) < *conv.precision) {
        digits.insert(0, *conv.precision - digits.size(), '0');
    }
    Conversion noZero = conv;
    noZero.zeroPad = conv.zeroPad && !conv.precision;
    return Pad(noZero, value < 0, digits);
}

bool IsFloatLetter(wchar_t letter)
{
    return letter == L'f' || letter == L'F' || letter == L'g' || letter == L'e';
}

std::wstring Format(std::wstring_view format, double asDouble, long long asInteger)
{
    ParsedFormat parsed = ParseFormat(format);
    if (!parsed.conversion) {
        return parsed.prefix;
    }
    const Conversion &conv = *parsed.conversion;
    std::wstring body =
        IsFloatLetter(conv.letter) ? FormatDouble(conv, asDouble) : FormatInteger(conv, asInteger);
    return parsed.prefix + body + parsed.suffix;
}

long long TruncateToInteger(double x)
{
    if (!std::isfinite(x)) {
        return 0;
    }
    if (x >= 9.2e18) {
        return INT64_MAX;
    }
    if (x <= -9.2e18) {
        return INT64_MIN;
    }
    return static_cast<long long>(x);
}

template <typename Char> int LeadingInt(std::basic_string_view<Char> text, bool skipBlanks)
{
    size_t pos = 0;
    if (skipBlanks) {
        while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r'))) {
            ++pos;
        }
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || (skipBlanks && text[pos] == '+'))) {
        negative = text[pos] == '-';
        ++pos;
    }
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    value = negative ? -value : value;
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value < INT_MIN ? INT_MIN : value);
}

} // namespace

std::string IntToStr(int value)
{
    return std::to_string(value);
}

std::wstring IntToStrW(int value)
{
    return std::to_wstring(value);
}

std::wstring IntToStr(int value, std::wstring_view format)
{
    return Format(format, value, value);
}

std::wstring DoubleToStr(double x, std::wstring_view format)
{
    return Format(format, x, TruncateToInteger(x));
}

std::wstring Percentage(double x, std::wstring_view format)
{
    return DoubleToStr(x, format);
}

int StrAToInt(std::string_view text)
{
    return LeadingInt(text, true);
}

int StrToIntW(std::wstring_view text)
{
    return LeadingInt(text, false);
}

double StrToDouble(std::wstring_view text)
{
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == L' ' || (text[pos] >= L'\t' && text[pos] <= L'\r'))) {
        ++pos;
    }
    std::string ascii;
    if (pos < text.size() && text[pos] == L'+') {
        ++pos;
    }
    for (; pos < text.size() && text[pos] < 0x80; ++pos) {
        ascii += static_cast<char>(text[pos]);
    }
    double value = 0.0;
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    return value;
}

} // namespace basekit

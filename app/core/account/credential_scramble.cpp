#include "account/credential_scramble.h"

#include <string_view>

namespace qel {
namespace {

constexpr std::size_t kFrameUnits = 8; // prefix and suffix are each 8 ASCII characters
constexpr char32_t kHighFirst = 0xD800;
constexpr char32_t kLowFirst = 0xDC00;
constexpr char32_t kLowLast = 0xDFFF;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool IsSurrogate(char32_t unit)
{
    return unit >= kHighFirst && unit <= kLowLast;
}

// The text's UTF-16 code units; nothing for a wide character that is no code point.
std::optional<std::u16string> ToUtf16(std::wstring_view text)
{
    std::u16string units;
    units.reserve(text.size());
    for (wchar_t c : text) {
        const auto point = static_cast<char32_t>(c);
        if (IsSurrogate(point) || point > kLastCodePoint) {
            return std::nullopt;
        }
        if (point < 0x10000) {
            units.push_back(static_cast<char16_t>(point));
        } else {
            const char32_t offset = point - 0x10000;
            units.push_back(static_cast<char16_t>(kHighFirst + (offset >> 10)));
            units.push_back(static_cast<char16_t>(kLowFirst + (offset & 0x3FF)));
        }
    }
    return units;
}

// The text of well-formed UTF-16 without a 0 unit; nothing for anything else.
std::optional<std::wstring> FromUtf16(std::u16string_view units)
{
    std::wstring text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (unit == 0) {
            return std::nullopt;
        }
        if (!IsSurrogate(unit)) {
            text.push_back(static_cast<wchar_t>(unit));
            continue;
        }
        const bool pairStarts =
            unit < kLowFirst && i + 1 < units.size() && units[i + 1] >= kLowFirst && units[i + 1] <= kLowLast;
        if (!pairStarts) {
            return std::nullopt;
        }
        const char32_t low = units[++i];
        text.push_back(static_cast<wchar_t>(0x10000 + ((unit - kHighFirst) << 10) + (low - kLowFirst)));
    }
    return text;
}

std::optional<std::wstring> Shifted(std::u16string units, int delta)
{
    for (char16_t &unit : units) {
        unit = static_cast<char16_t>(unit + delta);
    }
    return FromUtf16(units);
}

} // namespace

std::optional<std::wstring> ScrambleCredential(const std::wstring &text)
{
    if (text.empty()) {
        return std::wstring();
    }
    std::optional<std::u16string> units = ToUtf16(text);
    if (!units) {
        return std::nullopt;
    }
    std::optional<std::wstring> shifted = Shifted(std::move(*units), +1);
    if (!shifted) {
        return std::nullopt;
    }
    return kScramblePrefix + *shifted + kScrambleSuffix;
}

std::wstring UnscrambleCredential(const std::wstring &text)
{
    std::optional<std::u16string> units = ToUtf16(text);
    if (!units || units->size() <= 2 * kFrameUnits) {
        return std::wstring();
    }
    return Shifted(units->substr(kFrameUnits, units->size() - 2 * kFrameUnits), -1).value_or(std::wstring());
}

} // namespace qel

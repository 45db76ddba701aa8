#include "basekit/text_convert.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <type_traits>

namespace basekit {
namespace {

constexpr char kWideName[] = "WCHAR_T";

// iconv_t with its close call attached.
struct IconvCloser {
    void operator()(void *cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

IconvHandle OpenConverter(const std::string &to, const std::string &from)
{
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd ==
        reinterpret_cast<iconv_t>(-1)) { // NOLINT(performance-no-int-to-ptr): iconv_open's failure value
        return nullptr;
    }
    return IconvHandle(cd);
}

// Runs iconv over the whole input into a text of Out's units, first sized for guessUnits units
// and doubled while it is too short, so that a long text costs about its own size (a reply of
// the data service can be tens of megabytes). An input sequence that does not convert is skipped
// by one unit and `replacement` (whole units) is written in its place, so the conversion never
// fails half way.
template <class Out>
Out Convert(const std::string &to, const std::string &from, const char *input, size_t inputBytes,
            size_t unitBytes, size_t guessUnits, std::string_view replacement)
{
    constexpr size_t kUnit = sizeof(typename Out::value_type);
    IconvHandle cd = OpenConverter(to, from);
    if (!cd) {
        return {};
    }
    Out out;
    out.resize(guessUnits + 16);
    size_t used = 0; // bytes written
    auto grow = [&](size_t atLeast) { out.resize(std::max(out.size() * 2, (used + atLeast) / kUnit + 1)); };
    char *in = const_cast<char *>(input);
    size_t inLeft = inputBytes;
    while (inLeft > 0) {
        char *dst = reinterpret_cast<char *>(out.data()) + used;
        size_t dstLeft = out.size() * kUnit - used;
        size_t rc = iconv(cd.get(), &in, &inLeft, &dst, &dstLeft);
        used = out.size() * kUnit - dstLeft;
        if (rc != static_cast<size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            grow(4 * kUnit);
            continue;
        }
        // EILSEQ or EINVAL: an unconvertible or cut-off sequence.
        size_t skip = inLeft < unitBytes ? inLeft : unitBytes;
        in += skip;
        inLeft -= skip;
        if (out.size() * kUnit - used < replacement.size()) {
            grow(replacement.size());
        }
        std::copy(replacement.begin(), replacement.end(), reinterpret_cast<char *>(out.data()) + used);
        used += replacement.size();
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used / kUnit);
    return out;
}

std::string WideReplacementBytes()
{
    const wchar_t replacement = 0xFFFD;
    return std::string(reinterpret_cast<const char *>(&replacement), sizeof replacement);
}

std::wstring NarrowToWide(std::string_view text, const std::string &from)
{
    if (text.empty()) {
        return {};
    }
    // At most one character a byte.
    return Convert<std::wstring>(kWideName, from, text.data(), text.size(), 1, text.size(),
                                 WideReplacementBytes());
}

std::string WideToNarrow(std::wstring_view text, const std::string &to)
{
    if (text.empty()) {
        return {};
    }
    // A byte a character for plain text; more grows the buffer.
    return Convert<std::string>(to, kWideName, reinterpret_cast<const char *>(text.data()),
                                text.size() * sizeof(wchar_t), sizeof(wchar_t), text.size(), "?");
}

// Text stops at its first NUL, as the C strings of the original interfaces did.
std::string_view UpToNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}
std::wstring_view UpToNul(std::wstring_view text)
{
    return text.substr(0, text.find(L'\0'));
}

} // namespace

std::string CodePageName(unsigned codePage)
{
    if (codePage == kCodePageUtf8 || codePage == 0) {
        return "UTF-8";
    }
    return "CP" + std::to_string(codePage);
}

std::string CStrW2CStrA(std::wstring_view text)
{
    return WideToNarrow(UpToNul(text), "UTF-8");
}

std::string CStrW2CStrA(std::wstring_view text, unsigned codePage)
{
    return WideToNarrow(UpToNul(text), CodePageName(codePage));
}

std::wstring CStrA2CStrW(std::string_view text)
{
    return NarrowToWide(UpToNul(text), "UTF-8");
}

std::wstring CStrA2CStrW(std::string_view text, unsigned codePage)
{
    return NarrowToWide(UpToNul(text), CodePageName(codePage));
}

std::string CStrW2String(std::wstring_view text)
{
    return CStrW2CStrA(text);
}
std::wstring UTF8ToUnicode(std::string_view utf8)
{
    return CStrA2CStrW(utf8);
}
std::string UnicodeToUTF8Str(std::wstring_view text)
{
    return CStrW2CStrA(text);
}
std::string UnicodeToUTF8Chars(std::wstring_view text)
{
    return CStrW2CStrA(text);
}
std::wstring ANSIToUnicode(std::string_view ansi)
{
    return CStrA2CStrW(ansi);
}
std::string UnicodeToANSI(std::wstring_view text)
{
    return CStrW2CStrA(text);
}

bool IsValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        auto c = static_cast<unsigned char>(bytes[i]);
        size_t extra = 0;
        unsigned long code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (extra > bytes.size() - i - 1) {
            return false; // cut off at the end
        }
        for (size_t k = 1; k <= extra; ++k) {
            auto cc = static_cast<unsigned char>(bytes[i + k]);
            if ((cc & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (cc & 0x3F);
        }
        static constexpr unsigned long kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (code < kMinimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

std::wstring DecodeUserFileText(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    if (IsValidUtf8(bytes)) {
        return NarrowToWide(bytes, "UTF-8");
    }
    return NarrowToWide(bytes, "GB18030");
}

} // namespace basekit

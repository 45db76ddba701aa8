#include "basekit/debug.h"

#include <span>

#include "basekit/number_text.h"
#include "basekit/text_convert.h"

namespace basekit {
namespace {

// Every trace line ends here. It is deliberately silent and not inlined, so a debugger can
// break on it and see each line.
[[gnu::noinline]] void Emit(const std::wstring &line)
{
    static_cast<void>(line);
}

void EmitLine(std::wstring_view label, std::wstring_view text)
{
    std::wstring line(label);
    line += L": ";
    line += text;
    Emit(line);
}

template <typename Range> std::wstring JoinNumbers(const Range &values)
{
    std::wstring joined;
    for (int value : values) {
        if (!joined.empty()) {
            joined += L',';
        }
        joined += IntToStrW(value);
    }
    return joined;
}

} // namespace

void Debug(int value, std::wstring_view label)
{
    EmitLine(label, IntToStr(value, L"%d"));
}

void Debug(const char *text, std::wstring_view label)
{
    EmitLine(label, text == nullptr ? std::wstring() : CStrA2CStrW(text));
}

void Debug(std::wstring_view text, std::wstring_view label)
{
    EmitLine(label, text);
}

void Debug(const int *values, int count, std::wstring_view label)
{
    if (values == nullptr || count <= 0) {
        EmitLine(label, {});
        return;
    }
    EmitLine(label, JoinNumbers(std::span<const int>(values, static_cast<size_t>(count))));
}

void Debug(const std::vector<int> &values, std::wstring_view label)
{
    EmitLine(label, JoinNumbers(values));
}

void Debug(const std::list<int> &values, std::wstring_view label)
{
    EmitLine(label, JoinNumbers(values));
}

} // namespace basekit

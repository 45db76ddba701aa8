#include "calculation/data.h"

#include "basekit/number_text.h"

namespace calculation {

int Data::count() const
{
    return static_cast<int>(rows.empty() ? strs.size() : rows.size());
}

int Data::rowLen(int i) const
{
    if (i < 0 || static_cast<std::size_t>(i) >= rows.size()) {
        return 0;
    }
    return static_cast<int>(rows[static_cast<std::size_t>(i)].size());
}

const std::wstring &Data::firstStr() const
{
    static const std::wstring kEmpty;
    return strs.empty() ? kEmpty : strs.front();
}

void Data::reset()
{
    // The name stays: a stage resets the conditions it keeps under their keys.
    std::wstring name = std::move(text);
    *this = Data{};
    text = std::move(name);
}

std::wstring IndexedKey(const std::wstring &word, int index)
{
    return word + basekit::IntToStrW(index);
}

std::wstring IndexedKey(const std::wstring &word, int first, int second)
{
    return word + basekit::IntToStrW(first) + basekit::IntToStrW(second);
}

} // namespace calculation

/// \file
/// \brief A short text on the stack, for the class strings of a row that the filter tests.
///
/// The shape conditions ("bigSmall", "oddEven", "erWeiMa" ...) compare a per-number class string
/// of the row with the chosen texts. The filter builds that string once per candidate, so it is
/// written into this fixed buffer instead of a std::wstring, which would allocate for rows of
/// more than three numbers.
#pragma once

#include <string>
#include <string_view>

namespace calculation {

class ClassText {
public:
    /// Enough for ten numbers of eleven characters each (every int), the longest row the
    /// filter stages handle.
    static constexpr int kCapacity = 128;

    ClassText() = default;
    ClassText(const ClassText &) = delete;
    ClassText &operator=(const ClassText &) = delete;

    std::wstring_view view() const { return {chars_, static_cast<std::size_t>(length_)}; }
    int length() const { return length_; }
    /// False when something did not fit: the text is then only a prefix of the class string
    /// and must not be compared (the std::wstring forms have no limit).
    bool complete() const { return complete_; }

    void clear()
    {
        length_ = 0;
        complete_ = true;
    }
    void push_back(wchar_t c)
    {
        if (length_ < kCapacity) {
            chars_[length_++] = c;
        } else {
            complete_ = false;
        }
    }
    void append(std::wstring_view text)
    {
        for (wchar_t c : text) {
            push_back(c);
        }
    }

private:
    wchar_t chars_[kCapacity]; // written before it is read: only [0, length_) is ever seen
    int length_ = 0;
    bool complete_ = true;
};

} // namespace calculation

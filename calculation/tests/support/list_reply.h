// Reads a ListReply text ({size:"N",items:[{key:"value",...},...]}) back into rows, so that a
// test can compare tables row by row. A text of another shape fails the calling test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basekit/row_types.h"

namespace testsupport {

class ListReplyReader {
public:
    explicit ListReplyReader(const std::wstring &text) : text_(text) {}

    std::vector<basekit::OrderedRow> Rows()
    {
        std::vector<basekit::OrderedRow> rows;
        if (!Expect(L"{size:")) {
            return rows;
        }
        const std::wstring size = Quoted();
        if (!Expect(L",items:[")) {
            return rows;
        }
        while (ok_ && Peek() == L'{') {
            rows.push_back(Row());
            if (Peek() == L',') {
                ++pos_;
            }
        }
        Expect(L"]}");
        EXPECT_EQ(pos_, text_.size()) << "text after the reply";
        EXPECT_EQ(size, std::to_wstring(rows.size()));
        return rows;
    }

private:
    wchar_t Peek() const { return pos_ < text_.size() ? text_[pos_] : L'\0'; }

    bool Expect(const std::wstring &part)
    {
        if (ok_ && text_.compare(pos_, part.size(), part) == 0) {
            pos_ += part.size();
            return true;
        }
        ADD_FAILURE() << "expected \"" << std::string(part.begin(), part.end()) << "\" at " << pos_;
        ok_ = false;
        return false;
    }

    basekit::OrderedRow Row()
    {
        basekit::OrderedRow row;
        Expect(L"{");
        while (ok_ && Peek() != L'}') {
            std::wstring key;
            while (pos_ < text_.size() && text_[pos_] != L':') {
                key += text_[pos_++];
            }
            Expect(L":");
            row.emplace_back(key, Quoted());
            if (Peek() == L',') {
                ++pos_;
            }
        }
        Expect(L"}");
        return row;
    }

    std::wstring Quoted()
    {
        std::wstring value;
        if (!Expect(L"\"")) {
            return value;
        }
        while (pos_ < text_.size() && text_[pos_] != L'"') {
            wchar_t c = text_[pos_++];
            if (c == L'\\' && pos_ < text_.size()) {
                const wchar_t e = text_[pos_++];
                c = e == L'n' ? L'\n' : e == L'r' ? L'\r' : e == L't' ? L'\t' : e;
            }
            value += c;
        }
        Expect(L"\"");
        return value;
    }

    const std::wstring &text_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

inline std::vector<basekit::OrderedRow> ParseListReply(const std::wstring &text)
{
    return ListReplyReader(text).Rows();
}

/// The value of key in row; "<missing>" when the row has no such key.
inline std::wstring ValueOf(const basekit::OrderedRow &row, const std::wstring &key)
{
    for (const auto &[k, v] : row) {
        if (k == key) {
            return v;
        }
    }
    return L"<missing>";
}

} // namespace testsupport

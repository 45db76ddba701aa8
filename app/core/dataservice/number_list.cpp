#include "dataservice/number_list.h"

#include "basekit/string_split.h"

namespace qel {

bool ReadNumberList(const std::wstring &text, std::vector<int> &numbers)
{
    constexpr std::size_t kMaxDigits = 9;
    for (const std::wstring &piece : basekit::StrSplit(text, L",")) {
        const std::size_t first = piece.find_first_not_of(L' ');
        if (first == std::wstring::npos) {
            return false;
        }
        const std::size_t last = piece.find_last_not_of(L' ');
        if (last + 1 - first > kMaxDigits) {
            return false;
        }
        int value = 0;
        for (std::size_t i = first; i <= last; ++i) {
            if (piece[i] < L'0' || piece[i] > L'9') {
                return false;
            }
            value = value * 10 + (piece[i] - L'0');
        }
        numbers.push_back(value);
    }
    return true;
}

} // namespace qel

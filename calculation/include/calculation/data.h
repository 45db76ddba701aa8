/// \file
/// \brief One condition value (Data) and the map of conditions of a filter run (DataMap).
///
/// The program turns every page item into one Data under the item's name; the chain and its
/// stages copy what they read. A Data owns its arrays: copies are independent and nothing is
/// freed by hand.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "calculation/calculation_export.h"

namespace calculation {

class CALCULATION_EXPORT Data {
public:
    std::wstring text;                  ///< the condition name (its key in the map)
    std::vector<int> nums;              ///< chosen values as integers (not for "DingWei" keys)
    std::vector<std::wstring> strs;     ///< chosen values as texts
    std::vector<int> lastNums;          ///< "lastNum" keys: the numbers of the last draw
    bool canBeWrong = false;            ///< a failed test is tolerated and counted
    bool enabled = false;               ///< false: every test of this condition is skipped
    bool include = false;               ///< false: the values are the unchosen ones ("paiChu")
    std::vector<int> allowNums;         ///< "ziDingYi" keys: allowed counts of shared numbers
    std::vector<std::vector<int>> rows; ///< "DingWei" keys: allowed class digits per position

    /// Entries of strs (for "DingWei" keys: per-position entries of rows).
    int count() const;
    int lastCount() const { return static_cast<int>(lastNums.size()); }
    int allowCount() const { return static_cast<int>(allowNums.size()); }
    /// Length of position entry i of rows; 0 or less imposes nothing at that position.
    int rowLen(int i) const;

    /// The first text value, or an empty text.
    const std::wstring &firstStr() const;

    /// Clears the value: every array emptied, the flags and counts back to 0.
    void reset();

    bool operator==(const Data &other) const = default;
};

/// Condition name to condition, keys compared as plain text. Looking up a missing key with
/// operator[] inserts an empty (disabled) Data, so a condition the page did not send reads as
/// disabled.
using DataMap = std::map<std::wstring, Data>;

/// The key of an indexed condition: word followed by the decimal index ("pos" 0 is "pos0").
CALCULATION_EXPORT std::wstring IndexedKey(const std::wstring &word, int index);
/// The key of a condition on a pair of positions ("erWeiHe" 0 1 is "erWeiHe01").
CALCULATION_EXPORT std::wstring IndexedKey(const std::wstring &word, int first, int second);

} // namespace calculation

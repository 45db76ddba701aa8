/// \file
/// \brief What the digit games' chains share: the run's play type and data source, the
/// candidate loop over every digit row, old-number entries, digit-set searches and the save text.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calculation/abstract_filter_chain.h"

namespace plugins::digit {

class DigitFilterChain : public calculation::AbstractFilterChain {
public:
    /// Rows are written as their digits run together ("048"): no separator, no padding.
    std::wstring GetResultStr(const std::wstring &listFlag, const std::wstring &separator,
                              const std::wstring &backSeparator, int pad, int allRows) override;

protected:
    /// Reads the play type and data source of the run from the conditions.
    void ReadRunSettings();
    bool FromOldNumbers() const { return dataSource_ == L"dataSourceOld"; }
    /// The number of entries of "baseNums".
    int BaseCount() const;

    /// Tests row through the stages (wrongCount from 0); a survivor is copied into the result list.
    bool TestAndKeep(const int *row, int length);
    /// Every row of frontCount digits from 00..0 to 99..9 ascending that shape accepts, tested.
    void FilterEveryDigitRow(const std::function<bool(const int *)> &shape);
    /// The non-empty entries of "oldNum", in order.
    std::vector<std::wstring> OldNumberEntries() const;
    /// An entry read as a decimal number split into frontCount digits; false when it is not one.
    bool ReadNumberEntry(const std::wstring &entry, int *row) const;
    /// An entry read as one digit per character; false unless it has frontCount digits.
    bool ReadDigitEntry(const std::wstring &entry, int *row) const;

    /// Appends to the search list the result rows that test accepts; with onePerDigitSet only the
    /// first row of each set of digits.
    void SearchRows(calculation::NumberRowList &search, const std::function<bool(const int *)> &test,
                    bool onePerDigitSet) const;
    /// Number of distinct digits of the row's front numbers.
    int DistinctDigits(const int *row) const;

    std::wstring castType_;
    std::wstring dataSource_;
};

} // namespace plugins::digit

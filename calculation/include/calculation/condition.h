/// \file
/// \brief A condition as a filter stage holds it: the Data it copied plus the sets its tests use.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "calculation/data.h"
#include "calculation/value_set.h"

namespace calculation {

/// Reads the entry under key; a missing key reads as an empty, disabled condition.
CALCULATION_EXPORT const Data &LookupCondition(const DataMap &conditions, const std::wstring &key);

/// While a log is set on the calling thread, LookupCondition adds to it every key it is asked
/// for: which conditions a chain and its stages read, so that a game's condition panels can be
/// checked against them. Null ends the log.
CALCULATION_EXPORT void LogConditionKeys(std::set<std::wstring> *log);

class CALCULATION_EXPORT Condition {
public:
    static constexpr int kPairBase = 1024;

    /// Copies the entry of key and prepares its membership sets.
    void Load(const DataMap &conditions, const std::wstring &key);
    /// Takes a condition value as it stands (for conditions a stage builds itself).
    void Assign(const Data &value);
    /// Clears the condition; it is disabled afterwards.
    void Reset();

    bool enabled() const { return enabled_; }
    bool canBeWrong() const { return data_.canBeWrong; }
    bool include() const { return data_.include; }
    const Data &data() const { return data_; }

    /// The value is one of the condition's numbers.
    bool Has(int value) const { return numbers_.contains(value); }
    /// Any value from lo to hi (both included) is one of the condition's numbers.
    bool HasAnyIn(int lo, int hi) const { return numbers_.containsAnyIn(lo, hi); }
    /// Bit v (0..63) set when v + offset is one of the condition's numbers.
    std::uint64_t Window(std::int64_t offset) const { return numbers_.window(offset); }
    /// The condition's numbers 0..63 as a bit mask.
    std::uint64_t mask() const { return mask_; }
    /// The text is one of the condition's texts.
    bool HasText(std::wstring_view text) const { return texts_.contains(text); }
    /// The last draw's numbers ("lastNum" keys) 0..63 as a bit mask.
    std::uint64_t lastMask() const { return lastMask_; }
    /// The pair (smaller, larger) is written as one of the condition's texts, the two numbers
    /// run together ("112" for 1 and 12, or for 11 and 2): the test of two-position codes.
    bool HasPairCode(int smaller, int larger) const;
    /// Allowed counts of a custom group ("ziDingYi").
    bool Allows(int count) const { return allowed_.contains(count); }

private:
    void Prepare();

    Data data_;
    bool enabled_ = false;
    IntSet numbers_;
    IntSet allowed_;
    TextSet texts_;
    IntSet pairCodes_; // every (smaller, larger) whose text is one of texts_, as smaller * kPairBase + larger
    std::uint64_t mask_ = 0;
    std::uint64_t lastMask_ = 0;
};

} // namespace calculation

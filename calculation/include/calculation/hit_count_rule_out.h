/// \file
/// \brief Rule-out of past draws by hit counts, for the stages of the lotto games: a row fails
/// once for every stored draw with which it shares a chosen number of numbers.
///
/// A lexicographic enumeration tests millions of rows against hundreds of draws. Counting every
/// row's hits against every draw would cost rows × draws × numbers; instead the hit counts are
/// kept per announced prefix, level by level, and only for the draws that can still reach a
/// chosen count with the numbers left. Deep in the enumeration few draws remain.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "calculation/abstract_filter.h"
#include "calculation/calculation_export.h"
#include "calculation/condition.h"

namespace calculation {

class CALCULATION_EXPORT HitCountRuleOut {
public:
    /// The draws to rule out, each by its first `length` numbers (what follows them are back
    /// numbers); rows are compared by their first `length` numbers as well.
    void SetDraws(const std::vector<std::vector<int>> &draws, int length);
    /// The hit counts that fail: the numbers of the condition.
    void SetCounts(const Condition &condition);

    /// The rows tested until EndPrefix share their first length numbers with row.
    void BeginPrefix(const int *row, int length);
    void EndPrefix() { prefixLength_ = 0; }

    /// The draws the row fails against.
    int Failures(const int *row) const;
    /// The draws that every completion of the announced prefix from c fails against.
    int CertainFailures(const Completion &c) const;
    /// Of the numbers that the last position of an announced prefix one short of a row takes,
    /// those with which the row fails against some draw.
    std::uint64_t LastNumbersFailing(std::uint64_t numbers) const;

private:
    struct Level {
        std::vector<std::uint16_t> draws; // the draws that can still reach a chosen count
        std::vector<std::uint8_t> hits;   // their hits in the prefix so far
    };
    bool AnyChosenIn(int low, int high) const;
    bool AllChosenIn(int low, int high) const;
    void Restart();

    int length_ = 0;
    std::vector<std::uint64_t> draws_;
    std::uint64_t chosen_ = 0; // bit h: h hits fail
    std::array<Level, AbstractFilter::kMaxPositions + 1> levels_;
    std::array<int, AbstractFilter::kMaxPositions> levelRow_{};
    int levelsKnown_ = 0;
    int prefixLength_ = 0;
};

} // namespace calculation

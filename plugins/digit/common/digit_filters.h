/// \file
/// \brief The two filter stages of every digit game, read from the game's description: node 0
/// tests the base digits, the fixed positions, the common conditions and the game's own
/// conditions; node 1, the last, the per-position patterns, repeated digits and the rule-out of
/// past draws.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "calculation/abstract_filter.h"
#include "digit/common/digit_game.h"
#include "digit/common/digit_multisets.h"

namespace plugins::digit {

class PrimaryFilter : public calculation::AbstractFilter {
public:
    explicit PrimaryFilter(const DigitGame &game) : game_(game) {}

    void SetFilterData(const calculation::DataMap &conditions) override;
    int FilterRow(const int *row, int length, int &wrongCount) override;
    void ResetFilterData() override;

    /// Whether value may stand at position whatever the rest of the row holds: a base digit (in
    /// a run of new numbers) that the position's fixed digits allow. Neither test is tolerated,
    /// so a run may leave out every candidate with another value there.
    bool AllowsAt(int position, int value) const;

private:
    bool PassesErMa(const int *row, int length, int &wrongCount) const;
    int ValueOf(RowValue value, const int *row, int length) const;
    void PrepareAllowedValues();

    const DigitGame &game_;
    calculation::Condition erMa_;
    std::vector<int> erMaCodes_;
    std::vector<calculation::Condition> memberTests_; // one per game_.primaryTests
    // Per position, the values that AllowsAt accepts among 0..63; values beyond pass through to
    // the tests themselves.
    std::array<std::uint64_t, kMaxPositions> allowed_{};
};

class SeniorFilter : public calculation::AbstractFilter {
public:
    explicit SeniorFilter(const DigitGame &game);

    void SetFilterData(const calculation::DataMap &conditions) override;
    int FilterRow(const int *row, int length, int &wrongCount) override;
    void ResetFilterData() override;
    void SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows) override;
    void BeginPrefix(const int *row, int length) override;
    void EndPrefix() override;

private:
    /// Whether the per-position patterns apply: straight play, or a game without play types.
    bool TestsPatterns() const;
    bool PassesRepeats(const int *row, int length, int &wrongCount) const;
    bool PassesRuleOut(const int *row, int length, int &wrongCount) const;
    /// How many stored draws the row matches, when that depends only on its digits.
    int DrawsMatchingDigits(int multiset) const;
    bool StraightMatching() const;
    void ForgetMatches();

    const DigitGame &game_;
    calculation::Condition chongMa_, chongMaNum_, ruleOutOldData_;
    DigitMultisets multisets_;
    // Per draw long enough for a row: its digits as a bit set (for shared digits) and its
    // multiset (for group matches) and straight code.
    std::vector<std::uint32_t> drawDigits_;
    std::vector<int> drawMultisets_;
    std::vector<std::int64_t> drawCodes_;
    // Matches per multiset, worked out when a row of that multiset first needs them (-1: not yet).
    mutable std::vector<std::int16_t> matches_;
    int prefixMultiset_ = DigitMultisets::kNone;
    int prefixLength_ = 0;
};

/// The digits of a row as one number, in the order given.
std::int64_t DigitCode(const int *row, int length);
/// The digits of a row as one number, sorted ascending: equal for rows with the same digits.
std::int64_t SortedDigitCode(const int *row, int length);

} // namespace plugins::digit

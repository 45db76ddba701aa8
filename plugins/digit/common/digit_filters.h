/// \file
/// \brief The two filter stages of every digit game, read from the game's description: node 0
/// tests the base digits, the fixed positions, the common conditions and the game's own
/// conditions; node 1, the last, the per-position patterns, repeated digits and the rule-out of
/// past draws.
///
/// Each stage splits its tests into those whose verdict depends only on which digits a row holds
/// (how often each) and those that also depend on their order. A row passes a stage when it
/// passes both parts, the tolerated failures of both counted together; so a chain that meets
/// many rows of the same digits can test the first part once per multiset of digits.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "calculation/abstract_filter.h"
#include "digit/common/digit_game.h"

namespace plugins::digit {

class PrimaryFilter final : public calculation::AbstractFilter {
public:
    explicit PrimaryFilter(const DigitGame &game) : game_(game) {}

    void SetFilterData(const calculation::DataMap &conditions) override;
    int FilterRow(const int *row, int length, int &wrongCount) override;
    void ResetFilterData() override;

    /// Whether value may stand at position whatever the rest of the row holds: a base digit (in
    /// a run of new numbers) that the position's fixed digits allow. Neither test is tolerated,
    /// so a run may leave out every candidate with another value there.
    bool AllowsAt(int position, int value) const;
    /// The tests whose verdict depends only on the row's digits.
    bool PassesOrderFreeTests(const int *row, int &wrongCount) const;
    /// The other tests, but for AllowsAt's.
    bool PassesOrderBoundTests(const int *row, int &wrongCount) const;
    bool HasOrderBoundTests() const { return !orderBoundTests_.empty() || firstLevelOrderBoundTests() > 0; }

private:
    bool PassesErMa(const int *row, int length, int &wrongCount) const;
    int ValueOf(RowValue value, const int *row, int length) const;
    /// Whether a value of the row depends only on its digits.
    bool OrderFree(RowValue value) const;
    void PrepareAllowedValues();

    const DigitGame &game_;
    calculation::Condition erMa_;
    std::vector<int> erMaCodes_;
    std::vector<calculation::Condition> memberTests_; // one per game_.primaryTests
    std::vector<std::size_t> orderFreeTests_;         // the enabled ones, by their kind
    std::vector<std::size_t> orderBoundTests_;
    // Per position, the values that AllowsAt accepts among 0..63; values beyond pass through to
    // the tests themselves.
    std::array<std::uint64_t, kMaxPositions> allowed_{};
};

class SeniorFilter final : public calculation::AbstractFilter {
public:
    explicit SeniorFilter(const DigitGame &game) : game_(game) {}

    void SetFilterData(const calculation::DataMap &conditions) override;
    int FilterRow(const int *row, int length, int &wrongCount) override;
    void ResetFilterData() override;
    void SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows) override;

    /// Repeated digits and the rule-out of past draws by the digits they share.
    bool PassesOrderFreeTests(const int *row, int &wrongCount) const;
    /// The per-position patterns and the rule-out of past draws equal by position.
    bool PassesOrderBoundTests(const int *row, int &wrongCount) const;
    bool HasOrderBoundTests() const
    {
        return (testsPatterns_ && anyPatternTest()) || (rulesOut_ && StraightMatching());
    }

private:
    bool TestsPatterns() const;
    bool StraightMatching() const;
    /// How many stored draws the row matches by its digits (rule-out kinds other than by position).
    int DrawsMatchingDigits(const int *row) const;

    const DigitGame &game_;
    calculation::Condition chongMa_, chongMaNum_, ruleOutOldData_;
    // Per draw long enough for a row: its digits as a bit set and as counts, and its straight code.
    std::vector<std::uint32_t> drawDigits_;
    std::vector<std::array<std::uint8_t, 10>> drawCounts_;
    std::vector<std::int64_t> drawCodes_;
    bool testsPatterns_ = true;
    bool rulesOut_ = false; // rule-out enabled with draws to compare
};

/// The digits of a row as one number, in the order given.
std::int64_t DigitCode(const int *row, int length);
/// The digits of a row as one number, sorted ascending: equal for rows with the same digits.
std::int64_t SortedDigitCode(const int *row, int length);

} // namespace plugins::digit

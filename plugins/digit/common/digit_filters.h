/// \file
/// \brief What the digit games' filter stages share: base digits, two-digit codes, simple
/// membership conditions and the rule-out of past draws by straight or group match.
#pragma once

#include <cstdint>
#include <vector>

#include "calculation/abstract_filter.h"

namespace plugins::digit {

/// A digit game's first stage: the common conditions plus the helpers its own tests use.
class DigitPrimaryFilter : public calculation::AbstractFilter {
protected:
    /// With "dataSourceNew" and "baseNums" enabled, every digit of the row must be a base digit.
    bool PassesBaseNumbers(const int *row, int length) const;
    /// "erMa": with inclusion the row must hold one of the chosen two-digit codes (smaller digit
    /// times ten plus the larger, over every pair of positions), with exclusion none. Tolerated.
    bool PassesErMa(const int *row, int length, int &wrongCount) const;
    /// A tolerated membership test of value in c; passes when c is disabled.
    bool PassesMember(const calculation::Condition &c, int value, int &wrongCount) const
    {
        return !c.enabled() || Check(c, c.Has(value), wrongCount);
    }
    /// Loads "erMa" and prepares its chosen codes.
    void LoadErMa(const calculation::DataMap &conditions);
    void ResetErMa();

    calculation::Condition erMa;

private:
    std::vector<int> erMaCodes_;
};

/// How a row is compared with a past draw by the rule-out test.
enum class DrawMatch { Straight, Group };

/// A digit game's last stage: the per-position patterns plus the rule-out of past draws.
class DigitSeniorFilter : public calculation::AbstractFilter {
public:
    void SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows) override;

protected:
    /// Rules the row out against every stored draw of its length: each matching draw is one failed
    /// test of ruleOutOldData under the tolerance rule. True when the row survives.
    bool PassesRuleOut(const int *row, int length, DrawMatch match, int &wrongCount) const;
    /// The match mode the condition asks for: its only number, else its second; 0 is straight.
    DrawMatch RuleOutMatch() const;

    calculation::Condition ruleOutOldData;

private:
    // Per draw: its digits as one number in draw order, and in ascending order.
    std::vector<std::int64_t> straightCodes_;
    std::vector<std::int64_t> groupCodes_;
    std::vector<int> drawLengths_;
};

/// The digits of a row as one number, in the order given.
std::int64_t DigitCode(const int *row, int length);
/// The digits of a row as one number, sorted ascending: equal for rows with the same digits.
std::int64_t SortedDigitCode(const int *row, int length);

} // namespace plugins::digit

/// \file
/// \brief The two filter stages of the three-digit game "Magic3".
#pragma once

#include "digit/common/digit_filters.h"

namespace plugins::magic3 {

/// Node 0: base digits, fixed positions, the common conditions, then "erMa", "numLag", "diffNum"
/// and "chongMa".
class PrimaryFilter : public digit::DigitPrimaryFilter {
public:
    void SetFilterData(const calculation::DataMap &conditions) override;
    int FilterRow(const int *row, int length, int &wrongCount) override;
    void ResetFilterData() override;

private:
    calculation::Condition numLag, chongMa, diffNum;
};

/// Node 1, the last: per-position patterns in straight play, then the rule-out of past draws.
class SeniorFilter : public digit::DigitSeniorFilter {
public:
    void SetFilterData(const calculation::DataMap &conditions) override;
    int FilterRow(const int *row, int length, int &wrongCount) override;
    void ResetFilterData() override;
};

} // namespace plugins::magic3

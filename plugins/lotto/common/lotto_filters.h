/// \file
/// \brief The two filter stages of every lotto game, read from the game's description: node 0
/// tests the base numbers, the fixed positions, the common conditions and the game's area counts
/// on the front numbers, and (games with back pairs) the back conditions of a pair; node 1, the
/// last, the per-position patterns and the rule-out of past draws by hit counts.
#pragma once

#include <cstdint>
#include <vector>

#include "calculation/abstract_filter.h"
#include "calculation/hit_count_rule_out.h"
#include "lotto/common/lotto_game.h"

namespace plugins::lotto {

class PrimaryFilter : public calculation::AbstractFilter {
public:
    explicit PrimaryFilter(const LottoGame &game) : game_(game) {}

    void SetFilterData(const calculation::DataMap &conditions) override;
    int FilterRow(const int *row, int length, int &wrongCount) override;
    /// The back conditions of a pair (games with back pairs); 1 accepts. Not passed on.
    int FilterBack(const int *backRow, int &wrongCount) override;
    void ResetFilterData() override;

    /// The conditions that are kept but tested by nothing.
    const std::vector<calculation::Condition> &keptAreas() const { return keptAreas_; }

private:
    struct Area {
        calculation::Condition condition;
        std::uint64_t numbers = 0; // the area's numbers as a mask
    };
    bool PassesAreas(std::uint64_t rowMask, int &wrongCount) const;

    const LottoGame &game_;
    bool testsBaseNumbers_ = false;
    std::vector<Area> areas_;                       // the chosen of game_.areaTests, in order
    std::vector<calculation::Condition> keptAreas_; // game_.keptAreaKeys
    // The back conditions: two fixed positions, then the tolerated ones in their order.
    calculation::Condition backPos_[2];
    calculation::Condition kuaDuBack_, heZhiBack_, bigSmallRateBack_, oddEvenRateBack_, zhiHeRateBack_,
        luShuRateBack_, maxBack_, minBack_, bigSmallBack_, oddEvenBack_, zhiHeBack_, luShu012Back_,
        lianMaBack_;
};

class SeniorFilter : public calculation::AbstractFilter {
public:
    explicit SeniorFilter(const LottoGame &game) : game_(game) {}

    void SetFilterData(const calculation::DataMap &conditions) override;
    int FilterRow(const int *row, int length, int &wrongCount) override;
    void ResetFilterData() override;
    void SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows) override;
    void BeginPrefix(const int *row, int length) override;
    void EndPrefix() override;

protected:
    bool OwnPrefixMayPass(const calculation::Completion &c, int &certainFailures) const override;
    std::uint64_t OwnLastNumbersMayPass(std::uint64_t numbers) const override;

private:
    bool PassesRuleOut(const int *row, int &wrongCount) const;

    const LottoGame &game_;
    calculation::Condition ruleOutOldData_;
    calculation::HitCountRuleOut ruleOut_;
};

} // namespace plugins::lotto

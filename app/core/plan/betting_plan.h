/// \file
/// \brief The multiplier betting plan: for each draw of a run of draws, how many times to
/// multiply one single bet so that a win in that draw pays back everything staked so far plus a
/// chosen minimum profit.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace qel {

/// The price of one single bet, in yuan.
constexpr int kSingleBetPrice = 2;
/// The most draws a plan may have: a plan is read by a person, and its rows are held and sent to
/// the page whole.
constexpr int kMaxPlanDraws = 10000;

/// What the user asks for, in yuan and draws.
struct PlanInputs {
    int oneBonus = 0; ///< prize of one winning single bet
    int minBonus = 0; ///< profit wanted at least in the draw that wins
    int qiShu = 0;    ///< number of draws
};

/// One draw of a plan. Every value fits the 32-bit range the page and the file show.
struct PlanRow {
    int qiHao = 0;      ///< ordinal of the draw, from 1
    int rate = 0;       ///< multiplier of the single bet
    int benQiTouRu = 0; ///< stake of this draw: kSingleBetPrice × rate
    int total = 0;      ///< stake of all draws up to this one
    int revenue = 0;    ///< profit if this draw wins: rate × oneBonus − total
    bool operator==(const PlanRow &) const = default;
};

/// The last plan a window made, with the inputs it was made from.
struct BettingPlan {
    PlanInputs inputs;
    std::vector<PlanRow> rows;
};

/// The plan's rows. The multiplier starts at 1 and never falls; in each draw it is raised (at
/// most 100000 times) until a win would bring at least minBonus. The plan ends early at the first
/// draw whose win would not pay back the total staked, or whose values would pass 2^31 − 1, and
/// after at most kMaxPlanDraws draws. No rows when qiShu ≤ 0 or oneBonus ≤ kSingleBetPrice (no
/// multiplier then wins more than it stakes).
std::vector<PlanRow> GeneratePlan(const PlanInputs &inputs);

/// "2024-03-05_07-08-09": the local time as the saved plan's heading and file name show it.
std::wstring PlanTimeStamp(const std::tm &localTime);

/// The text of a saved plan: the heading lines, the column names and one line per row, every
/// line ended by CR LF.
std::wstring PlanFileText(const BettingPlan &plan, const std::wstring &timeStamp);

} // namespace qel

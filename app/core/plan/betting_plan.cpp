#include "plan/betting_plan.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "basekit/number_text.h"

namespace qel {
namespace {

constexpr std::int64_t kMaxRaisesPerDraw = 100000;
constexpr std::int64_t kLargestShown = std::numeric_limits<std::int32_t>::max();

// How far the multiplier is raised in one draw: while rate × gain − total < minBonus, by one at a
// time and at most kMaxRaisesPerDraw times; worked out at once rather than step by step.
// gain > 0. Every product stays far inside 64 bits: rate and total are below 2^33, gain below 2^31.
std::int64_t Raises(std::int64_t rate, std::int64_t gain, std::int64_t total, std::int64_t minBonus)
{
    if (rate * gain - total >= minBonus) {
        return 0;
    }
    // The smallest multiplier that brings minBonus: ceil((minBonus + total) / gain), where
    // minBonus + total > rate × gain > 0.
    const std::int64_t needed = (minBonus + total + gain - 1) / gain;
    return std::min(needed - rate, kMaxRaisesPerDraw);
}

bool Shown(std::int64_t value)
{
    return value <= kLargestShown;
}

} // namespace

std::vector<PlanRow> GeneratePlan(const PlanInputs &inputs)
{
    std::vector<PlanRow> rows;
    // The net gain of one multiple: with none, no multiplier ever wins more than it stakes.
    const std::int64_t gain = std::int64_t{inputs.oneBonus} - kSingleBetPrice;
    if (inputs.qiShu <= 0 || gain <= 0) {
        return rows;
    }
    const int draws = std::min(inputs.qiShu, kMaxPlanDraws);
    rows.reserve(static_cast<std::size_t>(draws));
    std::int64_t rate = 1;
    std::int64_t total = 0;
    for (int draw = 1; draw <= draws; ++draw) {
        rate += Raises(rate, gain, total, inputs.minBonus);
        const std::int64_t stake = kSingleBetPrice * rate;
        const std::int64_t newTotal = total + stake;
        const std::int64_t revenue = rate * inputs.oneBonus - newTotal;
        // A win that no longer pays back the stakes ends the plan; so does a draw whose figures
        // the page and the file could not show.
        if (revenue < 0 || !Shown(stake) || !Shown(newTotal) || !Shown(revenue)) {
            break;
        }
        total = newTotal;
        rows.push_back({draw, static_cast<int>(rate), static_cast<int>(stake), static_cast<int>(total),
                        static_cast<int>(revenue)});
    }
    return rows;
}

std::wstring PlanTimeStamp(const std::tm &localTime)
{
    wchar_t text[64];
    const std::size_t length = std::wcsftime(text, std::size(text), L"%Y-%m-%d_%H-%M-%S", &localTime);
    return std::wstring(text, length);
}

std::wstring PlanFileText(const BettingPlan &plan, const std::wstring &timeStamp)
{
    using basekit::IntToStrW;
    const PlanInputs &in = plan.inputs;
    std::wstring text = L"保存时间：" + timeStamp + L"\r\n";
    text += L"单注中奖金额：" + IntToStrW(in.oneBonus) + L"元;\r\n";
    text += L"最低盈利金额：" + IntToStrW(in.minBonus) + L"元;\r\n";
    text += L"计划追号期数：" + IntToStrW(in.qiShu) + L"期,有效期数：" +
            IntToStrW(static_cast<int>(plan.rows.size())) + L"期;\r\n";
    text += L"期号   本期需投倍数(倍)  本期需投金额(元)  截止本期累计投入(元)  盈利(元)\r\n";
    for (const PlanRow &row : plan.rows) {
        text += IntToStrW(row.qiHao) + L"  " + IntToStrW(row.rate) + L"  " + IntToStrW(row.benQiTouRu) +
                L"  " + IntToStrW(row.total) + L"  " + IntToStrW(row.revenue) + L"\r\n";
    }
    return text;
}

} // namespace qel

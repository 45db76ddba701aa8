#include "plan/plan_handlers.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "basekit/json_util.h"
#include "basekit/number_text.h"
#include "basekit/text_convert.h"
#include "handlers/save_text.h"

namespace qel {
namespace {

using basekit::JsonUtil;

// A whole number as the page sends it, or nothing for any other value. A missing member reads
// as 0, as the null value does. Numbers beyond 64 bits come back as the nearest 64-bit end, which
// is enough to tell that they are out of range.
std::optional<std::int64_t> WholeNumber(const Json::Value &request, const char *key)
{
    if (!request.isObject() || !request.isMember(key) || request[key].isNull()) {
        return 0;
    }
    const Json::Value &value = request[key];
    if (value.isInt64()) {
        return value.asInt64();
    }
    if (value.isUInt64()) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value.isDouble() && std::trunc(value.asDouble()) == value.asDouble()) {
        return value.asDouble() > 0 ? std::numeric_limits<std::int64_t>::max()
                                    : std::numeric_limits<std::int64_t>::min();
    }
    return std::nullopt;
}

bool Fits32Bits(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

// The inputs of the request, or the message that refuses them.
std::wstring ReadInputs(const Json::Value &request, PlanInputs &inputs)
{
    const std::optional<std::int64_t> oneBonus = WholeNumber(request, "oneBonus");
    const std::optional<std::int64_t> minBonus = WholeNumber(request, "minBonus");
    const std::optional<std::int64_t> qiShu = WholeNumber(request, "qiShu");
    if (!oneBonus || !minBonus || !qiShu) {
        return L"单注中奖金额、最低盈利金额和计划追号期数须为整数！";
    }
    if (!Fits32Bits(*oneBonus) || !Fits32Bits(*minBonus)) {
        return L"金额超出可计算的范围！";
    }
    if (*qiShu > kMaxPlanDraws) {
        return L"计划追号期数最多为" + basekit::IntToStrW(kMaxPlanDraws) + L"期！";
    }
    inputs.oneBonus = static_cast<int>(*oneBonus);
    inputs.minBonus = static_cast<int>(*minBonus);
    // Any number of draws of 0 or less makes the same empty plan.
    inputs.qiShu = static_cast<int>(std::max<std::int64_t>(*qiShu, 0));
    return {};
}

std::wstring PlanReply(const std::vector<PlanRow> &rows)
{
    using basekit::IntToStrW;
    basekit::MapList list;
    for (const PlanRow &row : rows) {
        list.push_back({{L"qiHao", IntToStrW(row.qiHao)},
                        {L"rate", IntToStrW(row.rate)},
                        {L"benQiTouRu", IntToStrW(row.benQiTouRu)},
                        {L"total", IntToStrW(row.total)},
                        {L"revenue", IntToStrW(row.revenue)}});
    }
    return JsonUtil::MapListToJson(list);
}

} // namespace

std::wstring OnGeneratePlan(BettingPlan &plan, const Json::Value &request)
{
    PlanInputs inputs;
    if (std::wstring refusal = ReadInputs(request, inputs); !refusal.empty()) {
        return JsonUtil::Msg(L"error", refusal);
    }
    plan.inputs = inputs;
    plan.rows = GeneratePlan(inputs);
    return PlanReply(plan.rows);
}

std::wstring OnSavePlan(BettingPlan &plan, WindowSystem &windows)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return OnSavePlan(plan, windows, local);
}

std::wstring OnSavePlan(BettingPlan &plan, WindowSystem &windows, const std::tm &now)
{
    if (plan.rows.empty()) {
        return JsonUtil::Msg(L"error", L"没有计划可保存！");
    }
    const std::wstring stamp = PlanTimeStamp(now);
    const SaveResult result = SaveTextToChosenFile(windows, FileKind::Text,
                                                   basekit::UnicodeToUTF8Str(L"追号计划" + stamp + L".txt"),
                                                   PlanFileText(plan, stamp));
    if (result.outcome == SaveOutcome::Saved) {
        plan.rows.clear();
    }
    return SaveReply(result, L"error");
}

} // namespace qel

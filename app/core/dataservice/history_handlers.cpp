#include "dataservice/history_handlers.h"

#include <functional>
#include <optional>

#include "basekit/json_util.h"
#include "calculation/history/history_draw.h"

namespace qel {
namespace {

using basekit::JsonUtil;

const wchar_t kNoGame[] = L"请先选择彩种！";

std::wstring ServiceFailed()
{
    return JsonUtil::Msg(L"error", kServiceFailed);
}

// The draws of a usable history reply; nothing with errorReply set otherwise.
std::optional<basekit::TextMapList> FetchDraws(DataServiceClient &service, std::string_view method,
                                               const Json::Value &request, std::wstring &errorReply,
                                               std::size_t newestAtMost = SIZE_MAX)
{
    std::optional<Json::Value> reply = service.SendForObject(method, request, errorReply);
    if (!reply) {
        return std::nullopt;
    }
    basekit::TextMapList draws;
    if (!DrawsOfReply(*reply, draws, newestAtMost)) {
        errorReply = ServiceFailed();
        return std::nullopt;
    }
    return draws;
}

// Fetches the draws of a history request and hands them to the window's chain: the answer of
// use, or the error reply when the exchange failed or the window has no game.
std::wstring WithDraws(
    DataServiceClient &service, CFilterContext &filter, std::string_view method, const Json::Value &request,
    const std::function<std::wstring(calculation::AbstractFilterChain &, const basekit::TextMapList &)> &use,
    std::size_t newestAtMost = SIZE_MAX)
{
    std::wstring error;
    std::optional<basekit::TextMapList> draws = FetchDraws(service, method, request, error, newestAtMost);
    if (!draws) {
        return error;
    }
    if (!filter.chain()) {
        return JsonUtil::Msg(L"error", kNoGame);
    }
    return use(*filter.chain(), *draws);
}

} // namespace

bool DrawsOfReply(const Json::Value &reply, basekit::TextMapList &draws, std::size_t newestAtMost)
{
    if (!reply.isObject()) {
        return false;
    }
    if (!reply.isMember("items")) {
        draws.clear();
        return true;
    }
    if (!reply["items"].isArray()) {
        return false;
    }
    const Json::Value &items = reply["items"];
    if (items.size() <= newestAtMost) {
        draws = JsonUtil::JsonArrayToList(items);
        return true;
    }
    // Only the entries that will be kept become maps: a reply of many draws is read once.
    Json::Value newest(Json::arrayValue);
    for (Json::ArrayIndex i = items.size() - static_cast<Json::ArrayIndex>(newestAtMost); i < items.size();
         ++i) {
        newest.append(items[i]);
    }
    draws = JsonUtil::JsonArrayToList(newest);
    return true;
}

std::vector<std::vector<int>> RuleOutRows(const basekit::TextMapList &draws, int rowLength,
                                          const std::function<bool(const std::vector<int> &)> &isDraw)
{
    std::vector<std::vector<int>> rows;
    if (rowLength <= 0) {
        return rows;
    }
    for (const basekit::TextMap &draw : draws) {
        auto lottery = draw.find(L"lottery");
        std::optional<std::vector<int>> numbers;
        if (lottery != draw.end()) {
            numbers = calculation::ReadDrawNumbers(lottery->second);
        }
        if (!numbers || numbers->size() < static_cast<std::size_t>(rowLength) ||
            (isDraw && !isDraw(*numbers))) {
            continue;
        }
        numbers->resize(static_cast<std::size_t>(rowLength));
        rows.push_back(std::move(*numbers));
    }
    if (rows.size() > kMaxRuleOutDraws) {
        rows.erase(rows.begin(), rows.end() - static_cast<std::ptrdiff_t>(kMaxRuleOutDraws));
    }
    return rows;
}

std::wstring OnGetDataAnalysis(DataServiceClient &service, CFilterContext &filter, const Json::Value &request)
{
    return WithDraws(
        service, filter, "GetDataAnalysis", request,
        [](calculation::AbstractFilterChain &chain, const basekit::TextMapList &draws) {
            chain.SetOldDataCache(draws);
            return JsonUtil::Msg(L"ok", L"已经从服务器获取数据并缓存！");
        },
        calculation::AbstractFilterChain::kMaxCachedDraws);
}

std::wstring OnInstallOldDataForRuleOut(DataServiceClient &service, CFilterContext &filter,
                                        const Json::Value &request)
{
    return WithDraws(service, filter, "InstallOldDataForRuleOut", request,
                     [](calculation::AbstractFilterChain &chain, const basekit::TextMapList &draws) {
                         chain.SetOldDataForRuleOut(
                             RuleOutRows(draws, chain.rowLength(), [&chain](const std::vector<int> &numbers) {
                                 return chain.IsDrawOfGame(numbers);
                             }));
                         return JsonUtil::Msg(L"ok", L"数据加载成功！");
                     });
}

std::wstring OnGetDanMa(DataServiceClient &service, CFilterContext &filter, const Json::Value &request)
{
    return WithDraws(service, filter, "getDanMa", request,
                     [](calculation::AbstractFilterChain &chain, const basekit::TextMapList &draws) {
                         return chain.GetDanMa(draws);
                     });
}

} // namespace qel

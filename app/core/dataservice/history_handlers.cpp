#include "dataservice/history_handlers.h"

#include "basekit/json_util.h"
#include "dataservice/number_list.h"

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
                                               const Json::Value &request, std::wstring &errorReply)
{
    std::optional<Json::Value> reply = service.SendForObject(method, request, errorReply);
    if (!reply) {
        return std::nullopt;
    }
    basekit::TextMapList draws;
    if (!DrawsOfReply(*reply, draws)) {
        errorReply = ServiceFailed();
        return std::nullopt;
    }
    return draws;
}

} // namespace

bool DrawsOfReply(const Json::Value &reply, basekit::TextMapList &draws)
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
    draws = JsonUtil::JsonArrayToList(reply["items"]);
    return true;
}

std::vector<std::vector<int>> RuleOutRows(const basekit::TextMapList &draws, int rowLength)
{
    std::vector<std::vector<int>> rows;
    if (rowLength <= 0) {
        return rows;
    }
    for (const basekit::TextMap &draw : draws) {
        auto lottery = draw.find(L"lottery");
        std::vector<int> numbers;
        if (lottery == draw.end() || !ReadNumberList(lottery->second, numbers) ||
            numbers.size() < static_cast<std::size_t>(rowLength)) {
            continue;
        }
        numbers.resize(static_cast<std::size_t>(rowLength));
        rows.push_back(std::move(numbers));
    }
    if (rows.size() > kMaxRuleOutDraws) {
        rows.erase(rows.begin(), rows.end() - static_cast<std::ptrdiff_t>(kMaxRuleOutDraws));
    }
    return rows;
}

std::wstring OnGetDataAnalysis(DataServiceClient &service, CFilterContext &filter, const Json::Value &request)
{
    std::wstring error;
    std::optional<basekit::TextMapList> draws = FetchDraws(service, "GetDataAnalysis", request, error);
    if (!draws) {
        return error;
    }
    if (!filter.chain()) {
        return JsonUtil::Msg(L"error", kNoGame);
    }
    filter.chain()->SetOldDataCache(*draws);
    return JsonUtil::Msg(L"ok", L"已经从服务器获取数据并缓存！");
}

std::wstring OnInstallOldDataForRuleOut(DataServiceClient &service, CFilterContext &filter,
                                        const Json::Value &request)
{
    std::wstring error;
    std::optional<basekit::TextMapList> draws = FetchDraws(service, "InstallOldDataForRuleOut", request, error);
    if (!draws) {
        return error;
    }
    if (!filter.chain()) {
        return JsonUtil::Msg(L"error", kNoGame);
    }
    filter.chain()->SetOldDataForRuleOut(RuleOutRows(*draws, filter.chain()->rowLength()));
    return JsonUtil::Msg(L"ok", L"数据加载成功！");
}

std::wstring OnGetDanMa(DataServiceClient &service, CFilterContext &filter, const Json::Value &request)
{
    std::wstring error;
    std::optional<basekit::TextMapList> draws = FetchDraws(service, "getDanMa", request, error);
    if (!draws) {
        return error;
    }
    if (!filter.chain()) {
        return JsonUtil::Msg(L"error", kNoGame);
    }
    return filter.chain()->GetDanMa(*draws);
}

} // namespace qel

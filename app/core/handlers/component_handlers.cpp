#include "handlers/component_handlers.h"

#include "basekit/json_util.h"
#include "basekit/number_text.h"
#include "basekit/object_util.h"

namespace qel {
namespace {

using basekit::JsonUtil;

double SortValue(const basekit::RowMap &row)
{
    auto it = row.find(L"sort");
    return it == row.end() || it->second.isNested ? 0.0 : basekit::StrToDouble(it->second.text);
}

std::wstring ConfigValue(const basekit::TextMap &config, const wchar_t *key)
{
    auto it = config.find(key);
    return it == config.end() ? std::wstring() : it->second;
}

} // namespace

void SortBySortColumn(basekit::MapList &rows)
{
    rows.sort([](const basekit::RowMap &a, const basekit::RowMap &b) { return SortValue(a) < SortValue(b); });
}

std::wstring OnGetComponentConfig(CFilterContext &filter, CFilterContextDao &dao, const Json::Value &request)
{
    std::wstring gameKey = JsonUtil::GetString(request, "productName");
    filter.SwitchPlugin(gameKey);
    basekit::MapList panels = dao.QueryComponentParents(gameKey);
    basekit::ObjectUtil::Append(panels, L"id", dao.QueryComponentChildren(gameKey), L"parentId", L"children",
                                true);
    SortBySortColumn(panels);
    return JsonUtil::MapListToJson(panels);
}

std::wstring OnGetTableTitle(CFilterContextDao &dao, const Json::Value &request)
{
    int tableId = JsonUtil::GetInt(request, "tableId", 0);
    std::wstring flag = JsonUtil::GetString(request, "flag");
    std::wstring tab = JsonUtil::GetString(request, "tab");
    basekit::MapList columns = dao.QueryTableColumns(tableId, flag, tab);
    basekit::ObjectUtil::Append(columns, L"fieldId", dao.QueryTableSubColumns(tableId, flag, tab),
                                L"parentId", L"children", true);
    SortBySortColumn(columns);
    return JsonUtil::MapListToJson(columns);
}

std::wstring OnGetComboboxData(CFilterContextDao &dao, const Json::Value &request)
{
    return JsonUtil::MapListToJson(dao.QueryComboboxData(JsonUtil::GetString(request, "quickSelectName"),
                                                         JsonUtil::GetString(request, "productName"),
                                                         JsonUtil::GetString(request, "castType")));
}

std::wstring OnSaveCalType(CFilterContextDao &dao, const Json::Value &request)
{
    int changed = dao.UpdateCalType(JsonUtil::GetString(request, "calType"),
                                    basekit::StrToIntW(JsonUtil::GetString(request, "id")));
    return changed > 0 ? JsonUtil::Msg(L"ok", L"保存成功") : JsonUtil::Msg(L"error", L"保存失败！");
}

std::wstring OnGetAdvertisement(CFilterContextDao &dao, const basekit::TextMap &runtimeConfig)
{
    return JsonUtil::MapListToJson(dao.QueryAdvertisements(ConfigValue(runtimeConfig, L"lotteryCategory")));
}

std::wstring OnGetAdvertisementByLotteryCategory(CFilterContextDao &dao,
                                                 const basekit::TextMap &runtimeConfig)
{
    return JsonUtil::MapListToJson(
        dao.QueryAdvertisementsByCategory(ConfigValue(runtimeConfig, L"lotteryCategory")));
}

} // namespace qel

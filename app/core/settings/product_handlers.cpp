#include "settings/product_handlers.h"

#include <system_error>

#include "basekit/json_util.h"
#include "basekit/object_util.h"
#include "basekit/text_convert.h"
#include "calculation/game_table.h"
#include "settings/settings_database_fault.h"

namespace qel {
namespace {

using basekit::JsonUtil;
using basekit::MapList;
using basekit::ObjectUtil;
using basekit::RowMap;

const std::wstring kHotCode = L"hot";

const std::wstring &TextOf(const RowMap &row, const wchar_t *key)
{
    static const std::wstring empty;
    auto it = row.find(key);
    return it == row.end() ? empty : it->second.text;
}

void SortByKey(MapList &rows, const wchar_t *key)
{
    rows.sort([key](const RowMap &a, const RowMap &b) { return TextOf(a, key) < TextOf(b, key); });
}

std::wstring StateText(const std::wstring &id, bool enabled, bool installed)
{
    if (!installed) {
        return L"未安装";
    }
    if (enabled) {
        return L"已启用(<a href='javascript:changeState(" + id + L",0)'>禁用</a>)";
    }
    return L"已禁用(<a href='javascript:changeState(" + id + L",1)'>启用</a>)";
}

std::wstring LotteryName(const std::wstring &flag)
{
    if (flag.find(L"Fc") != std::wstring::npos) {
        return L"福彩";
    }
    if (flag.find(L"Tc") != std::wstring::npos) {
        return L"体彩";
    }
    if (flag.find(L"Gp") != std::wstring::npos) {
        return L"高频";
    }
    return flag;
}

} // namespace

MapList BuildProductTree(CSystemDao &dao)
{
    MapList topAreas = dao.QueryTopAreas();
    MapList subAreas = dao.QuerySubAreas();
    MapList leafAreas = dao.QueryLeafAreas();
    const MapList products = dao.QueryEnabledProducts();

    // Rows are values: each placement below copies the rows placed, so the order of the steps
    // is the order in which the levels fill up, leaves first.
    ObjectUtil::Append(leafAreas, L"dictCode", products, L"area", L"children", false);
    SortByKey(leafAreas, L"parentCode");
    ObjectUtil::Append(subAreas, L"dictCode", leafAreas, L"parentCode", L"children", false);
    // The merge needs the children ordered by the key it matches on.
    SortByKey(subAreas, L"parentCode");
    ObjectUtil::Append(topAreas, L"dictCode", subAreas, L"parentCode", L"children", false);
    ObjectUtil::Append(topAreas, L"dictCode", products, L"area", L"children", false);

    MapList hot;
    for (const RowMap &product : products) {
        if (TextOf(product, L"isHot") == L"1") {
            RowMap copy = product;
            copy[L"hotCode"] = kHotCode;
            hot.push_back(std::move(copy));
        }
    }
    ObjectUtil::Append(topAreas, L"dictCode", hot, L"hotCode", L"children", false);
    return topAreas;
}

std::wstring OnGetProductList(SettingsContext &context, const Json::Value &)
{
    return JsonUtil::MapListToJson(BuildProductTree(context.service.dao()));
}

std::filesystem::path PluginFilePath(const std::filesystem::path &baseDir, const std::wstring &pluginName)
{
    return baseDir / calculation::PluginFile(basekit::CStrW2CStrA(pluginName));
}

std::wstring OnGetPluginList(SettingsContext &context, const Json::Value &)
{
    MapList rows = context.service.dao().QueryPluginList();
    for (RowMap &row : rows) {
        std::error_code error;
        const bool installed = !TextOf(row, L"pluginName").empty() &&
                               std::filesystem::is_regular_file(
                                   PluginFilePath(context.baseDir, TextOf(row, L"pluginName")), error);
        row[L"isUse"] = StateText(TextOf(row, L"id"), TextOf(row, L"isUse") == L"1", installed);
        row[L"flag"] = LotteryName(TextOf(row, L"flag"));
    }
    return JsonUtil::MapListToJson(rows);
}

std::wstring OnChangeState(SettingsContext &context, const Json::Value &request)
{
    const int id = JsonUtil::GetInt(request, "id", -1);
    const int isUse = JsonUtil::GetInt(request, "isUse", -1);
    if (id < 0 || (isUse != 0 && isUse != 1)) {
        return JsonUtil::Msg(L"error", L"状态更改失败！");
    }
    if (context.service.dao().UpdateProductState(id, isUse) == 0) {
        return SettingsWriteFailure(context, L"状态更改失败！");
    }
    return JsonUtil::Msg(L"ok", L"状态更改成功！");
}

} // namespace qel

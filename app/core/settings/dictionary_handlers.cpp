#include "settings/dictionary_handlers.h"

#include "basekit/json_util.h"
#include "basekit/number_text.h"

namespace qel {

using basekit::JsonUtil;

std::wstring OnGetDict(SettingsContext &context, const Json::Value &request)
{
    return JsonUtil::MapToJsonStr(
        context.service.dao().QueryDictForProduct(JsonUtil::GetString(request, "productName")));
}

std::wstring OnGetTip(SettingsContext &context, const Json::Value &request)
{
    const int id = basekit::StrToIntW(JsonUtil::GetString(request, "id"));
    return JsonUtil::MapListToJson(context.service.dao().QueryTip(id));
}

std::wstring OnGetIndexExplanation(SettingsContext &context, const Json::Value &request)
{
    return JsonUtil::MapListToJson(context.service.dao().QueryIndexExplanations(
        JsonUtil::GetString(request, "productName"), JsonUtil::GetString(request, "castType")));
}

} // namespace qel

#include "account/config_update.h"

#include "account/stored_login.h"
#include "basekit/json_util.h"
#include "basekit/system_info_util.h"
#include "basekit/text_convert.h"
#include "settings/system_config_handlers.h"
#include "settings/text_map_value.h"

namespace qel {
namespace {

using basekit::JsonUtil;

std::wstring OsVersion()
{
    return basekit::SystemInfoUtil::GetSystemName() +
           (basekit::SystemInfoUtil::Is64BitOS() != 0 ? L" 64" : L" 32");
}

} // namespace

Preparation PrepareConfigUpdateCheck(DataServiceClient &service, const basekit::TextMap &runtimeConfig,
                                     const basekit::TextMap &settings)
{
    const StoredLogin login = ReadStoredLogin(runtimeConfig);
    const basekit::TextMap supplied = {
        {L"canal", ValueOf(settings, L"channel")},
        {L"osVersion", OsVersion()},
        {L"productName", ValueOf(runtimeConfig, L"productName") + L"_" + ValueOf(runtimeConfig, L"flag")},
        {L"phone", login.phone},
        {L"email", login.email},
        {L"password", login.password},
    };
    return service.Prepare("", Json::Value(), supplied);
}

void ApplyConfigUpdateReply(SettingsContext &context, const ServiceReply &reply)
{
    if (!reply.usable) {
        return;
    }
    const Json::Value object = JsonUtil::JsonStrToJsonObj(reply.text);
    if (JsonUtil::GetString(object, "openUpdate") != L"1") {
        return;
    }
    const Json::Value &configs = object["systemConfigs"];
    if (configs.isString()) {
        ApplySystemConfigs(context, basekit::UTF8ToUnicode(configs.asString()));
    } else {
        ApplySystemConfigs(context, configs);
    }
}

} // namespace qel

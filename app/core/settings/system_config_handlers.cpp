#include "settings/system_config_handlers.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <json/json.h>

#include "basekit/json_util.h"
#include "basekit/number_text.h"
#include "basekit/object_util.h"
#include "basekit/system_info_util.h"
#include "basekit/text_convert.h"
#include "settings/settings_database_fault.h"

namespace qel {
namespace {

using basekit::JsonUtil;
using basekit::ObjectUtil;
using basekit::TextMap;

constexpr wchar_t kIdentityKey[] = L"key";

std::wstring ValueOf(const TextMap &map, const wchar_t *key)
{
    auto it = map.find(key);
    return it == map.end() ? std::wstring() : it->second;
}

std::wstring TextOf(const basekit::RowMap &row, const wchar_t *key)
{
    auto it = row.find(key);
    return it == row.end() ? std::wstring() : it->second.text;
}

// The pages prefix "/js/lib/..." to it, so it uses "/" whatever it came with.
std::wstring SlashSeparated(std::wstring path)
{
    std::replace(path.begin(), path.end(), L'\\', L'/');
    return path;
}

void AddWindowGeometry(TextMap &config, SettingsHost &host)
{
    const ScreenRect window = host.MainWindowRect();
    ObjectUtil::put(config, L"width", basekit::IntToStrW(window.right - window.left));
    ObjectUtil::put(config, L"height", basekit::IntToStrW(window.bottom - window.top));
    ObjectUtil::put(config, L"left", basekit::IntToStrW(window.left));
    ObjectUtil::put(config, L"top", basekit::IntToStrW(window.top));
    const ScreenRect workArea = host.WorkAreaRect();
    ObjectUtil::put(config, L"screenClientAreaX", basekit::IntToStrW(workArea.right));
    ObjectUtil::put(config, L"screenClientAreaY", basekit::IntToStrW(workArea.bottom));
}

// The setting an object of a settings array names: its first member by name. The identity
// marker is never written from outside, or one request would stop the program from starting.
bool FirstMemberSetting(const Json::Value &object, SettingPair &pair)
{
    if (!object.isObject() || object.empty()) {
        return false;
    }
    const std::vector<std::string> names = object.getMemberNames(); // ascending
    const std::wstring name = basekit::CStrA2CStrW(names.front());
    if (name == kIdentityKey) {
        return false;
    }
    pair = {name, JsonUtil::GetString(object, names.front().c_str())};
    return true;
}

// A setting name as the program's own are: ASCII letters, digits and "_", not first a digit.
// The configuration replies write their names as bare keys, so a name the data service hands
// out ("a:b()", "a b", "01", "") would break them, or worse, for every later start.
bool IsPlainSettingName(const std::string &name)
{
    auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    return !name.empty() && isLetter(name.front()) && std::all_of(name.begin(), name.end(), [&](char c) {
        return isLetter(c) || (c >= '0' && c <= '9');
    });
}

} // namespace

std::wstring OnGetSystemConfig(SettingsContext &context, const Json::Value &)
{
    CSystemDao &dao = context.service.dao();
    const basekit::MapList products = dao.QueryCurrentProduct();
    const basekit::RowMap product = products.empty() ? basekit::RowMap() : products.front();

    TextMap config = dao.QuerySystemParams(TextOf(product, L"productName"));
    ObjectUtil::CopyProperties(config, product, L"");
    // In debug mode the whole address of the service comes from the settings database (its web
    // address too, when the database has one), so a local service can stand in for it.
    const bool debug = ValueOf(context.settings, L"debug") == L"true";
    if (!debug) {
        config[L"host"] = context.endpoints.host;
        config[L"port"] = context.endpoints.port;
    }
    if (!debug || ValueOf(config, L"website").empty()) {
        config[L"website"] = context.endpoints.website;
    }
    ObjectUtil::put(config, L"baseDir", SlashSeparated(context.baseUrl));
    AddWindowGeometry(config, context.host);

    if (ValueOf(config, kIdentityKey) != kSettingsIdentityMarker) {
        LogSettingsDatabaseFault(SettingsDatabaseFile(context.settings) + L"：没有本程序的标识（key），" +
                                 kSettingsIdentityError);
        context.host.FatalExit(kSettingsIdentityError, kSettingsIdentityExitStatus);
        return JsonUtil::Msg(L"error", kSettingsIdentityError);
    }
    ObjectUtil::put(config, L"winVersion", basekit::SystemInfoUtil::GetSystemName());

    context.runtimeConfig = config;
    return JsonUtil::MapToJsonStr(config);
}

std::wstring OnSaveConfig(SettingsContext &context, const Json::Value &request)
{
    std::vector<SettingPair> pairs;
    for (const Json::Value &row : JsonUtil::GetArray(request, "rows")) {
        SettingPair pair;
        if (FirstMemberSetting(row, pair)) {
            pairs.push_back(std::move(pair));
        }
    }
    // No row changed is not in itself a failure (a name without a row stores nothing); a
    // database that refused the write is.
    if (!pairs.empty() && context.service.dao().SaveParameters(pairs) == 0 &&
        context.service.dao().lastError().code != 0) {
        return SettingsWriteFailure(context, L"保存失败！");
    }
    return L"";
}

std::wstring OnToggle(SettingsContext &context, const Json::Value &request)
{
    const std::vector<SettingPair> pairs = {
        {L"currentProduct", JsonUtil::GetString(request, "productName")},
        {L"currentArea", JsonUtil::GetString(request, "area")},
        {L"currentFlag", JsonUtil::GetString(request, "flag")},
    };
    if (context.service.dao().SaveParameters(pairs) != static_cast<int>(pairs.size())) {
        return SettingsWriteFailure(context, L"切换失败！");
    }
    return ToggleStartedReply();
}

std::wstring ToggleStartedReply()
{
    return JsonUtil::Msg(L"ok", L"正在切换中...");
}

std::wstring OnGetSystemInfo(SettingsContext &context, const Json::Value &)
{
    const TextMap info = {
        {L"systemName", basekit::SystemInfoUtil::GetSystemName()},
        {L"width", ValueOf(context.runtimeConfig, L"width")},
        {L"height", ValueOf(context.runtimeConfig, L"height")},
        {L"bit", basekit::SystemInfoUtil::Is64BitOS() != 0 ? L"64位" : L"32位"},
    };
    return JsonUtil::MapToJsonStr(info);
}

std::wstring OnGetConfig(SettingsContext &context, const Json::Value &)
{
    return JsonUtil::MapToJsonStr(context.runtimeConfig);
}

std::wstring ApplySystemConfigs(SettingsContext &context, const Json::Value &systemConfigs)
{
    if (!systemConfigs.isArray() || systemConfigs.empty() || !systemConfigs[0].isObject()) {
        return L"";
    }
    const Json::Value &first = systemConfigs[0];
    std::vector<SettingPair> pairs;
    for (const std::string &name : first.getMemberNames()) {
        const std::wstring key = basekit::CStrA2CStrW(name);
        if (key != kIdentityKey && IsPlainSettingName(name)) {
            pairs.emplace_back(key, JsonUtil::GetString(first, name.c_str()));
        }
    }
    if (pairs.empty()) {
        return L"";
    }
    if (context.service.dao().SaveParameters(pairs) > 0) {
        for (const auto &[name, value] : pairs) {
            context.runtimeConfig[name] = value;
        }
    } else if (context.service.dao().lastError().code != 0) {
        // Nobody waits for this reply: the fault is only logged.
        LogSettingsDatabaseFault(UnwritableSettingsMessage(SettingsDatabaseFile(context.settings),
                                                           context.service.dao().lastError()));
    }
    return L"";
}

std::wstring ApplySystemConfigs(SettingsContext &context, const std::wstring &systemConfigsText)
{
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    const std::string text = basekit::UnicodeToUTF8Str(systemConfigsText);
    Json::Value value;
    std::string errors;
    try {
        if (!reader->parse(text.data(), text.data() + text.size(), &value, &errors)) {
            return L"";
        }
    } catch (const std::exception &) {
        return L"";
    }
    return ApplySystemConfigs(context, value);
}

} // namespace qel

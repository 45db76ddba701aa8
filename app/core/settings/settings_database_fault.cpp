#include "settings/settings_database_fault.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "settings/text_map_value.h"

namespace qel {
namespace {

std::wstring FileAndReason(const std::wstring &file, const basekit::SqlError &error)
{
    return file + L"（" + basekit::UTF8ToUnicode(error.text) + L"）";
}

} // namespace

std::wstring SettingsDatabaseFile(const basekit::TextMap &settings)
{
    const std::filesystem::path path(basekit::CStrW2CStrA(ValueOf(settings, L"sysDb")));
    if (path.empty()) {
        return std::wstring();
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return basekit::CStrA2CStrW(error ? path.string() : absolute.lexically_normal().string());
}

std::wstring UnreadableSettingsMessage(const std::wstring &file, const basekit::SqlError &error)
{
    return L"设置数据库无法读取：" + FileAndReason(file, error) + L"。程序无法运行，将退出。";
}

std::wstring UnwritableSettingsMessage(const std::wstring &file, const basekit::SqlError &error)
{
    return L"设置数据库无法写入：" + FileAndReason(file, error);
}

void LogSettingsDatabaseFault(const std::wstring &message)
{
    std::fprintf(stderr, "qel: settings database: %s\n", basekit::UnicodeToUTF8Str(message).c_str());
    std::fflush(stderr);
}

bool SettingsDatabaseReadable(const basekit::TextMap &settings, CSystemDao &dao, WindowSystem &windows)
{
    if (!settings.contains(L"sysDb") || dao.CheckReadable()) {
        return true;
    }
    const std::wstring message = UnreadableSettingsMessage(SettingsDatabaseFile(settings), dao.lastError());
    LogSettingsDatabaseFault(message);
    windows.ShowMessage(message);
    windows.Exit(kUnreadableSettingsExitStatus);
    return false;
}

void WarnSettingsDatabaseUnwritable(const basekit::TextMap &settings, const basekit::SqlError &error,
                                    WindowSystem &windows)
{
    const std::wstring message =
        UnwritableSettingsMessage(SettingsDatabaseFile(settings), error) + L"。更改的设置将不会保存。";
    LogSettingsDatabaseFault(message);
    windows.ShowMessage(message);
}

std::wstring SettingsWriteFailure(SettingsContext &context, const std::wstring &failure)
{
    const basekit::SqlError error = context.service.dao().lastError();
    if (error.code == 0) {
        return basekit::JsonUtil::Msg(L"error", failure);
    }
    const std::wstring message =
        failure + UnwritableSettingsMessage(SettingsDatabaseFile(context.settings), error);
    LogSettingsDatabaseFault(message);
    return basekit::JsonUtil::Msg(L"error", message);
}

} // namespace qel

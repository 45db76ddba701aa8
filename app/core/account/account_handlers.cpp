#include "account/account_handlers.h"

#include <optional>

#include "account/credential_scramble.h"
#include "account/stored_login.h"
#include "basekit/json_util.h"

namespace qel {
namespace {

using basekit::JsonUtil;
using basekit::TextMap;

// Calls a window may make before the service is no longer asked.
constexpr int kAllowedAttempts = 5;

// Counts one attempt; false from the sixth on. The counter stops at the limit, so it never
// overflows however often the page asks.
bool TakeAttempt(int &counter)
{
    if (counter >= kAllowedAttempts) {
        return false;
    }
    ++counter;
    return true;
}

std::wstring TooManyAttempts()
{
    return JsonUtil::Msg(L"error", kTooManyAttempts);
}

bool FlagIsOk(const std::wstring &reply)
{
    return JsonUtil::GetString(JsonUtil::JsonStrToJsonObj(reply), "flag") == L"ok";
}

struct ScrambledLogin {
    std::wstring phone;
    std::wstring email;
    std::wstring pswd;
};

std::optional<ScrambledLogin> Scramble(const std::wstring &phone, const std::wstring &email,
                                       const std::wstring &password)
{
    std::optional<std::wstring> p = ScrambleCredential(phone);
    std::optional<std::wstring> e = ScrambleCredential(email);
    std::optional<std::wstring> w = ScrambleCredential(password);
    if (!p || !e || !w) {
        return std::nullopt;
    }
    return ScrambledLogin{std::move(*p), std::move(*e), std::move(*w)};
}

} // namespace

std::wstring OnLogIn(DataServiceClient &service, SettingsContext &context, const Json::Value &request)
{
    if (!TakeAttempt(context.service.logInCount())) {
        return TooManyAttempts();
    }
    const std::wstring phone = JsonUtil::GetString(request, "phone");
    const std::wstring email = JsonUtil::GetString(request, "email");
    const std::wstring password = JsonUtil::GetString(request, "password");
    std::optional<ScrambledLogin> stored = Scramble(phone, email, password);
    if (!stored) {
        return JsonUtil::Msg(L"error", L"用户名或密码中有无法保存的字符，请更换后再试！");
    }
    ServiceReply reply = service.Send("logIn", request,
                                      TextMap{{L"phone", phone}, {L"email", email}, {L"password", password}});
    if (reply.usable && FlagIsOk(reply.text)) {
        context.service.dao().StoreUserCredentials(stored->phone, stored->email, stored->pswd);
        context.runtimeConfig[L"phone"] = stored->phone;
        context.runtimeConfig[L"email"] = stored->email;
        context.runtimeConfig[L"pswd"] = stored->pswd;
    }
    return reply.text;
}

std::wstring OnChangePassword(DataServiceClient &service, SettingsContext &context,
                              const Json::Value &request)
{
    if (!TakeAttempt(context.service.changePasswordCount())) {
        return TooManyAttempts();
    }
    const std::wstring newPassword = JsonUtil::GetString(request, "newPswd");
    std::optional<std::wstring> stored = ScrambleCredential(newPassword);
    if (!stored) {
        return JsonUtil::Msg(L"error", L"新密码中有无法保存的字符，请更换后再试！");
    }
    const StoredLogin login = ReadStoredLogin(context.runtimeConfig);
    ServiceReply reply = service.Send("changePassword", request,
                                      TextMap{{L"phone", login.phone},
                                              {L"email", login.email},
                                              {L"oldPassword", JsonUtil::GetString(request, "oldPswd")},
                                              {L"newPassword", newPassword}});
    if (reply.usable && FlagIsOk(reply.text)) {
        context.service.dao().UpdateSystemParam(L"pswd", *stored);
        context.runtimeConfig[L"pswd"] = *stored;
    }
    return reply.text;
}

std::wstring OnGetUserInfo(DataServiceClient &service, SettingsContext &context, const Json::Value &request)
{
    if (!HasStoredLogin(context.runtimeConfig)) {
        return JsonUtil::Msg(L"noLocalUserInfo", L"没有本地用户信息");
    }
    const StoredLogin login = ReadStoredLogin(context.runtimeConfig);
    return service
        .Send("getUserInfo", request,
              TextMap{{L"phone", login.phone}, {L"email", login.email}, {L"password", login.password}})
        .text;
}

} // namespace qel

#include "bridge/shared_rows.h"

#include "app/application.h"
#include "basekit/json_util.h"
#include "basekit/text_convert.h"

namespace qel {

std::wstring RuntimeConfigValue(Application &app, const wchar_t *key)
{
    const basekit::TextMap &config = app.runtimeConfig();
    auto it = config.find(key);
    return it == config.end() ? std::wstring() : it->second;
}

std::string WebPage(Application &app, const std::string &path)
{
    return basekit::CStrW2CStrA(RuntimeConfigValue(app, L"website")) + path;
}

std::string Member(const Json::Value &request, const char *key)
{
    return basekit::CStrW2CStrA(basekit::JsonUtil::GetString(request, key));
}

std::string LotDetailPage(Application &app, const Json::Value &request)
{
    return WebPage(app, "/html/pageForPc/pageForLotDetail.html?lotCategoryId=" +
                            Member(request, "lotCategoryId") + "&qiHao=" + Member(request, "qiHao") +
                            "&lotteryCategory=" + Member(request, "lotteryCategory"));
}

} // namespace qel

#include "dataservice/feedback_handler.h"

#include "basekit/json_util.h"

namespace qel {

std::wstring OnFeedback(DataServiceClient &service, const Json::Value &request)
{
    using basekit::JsonUtil;
    std::wstring error;
    std::optional<Json::Value> reply = service.SendForObject("Feedback", request, error);
    if (!reply) {
        return error;
    }
    return JsonUtil::GetString(*reply, "flag") == L"ok" ? JsonUtil::Msg(L"ok", L"反馈成功！")
                                                        : JsonUtil::Msg(L"error", L"反馈失败！");
}

} // namespace qel

#include "calculation/banker_reply.h"

#include "basekit/json_util.h"

namespace calculation {

std::wstring BankerReply(const basekit::TextMapList &draws, const std::wstring &danMa)
{
    basekit::TextMap reply;
    if (!draws.empty()) {
        const basekit::TextMap &last = draws.back();
        for (const wchar_t *key : {L"lotDate", L"lottery", L"qiHao"}) {
            auto member = last.find(key);
            if (member != last.end()) {
                reply.emplace(member->first, member->second);
            }
        }
    }
    reply[L"danMa"] = danMa;
    return basekit::JsonUtil::MapToJsonStr(reply);
}

} // namespace calculation

#include "bridge/page_window.h"

#include <exception>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "calculation/abstract_filter_chain.h"

namespace qel {

std::wstring PageWindow::Execute(const std::wstring &request) noexcept
{
    try {
        Json::Value parsed = basekit::JsonUtil::JsonStrToJsonObj(request);
        std::string method = basekit::CStrW2CStrA(basekit::JsonUtil::GetString(parsed, "method"));
        std::wstring reply;
        if (!Dispatch(method, parsed, reply)) {
            return UnknownMethodReply();
        }
        return reply;
    } catch (const calculation::ChainError &e) {
        return FailureReply(e.message());
    } catch (const std::exception &e) {
        return FailureReply(basekit::CStrA2CStrW(e.what()));
    } catch (...) {
        return FailureReply(L"程序出错！");
    }
}

} // namespace qel

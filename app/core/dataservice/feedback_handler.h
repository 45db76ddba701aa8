/// \file
/// \brief "Feedback": the user's message posted to the data service.
#pragma once

#include <string>

#include <json/value.h>

#include "dataservice/data_service_client.h"

namespace qel {

/// Posts "content" and "type" with the installation's user identifier; "反馈成功！" when the
/// service answers flag "ok", "反馈失败！" for any other answer, the connection failure when the
/// exchange fails.
std::wstring OnFeedback(DataServiceClient &service, const Json::Value &request);

} // namespace qel

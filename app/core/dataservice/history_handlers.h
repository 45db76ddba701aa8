/// \file
/// \brief Past draws from the data service into a window's chain: the old-data cache of the
/// history tables, the rule-out rows of the last stage, and the banker suggestion.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <json/value.h>

#include "basekit/row_types.h"
#include "dataservice/data_service_client.h"
#include "filter/filter_context.h"

namespace qel {

/// At most this many past draws are ruled out: the newest ones.
inline constexpr std::size_t kMaxRuleOutDraws = 365;

/// "GetDataAnalysis" (pop-up): the draws become the chain's old-data cache.
std::wstring OnGetDataAnalysis(DataServiceClient &service, CFilterContext &filter,
                               const Json::Value &request);
/// "InstallOldDataForRuleOut" (main window): the draws become the rule-out rows.
std::wstring OnInstallOldDataForRuleOut(DataServiceClient &service, CFilterContext &filter,
                                        const Json::Value &request);
/// "getDanMa" (pop-up): the chain's banker suggestion over the draws.
std::wstring OnGetDanMa(DataServiceClient &service, CFilterContext &filter, const Json::Value &request);

/// The rule-out rows of the draws (listed oldest first, as the service lists them): each draw's
/// first rowLength numbers; a draw with fewer numbers, with a piece that is not a number, or
/// whose numbers isDraw (when given) refuses, is left out; of the rest the newest
/// kMaxRuleOutDraws are kept, in list order.
std::vector<std::vector<int>> RuleOutRows(const basekit::TextMapList &draws, int rowLength,
                                          const std::function<bool(const std::vector<int> &)> &isDraw = {});

/// The reply's "items" as draws, the newest newestAtMost of them (the last ones); false when the
/// reply has "items" that is not an array (no "items" at all is an empty list).
bool DrawsOfReply(const Json::Value &reply, basekit::TextMapList &draws, std::size_t newestAtMost = SIZE_MAX);

} // namespace qel

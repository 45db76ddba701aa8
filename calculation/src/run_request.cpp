#include "calculation/run_request.h"

#include <algorithm>

#include "calculation/condition.h"

namespace calculation {

RunRequest RunRequest::Of(DataMap conditions)
{
    RunRequest request;
    request.conditions = std::move(conditions);
    const DataMap &c = request.conditions;
    request.source =
        LookupCondition(c, L"dataSource").firstStr() == L"dataSourceOld" ? RowSource::Old : RowSource::New;
    request.castType = LookupCondition(c, L"castType").firstStr();
    const std::vector<std::wstring> &old = LookupCondition(c, L"oldNum").strs;
    request.oldEntries = static_cast<std::size_t>(
        std::ranges::count_if(old, [](const std::wstring &e) { return !e.empty(); }));
    return request;
}

} // namespace calculation

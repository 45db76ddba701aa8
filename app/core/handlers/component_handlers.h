/// \file
/// \brief The requests that bind a game and feed the pages' panels from the settings database:
/// condition panels, grid titles, combo-box data, a condition's default sense, advertisements.
#pragma once

#include <string>

#include <json/value.h>

#include "basekit/row_types.h"
#include "filter/filter_context.h"
#include "settings/filter_context_dao.h"

namespace qel {

/// Binds the request's "productName" and answers its condition panels as a tree, each panel's
/// conditions under "children" (also when the game has no plug-in).
std::wstring OnGetComponentConfig(CFilterContext &filter, CFilterContextDao &dao, const Json::Value &request);
std::wstring OnGetTableTitle(CFilterContextDao &dao, const Json::Value &request);
std::wstring OnGetComboboxData(CFilterContextDao &dao, const Json::Value &request);
std::wstring OnSaveCalType(CFilterContextDao &dao, const Json::Value &request);
std::wstring OnGetAdvertisement(CFilterContextDao &dao, const basekit::TextMap &runtimeConfig);
std::wstring OnGetAdvertisementByLotteryCategory(CFilterContextDao &dao,
                                                 const basekit::TextMap &runtimeConfig);

/// Rows in ascending order of the number in their "sort" value; equal values keep their order.
void SortBySortColumn(basekit::MapList &rows);

} // namespace qel

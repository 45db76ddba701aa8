/// \file
/// \brief The reply text of a banker-number suggestion ("GetDanMa").
#pragma once

#include <string>

#include "basekit/row_types.h"
#include "calculation/calculation_export.h"

namespace calculation {

/// {danMa:"…",lotDate:"…",lottery:"…",qiHao:"…"}: the suggested numbers with the last draw's
/// "lotDate", "lottery" and "qiHao" as the data service sent them (those it sent), keys in sorted
/// order; without draws "danMa" alone. No other member of the draw is copied: its names come from
/// the data service and would stand in the reply as bare keys, which only names of the program's
/// own choosing may.
CALCULATION_EXPORT std::wstring BankerReply(const basekit::TextMapList &draws, const std::wstring &danMa);

} // namespace calculation

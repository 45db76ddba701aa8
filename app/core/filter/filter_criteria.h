/// \file
/// \brief Turns the condition items of a "Filter" request into the run request the chain takes:
/// every text of the items is read here, once.
#pragma once

#include <cstddef>

#include "basekit/row_types.h"
#include "calculation/data.h"
#include "calculation/run_request.h"

namespace qel {

/// One DataMap entry per item, in item order; a "forbidden" item is skipped and of two items with
/// one name the first is kept. Each item is a map of its members as texts ("name", "chosenItem",
/// "unchosenItem", "calType", "canBeWrong", "forbidden", "lastLottery", "allowNum").
/// The "oldNum" item's "chosenItem" becomes its rows: blanks, CR, LF and "|" separate them, and a
/// run of n separators counts as (n + 1) / 2 of them, so one empty line between rows leaves one
/// empty entry.
calculation::DataMap BuildFilterCriteria(const basekit::TextMapList &items);
/// The conditions of BuildFilterCriteria with the run's own values read from them.
calculation::RunRequest BuildRunRequest(const basekit::TextMapList &items);

/// The most rows an old-number list may hold: row separators in a file, entries in a "Filter".
constexpr std::size_t kMaxOldNumberRows = 10000;
/// The message for a list beyond that.
inline constexpr wchar_t kTooManyOldNumbers[] = L"大底号码最大支持10000注！";

} // namespace qel

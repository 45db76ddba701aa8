/// \file
/// \brief Turns the condition items of a "Filter" request into the DataMap the chain reads.
#pragma once

#include "basekit/row_types.h"
#include "calculation/data.h"

namespace qel {

/// One DataMap entry per item, in item order; a "forbidden" item is skipped and of two items with
/// one name the first is kept. Each item is a map of its members as texts ("name", "chosenItem",
/// "unchosenItem", "calType", "canBeWrong", "forbidden", "lastLottery", "allowNum").
calculation::DataMap BuildFilterCriteria(const basekit::TextMapList &items);

/// The rows of an old-number text as "|"-separated entries: blanks, CR and LF separate rows, and
/// one pass turns each "||" into "|".
std::wstring NormaliseOldNumberText(std::wstring text);

} // namespace qel

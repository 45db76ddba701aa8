/// \file
/// \brief Turns the condition items of a "Filter" request into the DataMap the chain reads.
#pragma once

#include <cstddef>
#include <string_view>

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

/// The most rows an old-number list may hold: row separators in a file, entries in a "Filter".
constexpr std::size_t kMaxOldNumberRows = 10000;
/// The message for a list beyond that.
inline constexpr wchar_t kTooManyOldNumbers[] = L"大底号码最大支持10000注！";

/// The entries NormaliseOldNumberText would give that are not empty, counted without building
/// them.
std::size_t CountOldNumberEntries(std::wstring_view text);
/// The entries of the first "oldNum" item that is not "forbidden" (0 when there is none).
std::size_t CountOldNumberEntries(const basekit::TextMapList &items);

} // namespace qel

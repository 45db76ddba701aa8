/// \file
/// \brief Splitting texts on a separator and reading digit texts as integer arrays.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "basekit/basekit_export.h"

namespace basekit {

/// The pieces of `text` between non-overlapping occurrences of `separator`, left to right.
/// Empty pieces count: an empty text gives one empty piece, a trailing separator an empty last
/// piece. An empty separator splits nothing (one piece, the whole text).
BASEKIT_EXPORT std::vector<std::wstring> StrSplit(std::wstring_view text, std::wstring_view separator);

/// One entry per character: '0'..'9' give their digit, any other character 0. An empty `text`
/// is first replaced by "0" (the caller sees the change), so the result is never empty.
BASEKIT_EXPORT std::vector<int> StrToIntArray(std::wstring &text);
/// One entry per character as above, without the replacement; count = the number of entries
/// (0 and an empty result for an empty text).
BASEKIT_EXPORT std::vector<int> StrToIntArray(std::wstring_view text, int &count);
/// One entry per character as above.
BASEKIT_EXPORT std::vector<int> StrToVectorInt(std::wstring_view text);

/// Each item read as a whole number by StrToIntW ("12" is 12, "-3" is -3, "x" is 0).
BASEKIT_EXPORT std::vector<int> StrArrayToIntArray(std::span<const std::wstring> items);
BASEKIT_EXPORT std::vector<int> StrArrayToIntArray(const std::wstring *items, int count);

/// Replaces every non-overlapping occurrence of from, left to right in one pass, by to ("|||"
/// with "||" to "|" gives "||"). An empty from changes nothing.
BASEKIT_EXPORT void ReplaceAll(std::wstring &text, std::wstring_view from, std::wstring_view to);

} // namespace basekit

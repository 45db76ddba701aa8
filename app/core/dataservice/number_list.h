/// \file
/// \brief Strict reading of the comma lists of numbers that draws and bets are written in.
#pragma once

#include <string>
#include <vector>

namespace qel {

/// Appends the numbers of "01,5, 12": every piece decimal digits (blanks around them allowed),
/// at most nine of them. False, with numbers unspecified, when a piece is anything else; the
/// empty text is one empty piece and false too.
bool ReadNumberList(const std::wstring &text, std::vector<int> &numbers);

} // namespace qel

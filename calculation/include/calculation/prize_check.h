/// \file
/// \brief How many single bets of a compound bet fall in each prize level of a drawn result.
///
/// A compound bet of n front numbers stands for every k-subset of them (k the numbers of one
/// single bet). The counts are worked out from how many of the bet's numbers the draw holds,
/// C(hits, h) * C(misses, k - h) subsets with h hits, which equals enumerating the subsets one by
/// one and stays fast for any list the pages can send.
#pragma once

#include <string>
#include <vector>

#include "calculation/calculation_export.h"

namespace calculation {

/// The three rules (PrizeRule), chosen by the category text: the rule of the game table's game
/// whose "lotteryCategory" the text holds ("Fc6Of33_Fc", "Tc5Of35_Tc"):
/// - six plus one: 6 front and 1 back number per single bet; 6 levels;
/// - five plus two: 5 front and 2 back numbers; 6 levels;
/// - seven plus a special, for any other text: 7 numbers and a special number; 8 entries, 2 * (7 - hits) with
/// the special
///   number and one more without it, for 7 to 4 hits (a full hit of the seven lands in entry 1,
///   as a single bet equal to the seven cannot hold the special number).
/// front, back and drawn are comma lists of decimal numbers; the draw lists its front (basic)
/// numbers first. Numbers missing from a short draw hit nothing. Counts beyond the int range
/// stay at INT_MAX.
CALCULATION_EXPORT std::vector<int> CheckPrizes(const std::wstring &front, const std::wstring &back,
                                                const std::wstring &category, const std::wstring &drawn);

} // namespace calculation

/// \file
/// \brief The banker suggestion of the lotto games: one number from each of three zones of the
/// front pool, the one drawn least often in the past draws.
#pragma once

#include <string>

#include "basekit/row_types.h"
#include "lotto/common/lotto_game.h"

namespace plugins::lotto {

/// The reply of "GetDanMa" (calculation::BankerReply): the three banker numbers of the zones 1 .. w, w + 1 ..
/// 2w and 2w + 1 .. frontMax (w the game's area width) in zone order, two digits each, joined by ",". A
/// zone's banker is its number counted least often among the first frontCount numbers of each draw's
/// "lottery" (back numbers are not counted), the smallest of equals. Without draws every count is 0 and the
/// reply holds "danMa" alone.
std::wstring BankerSuggestion(const basekit::TextMapList &draws, const LottoGame &game);

} // namespace plugins::lotto

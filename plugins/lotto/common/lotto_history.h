/// \file
/// \brief The history tables of the lotto games: the game's parameters as the engine's tables read
/// them, and the theoretical rates of its tables, worked out once from its numbers by the engine's
/// RateGenerator and written in the game's forms.
#pragma once

#include <string>
#include <vector>

#include "calculation/history/history_types.h"
#include "calculation/history/table_rates.h"
#include "lotto/common/lotto_game.h"

namespace plugins::lotto {

/// The game's parameters as the history tables (and the chain) read them: distinct front numbers
/// of 1 .. frontMax read ascending, the back numbers after them.
calculation::HistoryGame HistoryGameOf(const LottoGame &game);

/// Every rate of the game's tables over all its equally likely draws, in the game's forms.
calculation::TableRates MakeTableRates(const LottoGame &game);

} // namespace plugins::lotto

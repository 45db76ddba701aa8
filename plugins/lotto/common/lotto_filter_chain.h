/// \file
/// \brief The filter chain of every lotto game, read from the game's description: new rows from
/// the engine's enumeration (front rows joined with the back numbers where the game has them),
/// old-number runs, the covering and spread reductions, result pages and the banker suggestion.
#pragma once

#include <string>
#include <vector>

#include "calculation/abstract_filter_chain.h"
#include "lotto/common/lotto_game.h"

namespace plugins::lotto {

class PrimaryFilter;

class LottoFilterChain : public calculation::AbstractFilterChain {
public:
    /// The most rows a reduced run of a game with back numbers forms: its reduction is not
    /// capped, but every front row it keeps makes a row with each back number, so the rows it
    /// may form are bounded here (2,000,000 rows of seven numbers take about 72 MB).
    static constexpr std::size_t kReducedJoinCeiling = 2000000;

    /// game must outlive the chain (the games' descriptions are constants of their plug-ins).
    explicit LottoFilterChain(const LottoGame &game);

    void CreateChainNode() override;
    calculation::NumberRowList *Filter() override;
    std::wstring GetDataByPage(const std::wstring &listFlag, int pageSize, int pageNum, int pad) override;
    std::wstring GetDanMa(const basekit::TextMapList &draws) override;

    const LottoGame &game() const { return game_; }

protected:
    long long RowsKeptForRate(std::size_t listRows) const override;

private:
    void FilterNewRows(const Reduction &reduction);
    void FilterOldRows();
    /// The back numbers a bet may take, as the rows' back parts in order: every pair of the back
    /// pool (BackPool) that the back conditions accept, or every number of the back pool.
    std::vector<std::vector<int>> BackParts(const std::vector<int> &backPool);
    /// The kept rows of a reduction over the rows (pointers into rows) whose front pool is given.
    std::vector<calculation::NumberRow> Reduce(const calculation::NumberRowList &rows,
                                               const Reduction &reduction,
                                               const std::vector<int> &frontPool) const;
    /// The numbers of the back pool: the back pool condition's numbers of the game, ascending,
    /// each once.
    std::vector<int> BackPool() const;

    const LottoGame &game_;
    PrimaryFilter *first_ = nullptr;
    bool reduced_ = false; // the last run of new numbers was reduced
};

} // namespace plugins::lotto

/// \file
/// \brief The filter chain of every digit game, read from the game's description: candidate
/// generation by play type, old-number runs, result pages, searches and the save text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculation/abstract_filter_chain.h"
#include "digit/common/digit_game.h"
#include "digit/common/digit_multisets.h"

namespace plugins::digit {

class PrimaryFilter;
class SeniorFilter;

class DigitFilterChain : public calculation::AbstractFilterChain {
public:
    /// game must outlive the chain (the games' descriptions are constants of their plug-ins).
    explicit DigitFilterChain(const DigitGame &game);

    void CreateChainNode() override;
    calculation::NumberRowList *Filter() override;
    std::wstring GetDataByPage(const std::wstring &listFlag, int pageSize, int pageNum, int pad) override;
    calculation::NumberRowList *SearchResult(const std::wstring &type) override;
    std::wstring GetResultStr(const std::wstring &listFlag, const std::wstring &separator,
                              const std::wstring &backSeparator, int pad, int allRows) override;

    const DigitGame &game() const { return game_; }

protected:
    /// The digits the candidates of a run of new numbers take, in their order: the game's digits
    /// that are base digits. A game may narrow them further.
    virtual std::vector<int> CandidateDigits() const;
    /// The entries of a condition as numbers.
    std::vector<int> ConditionNumbers(const wchar_t *key) const;

private:
    void FilterNewRows();
    void FilterOldRows();
    /// Every straight candidate, position by position over the digits each position allows.
    void EnumerateStraight(const std::vector<std::vector<int>> &values);
    /// Every group of the play type's shapes once, its digits ascending.
    void EnumerateGroups(const std::vector<std::vector<int>> &values);
    /// Tests a candidate (a label slot after its digits) and keeps it.
    void TestAndKeep(int *row);
    /// Tests a straight candidate whose digits make the multiset given: what depends only on its
    /// digits is worked out once per multiset of the run.
    void TestStraightAndKeep(int *row, int multiset);
    /// Stores a survivor: with each chosen label in a labelled game; past the cap it is only
    /// counted.
    void Keep(int *row);
    /// An old-number entry as a bet: its digits (and its label), or nothing when it is not a bet of
    /// the game.
    std::optional<std::vector<int>> ReadOldEntry(const std::wstring &entry) const;
    /// The non-empty old-number entries in order.
    std::vector<std::wstring> OldNumberEntries() const;
    std::wstring PageTrailerOfGame(const std::wstring &listFlag, std::size_t rows) const;

    const DigitGame &game_;
    PrimaryFilter *first_ = nullptr;
    SeniorFilter *last_ = nullptr;
    std::optional<DigitMultisets> multisets_; // made at the first run of new numbers
    // Per multiset of the run: kUnknown, kFails, or the failures its digits' tests tolerated.
    std::vector<std::int16_t> digitVerdicts_;
    bool orderBoundTests_ = true; // whether a run's tests depend on more than a row's digits
    std::wstring castType_;
    const PlayType *playType_ = nullptr;
    std::vector<int> chosenLabels_;
};

} // namespace plugins::digit

/// \file
/// \brief A game's filter chain: its stages, the current and previous run, paging, search and export.
///
/// Each game plug-in derives its chain from AbstractFilterChain and hands instances out through
/// its exports (plugin_api.h). One filter run, as the program drives it: ResetAll (not on the
/// first run after binding), SetRunRequest (SetNodeData for stages 0 and 1), Filter, DeleteOldData
/// on the clean-up worker (not on the first run), GetDataByPage("0", 100, 1, 1).
///
/// Ownership: a run's rows live in the arena of its result list; the search list refers to them
/// and owns only the rows a search creates. ResetAll sets the current run (result and search
/// lists) aside as the previous run; DeleteOldData releases the previous run and nothing else;
/// DeleteAll releases every run. The memory of a released result list is kept for the chain's
/// next run (one list, up to kKeptListBytes): first touching new memory costs more than filling
/// it, so a run that reuses the pages of the run before it is faster.
///
/// Threads: a chain is not locked internally. DeleteOldData touches only the previous run, so it
/// may run on a worker while the current run is paged, searched and written; the caller joins the
/// worker before ResetAll, DeleteAll, Filter and before handing the chain back (CleanupWorker).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "basekit/row_types.h"
#include "calculation/abstract_filter.h"
#include "calculation/calculation_export.h"
#include "calculation/calculation_util.h"
#include "calculation/data.h"
#include "calculation/history/history_tables.h"
#include "calculation/history/table_rates.h"
#include "calculation/number_row.h"
#include "calculation/run_request.h"

namespace calculation {

/// The one failure a chain reports by exception: a stage index past the last stage. The host
/// turns it into an error reply.
class CALCULATION_EXPORT ChainError : public std::runtime_error {
public:
    explicit ChainError(std::wstring message);
    const std::wstring &message() const { return message_; }

private:
    std::wstring message_;
};

/// What CheckRowText finds of a typed row.
enum class RowCheck {
    Ok,
    WrongCount, ///< not the game's number of positions
    NotOfGame,  ///< a number outside the game's pool at its position
    Repeated,   ///< a number twice in one area of a lotto bet
};

/// A covering reduction "_" + x + "bao" + y over candidate rows.
struct ZxBy {
    const std::vector<NumberRow> *rows = nullptr; ///< the candidate rows
    int rowLen = 0;                               ///< numbers per row
    int x = 0;                                    ///< size of the pool subsets to cover
    int y = 0;                                    ///< numbers a kept row must share with a subset
    std::vector<int> baseNums;                    ///< the pool, ascending
};

class CALCULATION_EXPORT AbstractFilterChain {
public:
    /// Rows above this count are not written by GetResultStr.
    static constexpr int kMaxResultStrRows = 100000;
    static constexpr int kLabelCount = 12;
    /// The old-data cache keeps at most this many draws, the newest: the pages ask for 200 at the
    /// most, and every draw costs the tables a row of some ten kilobytes of text.
    static constexpr std::size_t kMaxCachedDraws = 1000;

    AbstractFilterChain();
    virtual ~AbstractFilterChain();
    AbstractFilterChain(const AbstractFilterChain &) = delete;
    AbstractFilterChain &operator=(const AbstractFilterChain &) = delete;

    /// Builds the stages with AddToChain; the base has none to build.
    virtual void CreateChainNode();
    /// Releases the previous run (result rows and its search list); its result list's memory
    /// stays for the next run.
    virtual void DeleteOldData();
    /// Clears the stages' conditions and sets the current run aside as the previous run.
    virtual void ResetAll();
    /// Releases the current and the previous run, and the memory kept for the next one.
    virtual void DeleteAll();
    /// Removes entry index of the chosen list; out of range changes nothing. Returns 1.
    virtual int DeleteRows(const std::wstring &listFlag, int index);
    /// Appends a row written as "1,12,30" or as digits "123"; only rows that CheckRowText
    /// accepts. Returns 1 when added, 0 when refused.
    virtual int AddRow(const std::wstring &rowText);
    /// Enumerates, filters and fills the result list of a new run.
    virtual NumberRowList *Filter() = 0;
    /// One page of the chosen list as a PageReply text.
    virtual std::wstring GetDataByPage(const std::wstring &listFlag, int pageSize, int pageNum, int pad);
    /// Builds a new search list from the result list.
    virtual NumberRowList *SearchResult(const std::wstring &type);
    /// The chosen list as save text: one row per line, CR LF between rows.
    virtual std::wstring GetResultStr(const std::wstring &listFlag, const std::wstring &separator,
                                      const std::wstring &backSeparator, int pad, int allRows);
    /// The history table of type over the cached draws (see history_dispatch.cpp for the types);
    /// the empty text for a type that names no table. productName is not read.
    virtual std::wstring GetDetailedData(const std::wstring &productName, const std::wstring &type);
    /// Replaces the old-data cache with the entries of draws (listed oldest first) that are draws
    /// of the game (IsDrawOfGame), the newest kMaxCachedDraws of them, keeping of each its
    /// "qiHao", "lotDate" and "lottery".
    virtual void SetOldDataCache(const basekit::TextMapList &draws);
    /// Hands the past draws to rule out to the last stage (at most 365 rows are kept).
    virtual void SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows);
    /// Suggests banker numbers from past draws: "danMa" with the last draw's number, date and
    /// numbers (banker_reply.h). The base form counts the digits 0-9 of the digit games
    /// (banker_suggestion.cpp).
    virtual std::wstring GetDanMa(const basekit::TextMapList &draws);

    /// Winning single bets of a (compound) bet per prize level against a drawn result, in the
    /// level order of the category's rule (prize_check.h).
    std::vector<int> zjCheck(const std::wstring &front, const std::wstring &back,
                             const std::wstring &category, const std::wstring &drawn) const;

    /// Whether a row written as AddRow reads it is a bet of this game: its number of positions,
    /// each number of the pool of its position, in a lotto game no number twice in an area.
    RowCheck CheckRowText(const std::wstring &rowText) const;
    /// Whether numbers, as a draw's "lottery" lists them, are a draw of this game: a bet of the
    /// game (as CheckRowText checks one) followed by its special numbers, each a number of the
    /// front pool that is not among the front numbers.
    bool IsDrawOfGame(const std::vector<int> &numbers) const;

    AbstractFilter *GetFirstFilter() const;
    AbstractFilter *GetLastFilter() const;
    AbstractFilter *GetFilter(int index) const;
    int FilterCount() const { return static_cast<int>(filters_.size()); }
    /// Takes ownership of the stage and links it after the last one.
    void AddToChain(std::unique_ptr<AbstractFilter> stage);
    /// Copies the conditions and hands them to stage index; throws ChainError past the last stage.
    /// The run's own values are read from the copy (RunRequest::Of).
    void SetNodeData(const DataMap &conditions, int index);
    /// Takes the request of the next run as it was read, and hands its conditions to every stage
    /// (stages 0 and 1 at least) as SetNodeData does, without copying them.
    void SetRunRequest(RunRequest request);

    /// The address prefix of the program's images in ball styles ("qel://base" in the program).
    void SetBaseUrl(std::wstring url) { baseUrl_ = std::move(url); }
    const std::wstring &baseUrl() const { return baseUrl_; }

    const NumberRowList *resultList() const { return resultList_.get(); }
    const NumberRowList *searchList() const { return searchList_.get(); }
    /// Not for use while a clean-up worker runs.
    bool hasPreviousRun() const { return previous_ != nullptr; }
    int primaryTotal() const { return primaryTotal_; }
    int rowLength() const { return frontCount_ + backCount_; }
    /// Numbers of a draw: a bet's and the special numbers.
    int drawLength() const { return rowLength() + specialCount_; }
    const std::wstring &gameKey() const { return gameKey_; }
    const DataMap &nodeMap() const { return runRequest_.conditions; }
    const RunRequest &runRequest() const { return runRequest_; }
    const std::vector<HistoryDraw> &oldDataCache() const { return oldDataCache_; }
    /// The latest cached draw ("qiHao", "lotDate", "lottery"); {"flag": "no_oldData"} when the
    /// cache is empty.
    basekit::TextMap GetMaxQiHaoLottery() const;

protected:
    /// The candidates of the lotto games: every ascending combination of frontCount numbers of
    /// the front pool (frontPool, as FrontPool gives it, less the killed numbers, cut to the bounds
    /// of the first and last position and of the smallest and largest number) that passes the
    /// stages, in lexicographic order. The first storeAtMost survivors are appended to into; all
    /// are counted (the result).
    long long DoFilter(const std::vector<int> &frontPool, NumberRowList &into,
                       std::size_t storeAtMost = SIZE_MAX) const;
    /// The numbers of the condition frontPoolKey that are front numbers of the game, ascending,
    /// each once: the pool that DoFilter and the games' totals start from. A run works it out
    /// once and hands it on.
    std::vector<int> FrontPool() const;
    /// All x-subsets of the ascending values, in lexicographic order (x from 2 to 8).
    static std::vector<std::vector<int>> cXy(const std::vector<int> &values, int x);
    /// Covering selection: for each uncovered x-subset of the pool, a row sharing y numbers with it.
    static std::vector<NumberRow> RotateMatrix(const ZxBy &by);
    /// Spread selection: rows sharing fewer than y numbers with every row kept before them.
    static std::vector<NumberRow> RotateMatrix(const ZxBy &by, int ignored);
    /// Every k-subset of values that passes the stages, highest index first, capped at 500000 rows.
    int Combine(const std::vector<int> &values, int k, NumberRowList &into);

    /// Whether values, a bet or a draw's bet part, are a bet of this game.
    RowCheck CheckNumbers(const std::vector<int> &values) const;
    /// Whether value is a number of the pool at position (front positions first, then back):
    /// front numbers from lowestNumber to lowestNumber + frontMax - 1, back numbers from 1 to
    /// backMax.
    virtual bool IsNumberOfGame(int position, int value) const;

    /// A row written as AddRow reads it, as the game holds it (a lotto game each area ascending),
    /// or nothing when CheckRowText refuses it. The text is read once.
    std::optional<std::vector<int>> BetOfText(const std::wstring &rowText) const;
    /// The rows the cut-down rate counts as kept: the survivors (afterFilterLen) of a run that
    /// stores fewer than it counts, else the rows of the list.
    virtual long long RowsKeptForRate(std::size_t listRows) const;

    /// The list a listFlag selects: "1" the search list, anything else the result list.
    NumberRowList *ListFor(const std::wstring &listFlag) const;
    /// Makes a new, empty result list the current one and returns it: the list of a released
    /// run when one was kept, with its memory.
    NumberRowList &NewResultList();
    /// Makes a new, empty search list the current one and returns it.
    NumberRowList &NewSearchList();
    /// One row of the save text in the padded, separated form.
    std::wstring SinglyWrittenRow(const int *row, const std::wstring &separator,
                                  const std::wstring &backSeparator) const;
    /// Appends the statistics of a page row's front numbers: "sum", "kuaDu", "threeArea",
    /// "bigSmall", "oddEven", "zhiHe", "luShu".
    void AppendRowStatistics(basekit::OrderedRow &pageRow, const int *row) const;
    /// The ball style of page rows, with the image prefix: the red ball with yellow numbers.
    std::wstring BallStyle() const;
    /// The ball style of page rows with another picture below "images/" or another text colour.
    std::wstring BallStyle(const wchar_t *picture, const wchar_t *color) const;
    /// The totals after the items of a page ("," + ... + "}"): of the result list "total" (its
    /// rows), "primaryTotal", "afterFilterLen", "cutDownRate" and, when the rate counts more rows
    /// than the list holds, "countedTotal" (the rows it counts).
    std::wstring PageTrailer(const std::wstring &listFlag, std::size_t rows) const;
    /// Writes the rows of a page and the trailer as a PageReply.
    std::wstring WritePage(const std::wstring &listFlag, basekit::TextMapPtrList &rows) const;
    /// Indexes of the page, clamped: page numbers and sizes below 1 count as 1.
    static std::pair<std::size_t, std::size_t> PageRange(std::size_t listSize, int pageSize, int pageNum);

    // History tables, reached through GetDetailedData, which passes each its rates from
    // tableRates. A game overrides one only to build its own rows; the engine answers the rest
    // from the game's parameters alone.
    virtual std::wstring GetDetailedDataForBase(const std::wstring &frontStyle, const std::wstring &backStyle,
                                                Rates rates, int pad);
    virtual std::wstring GetDetailedDataForDistribution(const std::wstring &frontStyle,
                                                        const std::wstring &backStyle,
                                                        std::span<const std::wstring> styles, Rates rates,
                                                        int pad);
    virtual std::wstring GetDetailedDataForShape(const std::wstring &type, const std::wstring &frontStyle,
                                                 const std::wstring &backStyle, Rates rates, int pad);
    virtual std::wstring GetDetailedDataForSpan(const std::wstring &frontStyle, const std::wstring &backStyle,
                                                Rates rates, int count, int pad);
    virtual std::wstring GetDetailedDataForHeZhi(const std::wstring &frontStyle,
                                                 const std::wstring &backStyle,
                                                 std::span<const SumRange> ranges, Rates rates, int pad);
    virtual std::wstring GetDetailedDataForWuXing(const std::wstring &frontStyle,
                                                  const std::wstring &backStyle, Rates rates, int mode,
                                                  int pad);
    virtual std::wstring GetDetailedDataForOther(const std::wstring &frontStyle, int pad);
    virtual std::wstring GetDetailedDataForLuShu(const std::wstring &frontStyle,
                                                 const std::wstring &backStyle, const std::wstring &type,
                                                 Rates rates, int pad);
    virtual std::wstring GetDetailedDataForLianHao(const std::wstring &frontStyle,
                                                   const std::wstring &backStyle, const std::wstring &type,
                                                   Rates rates, int pad);
    /// Digit groups ("w5", "w6", "w7"): no table in the engine.
    virtual std::wstring GetDetailedDataForWx(const std::wstring &frontStyle, const std::wstring &backStyle,
                                              const std::wstring &type, Rates rates, int pad);
    virtual std::wstring GetDetailedDataForBlue(const std::wstring &frontStyle, const std::wstring &backStyle,
                                                Rates rates, int pad);
    virtual std::wstring GetDetailedDataForPos(const std::wstring &type, const std::wstring &frontStyle,
                                               const std::wstring &backStyle,
                                               std::span<const std::wstring> styles, Rates rates, int pad);
    /// The engine's tables over this game's parameters and cached draws.
    HistoryTables HistoryTablesOf() const;
    /// The game's parameters as the history tables read its draws: with special numbers, those
    /// are the draw's back numbers, of the front pool.
    HistoryGame HistoryGameOfDraws() const;
    /// Takes the game's parameters (pool, counts, classes, layout, labels) from the form the
    /// history tables read them in, so that a chain and its tables read the same.
    void SetGameParameters(const HistoryGame &game);

    CCalculationUtil util_;
    /// The current run's request: the conditions the stages hold copies of and the run's values.
    RunRequest runRequest_;
    std::array<std::wstring, kLabelCount> labels_;
    int writeNumbersSingly_ = 1;
    std::wstring gameKey_;
    int frontMax_ = 0;
    int backMax_ = 0;
    int lowestNumber_ = 1; ///< the smallest front number: 0 in the games of digits 0-9
    int frontCount_ = 0;
    int backCount_ = 0;
    int bigStart_ = 0;
    int areaWidth_ = 0;
    int primaryTotal_ = 0;
    int afterFilterLen_ = 0;
    int rowCap_ = 100000;
    std::vector<HistoryDraw> oldDataCache_; ///< oldest first, at most kMaxCachedDraws
    /// The theoretical rates of the game's history tables, which GetDetailedData passes to each
    /// table; none for a game that shows its tables without rates. A game's rates are a constant
    /// of its plug-in and outlive the chain.
    const TableRates *tableRates_ = nullptr;
    /// Numbers a draw holds after the bet's numbers in a game whose bets have no back numbers
    /// ("Fc7Of30"'s special number): more numbers of the front pool, which no bet holds. The
    /// history tables show them as the draw's back numbers, of the front pool.
    int specialCount_ = 0;
    int labelBack_ = 0;
    int noBackInText_ = 0;
    /// The condition whose numbers are the front pool of DoFilter.
    std::wstring frontPoolKey_ = L"baseNums";
    /// Lotto bets: the numbers of an area differ and are held ascending.
    bool distinctAscendingAreas_ = false;
    /// Result pages give afterFilterLen before primaryTotal.
    bool afterFilterLenFirst_ = false;

    std::unique_ptr<NumberRowList> resultList_;
    std::unique_ptr<NumberRowList> searchList_;

private:
    struct Run {
        std::unique_ptr<NumberRowList> result;
        std::unique_ptr<NumberRowList> search;
    };
    // A released run: its search list goes, its result list is emptied and kept for the next
    // run unless one is kept already or it holds more than kKeptListBytes.
    void ReleaseRun(std::unique_ptr<Run> run);
    static constexpr std::size_t kKeptListBytes = std::size_t{32} << 20;

    std::vector<std::unique_ptr<AbstractFilter>> filters_;
    std::unique_ptr<Run> previous_;
    std::unique_ptr<NumberRowList> keptList_; // empty, its memory for the next result list
    std::wstring baseUrl_ = L"qel://base";
};

} // namespace calculation

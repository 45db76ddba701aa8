#include "lotto/common/lotto_filter_chain.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "basekit/combinatorics.h"
#include "lotto/common/lotto_banker.h"
#include "lotto/common/lotto_filters.h"
#include "lotto/common/lotto_history.h"

namespace plugins::lotto {

using calculation::LookupCondition;
using calculation::NumberRow;
using calculation::NumberRowList;

namespace {

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, 0, INT_MAX));
}

} // namespace

LottoFilterChain::LottoFilterChain(const LottoGame &game) : game_(game)
{
    // The parameters the engine reads, the same that the history tables and their rates take.
    SetGameParameters(HistoryGameOf(game));
    specialCount_ = game.specials;
    if (game.setsChainGameKey) {
        gameKey_ = game.key;
    }
    frontPoolKey_ = game.poolKey;
    distinctAscendingAreas_ = true;
    afterFilterLenFirst_ = game.page == PageForm::RedBlue;
    if (game.cap > 0) {
        rowCap_ = game.cap;
    }
}

void LottoFilterChain::CreateChainNode()
{
    auto first = std::make_unique<PrimaryFilter>(game_);
    first_ = first.get();
    AddToChain(std::move(first));
    AddToChain(std::make_unique<SeniorFilter>(game_));
}

calculation::NumberRowList *LottoFilterChain::Filter()
{
    NewResultList();
    primaryTotal_ = 0;
    afterFilterLen_ = 0;
    reduced_ = false;
    if (first_ == nullptr) {
        return resultList_.get();
    }
    if (runRequest_.source == calculation::RowSource::Old) {
        FilterOldRows();
        return resultList_.get();
    }
    const calculation::Data &matrix = LookupCondition(runRequest_.conditions, L"rotateMatrix");
    FilterNewRows(matrix.enabled ? game_.ReductionOf(matrix.firstStr()) : Reduction{});
    return resultList_.get();
}

std::vector<int> LottoFilterChain::BackPool() const
{
    std::vector<int> pool;
    for (int v : LookupCondition(runRequest_.conditions, game_.backPoolKey).nums) {
        if (v >= 1 && v <= backMax_) {
            pool.push_back(v);
        }
    }
    std::sort(pool.begin(), pool.end());
    pool.erase(std::unique(pool.begin(), pool.end()), pool.end());
    return pool;
}

std::vector<std::vector<int>> LottoFilterChain::BackParts(const std::vector<int> &pool)
{
    std::vector<std::vector<int>> parts;
    if (game_.back == BackArea::Single) {
        for (int v : pool) {
            parts.push_back({v});
        }
        return parts;
    }
    for (std::size_t i = 0; i + 1 < pool.size(); ++i) {
        for (std::size_t j = i + 1; j < pool.size(); ++j) {
            std::vector<int> pair{pool[i], pool[j]};
            int wrongCount = 0; // a pair is tested on its own
            if (first_->FilterBack(pair.data(), wrongCount) != 0) {
                parts.push_back(std::move(pair));
            }
        }
    }
    return parts;
}

std::vector<NumberRow> LottoFilterChain::Reduce(const NumberRowList &rows, const Reduction &reduction,
                                                const std::vector<int> &frontPool) const
{
    const calculation::ZxBy by{&rows.rows(), game_.frontCount, reduction.x, reduction.y, frontPool};
    return reduction.spread ? RotateMatrix(by, 1) : RotateMatrix(by);
}

void LottoFilterChain::FilterNewRows(const Reduction &reduction)
{
    const int k = game_.frontCount;
    const std::size_t cap = game_.cap > 0 ? static_cast<std::size_t>(game_.cap) : SIZE_MAX;
    const bool wantsReduction = reduction.x != 0;
    // A reduction takes the candidates only while they are within the cap.
    auto reduces = [&](long long candidates) {
        return wantsReduction && static_cast<std::size_t>(candidates) <= cap;
    };
    // Worked out once for the totals, the enumeration and the reduction.
    const std::vector<int> frontPool = FrontPool();
    const long long fronts = basekit::CXy(static_cast<int>(frontPool.size()), k);
    if (game_.back == BackArea::None) {
        primaryTotal_ = ClampToInt(fronts);
        const long long candidates = DoFilter(frontPool, *resultList_, cap);
        afterFilterLen_ = ClampToInt(candidates);
        if (reduces(candidates)) {
            // The kept rows are copied out of the candidates, which go with their list.
            std::unique_ptr<NumberRowList> all = std::move(resultList_);
            NumberRowList &kept = NewResultList();
            for (NumberRow row : Reduce(*all, reduction, frontPool)) {
                kept.AddCopy(row);
            }
            reduced_ = true;
        }
        return;
    }

    const std::vector<int> backPool = BackPool();
    const std::size_t backChoices = backPool.size();
    primaryTotal_ =
        ClampToInt(fronts * static_cast<long long>(game_.back == BackArea::Pairs
                                                       ? basekit::CXy(static_cast<int>(backChoices), 2)
                                                       : static_cast<long long>(backChoices)));
    const std::vector<std::vector<int>> backs = BackParts(backPool);
    if (backs.empty()) {
        return; // no bet without back numbers
    }
    // Every front row joins every back part, front-major; only the front rows that can make a
    // stored row are kept, and every candidate is counted.
    const std::size_t parts = backs.size();
    NumberRowList frontRows(k);
    const long long candidates =
        DoFilter(frontPool, frontRows, wantsReduction || cap == SIZE_MAX ? cap : (cap + parts - 1) / parts);
    afterFilterLen_ = ClampToInt(candidates * static_cast<long long>(parts));
    std::vector<NumberRow> joined = frontRows.rows();
    std::size_t limit = cap;
    if (reduces(candidates)) {
        joined = Reduce(frontRows, reduction, frontPool);
        limit = kReducedJoinCeiling;
        reduced_ = true;
    }
    resultList_->Reserve(std::min(limit, joined.size() * parts));
    int row[calculation::AbstractFilter::kMaxPositions + 2] = {};
    std::size_t stored = 0;
    for (NumberRow front : joined) {
        std::copy(front, front + k, row);
        for (const std::vector<int> &back : backs) {
            if (stored == limit) {
                return;
            }
            std::copy(back.begin(), back.end(), row + k);
            resultList_->AddCopy(row);
            ++stored;
        }
    }
}

void LottoFilterChain::FilterOldRows()
{
    const int k = game_.frontCount;
    // The entries come split from the request, one row each; every one that is not empty counts,
    // a bet of the game or not.
    for (const std::wstring &entry : LookupCondition(runRequest_.conditions, L"oldNum").strs) {
        // A short, long or repeated entry, or one with a number outside the game's pools, is no
        // bet: never read past its end, never kept.
        std::optional<std::vector<int>> bet = entry.empty() ? std::nullopt : BetOfText(entry);
        if (!bet) {
            continue;
        }
        int wrongCount = 0; // front and back failures add up
        const bool passes =
            first_->FilterRow(bet->data(), k, wrongCount) != 0 &&
            (game_.back != BackArea::Pairs || first_->FilterBack(bet->data() + k, wrongCount) != 0);
        if (passes) {
            resultList_->AddCopy(bet->data());
        }
    }
    primaryTotal_ = ClampToInt(static_cast<long long>(runRequest_.oldEntries));
}

long long LottoFilterChain::RowsKeptForRate(std::size_t listRows) const
{
    // A reduced run keeps the rows of its list, fewer than its survivors.
    return reduced_ ? static_cast<long long>(listRows) : AbstractFilterChain::RowsKeptForRate(listRows);
}

std::wstring LottoFilterChain::GetDataByPage(const std::wstring &listFlag, int pageSize, int pageNum, int pad)
{
    if (game_.page == PageForm::Numbers) {
        return AbstractFilterChain::GetDataByPage(listFlag, pageSize, pageNum, pad);
    }
    const NumberRowList *list = ListFor(listFlag);
    const int k = frontCount_;
    const std::wstring red = BallStyle(L"redBall18.png", L"yellow");
    const std::wstring blue = BallStyle(L"blueBall18.png", L"yellow");
    basekit::TextMapPtrList page;
    auto [begin, end] = PageRange(list ? list->size() : 0, pageSize, pageNum);
    for (std::size_t i = begin; list != nullptr && i < end; ++i) {
        const int *r = list->at(i);
        basekit::OrderedRow pageRow{{L"rowNumber", std::to_wstring(i + 1)},
                                    {L"redNumber", util_.ArrayToStr(r, k, 0, red, L"", 1)},
                                    {L"blueNumber", util_.ArrayToStr(r + k, backCount_, 0, blue, L"", 1)}};
        AppendRowStatistics(pageRow, r);
        page.push_back(std::move(pageRow));
    }
    return WritePage(listFlag, page);
}

std::wstring LottoFilterChain::GetDanMa(const basekit::TextMapList &draws)
{
    return BankerSuggestion(draws, game_);
}

} // namespace plugins::lotto

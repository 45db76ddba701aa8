// The past draws a chain holds: the cache its history tables read, and the draws its last stage
// rules out.
#include <algorithm>

#include "calculation/abstract_filter_chain.h"
#include "calculation/history/history_draw.h"

namespace calculation {

void AbstractFilterChain::SetOldDataCache(const basekit::TextMapList &draws)
{
    // Newest first, so that a long list stops at the bound; then back into list order.
    std::vector<HistoryDraw> kept;
    for (auto entry = draws.rbegin(); entry != draws.rend() && kept.size() < kMaxCachedDraws; ++entry) {
        HistoryDraw draw = ReadHistoryDraw(*entry);
        std::optional<std::vector<int>> numbers = ReadDrawNumbers(draw.lottery);
        if (numbers && IsDrawOfGame(*numbers)) {
            draw.numbers = std::move(*numbers);
            kept.push_back(std::move(draw));
        }
    }
    std::reverse(kept.begin(), kept.end());
    kept.shrink_to_fit();
    oldDataCache_ = std::move(kept);
}

void AbstractFilterChain::SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows)
{
    if (AbstractFilter *last = GetLastFilter()) {
        last->SetOldDataForRuleOut(rows);
    }
}

basekit::TextMap AbstractFilterChain::GetMaxQiHaoLottery() const
{
    if (oldDataCache_.empty()) {
        return {{L"flag", L"no_oldData"}};
    }
    return oldDataCache_.back().Entry();
}

} // namespace calculation

#include "calculation/history/rate_generator.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <utility>

#include "shape_classes.h"
#include "table_helpers.h"

namespace calculation {
namespace {

constexpr int kMaxDecimals = 9;
constexpr int kRouteAreaClasses = 3;
constexpr int kTailDigits = 10;
constexpr int kNotYet = INT_MIN; // no number drawn yet

// The equally likely draws of count numbers from lowest to highest.
struct DrawSpace {
    int count = 0;
    int lowest = 0;
    int highest = -1;
    bool distinct = false; ///< combinations, read ascending; otherwise every ordered row
};

DrawSpace FrontDraws(const HistoryGame &game)
{
    return {game.frontCount, game.lowestNumber, game.lowestNumber + game.frontMax - 1, !game.digitLayout};
}

DrawSpace BackDraws(const HistoryGame &game)
{
    return {game.backCount, 1, game.backMax, true};
}

// The draws of space by a statistic worked out number by number: step(state, position, value) is
// the state after value was drawn at position; the answer holds the draws that end in each state.
// Draws that stand alike are counted together, so the work follows the states, not the draws.
template <class State, class Step>
std::map<State, std::uint64_t> CountByState(const DrawSpace &space, const State &start, Step step)
{
    // The numbers of a combination ascend, so the last one drawn is part of where a draw stands.
    using Key = std::pair<int, State>;
    std::map<Key, std::uint64_t> states{{Key{space.lowest - 1, start}, 1}};
    for (int position = 0; position < space.count; ++position) {
        std::map<Key, std::uint64_t> next;
        for (const auto &[key, draws] : states) {
            const int from = space.distinct ? key.first + 1 : space.lowest;
            for (int v = from; v <= space.highest; ++v) {
                next[Key{space.distinct ? v : space.lowest, step(key.second, position, v)}] += draws;
            }
        }
        states = std::move(next);
    }
    std::map<State, std::uint64_t> ends;
    for (const auto &[key, draws] : states) {
        ends[key.second] += draws;
    }
    return ends;
}

template <class State> std::uint64_t AllDraws(const std::map<State, std::uint64_t> &ends)
{
    std::uint64_t draws = 0;
    for (const auto &[state, n] : ends) {
        draws += n;
    }
    return draws;
}

// The share of the draws whose ends satisfy hit.
template <class State, class Hit> Share ShareOf(const std::map<State, std::uint64_t> &ends, Hit hit)
{
    Share share{0, AllDraws(ends)};
    for (const auto &[state, draws] : ends) {
        if (hit(state)) {
            share.hits += draws;
        }
    }
    return share;
}

// The draws that hold v anywhere.
Share Holding(const DrawSpace &space, int v)
{
    const auto ends = CountByState(space, false, [v](bool held, int, int x) { return held || x == v; });
    return ShareOf(ends, [](bool held) { return held; });
}

// Per number of the space, the draws that hold it.
std::vector<Share> HoldingEach(const DrawSpace &space)
{
    std::vector<Share> shares;
    for (int v = space.lowest; v <= space.highest; ++v) {
        shares.push_back(Holding(space, v));
    }
    return shares;
}

// The draws by the number at position index.
std::map<int, std::uint64_t> ValuesAt(const DrawSpace &space, int index)
{
    return CountByState(space, kNotYet,
                        [index](int at, int position, int v) { return position == index ? v : at; });
}

// Per position, per class in the order given, the draws whose number there is of the class.
template <class ClassOf>
std::vector<Share> ClassesPerPosition(const DrawSpace &space, std::initializer_list<int> classes,
                                      ClassOf classOf)
{
    std::vector<Share> shares;
    for (int p = 0; p < space.count; ++p) {
        const auto values = ValuesAt(space, p);
        for (int c : classes) {
            shares.push_back(ShareOf(values, [&](int v) { return classOf(v) == c; }));
        }
    }
    return shares;
}

// Per m = 0 .. count, the draws with m numbers in the class.
template <class InClass> std::vector<Share> MembersCounted(const DrawSpace &space, InClass inClass)
{
    const auto ends =
        CountByState(space, 0, [&](int members, int, int v) { return members + (inClass(v) ? 1 : 0); });
    std::vector<Share> shares;
    for (int m = 0; m <= space.count; ++m) {
        shares.push_back(ShareOf(ends, [m](int members) { return members == m; }));
    }
    return shares;
}

// Per column of a chart of count columns from first on, the draws whose statistic is its value.
std::vector<Share> Columns(const std::map<int, std::uint64_t> &ends, int first, int count)
{
    std::vector<Share> shares;
    shares.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        shares.push_back(ShareOf(ends, [value = first + i](int v) { return v == value; }));
    }
    return shares;
}

} // namespace

std::wstring PercentText(Share share, int decimals)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (share.draws == 0) {
        share = {0, 1};
    }
    // 100 × hits / draws digit by digit: the whole part, then each decimal from the remainder;
    // what remains decides the rounding.
    std::uint64_t scaled = share.hits * 100 / share.draws;
    std::uint64_t rest = share.hits * 100 % share.draws;
    for (int i = 0; i < decimals; ++i) {
        rest *= 10;
        scaled = scaled * 10 + rest / share.draws;
        rest %= share.draws;
    }
    if (2 * rest >= share.draws) {
        ++scaled;
    }
    std::wstring text = std::to_wstring(scaled);
    if (decimals == 0) {
        return text;
    }
    const auto fraction = static_cast<std::size_t>(decimals);
    if (text.size() <= fraction) {
        text.insert(0, fraction + 1 - text.size(), L'0');
    }
    text.insert(text.size() - fraction, 1, L'.');
    return text;
}

std::vector<std::wstring> PercentTexts(std::span<const Share> shares, std::span<const int> decimals)
{
    std::vector<std::wstring> texts;
    texts.reserve(shares.size());
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const int places = decimals.empty() ? 1 : decimals[std::min(i, decimals.size() - 1)];
        texts.push_back(PercentText(shares[i], places));
    }
    return texts;
}

std::vector<std::wstring> PercentTexts(std::span<const Share> shares, int decimals)
{
    return PercentTexts(shares, std::span<const int>(&decimals, 1));
}

RateGenerator::RateGenerator(HistoryGame game) : game_(std::move(game)) {}

std::vector<Share> RateGenerator::Base() const
{
    return HoldingEach(FrontDraws(game_));
}

std::vector<Share> RateGenerator::BackArea() const
{
    return HoldingEach(BackDraws(game_));
}

std::vector<Share> RateGenerator::Position(int index) const
{
    if (index < 0 || index >= game_.frontCount) {
        return {};
    }
    const history::ValueColumns columns = history::PositionColumns(game_, index);
    return Columns(ValuesAt(FrontDraws(game_), index), columns.first, columns.count);
}

std::vector<Share> RateGenerator::Distribution() const
{
    const DrawSpace space = FrontDraws(game_);
    std::vector<Share> shares;
    for (int j = 0; j < game_.frontCount; ++j) {
        const history::ValueColumns columns = history::SortedColumns(game_, j);
        for (const Share &share : Columns(ValuesAt(space, j), columns.first, columns.count)) {
            shares.push_back(share);
        }
    }
    return shares;
}

std::vector<Share> RateGenerator::SumRanges(std::span<const SumRange> ranges) const
{
    const auto sums = CountByState(FrontDraws(game_), 0, [](int sum, int, int v) { return sum + v; });
    std::vector<Share> shares;
    for (const SumRange &range : ranges) {
        shares.push_back(ShareOf(sums, [&](int sum) { return range.low <= sum && sum <= range.high; }));
    }
    return shares;
}

std::vector<Share> RateGenerator::SumTails() const
{
    const auto sums = CountByState(FrontDraws(game_), 0, [](int sum, int, int v) { return sum + v; });
    std::vector<Share> shares;
    shares.reserve(kTailDigits);
    for (int d = 0; d < kTailDigits; ++d) {
        shares.push_back(ShareOf(sums, [d](int sum) { return sum % kTailDigits == d; }));
    }
    return shares;
}

std::vector<Share> RateGenerator::Spans(int count) const
{
    using Ends = std::pair<int, int>; // smallest, largest
    const auto ends = CountByState(FrontDraws(game_), Ends{INT_MAX, INT_MIN}, [](Ends e, int, int v) {
        return Ends{std::min(e.first, v), std::max(e.second, v)};
    });
    std::map<int, std::uint64_t> spans;
    for (const auto &[e, draws] : ends) {
        spans[e.second - e.first] += draws;
    }
    return Columns(spans, history::FirstSpan(game_), count);
}

std::vector<Share> RateGenerator::Gaps(int count) const
{
    using Walk = std::pair<int, int>; // the number before, the largest gap so far
    const auto ends = CountByState(FrontDraws(game_), Walk{kNotYet, 0}, [](Walk w, int, int v) {
        return Walk{v, w.first == kNotYet ? 0 : std::max(w.second, std::abs(v - w.first))};
    });
    std::map<int, std::uint64_t> gaps;
    for (const auto &[w, draws] : ends) {
        gaps[w.second] += draws;
    }
    return Columns(gaps, history::FirstGap(game_), count);
}

std::vector<Share> RateGenerator::ShapeRatios(const std::wstring &type) const
{
    const history::TwoClasses &classes = history::ShapeClassesOf(type);
    return MembersCounted(FrontDraws(game_), [&](int v) { return classes.classOf(util_, v, game_) == 1; });
}

std::vector<Share> RateGenerator::ShapePositions(const std::wstring &type) const
{
    const history::TwoClasses &classes = history::ShapeClassesOf(type);
    return ClassesPerPosition(FrontDraws(game_), {1, 0},
                              [&](int v) { return classes.classOf(util_, v, game_); });
}

std::vector<Share> RateGenerator::ClassCounts(const std::wstring &type) const
{
    const bool routes = type == L"luShu";
    std::vector<Share> shares;
    for (int c = 0; c < kRouteAreaClasses; ++c) {
        for (const Share &share : MembersCounted(FrontDraws(game_), [&](int v) {
                 return history::RouteAreaClass(routes, game_.areaWidth, v) == c;
             })) {
            shares.push_back(share);
        }
    }
    return shares;
}

std::vector<Share> RateGenerator::ClassPositions(const std::wstring &type) const
{
    const bool routes = type == L"luShu";
    return ClassesPerPosition(FrontDraws(game_), {0, 1, 2},
                              [&](int v) { return history::RouteAreaClass(routes, game_.areaWidth, v); });
}

std::vector<Share> RateGenerator::FiveElements(int mode) const
{
    return ClassesPerPosition(FrontDraws(game_), {0, 1, 2, 3, 4},
                              [&](int v) { return util_.GetWuXing(v, mode); });
}

} // namespace calculation

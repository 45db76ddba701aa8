#include "calculation/prize_check.h"

#include <algorithm>
#include <climits>
#include <span>

#include "basekit/combinatorics.h"
#include "basekit/string_split.h"
#include "calculation/abstract_filter_chain.h"
#include "calculation/game_table.h"

namespace calculation {
namespace {

constexpr int kAbsent = INT_MIN; // a drawn number a short draw does not have

std::vector<int> Numbers(const std::wstring &text)
{
    if (text.empty()) {
        return {};
    }
    return basekit::StrArrayToIntArray(basekit::StrSplit(text, L","));
}

int DrawnAt(const std::vector<int> &drawn, std::size_t index)
{
    return index < drawn.size() ? drawn[index] : kAbsent;
}

bool Holds(std::span<const int> set, int value)
{
    return value != kAbsent && std::find(set.begin(), set.end(), value) != set.end();
}

// Entries of the bet that the set holds.
long long CountIn(const std::vector<int> &bet, std::span<const int> set)
{
    return std::count_if(bet.begin(), bet.end(), [&](int v) { return Holds(set, v); });
}

// k-subsets of a bet with `hits` numbers in the set and `misses` outside it, having exactly h of
// the set's numbers.
long long Subsets(long long hits, long long misses, int k, int h)
{
    if (h < 0 || h > k) {
        return 0;
    }
    const long long a = basekit::CXy(static_cast<int>(hits), h);
    const long long b = basekit::CXy(static_cast<int>(misses), k - h);
    if (a != 0 && b > LLONG_MAX / a) {
        return LLONG_MAX;
    }
    return a * b;
}

// Counts of single bets with 0..k hits of the set.
std::vector<long long> HitTally(const std::vector<int> &bet, std::span<const int> set, int k)
{
    const long long hits = CountIn(bet, set);
    const long long misses = static_cast<long long>(bet.size()) - hits;
    std::vector<long long> tally(static_cast<std::size_t>(k) + 1);
    for (int h = 0; h <= k; ++h) {
        tally[static_cast<std::size_t>(h)] = Subsets(hits, misses, k, h);
    }
    return tally;
}

std::vector<int> Clamped(const std::vector<long long> &counts)
{
    std::vector<int> out;
    out.reserve(counts.size());
    for (long long c : counts) {
        out.push_back(static_cast<int>(std::clamp<long long>(c, 0, INT_MAX)));
    }
    return out;
}

long long Product(long long a, long long b)
{
    if (a != 0 && b > LLONG_MAX / a) {
        return LLONG_MAX;
    }
    return a * b;
}

// 6 front numbers and 1 back number per single bet.
std::vector<int> SixPlusOne(const std::vector<int> &front, const std::vector<int> &back,
                            const std::vector<int> &drawn)
{
    std::vector<int> frontResult;
    for (std::size_t i = 0; i < 6; ++i) {
        frontResult.push_back(DrawnAt(drawn, i));
    }
    const int backResult = DrawnAt(drawn, 6);
    const std::vector<long long> h = HitTally(front, frontResult, 6);
    const bool t = Holds(back, backResult);
    const long long misses = static_cast<long long>(back.size()) - (t ? 1 : 0);
    std::vector<long long> e(6, 0);
    if (h[6] > 0) {
        e[0] = t ? 1 : 0;
        e[1] = misses;
    }
    if (t) {
        e[2] = h[5];
    }
    e[3] = Product(h[5], misses) + (t ? h[4] : 0);
    e[4] = Product(h[4], misses) + (t ? h[3] : 0);
    if (t) {
        e[5] = h[2] + h[1] + h[0];
    }
    return Clamped(e);
}

// 5 front and 2 back numbers per single bet.
std::vector<int> FivePlusTwo(const std::vector<int> &front, const std::vector<int> &back,
                             const std::vector<int> &drawn)
{
    std::vector<int> frontResult;
    for (std::size_t i = 0; i < 5; ++i) {
        frontResult.push_back(DrawnAt(drawn, i));
    }
    const std::vector<int> backResult = {DrawnAt(drawn, 5), DrawnAt(drawn, 6)};
    const std::vector<long long> f = HitTally(front, frontResult, 5);
    const std::vector<long long> g = HitTally(back, backResult, 2);
    auto fg = [&](int a, int b) {
        return Product(f[static_cast<std::size_t>(a)], g[static_cast<std::size_t>(b)]);
    };
    return Clamped({
        fg(5, 2),
        fg(5, 1),
        fg(5, 0) + fg(4, 2),
        fg(4, 1) + fg(3, 2),
        fg(4, 0) + fg(3, 1) + fg(2, 2),
        fg(3, 0) + fg(2, 1) + fg(1, 2) + fg(0, 2),
    });
}

// 7 numbers per single bet, against 7 basic numbers and a special number.
std::vector<int> SevenPlusSpecial(const std::vector<int> &front, const std::vector<int> &drawn)
{
    constexpr int k = 7;
    std::vector<int> basic;
    for (std::size_t i = 0; i < k; ++i) {
        basic.push_back(DrawnAt(drawn, i));
    }
    const int special = DrawnAt(drawn, k);
    const long long hits = CountIn(front, basic);
    const long long specials =
        std::count_if(front.begin(), front.end(), [&](int v) { return v != kAbsent && v == special; });
    const long long specialsOutside = std::count_if(
        front.begin(), front.end(), [&](int v) { return v != kAbsent && v == special && !Holds(basic, v); });
    const long long hitsWithoutSpecial = hits - (specials - specialsOutside);
    const long long others = static_cast<long long>(front.size()) - hits - specialsOutside;
    std::vector<long long> e(8, 0);
    for (int h = 4; h <= k; ++h) {
        const long long all = Subsets(hits, static_cast<long long>(front.size()) - hits, k, h);
        const long long withoutSpecial = Subsets(hitsWithoutSpecial, others, k, h);
        const auto level = std::size_t{2} * static_cast<std::size_t>(k - h);
        const long long withSpecial = all - withoutSpecial;
        // Only a draw whose special number is also a basic number has a full hit with it.
        e[level] = h == k ? (withSpecial > 0 ? 1 : 0) : withSpecial;
        e[level + 1] = withoutSpecial;
    }
    return Clamped(e);
}

// The rule of the game whose category the text holds, in the table's order; seven plus a special
// number for any other text.
PrizeRule RuleOfCategory(const std::wstring &category)
{
    for (const GameInfo &game : Games()) {
        if (game.prize != PrizeRule::SevenPlusSpecial &&
            category.find(LotteryCategory(game)) != std::wstring::npos) {
            return game.prize;
        }
    }
    return PrizeRule::SevenPlusSpecial;
}

} // namespace

std::vector<int> CheckPrizes(const std::wstring &front, const std::wstring &back,
                             const std::wstring &category, const std::wstring &drawn)
{
    const std::vector<int> frontNumbers = Numbers(front);
    const std::vector<int> drawnNumbers = Numbers(drawn);
    switch (RuleOfCategory(category)) {
    case PrizeRule::SixPlusOne:
        return SixPlusOne(frontNumbers, Numbers(back), drawnNumbers);
    case PrizeRule::FivePlusTwo:
        return FivePlusTwo(frontNumbers, Numbers(back), drawnNumbers);
    case PrizeRule::SevenPlusSpecial:
        break;
    }
    return SevenPlusSpecial(frontNumbers, drawnNumbers);
}

std::vector<int> AbstractFilterChain::zjCheck(const std::wstring &front, const std::wstring &back,
                                              const std::wstring &category, const std::wstring &drawn) const
{
    return CheckPrizes(front, back, category, drawn);
}

} // namespace calculation

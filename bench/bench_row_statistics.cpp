// Row statistics as the filter's inner loop calls them: one benchmark iteration is one row, so
// the reported time is the cost per row. Rows cycle through a fixed set (every three-digit row;
// seeded random 5 of 35 and 7 of 30 rows, ascending as the enumerator yields them) so that no
// result is a compile-time constant.
//
// The binary counts every global operator new; each benchmark reports "allocs/row", which must
// stay 0 for the per-candidate statistics.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

#include "calculation/calculation_util.h"
#include "support/counting_allocator.h"

namespace {

using calculation::CCalculationUtil;
using calculation::ClassText;

struct Game {
    int length;
    int limit;             // smallest big number
    int width;             // width of each of three areas
    int mode;              // 0: digits, 1: lotto
    std::vector<int> rows; // length numbers per row, back to back
    int rowCount() const { return static_cast<int>(rows.size()) / length; }
    const int *row(int i) const { return rows.data() + static_cast<std::ptrdiff_t>(i) * length; }
};

Game ThreeDigits()
{
    Game g{3, 5, 3, 0, {}};
    for (int v = 0; v < 1000; ++v) {
        g.rows.insert(g.rows.end(), {v / 100, v / 10 % 10, v % 10});
    }
    return g;
}

Game Lotto(int length, int pool, int limit, int width)
{
    Game g{length, limit, width, 1, {}};
    std::mt19937 random(20240601U);
    std::vector<int> numbers(static_cast<std::size_t>(pool));
    for (int i = 0; i < pool; ++i) {
        numbers[static_cast<std::size_t>(i)] = i + 1;
    }
    for (int r = 0; r < 4096; ++r) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        std::vector<int> row(numbers.begin(), numbers.begin() + length);
        std::sort(row.begin(), row.end());
        g.rows.insert(g.rows.end(), row.begin(), row.end());
    }
    return g;
}

const Game &GameOf(int id)
{
    static const Game kGames[] = {ThreeDigits(), Lotto(5, 35, 18, 12), Lotto(7, 30, 16, 10)};
    return kGames[id];
}

const char *GameName(int id)
{
    static const char *kNames[] = {"3digits", "5of35", "7of30"};
    return kNames[id];
}

/// Each iteration applies stat to the next row; reports allocations per row.
template <class Stat> void RunPerRow(benchmark::State &state, Stat stat)
{
    const Game &game = GameOf(static_cast<int>(state.range(0)));
    state.SetLabel(GameName(static_cast<int>(state.range(0))));
    const CCalculationUtil util;
    int index = 0;
    int count = game.rowCount();
    long before = testsupport::AllocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(stat(util, game, game.row(index)));
        index = index + 1 == count ? 0 : index + 1;
    }
    long allocations = testsupport::AllocationCount() - before;
    state.counters["allocs/row"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(state.iterations()));
    state.SetItemsProcessed(state.iterations());
}

#define ROW_STAT(name, expression)                                                                           \
    void BM_##name(benchmark::State &state)                                                                  \
    {                                                                                                        \
        RunPerRow(state, [](const CCalculationUtil &util, const Game &g, const int *r) {                     \
            int n = g.length;                                                                                \
            (void)n;                                                                                         \
            return (expression);                                                                             \
        });                                                                                                  \
    }                                                                                                        \
    BENCHMARK(BM_##name)->DenseRange(0, 2)

ROW_STAT(Sum, util.GetSum(r, n));
ROW_STAT(Span, util.GetSpan(r, n));
ROW_STAT(SumTail, util.GetSumTail(r, n));
ROW_STAT(TailSum, util.GetTailSum(r, n));
ROW_STAT(Average, util.GetAverage(r, n));
ROW_STAT(BiggestLag, util.GetBiggestLag(r, n));
ROW_STAT(OddEvenRate, util.OddEvenRate(r, n));
ROW_STAT(BigSmallRate, util.BigSmallRate(r, n, g.limit));
ROW_STAT(ZhiHeRate, util.ZhiHeRate(r, n));
ROW_STAT(ThreeAreaRate, util.ThreeAreaRate(r, n, g.width));
ROW_STAT(LuShuRate, util.LuShuRate(r, n));
ROW_STAT(ShapeSums, util.GetBigOrSmallSum(r, n, 0, g.limit) + util.GetBigOrSmallSum(r, n, 1, g.limit) +
                        util.GetOddOrEvenSum(r, n, 1) + util.GetOddOrEvenSum(r, n, 0) +
                        util.GetZhiOrHeSum(r, n, 1) + util.GetZhiOrHeSum(r, n, 0) +
                        util.GetLuShuSum(r, n, 0) + util.GetLuShuSum(r, n, 1) + util.GetLuShuSum(r, n, 2));
ROW_STAT(WuXingNum, util.GetWuXingNum(r, n, 0, g.mode) + util.GetWuXingNum(r, n, 1, g.mode) +
                        util.GetWuXingNum(r, n, 2, g.mode) + util.GetWuXingNum(r, n, 3, g.mode) +
                        util.GetWuXingNum(r, n, 4, g.mode));
ROW_STAT(Ac, util.GetAc(r, n));
ROW_STAT(LianMa, util.GetLianMa(r, n, g.mode));
ROW_STAT(SameTailCode, util.GetSameTailGroupFor7(r, n));
ROW_STAT(SameNumCode, util.GetChongMuNum(r, n));

const int kTails[] = {0, 1, 2, 3, 5, 7, 9};
const int kSameTails[] = {-1, 3, 8};
const int kCodes[] = {0, 12, 1213};
ROW_STAT(CheckTail, util.CheckTail(kTails, 7, r, n));
ROW_STAT(CheckOnlySameTail, util.CheckOnlySameTail(kSameTails, 3, r, n));
ROW_STAT(CheckSameTailNum, util.CheckSameTailNum(kCodes, 3, r, n));
ROW_STAT(CheckChongMa, util.CheckChongMa(kSameTails, 3, r, n));

/// Per-position patterns, every class allowed, so every position is tested.
const std::vector<std::vector<int>> &AllowedEverywhere()
{
    static const std::vector<std::vector<int>> kAllowed(7, std::vector<int>{0, 1, 2, 3, 4});
    return kAllowed;
}
ROW_STAT(PerPositionChecks, util.CheckEveryPosBigSmall(r, n, AllowedEverywhere(), g.limit) +
                                util.CheckEveryPos(r, n, AllowedEverywhere(), 2) +
                                util.CheckEveryPosZhiHe(r, n, AllowedEverywhere()) +
                                util.CheckEveryPos(r, n, AllowedEverywhere(), 3) +
                                util.CheckEveryPosArea(r, n, AllowedEverywhere(), g.width) +
                                util.CheckEveryPosWuXing(r, n, AllowedEverywhere(), g.mode));

/// The five class strings of the shape tests, written into a stack text.
int ClassStrings(const CCalculationUtil &util, const Game &g, const int *r)
{
    ClassText text;
    int n = g.length;
    int total = 0;
    util.GetBigSmall(r, n, g.limit, text);
    total += text.length();
    util.GetOddEven(r, n, text);
    total += text.length();
    util.GetZhiHe(r, n, text);
    total += text.length();
    util.GetLuShuText(r, n, text);
    total += text.length();
    util.GetThreeArea(r, n, g.width, text);
    return total + text.length();
}
ROW_STAT(ClassStrings, ClassStrings(util, g, r));

/// The two-position statistics of every pair, as the pair conditions test them.
int PairCodes(const CCalculationUtil &util, const Game &g, const int *r)
{
    ClassText text;
    int total = 0;
    for (int i = 0; i < g.length; ++i) {
        for (int j = i + 1; j < g.length; ++j) {
            const int pair[] = {i, j};
            util.GetErWeiMa(r, pair, text);
            total += util.GetErWeiHe(r, pair) + util.GetErWeiCha(r, pair) + text.length();
        }
    }
    return total;
}
ROW_STAT(PairCodes, PairCodes(util, g, r));

/// Everything above for one row: roughly what a row costs that passes every common condition.
int AllStatistics(const CCalculationUtil &util, const Game &g, const int *r)
{
    int n = g.length;
    int total = util.GetSum(r, n) + util.GetSpan(r, n) + util.GetSumTail(r, n) + util.GetTailSum(r, n) +
                util.GetAverage(r, n) + util.GetBiggestLag(r, n) + util.OddEvenRate(r, n) +
                util.BigSmallRate(r, n, g.limit) + util.ZhiHeRate(r, n) + util.ThreeAreaRate(r, n, g.width) +
                util.LuShuRate(r, n) + util.GetAc(r, n) + util.GetLianMa(r, n, g.mode) +
                util.CheckTail(kTails, 7, r, n) + util.CheckOnlySameTail(kSameTails, 3, r, n) +
                util.CheckSameTailNum(kCodes, 3, r, n);
    for (int k = 0; k < 3; ++k) {
        total += util.GetLuShuNum(r, n, k) + util.GetLuShuSum(r, n, k);
    }
    for (int e = 0; e < 5; ++e) {
        total += util.GetWuXingNum(r, n, e, g.mode);
    }
    total += util.GetBigOrSmallSum(r, n, 0, g.limit) + util.GetBigOrSmallSum(r, n, 1, g.limit) +
             util.GetOddOrEvenSum(r, n, 1) + util.GetOddOrEvenSum(r, n, 0) + util.GetZhiOrHeSum(r, n, 1) +
             util.GetZhiOrHeSum(r, n, 0);
    return total + ClassStrings(util, g, r) + PairCodes(util, g, r);
}
ROW_STAT(AllStatistics, AllStatistics(util, g, r));

} // namespace

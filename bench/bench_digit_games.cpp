// The digit games' whole spaces through their real plug-ins: the seven-digit game with a typical
// choice of ten conditions and the rule-out of 180 past draws, the six-digit game joined with all
// twelve labels, each beside the bare enumeration of the same candidates. Reports ns per
// candidate and the most memory a run held.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "calculation/plugin_library.h"
#include "peak_memory.h"
#include "support/condition_builder.h"

namespace {

using testsupport::ConditionMap;
using testsupport::ConditionOptions;
using testsupport::Range;

// 180 past draws of seven digits, fixed by the seed.
std::vector<std::vector<int>> PastDraws(int digits)
{
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<std::vector<int>> draws(180, std::vector<int>(static_cast<std::size_t>(digits)));
    for (auto &draw : draws) {
        for (int &d : draw) {
            d = digit(random);
        }
    }
    return draws;
}

// Ten conditions as a player picks them for seven digits: each keeps the likelier values, one is
// tolerated once.
ConditionMap TypicalSevenDigitChoice(ConditionMap m)
{
    m.Set(L"heZhi", Range(22, 41))
        .Set(L"kuaDu", Range(6, 9))
        .Set(L"oddEvenRate", L"25,34,43,52")
        .Set(L"bigSmallRate", L"25,34,43,52")
        .Set(L"zhiHeRate", L"16,25,34,43,52", ConditionOptions{.canBeWrong = true})
        .Set(L"luShuRate", L"223,232,322,133,313,331,124,142,214,241,412,421")
        .Set(L"threeAreaRate", L"223,232,322,133,313,331,124,142,214,241,412,421,34,304,340,43,403,430")
        .Set(L"diffNum", L"4,5,6")
        .Set(L"numLag", Range(0, 8))
        .Set(L"ruleOutOldData", L"7");
    return m;
}

struct PluginRun {
    explicit PluginRun(const wchar_t *game)
    {
        if (library.Open(QEL_STAGE_DIR "/" + calculation::PluginPathForGame(game))) {
            chain = library.MakeChain();
        }
        beforeFirstRun = benchsupport::BytesInUse();
    }
    // One run as the program makes it; the peak of memory the chain held during it over what the
    // process held before the chain's first run, so that the memory a chain keeps from the run
    // before counts as the run's.
    // NOLINTNEXTLINE(readability-make-member-function-const): it runs the chain
    std::size_t Run(const ConditionMap &conditions)
    {
        chain->ResetAll();
        chain->DeleteOldData();
        benchsupport::ResetPeak();
        chain->SetNodeData(conditions.map(), 0);
        chain->SetNodeData(conditions.map(), 1);
        chain->Filter();
        return benchsupport::PeakBytes() - beforeFirstRun;
    }
    calculation::PluginLibrary library;
    calculation::ChainHandle chain{nullptr, {}};
    std::size_t beforeFirstRun = 0;
};

void Report(benchmark::State &state, long long candidates, std::size_t peak, const PluginRun &run)
{
    state.counters["seconds_per_candidate"] =
        benchmark::Counter(static_cast<double>(candidates) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.counters["stored"] = static_cast<double>(run.chain->resultList()->size());
    state.counters["primaryTotal"] = run.chain->primaryTotal();
}

void BM_Tc7Of10_WholeSpace_TenConditionsAndRuleOut(benchmark::State &state)
{
    PluginRun run(L"Tc7Of10");
    if (!run.chain) {
        state.SkipWithError(run.library.error().c_str());
        return;
    }
    run.chain->SetOldDataForRuleOut(PastDraws(7));
    ConditionMap m(L"dataSourceNew", L"", 1);
    m.Set(L"baseNums", Range(0, 9));
    m = TypicalSevenDigitChoice(m);
    std::size_t peak = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark's loop variable
        peak = std::max(peak, run.Run(m));
    }
    Report(state, 10'000'000, peak, run);
}
BENCHMARK(BM_Tc7Of10_WholeSpace_TenConditionsAndRuleOut)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Tc7Of10_WholeSpace_NoCondition(benchmark::State &state)
{
    PluginRun run(L"Tc7Of10");
    if (!run.chain) {
        state.SkipWithError(run.library.error().c_str());
        return;
    }
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(0, 9));
    std::size_t peak = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark's loop variable
        peak = std::max(peak, run.Run(m));
    }
    Report(state, 10'000'000, peak, run);
}
BENCHMARK(BM_Tc7Of10_WholeSpace_NoCondition)->Unit(benchmark::kMillisecond)->UseRealTime();

// The baseline: every row of the positions over ten digits, position by position, with nothing
// tested; each row counted as as many bets as labels are joined to it.
void BareEnumeration(benchmark::State &state, int positions, long long betsPerRow)
{
    long long rows = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark's loop variable
        int row[10] = {};
        long long bets = 0;
        for (rows = 0;; ++rows) {
            benchmark::DoNotOptimize(row);
            bets += betsPerRow;
            int i = positions - 1;
            while (i >= 0 && row[i] == 9) {
                row[i--] = 0;
            }
            if (i < 0) {
                break;
            }
            ++row[i];
        }
        benchmark::DoNotOptimize(bets);
    }
    state.counters["seconds_per_candidate"] =
        benchmark::Counter(static_cast<double>(rows + 1) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_SevenDigitBareEnumeration(benchmark::State &state)
{
    BareEnumeration(state, 7, 1);
}
BENCHMARK(BM_SevenDigitBareEnumeration)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Fc6Of10_WholeSpace_TwelveLabels(benchmark::State &state)
{
    PluginRun run(L"Fc6Of10");
    if (!run.chain) {
        state.SkipWithError(run.library.error().c_str());
        return;
    }
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums_red", Range(0, 9)).Set(L"baseNums_blue", Range(1, 12));
    std::size_t peak = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark's loop variable
        peak = std::max(peak, run.Run(m));
    }
    Report(state, 1'000'000, peak, run);
}
BENCHMARK(BM_Fc6Of10_WholeSpace_TwelveLabels)->Unit(benchmark::kMillisecond)->UseRealTime();

// The baseline: the same million six-digit rows, each joined with its twelve labels by counting.
void BM_SixDigitBareEnumeration(benchmark::State &state)
{
    BareEnumeration(state, 6, 12);
}
BENCHMARK(BM_SixDigitBareEnumeration)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// Runs of the lotto games through their real plug-ins, over their whole spaces, with a typical
// choice of conditions and the rule-out of 180 past draws. Each reports ns per candidate (the
// space of the game) and the run's peak heap; the baselines enumerate the same candidates bare.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>

#include "calculation/plugin_library.h"
#include "peak_memory.h"
#include "support/condition_builder.h"
#include "typical_conditions.h"

namespace {

using testsupport::ConditionMap;
using testsupport::Range;

// Every ascending k of 1..n, each only summed: the floor under any filter of the same space.
long long BareEnumeration(int n, int k)
{
    long long checksum = 0;
    int row[8];
    auto descend = [&](auto &&self, int level, int from) -> void {
        for (int v = from; v <= n - (k - 1 - level); ++v) {
            row[level] = v;
            if (level == k - 1) {
                checksum += row[0] + v;
            } else {
                self(self, level + 1, v + 1);
            }
        }
    };
    descend(descend, 0, 1);
    return checksum;
}

void ReportPerCandidate(benchmark::State &state, double candidatesPerRun)
{
    state.counters["seconds_per_candidate"] =
        benchmark::Counter(candidatesPerRun * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Bare(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const int k = static_cast<int>(state.range(1));
    long long candidates = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark's loop variable
        benchmark::DoNotOptimize(BareEnumeration(n, k));
    }
    candidates = 1;
    for (int i = 0; i < k; ++i) {
        candidates = candidates * (n - i) / (i + 1);
    }
    ReportPerCandidate(state, static_cast<double>(candidates));
}
BENCHMARK(BM_Bare)->Args({30, 7})->Args({35, 5})->Args({33, 6})->Unit(benchmark::kMillisecond)->UseRealTime();

// Ten conditions as a player picks them for a game of k numbers of 1..n: each keeps the likelier
// values, so together they narrow the candidates the way a real choice does.
ConditionMap TenConditions(ConditionMap m, int k, int n)
{
    auto rates = [k](int low, int high) {
        std::wstring codes;
        for (int a = low; a <= high; ++a) {
            codes += (codes.empty() ? L"" : L",") + std::to_wstring(a * 10 + (k - a));
        }
        return codes;
    };
    // Counts of three classes that add up to k, none above k - 2.
    std::wstring threeWay;
    for (int a = 0; a <= k; ++a) {
        for (int b = 0; a + b <= k; ++b) {
            const int c = k - a - b;
            if (std::max({a, b, c}) <= k - 2 && std::min({a, b, c}) >= 1) {
                threeWay += (threeWay.empty() ? L"" : L",") + std::to_wstring(a * 100 + b * 10 + c);
            }
        }
    }
    const int middle = k * (n + 1) / 2;
    m.Set(L"kuaDu", Range(n * 2 / 3, n - 1))
        .Set(L"heZhi", Range(middle - 3 * n / 2, middle + 3 * n / 2))
        .Set(L"oddEvenRate", rates(1, k - 1))
        .Set(L"bigSmallRate", rates(1, k - 1))
        .Set(L"zhiHeRate", rates(1, k - 2))
        .Set(L"luShuRate", threeWay)
        .Set(L"threeAreaRate", threeWay)
        .Set(L"acValue", Range(k - 2, 21))
        .Set(L"lianMa", L"0,12,22,13")
        .Set(L"tail", L"0,1,2,3,4,5,6,7,8");
    return m;
}

// 180 past draws of k numbers of 1..n (and back numbers, which rule-out does not compare).
std::vector<std::vector<int>> PastDraws(int k, int n, int back)
{
    std::mt19937 rng(180);
    std::vector<int> pool(static_cast<std::size_t>(n));
    for (int v = 1; v <= n; ++v) {
        pool[static_cast<std::size_t>(v - 1)] = v;
    }
    std::vector<std::vector<int>> draws;
    for (int d = 0; d < 180; ++d) {
        std::shuffle(pool.begin(), pool.end(), rng);
        std::vector<int> draw(pool.begin(), pool.begin() + k);
        std::sort(draw.begin(), draw.end());
        for (int b = 0; b < back; ++b) {
            draw.push_back(1 + (d + b) % 12);
        }
        draws.push_back(draw);
    }
    return draws;
}

struct LottoRun {
    const char *plugin;
    int k, n;
    double candidates; // the game's whole space
};

// Runs the game's chain as the program drives it, the previous run released before each.
void RunPlugin(benchmark::State &state, const LottoRun &game, const ConditionMap &conditions, bool ruleOut)
{
    calculation::PluginLibrary library;
    if (!library.Open(std::string(QEL_STAGE_DIR "/Plugin/") + game.plugin + ".so")) {
        state.SkipWithError(library.error().c_str());
        return;
    }
    calculation::ChainHandle chain = library.MakeChain();
    chain->SetOldDataForRuleOut(ruleOut ? PastDraws(game.k, game.n, 2) : std::vector<std::vector<int>>{});
    // The peak over what the process held before the first run: the memory the chain keeps from
    // the run before counts as the run's.
    const std::size_t beforeFirstRun = benchsupport::BytesInUse();
    std::size_t peak = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark's loop variable
        chain->ResetAll();
        chain->DeleteOldData();
        benchsupport::ResetPeak();
        chain->SetNodeData(conditions.map(), 0);
        chain->SetNodeData(conditions.map(), 1);
        chain->Filter();
        peak = std::max(peak, benchsupport::PeakBytes() - beforeFirstRun);
    }
    ReportPerCandidate(state, game.candidates);
    state.counters["stored"] = static_cast<double>(chain->resultList()->size());
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    chain->ResetAll();
    chain->DeleteAll();
}

const LottoRun kFc7Of30{"Rules-Fc7Of30", 7, 30, 2035800};
const LottoRun kTc5Of35{"Rules-Tc5Of35", 5, 35, 21425712};
const LottoRun kFc6Of33{"Rules-Fc6Of33", 6, 33, 17721088};

void BM_Fc7Of30_TenConditions(benchmark::State &state)
{
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 30));
    RunPlugin(state, kFc7Of30, benchsupport::TypicalSelection(m), false);
}
BENCHMARK(BM_Fc7Of30_TenConditions)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Fc7Of30_TenConditionsRuleOut180(benchmark::State &state)
{
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 30)).Set(L"ruleOutOldData", L"6,7");
    RunPlugin(state, kFc7Of30, benchsupport::TypicalSelection(m), true);
}
BENCHMARK(BM_Fc7Of30_TenConditionsRuleOut180)->Unit(benchmark::kMillisecond)->UseRealTime();

// Ten front conditions, two back conditions and rule-out: every front row and every back pair
// tested once, the join counted and formed up to the cap.
void BM_Tc5Of35_WholeSpace(benchmark::State &state)
{
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums_red", Range(1, 35))
        .Set(L"baseNums_blue", Range(1, 12))
        .Set(L"kuaDuBack", Range(2, 9))
        .Set(L"oddEvenRateBack", L"11,20")
        .Set(L"ruleOutOldData", L"4,5");
    RunPlugin(state, kTc5Of35, TenConditions(m, 5, 35), true);
}
BENCHMARK(BM_Tc5Of35_WholeSpace)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Fc6Of33_WholeSpace(benchmark::State &state)
{
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums_red", Range(1, 33)).Set(L"baseNums_blue", Range(1, 16)).Set(L"ruleOutOldData", L"5,6");
    RunPlugin(state, kFc6Of33, TenConditions(m, 6, 33), true);
}
BENCHMARK(BM_Fc6Of33_WholeSpace)->Unit(benchmark::kMillisecond)->UseRealTime();

// The covering reduction of a game with back pairs is not capped: every front row it keeps makes
// a row with each of the 66 pairs. The front conditions leave fewer than 100,000 rows to reduce.
void BM_Tc5Of35_Covering(benchmark::State &state)
{
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums_red", Range(1, 35))
        .Set(L"baseNums_blue", Range(1, 12))
        .Set(L"rotateMatrix", L"_4bao3")
        .Set(L"heZhi", Range(80, 100))
        .Set(L"oddEvenRate", L"23,32");
    RunPlugin(state, kTc5Of35, m, false);
}
BENCHMARK(BM_Tc5Of35_Covering)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

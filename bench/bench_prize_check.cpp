// The prize check of the largest compound bets the pages accept: every front number of the pool
// (C(33,6), C(35,5)·C(12,2), C(30,7) single bets) against one draw.
#include <string>

#include <benchmark/benchmark.h>

#include "calculation/prize_check.h"

namespace {

std::wstring AllNumbers(int pool)
{
    std::wstring text;
    for (int v = 1; v <= pool; ++v) {
        text += (v > 1 ? L"," : L"") + std::to_wstring(v);
    }
    return text;
}

void BM_PrizeCheck(benchmark::State &state, int frontPool, int backPool, const wchar_t *category,
                   const wchar_t *drawn)
{
    const std::wstring front = AllNumbers(frontPool);
    const std::wstring back = backPool ? AllNumbers(backPool) : std::wstring();
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculation::CheckPrizes(front, back, category, drawn));
    }
}

BENCHMARK_CAPTURE(BM_PrizeCheck, Fc6Of33_all_33_and_16, 33, 16, L"Fc6Of33_Fc", L"01,05,12,18,23,30,08");
BENCHMARK_CAPTURE(BM_PrizeCheck, Tc5Of35_all_35_and_12, 35, 12, L"Tc5Of35_Tc", L"01,05,12,18,23,03,08");
BENCHMARK_CAPTURE(BM_PrizeCheck, Fc7Of30_all_30, 30, 0, L"Fc7Of30_Fc", L"01,05,12,18,23,27,30,09");

} // namespace

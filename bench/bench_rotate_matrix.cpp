// Rotation matrices over every six-number row of a pool: the covering form "_6bao5" and the
// spread form, as the lotto games run them after a filter that keeps every row.
#include <benchmark/benchmark.h>

#include "test_chain.h"

namespace {

using calculation::NumberRow;
using calculation::ZxBy;
using testsupport::TestChain;

struct Rows {
    std::vector<std::vector<int>> storage;
    std::vector<NumberRow> rows;
    std::vector<int> pool;
};

Rows EverySixNumberRow(int poolSize)
{
    Rows r;
    for (int v = 1; v <= poolSize; ++v) {
        r.pool.push_back(v);
    }
    r.storage = TestChain::cXy(r.pool, 6);
    for (auto &row : r.storage) {
        r.rows.push_back(row.data());
    }
    return r;
}

void BM_Covering6Bao5(benchmark::State &state)
{
    Rows r = EverySixNumberRow(static_cast<int>(state.range(0)));
    ZxBy by{&r.rows, 6, 6, 5, r.pool};
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = TestChain::RotateMatrix(by).size();
    }
    state.counters["rows"] = static_cast<double>(r.rows.size());
    state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_Covering6Bao5)->Arg(20)->Arg(22)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Spread6Bao5(benchmark::State &state)
{
    Rows r = EverySixNumberRow(static_cast<int>(state.range(0)));
    ZxBy by{&r.rows, 6, 6, 5, r.pool};
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = TestChain::RotateMatrix(by, 1).size();
    }
    state.counters["rows"] = static_cast<double>(r.rows.size());
    state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_Spread6Bao5)->Arg(20)->Arg(22)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

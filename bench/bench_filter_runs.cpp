// Filter runs through the real chain: the product's hot path. Reports ns per candidate.
#include <benchmark/benchmark.h>

#include <string>

#include "calculation/plugin_library.h"
#include "support/condition_builder.h"
#include "test_chain.h"
#include "typical_conditions.h"

namespace {

using testsupport::ConditionMap;
using testsupport::ConditionOptions;

using testsupport::Range;

// Ten conditions whose allowed values let (nearly) every candidate reach every test, the last of
// them ("tail", allowed tails 1-5) then keeping about one row in a hundred, as a real choice of
// conditions does: the filter's cost, not the cost of storing two million rows.
ConditionMap TypicalConditions(ConditionMap m)
{
    ConditionOptions tolerated{.canBeWrong = true};
    m.Set(L"heZhi", Range(0, 250), tolerated)
        .Set(L"kuaDu", Range(0, 40))
        .Set(L"oddEvenRate", L"7,16,25,34,43,52,61,70")
        .Set(L"bigSmallRate", L"7,16,25,34,43,52,61,70")
        .Set(L"zhiHeRate", L"7,16,25,34,43,52,61,70")
        .Set(L"luShuRate", Range(0, 700))
        .Set(L"threeAreaRate", Range(0, 700))
        .Set(L"acValue", Range(0, 21))
        .Set(L"lianMa", L"0,12,13,14,15,16,17,22,23,32,1213,1214,1215,1314,2213")
        .Set(L"tail", Range(1, 5));
    return m;
}

ConditionMap EveryCondition(ConditionMap m, int positions, int maxNumber)
{
    m = TypicalConditions(std::move(m));
    m.Set(L"tail", Range(0, 9));
    const std::wstring numbers = Range(0, maxNumber);
    for (int i = 0; i < positions; ++i) {
        m.Set(L"pos" + std::to_wstring(i), numbers);
    }
    // Banker groups are left out: they reject most rows at the first test, which would hide
    // the cost of all the others.
    for (const wchar_t *key :
         {L"heZhiTail", L"tailSum", L"average", L"maximumNum", L"minimumNum", L"linHaoLag"}) {
        m.Set(key, Range(0, 400));
    }
    m.Set(L"feiMa", L"60").Set(L"shaZuHeOne", L"0").Set(L"shaZuHeTwo", L"0");
    calculation::Data last = testsupport::MakeCondition(L"lastNum", Range(0, 7));
    last.lastNums = {1, 5, 9, 13, 17, 21, 25};
    m.Put(last);
    for (const wchar_t *key :
         {L"shapeSum00Small", L"shapeSum01Big", L"shapeSum02Odd", L"shapeSum03Even", L"shapeSum04Zhi",
          L"shapeSum05He", L"shapeSum06Lu0", L"shapeSum07Lu1", L"shapeSum08Lu2"}) {
        m.Set(key, Range(0, 250));
    }
    m.Set(L"sameTail", L"0,1,2,3,4,5,6,7,8,9,-1")
        .Set(L"sameTailNum", L"0,12,13,14,15,16,17,22,23,32,1213,1214,1215,1314,2213");
    for (int r = 0; r < 3; ++r) {
        m.Set(L"luShuNum" + std::to_wstring(r), Range(0, 7));
    }
    for (int e = 0; e < 5; ++e) {
        m.Set(L"wuXingNum" + std::to_wstring(e), Range(0, 7));
    }
    std::wstring codes;
    for (int a = 0; a <= maxNumber; ++a) {
        for (int b = a; b <= maxNumber; ++b) {
            codes += (codes.empty() ? L"" : L",") + std::to_wstring(a) + std::to_wstring(b);
        }
    }
    for (int i = 0; i < positions; ++i) {
        for (int j = i + 1; j < positions; ++j) {
            std::wstring pair = std::to_wstring(i) + std::to_wstring(j);
            m.Set(L"erWeiHe" + pair, Range(0, 80))
                .Set(L"erWeiCha" + pair, Range(0, 40))
                .Set(L"erWeiMa" + pair, codes);
        }
    }
    // The last test, the tenth custom group, keeps only rows without any of 1..10 (about one in
    // twenty-six), so every other test runs on every candidate but the run stores few rows.
    for (int g = 0; g < 10; ++g) {
        bool last = g == 9;
        calculation::Data group =
            testsupport::MakeCondition(L"ziDingYi" + std::to_wstring(g), last ? Range(1, 10) : L"1,2,3");
        group.allowNums = last ? std::vector<int>{0} : std::vector<int>{0, 1, 2, 3};
        m.Put(group);
    }
    return m;
}

void RunLotto(benchmark::State &state, const ConditionMap &conditions)
{
    testsupport::TestChain chain(testsupport::GameShape{7, 0, 16, 10, 1});
    chain.CreateChainNode();
    long long candidates = 0;
    for (auto _ : state) {
        chain.ResetAll();
        chain.DeleteOldData();
        chain.SetNodeData(conditions.map(), 0);
        chain.SetNodeData(conditions.map(), 1);
        chain.Filter();
        candidates += 2035800; // C(30, 7)
        benchmark::DoNotOptimize(chain.resultList()->size());
    }
    state.counters["seconds_per_candidate"] = benchmark::Counter(
        static_cast<double>(candidates), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["kept"] = static_cast<double>(chain.resultList()->size());
}

// The baseline of the runs over 30 choose 7: the same candidates enumerated in the same order,
// each only summed, with nothing tested and nothing stored.
void BM_BareEnumeration30Choose7(benchmark::State &state)
{
    long long candidates = 0;
    for (auto _ : state) {
        long long checksum = 0;
        int row[7];
        auto descend = [&](auto &&self, int level, int from) -> void {
            for (int v = from; v <= 30 - (6 - level); ++v) {
                row[level] = v;
                if (level == 6) {
                    checksum += row[0] + row[3] + v;
                } else {
                    self(self, level + 1, v + 1);
                }
            }
        };
        descend(descend, 0, 1);
        benchmark::DoNotOptimize(checksum);
        candidates += 2035800;
    }
    state.counters["seconds_per_candidate"] = benchmark::Counter(
        static_cast<double>(candidates), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BareEnumeration30Choose7)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DoFilter30Choose7_TenConditions(benchmark::State &state)
{
    ConditionMap m(L"dataSourceNew", L"", 1);
    m.Set(L"baseNums", Range(1, 30));
    RunLotto(state, TypicalConditions(m));
}
BENCHMARK(BM_DoFilter30Choose7_TenConditions)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DoFilter30Choose7_TypicalSelection(benchmark::State &state)
{
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 30));
    RunLotto(state, benchsupport::TypicalSelection(m));
}
BENCHMARK(BM_DoFilter30Choose7_TypicalSelection)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DoFilter30Choose7_EveryCondition(benchmark::State &state)
{
    ConditionMap m(L"dataSourceNew", L"", 1);
    m.Set(L"baseNums", Range(1, 30));
    RunLotto(state, EveryCondition(m, 7, 30));
}
BENCHMARK(BM_DoFilter30Choose7_EveryCondition)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Magic3StraightRun_EveryCondition(benchmark::State &state)
{
    calculation::PluginLibrary library;
    if (!library.Open(QEL_STAGE_DIR "/Plugin/Rules-Magic3.so")) {
        state.SkipWithError(library.error().c_str());
        return;
    }
    calculation::ChainHandle chain = library.MakeChain();
    ConditionMap m(L"dataSourceNew", L"zhiXuan", 1);
    m.Set(L"baseNums", Range(0, 9));
    m = EveryCondition(m, 3, 9);
    m.Set(L"erMa", L"1,2,3,4,5,6,7,8,9", ConditionOptions{.include = false})
        .Set(L"numLag", L"0,1,2,3")
        .Set(L"diffNum", L"1,2,3")
        .Set(L"chongMa", Range(-1, 9));
    for (const wchar_t *key : {L"bigSmallDingWei", L"oddEvenDingWei", L"zhiHeDingWei", L"luShu012DingWei",
                               L"threeAreaDingWei", L"wuXingDingWei"}) {
        m.Put(testsupport::MakePattern(key, {L"01234", L"01234", L"01234"}));
    }
    std::wstring binary, ternary;
    for (int v = 0; v < 27; ++v) {
        if (v < 8) {
            binary += (binary.empty() ? L"" : L",") + std::wstring{wchar_t(L'0' + (v >> 2)),
                                                                   wchar_t(L'0' + ((v >> 1) & 1)),
                                                                   wchar_t(L'0' + (v & 1))};
        }
        ternary += (ternary.empty() ? L"" : L",") +
                   std::wstring{wchar_t(L'0' + v / 9), wchar_t(L'0' + v / 3 % 3), wchar_t(L'0' + v % 3)};
    }
    m.Set(L"bigSmall", binary)
        .Set(L"oddEven", binary)
        .Set(L"zhiHe", binary)
        .Set(L"luShu012", ternary)
        .Set(L"threeArea", ternary);
    chain->SetOldDataForRuleOut({{1, 2, 3}});
    m.Set(L"ruleOutOldData", L"0", ConditionOptions{.canBeWrong = true});
    long long candidates = 0;
    for (auto _ : state) {
        chain->ResetAll();
        chain->DeleteOldData();
        chain->SetNodeData(m.map(), 0);
        chain->SetNodeData(m.map(), 1);
        chain->Filter();
        candidates += 1000;
    }
    state.counters["seconds_per_candidate"] = benchmark::Counter(
        static_cast<double>(candidates), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["kept"] = static_cast<double>(chain->resultList()->size());
    chain->ResetAll();
    chain->DeleteAll();
}
BENCHMARK(BM_Magic3StraightRun_EveryCondition)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

// The old-number path: an old-number file opened and checked ("OpenOldNum"), and a "Filter" run
// over an old-number list, each beside the bare work on the same rows, for lists up to the
// limit of 10000 rows and for files at the size limit. Complexity fits show the growth per row.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "basekit/json_util.h"
#include "basekit/string_split.h"
#include "basekit/text_convert.h"
#include "files/user_files.h"
#include "filter/filter_context.h"
#include "handlers/result_handlers.h"

namespace {

constexpr std::size_t kFileLimit = std::size_t{1} << 20;

// Three-digit rows "000\r\n" .. in order, as a player's old-number file holds them.
std::string Rows(long long count, const std::string &padding = "")
{
    std::string text;
    for (long long i = 0; i < count; ++i) {
        char row[4];
        std::snprintf(row, sizeof row, "%03lld", i % 1000);
        text += row + padding + "\r\n";
    }
    return text;
}

std::string TemporaryFile(const std::string &bytes)
{
    std::string path = "/tmp/qel-bench-old-numbers-" + std::to_string(::getpid()) + ".txt";
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

void RunOpen(benchmark::State &state, const std::string &bytes, long long rows)
{
    const std::string path = TemporaryFile(bytes);
    for (auto _ : state) {
        qel::UserFileText file = qel::ReadUserFile(path, kFileLimit);
        benchmark::DoNotOptimize(qel::OldNumberReply(file.text));
    }
    std::remove(path.c_str());
    state.SetComplexityN(rows);
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
}

// "OpenOldNum" after the dialog: read, decode, count, rewrite.
void BM_OpenOldNumFile(benchmark::State &state)
{
    RunOpen(state, Rows(state.range(0)), state.range(0));
}
BENCHMARK(BM_OpenOldNumFile)->RangeMultiplier(2)->Range(625, 10000)->Complexity(benchmark::oN);

// Files of 1 MiB: 10000 rows padded with blanks (accepted), and 209715 short rows (refused by the
// row count before any rewriting).
void BM_OpenOldNumFileAtSizeLimit(benchmark::State &state)
{
    const bool padded = state.range(0) == 0;
    std::string bytes = padded ? Rows(10000, std::string(kFileLimit / 10000 - 5, ' ')) : Rows(kFileLimit / 5);
    bytes.resize(std::min(bytes.size(), kFileLimit));
    RunOpen(state, bytes, padded ? 10000 : static_cast<long long>(kFileLimit / 5));
}
BENCHMARK(BM_OpenOldNumFileAtSizeLimit)->Arg(0)->Arg(1);

// The baseline: the same file read and split into its rows, nothing else.
void BM_BareReadAndSplit(benchmark::State &state)
{
    const std::string bytes = Rows(state.range(0));
    const std::string path = TemporaryFile(bytes);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string read((std::istreambuf_iterator<char>(in)), {});
        benchmark::DoNotOptimize(basekit::StrSplit(basekit::CStrA2CStrW(read), L"\r\n"));
    }
    std::remove(path.c_str());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BareReadAndSplit)->RangeMultiplier(2)->Range(625, 10000)->Complexity(benchmark::oN);

std::wstring FilterRequest(const std::wstring &oldNumbers)
{
    return L"{\"method\":\"Filter\",\"items\":[{\"name\":\"dataSource\",\"chosenItem\":\"dataSourceOld\"},"
           L"{\"name\":\"oldNum\",\"chosenItem\":\"" +
           oldNumbers +
           L"\"},{\"name\":\"castType\",\"chosenItem\":\"zhiXuan\"},{\"name\":\"maxWrong\",\"chosenItem\":"
           L"\"0\"},{\"name\":\"baseNums\",\"chosenItem\":\"0,1,2,3,4,5,6,7,8,9\"},{\"name\":\"heZhi\","
           L"\"chosenItem\":\"5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22\"}]}";
}

// "Filter" over an old-number list of Magic3 in straight play, as the page sends it (rows
// separated by "|"), through the program's filter command and the real plug-in.
void BM_FilterOldNumbers(benchmark::State &state)
{
    if (::chdir(QEL_STAGE_DIR) != 0) {
        state.SkipWithError("no stage folder");
        return;
    }
    qel::CFilterContext context(L"qel://base");
    context.SwitchPlugin(L"Magic3");
    if (!context.chain()) {
        state.SkipWithError(context.lastError().c_str());
        return;
    }
    std::wstring rows = basekit::CStrA2CStrW(Rows(state.range(0)));
    basekit::ReplaceAll(rows, L"\r\n", L"|");
    const Json::Value request = basekit::JsonUtil::JsonStrToJsonObj(FilterRequest(rows));
    for (auto _ : state) {
        benchmark::DoNotOptimize(context.OnFilter(request));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FilterOldNumbers)
    ->RangeMultiplier(2)
    ->Range(625, 10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

// The baseline: the same entries split and read into rows, without conditions or a chain.
void BM_BareOldNumberRows(benchmark::State &state)
{
    std::wstring rows = basekit::CStrA2CStrW(Rows(state.range(0)));
    basekit::ReplaceAll(rows, L"\r\n", L"|");
    for (auto _ : state) {
        long long sum = 0;
        for (const std::wstring &entry : basekit::StrSplit(rows, L"|")) {
            for (wchar_t c : entry) {
                sum += c - L'0';
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BareOldNumberRows)
    ->RangeMultiplier(2)
    ->Range(625, 10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

} // namespace

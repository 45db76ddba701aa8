// The statistics that the filter calls per candidate must not allocate: this binary replaces the
// global operator new with a counting one and runs every such member over rows of each kind of
// game, including rows longer than any buffer of the original design.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "calculation/calculation_util.h"
#include "support/counting_allocator.h"

namespace calculation {
namespace {

struct GameRow {
    const char *name;
    std::vector<int> row;
    int limit, width, mode;
};

/// Runs every per-candidate member once; the sum keeps the calls from being optimised away.
long RunHotPath(const CCalculationUtil &util, const GameRow &g, const std::vector<std::vector<int>> &allowed,
                const std::vector<int> &list, ClassText &text)
{
    const int *r = g.row.data();
    int n = static_cast<int>(g.row.size());
    const int *l = list.data();
    int nl = static_cast<int>(list.size());
    const int pair[] = {0, 1};
    long total = util.GetSum(r, n) + util.GetTailSum(r, n) + util.GetSumTail(r, n) + util.GetSpan(r, n) +
                 util.GetBiggest(r, n) + util.GetSmallest(r, n) + util.GetAverage(r, n) +
                 util.GetBiggestLag(r, n) + util.GetAc(r, n) + util.OddEvenRate(r, n) + util.ZhiHeRate(r, n) +
                 util.BigSmallRate(r, n, g.limit) + util.ThreeAreaRate(r, n, g.width) + util.LuShuRate(r, n);
    for (int k = 0; k < 3; ++k) {
        total += util.GetOddOrEvenSum(r, n, k % 2) + util.GetZhiOrHeSum(r, n, k % 2) +
                 util.GetBigOrSmallSum(r, n, k % 2, g.limit) + util.GetLuShuNum(r, n, k) +
                 util.GetLuShuSum(r, n, k) + util.GetAreaNum(r, n, g.width, k) +
                 util.GetWuXingNum(r, n, k, g.mode) + util.GetZhiOrHeNum(r, n, k);
    }
    total += util.GetErWeiHe(r, pair) + util.GetErWeiCha(r, pair) + util.CheckErMa(l, nl, r, n) +
             util.IsZlOrZsOrBz(r, n) + util.GetLianMa(r, n, g.mode) + util.GetLianMaFor7Ofy(r, n) +
             util.GetSameTailGroupFor5(r, n) + util.GetSameNumGroupFor7(r, n) + util.GetChongMuNum(r, n) +
             util.CheckChongMa(l, nl, r, n) + util.CheckChongMaNum(l, nl, r, n) +
             util.CheckSameTailNum(l, nl, r, n) + util.CheckTail(l, nl, r, n) +
             util.CheckOnlySameTail(l, nl, r, n) + util.CheckSameTail(r, n, l, nl, 1) +
             util.CheckZiDingYi(r, n, l, nl, l, nl);
    total += util.CheckEveryPosBigSmall(r, n, allowed, g.limit) + util.CheckEveryPosZhiHe(r, n, allowed) +
             util.CheckEveryPosArea(r, n, allowed, g.width) + util.CheckEveryPos(r, n, allowed, 2) +
             util.CheckEveryPos(r, n, allowed, 3) + util.CheckEveryPosWuXing(r, n, allowed, g.mode);
    util.GetBigSmall(r, n, g.limit, text);
    total += text.length();
    util.GetOddEven(r, n, text);
    total += text.length();
    util.GetZhiHe(r, n, text);
    total += text.length();
    util.GetLuShuText(r, n, text);
    total += text.length();
    util.GetThreeArea(r, n, g.width, text);
    total += text.length();
    util.GetErWeiMa(r, pair, text);
    total += text.length();
    return total;
}

TEST(HotPathAllocationTest, PerCandidateStatisticsAllocateNothing)
{
    std::vector<int> longRow;
    for (int v = 1; v <= 27; ++v) {
        longRow.push_back(v % 4 == 0 ? v * 100 : v); // wide differences and runs
    }
    const std::vector<GameRow> games{
        {"three digits", {3, 5, 3}, 5, 3, 0},        {"five digits", {9, 0, 4, 4, 8}, 5, 3, 0},
        {"5 of 35", {3, 12, 19, 25, 31}, 18, 12, 1}, {"7 of 30", {2, 7, 8, 15, 21, 22, 30}, 16, 10, 1},
        {"5 of 22", {4, 8, 15, 21, 22}, 12, 7, 1},   {"dice", {2, 2, 1}, 4, 2, 0},
        {"27 numbers", longRow, 18, 12, 1},
    };
    const std::vector<std::vector<int>> allowed(8, std::vector<int>{0, 1, 2, 3, 4});
    const std::vector<int> list{-1, 1, 2, 12, 35};
    CCalculationUtil util;
    ClassText text;
    for (const GameRow &g : games) {
        SCOPED_TRACE(g.name);
        long before = testsupport::AllocationCount();
        long total = RunHotPath(util, g, allowed, list, text);
        long after = testsupport::AllocationCount();
        EXPECT_EQ(after - before, 0);
        EXPECT_NE(total, 0);
    }
}

TEST(HotPathAllocationTest, TheCounterSeesAllocations)
{
    // Kept in a volatile so that the compiler cannot leave the allocations out.
    static std::vector<int> *volatile kept = nullptr;
    long before = testsupport::AllocationCount();
    kept = new std::vector<int>(100);
    long after = testsupport::AllocationCount();
    delete kept;
    EXPECT_GE(after - before, 2);
}

} // namespace
} // namespace calculation

#include "support/condition_builder.h"
#include "test_chain.h"

namespace {

// A candidate's way through both stages, with every kind of first-stage condition enabled,
// allocates nothing.
TEST(HotPathAllocationTest, FilterStagesAllocateNothingPerCandidate)
{
    testsupport::TestChain chain(testsupport::GameShape{7, 0, 16, 10, 1});
    chain.CreateChainNode();
    testsupport::ConditionMap m(L"dataSourceNew", L"", 3);
    testsupport::ConditionOptions tolerated{.canBeWrong = true};
    for (const wchar_t *key :
         {L"kuaDu",       L"heZhi",      L"heZhiTail",  L"tailSum",         L"average",       L"bigSmallRate",
          L"oddEvenRate", L"zhiHeRate",  L"luShuRate",  L"threeAreaRate",   L"lianMa",        L"acValue",
          L"linHaoLag",   L"maximumNum", L"minimumNum", L"shapeSum00Small", L"shapeSum04Zhi", L"luShuNum1",
          L"wuXingNum2",  L"erWeiHe01",  L"erWeiCha25", L"erWeiMa36",       L"sameTailNum",   L"pos3"}) {
        m.Set(key, L"3,12,13,21,25,30", tolerated);
    }
    m.Set(L"tail", L"0,1,2,3,4,5,6,7,8", tolerated).Set(L"sameTail", L"1,2,-1", tolerated);
    m.Set(L"feiMa", L"40")
        .Set(L"shaZuHeOne", L"1,2,3")
        .Put(testsupport::MakePattern(L"oddEvenDingWei", {L"01", L"01", L"01", L"01", L"01", L"01", L"01"}));
    m.Set(L"oddEven", L"1010101,0101010", tolerated).Set(L"threeArea", L"0011222", tolerated);
    chain.SetNodeData(m.map(), 0);
    chain.SetNodeData(m.map(), 1);
    std::vector<std::vector<int>> rows = {{1, 2, 3, 4, 5, 6, 7},
                                          {3, 8, 12, 13, 21, 25, 30},
                                          {2, 9, 14, 17, 22, 26, 29},
                                          {10, 11, 12, 20, 21, 22, 30}};
    long before = testsupport::AllocationCount();
    int accepted = 0;
    for (int pass = 0; pass < 100; ++pass) {
        for (const auto &row : rows) {
            int wrong = 0;
            accepted += chain.GetFirstFilter()->FilterRow(row.data(), 7, wrong);
        }
    }
    EXPECT_EQ(testsupport::AllocationCount() - before, 0);
    EXPECT_GE(accepted, 0);
}

} // namespace

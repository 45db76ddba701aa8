// The shared condition tests of the filter stages, checked against the row statistics they stand
// for, and the tolerance rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>

#include "calculation/calculation_util.h"
#include "support/condition_builder.h"
#include "test_chain.h"

namespace {

using calculation::CCalculationUtil;
using testsupport::ConditionMap;
using testsupport::ConditionOptions;
using testsupport::GameShape;
using testsupport::TestChain;

// Runs one row through both stages of a chain loaded with the conditions.
class StageHarness {
public:
    explicit StageHarness(GameShape shape) : chain_(shape) { chain_.CreateChainNode(); }
    void Load(const ConditionMap &conditions)
    {
        chain_.ResetAll();
        chain_.SetNodeData(conditions.map(), 0);
        chain_.SetNodeData(conditions.map(), 1);
    }
    bool Accepts(const std::vector<int> &row, int *wrongOut = nullptr)
    {
        int wrong = 0;
        bool accepted =
            chain_.GetFirstFilter()->FilterRow(row.data(), static_cast<int>(row.size()), wrong) != 0;
        if (wrongOut) {
            *wrongOut = wrong;
        }
        return accepted;
    }
    TestChain &chain() { return chain_; }

private:
    TestChain chain_;
};

std::wstring Join(const std::set<int> &values)
{
    std::wstring text;
    for (int v : values) {
        text += (text.empty() ? L"" : L",") + std::to_wstring(v);
    }
    return text;
}

std::vector<int> RandomLottoRow(std::mt19937 &rng, int n, int pool)
{
    std::vector<int> all(pool);
    for (int i = 0; i < pool; ++i) {
        all[i] = i + 1;
    }
    std::shuffle(all.begin(), all.end(), rng);
    std::vector<int> row(all.begin(), all.begin() + n);
    std::sort(row.begin(), row.end());
    return row;
}

std::vector<int> RandomDigitRow(std::mt19937 &rng, int n)
{
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<int> row(n);
    for (int &v : row) {
        v = digit(rng);
    }
    return row;
}

struct Statistic {
    const wchar_t *key;
    std::function<int(const CCalculationUtil &, const int *, int, const GameShape &)> value;
};

// Every membership condition of the first stage with the statistic it tests.
std::vector<Statistic> MembershipStatistics()
{
    return {
        {L"kuaDu", [](auto &u, const int *r, int n, auto &) { return u.GetSpan(r, n); }},
        {L"heZhi", [](auto &u, const int *r, int n, auto &) { return u.GetSum(r, n); }},
        {L"heZhiTail", [](auto &u, const int *r, int n, auto &) { return u.GetSumTail(r, n); }},
        {L"tailSum", [](auto &u, const int *r, int n, auto &) { return u.GetTailSum(r, n); }},
        {L"average", [](auto &u, const int *r, int n, auto &) { return u.GetAverage(r, n); }},
        {L"bigSmallRate",
         [](auto &u, const int *r, int n, auto &g) { return u.BigSmallRate(r, n, g.bigStart); }},
        {L"oddEvenRate", [](auto &u, const int *r, int n, auto &) { return u.OddEvenRate(r, n); }},
        {L"zhiHeRate", [](auto &u, const int *r, int n, auto &) { return u.ZhiHeRate(r, n); }},
        {L"luShuRate", [](auto &u, const int *r, int n, auto &) { return u.LuShuRate(r, n); }},
        {L"threeAreaRate",
         [](auto &u, const int *r, int n, auto &g) { return u.ThreeAreaRate(r, n, g.areaWidth); }},
        {L"maximumNum", [](auto &u, const int *r, int n, auto &) { return u.GetBiggest(r, n); }},
        {L"minimumNum", [](auto &u, const int *r, int n, auto &) { return u.GetSmallest(r, n); }},
        {L"lianMa", [](auto &u, const int *r, int n, auto &g) { return u.GetLianMa(r, n, g.mode); }},
        {L"shapeSum00Small",
         [](auto &u, const int *r, int n, auto &g) { return u.GetBigOrSmallSum(r, n, 0, g.bigStart); }},
        {L"shapeSum01Big",
         [](auto &u, const int *r, int n, auto &g) { return u.GetBigOrSmallSum(r, n, 1, g.bigStart); }},
        {L"shapeSum02Odd", [](auto &u, const int *r, int n, auto &) { return u.GetOddOrEvenSum(r, n, 1); }},
        {L"shapeSum03Even", [](auto &u, const int *r, int n, auto &) { return u.GetOddOrEvenSum(r, n, 0); }},
        {L"shapeSum04Zhi", [](auto &u, const int *r, int n, auto &) { return u.GetZhiOrHeSum(r, n, 1); }},
        {L"shapeSum05He", [](auto &u, const int *r, int n, auto &) { return u.GetZhiOrHeSum(r, n, 0); }},
        {L"shapeSum06Lu0", [](auto &u, const int *r, int n, auto &) { return u.GetLuShuSum(r, n, 0); }},
        {L"shapeSum07Lu1", [](auto &u, const int *r, int n, auto &) { return u.GetLuShuSum(r, n, 1); }},
        {L"shapeSum08Lu2", [](auto &u, const int *r, int n, auto &) { return u.GetLuShuSum(r, n, 2); }},
        {L"linHaoLag", [](auto &u, const int *r, int n, auto &) { return u.GetBiggestLag(r, n); }},
        {L"acValue", [](auto &u, const int *r, int n, auto &) { return u.GetAc(r, n); }},
        {L"luShuNum0", [](auto &u, const int *r, int n, auto &) { return u.GetLuShuNum(r, n, 0); }},
        {L"luShuNum2", [](auto &u, const int *r, int n, auto &) { return u.GetLuShuNum(r, n, 2); }},
        {L"wuXingNum0",
         [](auto &u, const int *r, int n, auto &g) { return u.GetWuXingNum(r, n, 0, g.mode); }},
        {L"wuXingNum4",
         [](auto &u, const int *r, int n, auto &g) { return u.GetWuXingNum(r, n, 4, g.mode); }},
        {L"erWeiHe01", [](auto &, const int *r, int, auto &) { return r[0] + r[1]; }},
        {L"erWeiCha13", [](auto &, const int *r, int, auto &) { return std::abs(r[3] - r[1]); }},
    };
}

// For each game shape and condition: the condition allows the statistic of a few random rows;
// over many rows, the stage must accept exactly the rows whose statistic is allowed.
TEST(FilterStageTest, MembershipConditionsTestTheirStatistic)
{
    struct Game {
        const char *name;
        GameShape shape;
        int pool; // 0: digits
    };
    const Game games[] = {
        {"5 of 35", {5, 0, 18, 12, 1}, 35},
        {"7 of 30", {7, 0, 16, 10, 1}, 30},
        {"5 of 22", {5, 0, 12, 7, 1}, 22},
        {"five digits", {5, 0, 5, 3, 0}, 0},
    };
    std::mt19937 rng(20261210);
    CCalculationUtil util;
    for (const Game &game : games) {
        StageHarness harness(game.shape);
        const int n = game.shape.frontCount;
        auto randomRow = [&] {
            return game.pool ? RandomLottoRow(rng, n, game.pool) : RandomDigitRow(rng, n);
        };
        for (const Statistic &stat : MembershipStatistics()) {
            SCOPED_TRACE(testing::Message() << game.name << " " << basekit::CStrW2CStrA(stat.key));
            std::set<int> allowed;
            for (int i = 0; i < 3; ++i) {
                std::vector<int> row = randomRow();
                allowed.insert(stat.value(util, row.data(), n, game.shape));
            }
            ConditionMap m(L"dataSourceNew", L"", 0);
            m.Set(stat.key, Join(allowed));
            harness.Load(m);
            int accepted = 0;
            for (int i = 0; i < 400; ++i) {
                std::vector<int> row = randomRow();
                bool expected = allowed.contains(stat.value(util, row.data(), n, game.shape));
                ASSERT_EQ(harness.Accepts(row), expected);
                accepted += expected;
            }
            EXPECT_GT(accepted, 0);
        }
    }
}

// The same-tail conditions against the checks they stand for, over rows with many shared tails.
TEST(FilterStageTest, SameTailConditionsMatchTheirChecks)
{
    std::mt19937 rng(99);
    CCalculationUtil util;
    struct Case {
        const wchar_t *key;
        std::vector<int> allowed;
    };
    const Case cases[] = {
        {L"sameTail", {1, 3}}, {L"sameTail", {-1}},        {L"sameTail", {0, -1, 7}},
        {L"sameTailNum", {0}}, {L"sameTailNum", {12, 22}}, {L"sameTailNum", {13, 1213, 32}},
    };
    for (int n : {5, 7}) {
        StageHarness harness({n, 0, 18, 12, 1});
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << n << " " << basekit::CStrW2CStrA(c.key));
            std::set<int> allowed(c.allowed.begin(), c.allowed.end());
            ConditionMap m(L"dataSourceNew", L"", 0);
            m.Set(c.key, Join(allowed));
            harness.Load(m);
            for (int i = 0; i < 500; ++i) {
                std::vector<int> row = RandomLottoRow(rng, n, 35);
                int count = static_cast<int>(c.allowed.size());
                bool expected = std::wstring(c.key) == L"sameTail"
                                    ? util.CheckOnlySameTail(c.allowed.data(), count, row.data(), n) != 0
                                    : util.CheckSameTailNum(c.allowed.data(), count, row.data(), n) != 0;
                ASSERT_EQ(harness.Accepts(row), expected);
            }
        }
    }
}

TEST(FilterStageTest, SetTestsOfTheFirstStage)
{
    StageHarness harness({5, 0, 18, 12, 1});
    struct Case {
        const wchar_t *key;
        const wchar_t *values;
        std::vector<int> row;
        bool accepted;
    };
    const Case cases[] = {
        {L"feiMa", L"7,9", {1, 2, 3, 4, 5}, true},
        {L"feiMa", L"7,9", {1, 2, 3, 4, 9}, false},
        {L"shaZuHeOne", L"1,2,3,4,5,6", {1, 2, 3, 4, 5}, false}, // every number inside
        {L"shaZuHeOne", L"1,2,3,4,5,6", {1, 2, 3, 4, 7}, true},
        {L"lastNum", L"2", {1, 2, 3, 4, 5}, true}, // shares 1 and 2 with the last draw 1 2 20 30 33
        {L"lastNum", L"3", {1, 2, 3, 4, 5}, false},
        {L"tail", L"1,2,3,4,5", {1, 12, 23, 34, 5}, true},
        {L"tail", L"1,2,3,4,5", {1, 12, 23, 34, 6}, false},
        {L"erWeiMa01", L"112", {1, 12, 23, 34, 35}, true},
        {L"erWeiMa01", L"121", {1, 12, 23, 34, 35}, false},
        {L"ziDingYi0", L"1,2,3", {1, 2, 13, 24, 35}, true}, // allowed counts 2
        {L"ziDingYi0", L"1,2,3", {1, 12, 13, 24, 35}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << basekit::CStrW2CStrA(c.key) << " " << basekit::CStrW2CStrA(c.values));
        ConditionMap m(L"dataSourceNew", L"", 0);
        m.Set(c.key, c.values);
        if (std::wstring(c.key) == L"lastNum") {
            calculation::Data d = testsupport::MakeCondition(L"lastNum", c.values);
            d.lastNums = {1, 2, 20, 30, 33};
            m.Put(d);
        }
        if (std::wstring(c.key) == L"ziDingYi0") {
            calculation::Data d = testsupport::MakeCondition(L"ziDingYi0", c.values);
            d.allowNums = {2};
            m.Put(d);
        }
        harness.Load(m);
        EXPECT_EQ(harness.Accepts(c.row), c.accepted);
    }
}

TEST(FilterStageTest, BankerGroupsNeedOneWholeGroupWithoutTolerance)
{
    StageHarness harness({5, 0, 18, 12, 1});
    ConditionMap m(L"dataSourceNew", L"", 3);
    m.Set(L"danMa0", L"3,7", ConditionOptions{.canBeWrong = true});
    m.Set(L"danMa1", L"5", ConditionOptions{.canBeWrong = true});
    harness.Load(m);
    EXPECT_TRUE(harness.Accepts({1, 3, 5, 8, 9}));
    EXPECT_TRUE(harness.Accepts({3, 7, 10, 11, 12}));
    EXPECT_FALSE(harness.Accepts({3, 8, 10, 11, 12}));
}

TEST(FilterStageTest, ToleranceCountsFailuresAgainstMaxWrongOverBothStages)
{
    // Row 1 2 3 4 5 fails "heZhi" 20 (sum 15) and "kuaDu" 9 (span 4) in the first stage and
    // "oddEven" 00000 (10101) in the last.
    auto conditions = [](int maxWrong, bool tolerated) {
        ConditionMap m(L"dataSourceNew", L"", maxWrong);
        ConditionOptions o{.canBeWrong = tolerated};
        m.Set(L"heZhi", L"20", o).Set(L"kuaDu", L"9", o).Set(L"oddEven", L"00000", o);
        return m;
    };
    StageHarness harness({5, 0, 18, 12, 1});
    int wrong = 0;
    harness.Load(conditions(3, true));
    EXPECT_TRUE(harness.Accepts({1, 2, 3, 4, 5}, &wrong));
    EXPECT_EQ(wrong, 3);
    harness.Load(conditions(2, true));
    EXPECT_FALSE(harness.Accepts({1, 2, 3, 4, 5}));
    harness.Load(conditions(1, true));
    EXPECT_FALSE(harness.Accepts({1, 2, 3, 4, 5}));
    harness.Load(conditions(9, false));
    EXPECT_FALSE(harness.Accepts({1, 2, 3, 4, 5}));
}

TEST(FilterStageTest, SameTailExclusionRejectsExactlyWhatInclusionAccepts)
{
    StageHarness harness({5, 0, 18, 12, 1});
    std::mt19937 rng(7);
    std::vector<std::vector<int>> rows;
    rows.reserve(300);
    for (int i = 0; i < 300; ++i) {
        rows.push_back(RandomLottoRow(rng, 5, 35));
    }
    ConditionMap inclusive(L"dataSourceNew", L"", 0);
    inclusive.Set(L"sameTail", L"1,3,-1");
    ConditionMap exclusive(L"dataSourceNew", L"", 0);
    exclusive.Set(L"sameTail", L"1,3,-1", ConditionOptions{.include = false});
    std::vector<bool> in;
    std::vector<bool> out;
    harness.Load(inclusive);
    for (auto &r : rows) {
        in.push_back(harness.Accepts(r));
    }
    harness.Load(exclusive);
    for (auto &r : rows) {
        out.push_back(harness.Accepts(r));
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NE(in[i], out[i]);
    }
}

TEST(FilterStageTest, PerPositionPatterns)
{
    StageHarness harness({5, 0, 18, 12, 1});
    struct Case {
        const wchar_t *key;
        std::initializer_list<std::wstring> entries;
        std::vector<int> row;
        bool accepted;
    };
    const Case cases[] = {
        // An empty entry leaves its position free.
        {L"oddEvenDingWei", {L"1", L"", L"", L"", L"0"}, {1, 2, 3, 4, 6}, true},
        {L"oddEvenDingWei", {L"1", L"", L"", L"", L"0"}, {2, 3, 4, 5, 6}, false},
        {L"bigSmallDingWei", {L"0", L"0", L"01", L"1", L"1"}, {1, 2, 20, 21, 22}, true},
        {L"zhiHeDingWei", {L"1", L"1", L"1", L"1", L"0"}, {1, 2, 3, 5, 9}, true},
        {L"luShu012DingWei", {L"1", L"2", L"0", L"1", L"2"}, {1, 2, 3, 4, 5}, true},
        // 22 is in the third area of a 5-of-22 game with areas of 7 ... and of 35 with 12.
        {L"threeAreaDingWei", {L"0", L"0", L"1", L"2", L"2"}, {1, 2, 13, 30, 35}, true},
        // A pattern with more entries than the row has positions reads only the row's positions.
        {L"luShu012DingWei", {L"1", L"2", L"0", L"1", L"2", L"0", L"0", L"0"}, {1, 2, 3, 4, 5}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(basekit::CStrW2CStrA(c.key));
        ConditionMap m(L"dataSourceNew", L"", 0);
        m.Put(testsupport::MakePattern(c.key, c.entries));
        harness.Load(m);
        EXPECT_EQ(harness.Accepts(c.row), c.accepted);
    }
}

TEST(FilterStageTest, ThreeAreaOfTheFiveOf22GameHoldsTwentyTwo)
{
    StageHarness harness({5, 0, 12, 7, 1});
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"threeArea", L"00122");
    m.Put(testsupport::MakePattern(L"threeAreaDingWei", {L"0", L"0", L"1", L"2", L"2"}));
    harness.Load(m);
    EXPECT_TRUE(harness.Accepts({1, 2, 9, 15, 22}));
}

TEST(FilterStageTest, PositionPairsAndBaseNumbersLoad)
{
    TestChain chain({3, 0, 5, 3, 0});
    chain.CreateChainNode();
    ConditionMap m(L"dataSourceOld", L"", 2);
    m.Set(L"baseNums", L"1,2,3");
    chain.SetNodeData(m.map(), 0);
    EXPECT_EQ(chain.firstStage->pairCountForTest(), 3);
    EXPECT_EQ(chain.firstStage->pairAt(0), (std::array<int, 2>{0, 1}));
    EXPECT_EQ(chain.firstStage->pairAt(1), (std::array<int, 2>{0, 2}));
    EXPECT_EQ(chain.firstStage->pairAt(2), (std::array<int, 2>{1, 2}));
    EXPECT_FALSE(chain.firstStage->baseNumsLoaded()) << "base numbers are read only for new candidates";
    EXPECT_EQ(chain.firstStage->maxWrongValue(), 2);
    chain.SetNodeData(m.map(), 0);
    EXPECT_EQ(chain.firstStage->pairCountForTest(), 3) << "a second load starts the pairs again";
}

TEST(FilterStageTest, AnAnnouncedPrefixAndTheOrderOfTestsChangeNoVerdict)
{
    // Every five-digit row, tested once from scratch and once after its first four digits were
    // announced, under conditions whose tests read sums, tails, classes and their sums; more than
    // enough rows for the tests to be reordered several times on the way.
    ConditionOptions tolerated{.canBeWrong = true};
    ConditionMap m(L"dataSourceNew", L"", 2);
    m.Set(L"heZhi", testsupport::Range(10, 30), tolerated)
        .Set(L"kuaDu", L"3,4,5,6,7")
        .Set(L"oddEvenRate", L"23,32,14", tolerated)
        .Set(L"tail", L"0,1,2,3,4,5,6,8")
        .Set(L"sameTailNum", L"0,12", tolerated)
        .Set(L"shapeSum02Odd", testsupport::Range(0, 15), tolerated)
        .Set(L"acValue", L"2,3,4", tolerated)
        .Set(L"lianMa", L"0,12", tolerated);
    auto digits = [](int v) {
        return std::vector<int>{v / 10000, v / 1000 % 10, v / 100 % 10, v / 10 % 10, v % 10};
    };
    // From scratch in the reverse order, so that the tests get reordered at other rows.
    StageHarness plain(GameShape{5, 0, 5, 3, 0});
    plain.Load(m);
    std::vector<int> verdicts(100000); // -1 rejected, else the failures tolerated
    for (int v = 99999; v >= 0; --v) {
        int wrong = 0;
        verdicts[static_cast<std::size_t>(v)] = plain.Accepts(digits(v), &wrong) ? wrong : -1;
    }
    StageHarness prefixed(GameShape{5, 0, 5, 3, 0});
    prefixed.Load(m);
    calculation::AbstractFilter *first = prefixed.chain().GetFirstFilter();
    int accepted = 0;
    for (int v = 0; v < 100000; ++v) {
        std::vector<int> row = digits(v);
        if (v % 10 == 0) {
            first->BeginPrefix(row.data(), 4);
        }
        int wrong = 0;
        bool passed = first->FilterRow(row.data(), 5, wrong) != 0;
        ASSERT_EQ(passed ? wrong : -1, verdicts[static_cast<std::size_t>(v)]) << v;
        accepted += passed ? 1 : 0;
    }
    first->EndPrefix();
    EXPECT_GT(accepted, 1000);
    EXPECT_LT(accepted, 100000);
}

TEST(FilterStageTest, RuleOutRowsAreReplacedAndCapped)
{
    TestChain chain;
    chain.CreateChainNode();
    chain.SetOldDataForRuleOut(std::vector<std::vector<int>>(400, {1, 2, 3, 4, 5}));
    EXPECT_EQ(chain.GetLastFilter()->ruleOutCount(), 365);
    chain.SetOldDataForRuleOut({});
    EXPECT_EQ(chain.GetLastFilter()->ruleOutCount(), 0);
}

} // namespace

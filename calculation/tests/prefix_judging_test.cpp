// The enumeration's short cuts against the plain test of every row: DoFilter judges prefixes (and
// skips the subtrees that cannot pass), judges all last numbers of a prefix at once and counts
// rule-out hits per prefix. Under random choices of conditions, tolerances and pools, it must keep
// exactly the rows, in the same order, that testing each combination on its own keeps.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "basekit/text_convert.h"
#include "calculation/hit_count_rule_out.h"
#include "support/condition_builder.h"
#include "test_chain.h"

namespace {

using testsupport::ConditionMap;
using testsupport::ConditionOptions;
using testsupport::GameShape;
using testsupport::TestChain;

// A random subset of from..to (at least one value) as the page writes it.
std::wstring Pick(std::mt19937 &rng, int from, int to, double share)
{
    std::bernoulli_distribution take(share);
    std::wstring text;
    for (int v = from; v <= to; ++v) {
        if (take(rng)) {
            text += (text.empty() ? L"" : L",") + std::to_wstring(v);
        }
    }
    return text.empty() ? std::to_wstring(std::uniform_int_distribution<int>(from, to)(rng)) : text;
}

// Codes of counts that add up to k over three classes ("212" for 2, 1, 2), a random share of them.
std::wstring ThreeWayCodes(std::mt19937 &rng, int k, double share)
{
    std::bernoulli_distribution take(share);
    std::wstring text;
    for (int a = 0; a <= k; ++a) {
        for (int b = 0; a + b <= k; ++b) {
            if (take(rng)) {
                text += (text.empty() ? L"" : L",") + std::to_wstring(a * 100 + b * 10 + (k - a - b));
            }
        }
    }
    return text.empty() ? std::to_wstring(k * 100) : text;
}

std::wstring RateCodes(std::mt19937 &rng, int k, double share)
{
    std::bernoulli_distribution take(share);
    std::wstring text;
    for (int n = 0; n <= k; ++n) {
        if (take(rng)) {
            text += (text.empty() ? L"" : L",") + std::to_wstring(n * 10 + (k - n));
        }
    }
    return text.empty() ? std::to_wstring(k) : text;
}

// A random choice among the conditions of the first and the last stage, each tolerated or not,
// for rows of k numbers of 1..top.
ConditionMap RandomConditions(std::mt19937 &rng, int k, int top)
{
    std::bernoulli_distribution chosen(0.3);
    std::bernoulli_distribution tolerant(0.5);
    const int maxWrong = std::uniform_int_distribution<int>(0, 3)(rng);
    ConditionMap m(L"dataSourceNew", L"", maxWrong);
    m.Set(L"baseNums", Pick(rng, 1, top, 0.7));
    auto maybe = [&](const std::wstring &key, const std::wstring &values) {
        if (chosen(rng)) {
            m.Set(key, values, ConditionOptions{.canBeWrong = tolerant(rng)});
        }
    };
    const int maxSum = k * top;
    maybe(L"heZhi", Pick(rng, k * (k + 1) / 2, maxSum, 0.5));
    maybe(L"kuaDu", Pick(rng, k - 1, top - 1, 0.5));
    maybe(L"heZhiTail", Pick(rng, 0, 9, 0.6));
    maybe(L"tailSum", Pick(rng, 0, 9 * k, 0.6));
    maybe(L"average", Pick(rng, 1, top, 0.6));
    maybe(L"feiMa", Pick(rng, 1, top, 0.1));
    maybe(L"bigSmallRate", RateCodes(rng, k, 0.6));
    maybe(L"oddEvenRate", RateCodes(rng, k, 0.6));
    maybe(L"zhiHeRate", RateCodes(rng, k, 0.6));
    maybe(L"luShuRate", ThreeWayCodes(rng, k, 0.5));
    maybe(L"threeAreaRate", ThreeWayCodes(rng, k, 0.5));
    maybe(L"maximumNum", Pick(rng, k, top, 0.6));
    maybe(L"minimumNum", Pick(rng, 1, top - k + 1, 0.6));
    maybe(L"shaZuHeOne", Pick(rng, 1, top, 0.6));
    maybe(L"lianMa", L"0,12,13,22,14,1213");
    maybe(L"linHaoLag", Pick(rng, 1, top, 0.5));
    maybe(L"acValue", Pick(rng, 0, 15, 0.6));
    maybe(L"tail", Pick(rng, 0, 9, 0.8));
    maybe(L"sameTail", Pick(rng, -1, 9, 0.4));
    maybe(L"sameTailNum", L"0,12,13,22");
    maybe(L"shapeSum01Big", Pick(rng, 0, maxSum, 0.5));
    maybe(L"shapeSum06Lu0", Pick(rng, 0, maxSum, 0.5));
    maybe(L"luShuNum1", Pick(rng, 0, k, 0.6));
    maybe(L"wuXingNum2", Pick(rng, 0, k, 0.6));
    maybe(L"pos1", Pick(rng, 1, top, 0.7));
    maybe(L"pos" + std::to_wstring(k - 1), Pick(rng, 1, top, 0.7));
    maybe(L"erWeiHe0" + std::to_wstring(k - 1), Pick(rng, 3, 2 * top, 0.6));
    maybe(L"erWeiCha12", Pick(rng, 1, top, 0.6));
    maybe(L"erWeiMa1" + std::to_wstring(k - 1), L"12,23,34,45,56,67,78,89,910,1011,1112,1213,1314");
    maybe(L"oddEven", L"奇奇偶偶奇,奇偶奇偶奇,偶偶偶奇奇");
    if (chosen(rng)) {
        calculation::Data last = testsupport::MakeCondition(L"lastNum", Pick(rng, 0, k, 0.5));
        last.canBeWrong = tolerant(rng);
        last.lastNums = {2, 5, 9, 13, 17, 20};
        m.Put(last);
    }
    if (chosen(rng)) {
        calculation::Data group = testsupport::MakeCondition(L"ziDingYi3", Pick(rng, 1, top, 0.3));
        group.canBeWrong = tolerant(rng);
        group.allowNums = {0, 1};
        m.Put(group);
    }
    if (chosen(rng)) {
        m.Set(L"danMa0", Pick(rng, 1, top, 0.1)).Set(L"danMa1", Pick(rng, 1, top, 0.1));
    }
    return m;
}

// The choice as text, for the message of a failed round.
std::string Describe(const ConditionMap &m)
{
    std::wstring text;
    for (const auto &[key, d] : m.map()) {
        text += key + L"=";
        for (const std::wstring &s : d.strs) {
            text += s + L" ";
        }
        text += d.canBeWrong ? L"(tolerated) " : L" ";
    }
    return basekit::CStrW2CStrA(text);
}

std::vector<std::vector<int>> Rows(const calculation::NumberRowList &list, int k)
{
    std::vector<std::vector<int>> rows;
    for (calculation::NumberRow row : list.rows()) {
        rows.emplace_back(row, row + k);
    }
    return rows;
}

// Every combination of the pool tested on its own, nothing announced: the rows that pass.
std::vector<std::vector<int>> PlainSurvivors(TestChain &chain, const ConditionMap &m, int k)
{
    std::vector<int> pool;
    for (int v : m.map().at(L"baseNums").nums) {
        pool.push_back(v);
    }
    std::sort(pool.begin(), pool.end());
    std::vector<std::vector<int>> kept;
    calculation::AbstractFilter *first = chain.GetFirstFilter();
    first->EndPrefix();
    for (const std::vector<int> &row : TestChain::cXy(pool, k)) {
        int wrong = 0;
        if (first->FilterRow(row.data(), k, wrong) != 0) {
            kept.push_back(row);
        }
    }
    return kept;
}

TEST(PrefixJudging, EnumerationKeepsExactlyTheRowsThatPassOneByOne)
{
    std::mt19937 rng(20240611);
    struct Game {
        int k, top, bigStart, areaWidth;
    };
    const Game games[] = {{5, 22, 12, 7}, {6, 20, 11, 7}, {4, 30, 16, 10}, {7, 22, 12, 8}};
    int nonTrivial = 0;
    for (int round = 0; round < 200; ++round) {
        const Game &g = games[round % 4];
        SCOPED_TRACE("round " + std::to_string(round));
        ConditionMap m = RandomConditions(rng, g.k, g.top);
        SCOPED_TRACE(Describe(m));
        TestChain enumerated(GameShape{g.k, 0, g.bigStart, g.areaWidth, 1});
        enumerated.CreateChainNode();
        enumerated.SetNodeData(m.map(), 0);
        enumerated.SetNodeData(m.map(), 1);
        enumerated.Filter();
        TestChain plain(GameShape{g.k, 0, g.bigStart, g.areaWidth, 1});
        plain.CreateChainNode();
        plain.SetNodeData(m.map(), 0);
        plain.SetNodeData(m.map(), 1);
        std::vector<std::vector<int>> expected = PlainSurvivors(plain, m, g.k);
        std::vector<std::vector<int>> got = Rows(*enumerated.resultList(), g.k);
        ASSERT_EQ(got, expected);
        nonTrivial +=
            !expected.empty() && expected.size() < TestChain::cXy(std::vector<int>(g.top), g.k).size();
    }
    EXPECT_GT(nonTrivial, 50); // most rounds keep some rows and reject others
}

TEST(PrefixJudging, RuleOutHitsPerPrefixEqualTheHitsCountedPerRow)
{
    std::mt19937 rng(7);
    const int k = 5;
    std::vector<std::vector<int>> draws;
    std::vector<int> all;
    for (int v = 1; v <= 35; ++v) {
        all.push_back(v);
    }
    for (int d = 0; d < 180; ++d) {
        std::shuffle(all.begin(), all.end(), rng);
        std::vector<int> draw(all.begin(), all.begin() + k);
        std::sort(draw.begin(), draw.end());
        draw.push_back(1 + d % 12); // back numbers are not compared
        draw.push_back(12);
        draws.push_back(draw);
    }
    for (const wchar_t *counts : {L"5", L"4,5", L"0", L"2,3", L"1,3,5"}) {
        SCOPED_TRACE(testsupport::Range(0, 0) + counts);
        calculation::Condition c;
        c.Assign(testsupport::MakeCondition(L"ruleOutOldData", counts));
        calculation::HitCountRuleOut perPrefix;
        perPrefix.SetDraws(draws, k);
        perPrefix.SetCounts(c);
        long long failures = 0;
        int row[k];
        // The pool 1..20 position by position, each prefix announced, the certain failures of
        // a prefix never above the failures of a row below it.
        auto descend = [&](auto &&self, int level, int from, int certain) -> void {
            for (int v = from; v <= 20 - (k - 1 - level); ++v) {
                row[level] = v;
                if (level == k - 1) {
                    int hits = 0;
                    const std::set<int> numbers(row, row + k);
                    for (const std::vector<int> &draw : draws) {
                        int shared = 0;
                        for (int i = 0; i < k; ++i) {
                            shared += numbers.contains(draw[static_cast<std::size_t>(i)]) ? 1 : 0;
                        }
                        hits += c.Has(shared) ? 1 : 0;
                    }
                    ASSERT_EQ(perPrefix.Failures(row), hits);
                    ASSERT_LE(certain, hits);
                    failures += hits;
                    continue;
                }
                perPrefix.BeginPrefix(row, level + 1);
                // The numbers v + 1 .. 20.
                const std::uint64_t rest = ((std::uint64_t{1} << 21) - 1) & ~((std::uint64_t{2} << v) - 1);
                self(self, level + 1, v + 1, perPrefix.CertainFailures({rest, k - level - 1}));
            }
        };
        descend(descend, 0, 1, 0);
        EXPECT_GT(failures, 0);
    }
}

} // namespace

// The chain core: runs and their release, paging, save text, search, candidate enumeration and
// the rotation matrices.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <set>

#include "basekit/text_convert.h"
#include "support/condition_builder.h"
#include "test_chain.h"

namespace {

using calculation::NumberRow;
using calculation::ZxBy;
using testsupport::ConditionMap;
using testsupport::GameShape;
using testsupport::TestChain;

using testsupport::Range;

class ChainTest : public ::testing::Test {
protected:
    void SetUp() override { chain.CreateChainNode(); }
    void Run(const ConditionMap &m)
    {
        chain.ResetAll();
        chain.SetNodeData(m.map(), 0);
        chain.SetNodeData(m.map(), 1);
        chain.Filter();
    }
    TestChain chain{GameShape{5, 0, 12, 7, 1}};
};

TEST_F(ChainTest, DoFilterTestsEveryCombinationInLexicographicOrder)
{
    std::vector<std::vector<int>> seen;
    chain.firstStage->onTest = [&](const int *row) {
        if (seen.size() < 2) {
            seen.emplace_back(row, row + 5);
        }
    };
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 22));
    Run(m);
    EXPECT_EQ(chain.firstStage->tested, 26334); // C(22, 5)
    EXPECT_EQ(chain.resultList()->size(), 26334U);
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ(seen[0], (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(seen[1], (std::vector<int>{1, 2, 3, 4, 6}));
}

TEST_F(ChainTest, DoFilterCutsThePoolBeforeEnumerating)
{
    std::set<int> used;
    chain.firstStage->onTest = [&](const int *row) { used.insert(row, row + 5); };
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 22)).Set(L"feiMa", L"7").Set(L"minimumNum", L"3,4,5,6").Set(L"pos0", L"5,6");
    m.Set(L"maximumNum", L"20,21").Set(L"pos4", L"19,20,21,22");
    Run(m);
    // lo = 5 (pos0 above minimumNum), hi = 21 (maximumNum below pos4), 7 killed.
    ASSERT_FALSE(used.empty());
    EXPECT_EQ(*used.begin(), 5);
    EXPECT_EQ(*used.rbegin(), 21);
    EXPECT_EQ(used.count(7), 0U);
    // First 5 or 6, last 20 or 21, three between: C(13,3) + C(14,3) + C(12,3) + C(13,3).
    EXPECT_EQ(chain.resultList()->size(), 1156U);
}

TEST_F(ChainTest, ToleratedBoundsAndKilledNumbersDoNotCutThePool)
{
    // A row that fails a tolerated condition may still pass, so the pool keeps what it names.
    const testsupport::ConditionOptions tolerated{.canBeWrong = true};
    ConditionMap m(L"dataSourceNew", L"", 1);
    m.Set(L"baseNums", Range(1, 7)).Set(L"minimumNum", L"3", tolerated);
    Run(m);
    EXPECT_EQ(chain.resultList()->size(), 21U); // C(7, 5): 1 and 2 stay
    ConditionMap killed(L"dataSourceNew", L"", 1);
    killed.Set(L"baseNums", Range(1, 7)).Set(L"feiMa", L"7", tolerated);
    Run(killed);
    EXPECT_EQ(chain.resultList()->size(), 21U);
}

TEST_F(ChainTest, DoFilterKillsNumbersOnlyWhenThatConditionIsEnabled)
{
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 7));
    calculation::Data killed = testsupport::MakeCondition(L"feiMa", L"7");
    killed.enabled = false;
    m.Put(killed);
    Run(m);
    EXPECT_EQ(chain.firstStage->tested, 21); // C(7, 5): 7 stays in the pool
}

TEST_F(ChainTest, DoFilterWithoutPoolOrWithTooFewNumbersGivesNothing)
{
    for (const wchar_t *pool : {L"", L"1,2,3,4"}) {
        ConditionMap m(L"dataSourceNew", L"", 0);
        m.Set(L"baseNums", pool);
        Run(m);
        EXPECT_EQ(chain.resultList()->size(), 0U);
        EXPECT_EQ(chain.firstStage->tested, 0);
    }
    TestChain nine(GameShape{9, 0, 12, 7, 1});
    nine.CreateChainNode();
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 12));
    nine.SetNodeData(m.map(), 0);
    nine.Filter();
    EXPECT_EQ(nine.resultList()->size(), 0U);
}

TEST_F(ChainTest, TheChainNamesThePoolKey)
{
    chain.SetGameKey(L"Tc5Of35"); // the game key alone does not choose the pool
    chain.SetFrontPoolKey(L"baseNums_red");
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 5)).Set(L"baseNums_red", Range(1, 6));
    Run(m);
    EXPECT_EQ(chain.resultList()->size(), 6U);
}

TEST_F(ChainTest, ResultTextWritesPaddedNumbersAndBackNumbers)
{
    EXPECT_EQ(chain.AddRow(L"3,12,19,25,31"), 1);
    EXPECT_EQ(chain.GetResultStr(L"0", L",", L"+", 1, 1), L"03,12,19,25,31");
    EXPECT_EQ(chain.GetResultStr(L"0", L" ", L":", 1, 1), L"03 12 19 25 31");

    TestChain withBack(GameShape{5, 2, 18, 12, 1});
    withBack.AddRow(L"3,12,19,25,31,4,11");
    withBack.AddRow(L"1,2,3,4,5,6,7");
    EXPECT_EQ(withBack.GetResultStr(L"0", L",", L"+", 1, 1), L"03,12,19,25,31+04,11\r\n01,02,03,04,05+06,07");
    EXPECT_EQ(withBack.GetResultStr(L"0", L",", L"+", 1, 0), L"03,12,19,25,31+04,11");
    withBack.SetNoBackInText(1);
    EXPECT_EQ(withBack.GetResultStr(L"0", L",", L"+", 1, 0), L"03,12,19,25,31");
}

TEST_F(ChainTest, TypedRowsMustBeBetsOfTheGame)
{
    TestChain withBack(GameShape{5, 2, 18, 12, 1});
    struct Case {
        const wchar_t *row;
        calculation::RowCheck check;
    } cases[] = {
        {L"1,2,3,4,35,1,12", calculation::RowCheck::Ok},
        {L"0,2,3,4,5,1,2", calculation::RowCheck::NotOfGame},
        {L"1,2,3,4,36,1,2", calculation::RowCheck::NotOfGame},
        {L"1,2,3,4,5,1,13", calculation::RowCheck::NotOfGame},
        {L"1,2,3,4,5,0,2", calculation::RowCheck::NotOfGame},
        {L"1,2,3,4,5,1", calculation::RowCheck::WrongCount},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(withBack.CheckRowText(c.row), c.check) << basekit::CStrW2CStrA(c.row);
        EXPECT_EQ(withBack.AddRow(c.row), c.check == calculation::RowCheck::Ok ? 1 : 0);
    }
    EXPECT_EQ(withBack.resultList()->size(), 1U);
}

TEST_F(ChainTest, ResultTextStopsAboveOneHundredThousandRows)
{
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 5));
    Run(m);
    for (int i = 1; i < 100000; ++i) {
        chain.AddRow(L"1,2,3,4,5");
    }
    ASSERT_EQ(chain.resultList()->size(), 100000U);
    std::wstring text = chain.GetResultStr(L"0", L",", L"+", 1, 1);
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 99999);
    chain.AddRow(L"1,2,3,4,5");
    EXPECT_EQ(chain.GetResultStr(L"0", L",", L"+", 1, 1), L"error_100000");
}

TEST_F(ChainTest, PagesAndTheirTotals)
{
    for (int i = 0; i < 150; ++i) {
        chain.AddRow(L"1,2,3,4," + std::to_wstring(5 + i % 10));
    }
    chain.SetTotals(1000, 0);
    std::wstring page = chain.GetDataByPage(L"0", 100, 2, 1);
    EXPECT_EQ(page.rfind(L"{size:\"50\",items:[{rowNumber:\"101\",", 0), 0U);
    EXPECT_NE(page.find(L"rowNumber:\"150\""), std::wstring::npos);
    EXPECT_EQ(page.find(L"rowNumber:\"151\""), std::wstring::npos);
    EXPECT_EQ(page.substr(page.find(L"}],total")),
              L"}],total:150,primaryTotal:1000,afterFilterLen:0,cutDownRate:\"85.00%\"}");

    TestChain small;
    for (int i = 0; i < 250; ++i) {
        small.AddRow(L"1,2,3,4,5");
    }
    small.SetTotals(1000, 250);
    std::wstring rate = small.GetDataByPage(L"0", 10, 1, 1);
    EXPECT_EQ(rate.substr(rate.find(L",total")),
              L",total:250,primaryTotal:1000,afterFilterLen:250,cutDownRate:\"75.00%\"}");
    // A run that stored only its first rows counted more survivors than its list holds: the rate
    // counts them, and the page is told how many.
    small.SetTotals(1000, 400);
    rate = small.GetDataByPage(L"0", 10, 1, 1);
    EXPECT_EQ(rate.substr(rate.find(L",total")),
              L",total:250,primaryTotal:1000,afterFilterLen:400,cutDownRate:\"60.00%\",countedTotal:400}");
    small.SearchResult(L"all");
    std::wstring search = small.GetDataByPage(L"1", 10, 1, 1);
    EXPECT_EQ(search.substr(search.find(L",total")), L",total:250}");
}

TEST_F(ChainTest, PageRowsCarryTheRowStatistics)
{
    chain.AddRow(L"1,9,13,20,22");
    std::wstring page = chain.GetDataByPage(L"0", 10, 1, 1);
    // Sum 65, span 21; areas of 7: 1 | 9 13 | 20 22; big from 12: 3 big, 2 small; odd 1 9 13;
    // prime 1 13; routes 9 | 1 13 22 | 20.
    EXPECT_NE(page.find(L"sum:\"65\",kuaDu:\"21\",threeArea:\"1:2:2\",bigSmall:\"3:2\",oddEven:\"3:2\","
                        L"zhiHe:\"2:3\",luShu:\"1:3:1\""),
              std::wstring::npos)
        << basekit::CStrW2CStrA(page);
    EXPECT_NE(page.find(L">01</span>"), std::wstring::npos) << "numbers below 10 are padded";
}

TEST_F(ChainTest, SearchesForRunsAndSameTails)
{
    chain.AddRow(L"1,2,10,20,30"); // a run, tails 1 2 0 0 0
    chain.AddRow(L"1,3,15,27,33"); // no run, tails 1 3 5 7 3
    chain.AddRow(L"2,4,6,8,19");   // no run, no same tail
    EXPECT_EQ(chain.SearchResult(L"lianHao")->size(), 1U);
    EXPECT_EQ(chain.SearchResult(L"notLianHao")->size(), 2U);
    EXPECT_EQ(chain.SearchResult(L"sameTail")->size(), 2U);
    EXPECT_EQ(chain.SearchResult(L"notSameTail")->size(), 1U);
    EXPECT_EQ(chain.SearchResult(L"all")->size(), 3U);
    EXPECT_EQ(chain.SearchResult(L"other")->size(), 0U);
}

TEST_F(ChainTest, RunsAreSetAsideReleasedAndRebound)
{
    ConditionMap m(L"dataSourceNew", L"", 0);
    m.Set(L"baseNums", Range(1, 8));
    Run(m);
    ASSERT_EQ(chain.resultList()->size(), 56U);
    chain.SearchResult(L"all");
    chain.ResetAll();
    EXPECT_EQ(chain.resultList(), nullptr);
    EXPECT_EQ(chain.searchList(), nullptr) << "the search of a run goes aside with it";
    EXPECT_TRUE(chain.hasPreviousRun());
    EXPECT_TRUE(chain.nodeMap().empty());
    chain.SetNodeData(m.map(), 0);
    chain.SetNodeData(m.map(), 1);
    chain.Filter();
    chain.SearchResult(L"lianHao");
    chain.DeleteOldData();
    EXPECT_FALSE(chain.hasPreviousRun());
    ASSERT_NE(chain.searchList(), nullptr) << "a search of the new run outlives the release";
    EXPECT_GT(chain.searchList()->size(), 0U);
    chain.ResetAll();
    chain.DeleteAll();
    EXPECT_EQ(chain.resultList(), nullptr);
    EXPECT_FALSE(chain.hasPreviousRun());
}

TEST_F(ChainTest, ARunRequestReachesTheStagesAsSetNodeDataHandsIt)
{
    ConditionMap m(L"dataSourceNew", L"zhiXuan", 0);
    m.Set(L"baseNums", Range(1, 9)).Set(L"heZhi", Range(15, 25));
    Run(m);
    std::vector<std::vector<int>> handedByIndex;
    for (NumberRow row : chain.resultList()->rows()) {
        handedByIndex.emplace_back(row, row + 5);
    }
    const calculation::RunRequest read = chain.runRequest();
    EXPECT_EQ(read.conditions, m.map());
    EXPECT_EQ(read.source, calculation::RowSource::New);
    EXPECT_EQ(read.castType, L"zhiXuan");

    chain.ResetAll();
    EXPECT_EQ(chain.runRequest().castType, L"") << "a reset forgets the run's values with its conditions";
    chain.SetRunRequest(calculation::RunRequest::Of(m.map()));
    EXPECT_EQ(chain.nodeMap(), m.map());
    chain.Filter();
    ASSERT_EQ(chain.resultList()->size(), handedByIndex.size());
    for (std::size_t i = 0; i < handedByIndex.size(); ++i) {
        EXPECT_TRUE(std::equal(handedByIndex[i].begin(), handedByIndex[i].end(), chain.resultList()->at(i)));
    }

    ConditionMap old(L"dataSourceOld", L"", 0);
    chain.SetNodeData(old.map(), 0);
    EXPECT_EQ(chain.runRequest().source, calculation::RowSource::Old)
        << "conditions handed by index are read as a request too";

    TestChain withoutStages{GameShape{5, 0, 12, 7, 1}};
    EXPECT_THROW(withoutStages.SetRunRequest(calculation::RunRequest::Of(m.map())), calculation::ChainError);
}

// A released run's list is filled again by the next run: the new run holds its own rows only,
// in its own order, however many the run before held, and a release that DeleteAll follows
// leaves nothing to reuse.
TEST_F(ChainTest, TheNextRunReusesTheReleasedRunsMemoryWithItsOwnRowsOnly)
{
    auto rowsOf = [&] {
        std::vector<std::vector<int>> rows;
        for (NumberRow row : chain.resultList()->rows()) {
            rows.emplace_back(row, row + 5);
        }
        return rows;
    };
    auto combinations = [](int n) {
        std::vector<int> pool(static_cast<std::size_t>(n));
        for (int v = 1; v <= n; ++v) {
            pool[static_cast<std::size_t>(v - 1)] = v;
        }
        return TestChain::cXy(pool, 5);
    };
    auto runOver = [&](int n) {
        ConditionMap m(L"dataSourceNew", L"", 0);
        m.Set(L"baseNums", Range(1, n));
        Run(m);
    };
    runOver(14); // 2002 rows over several blocks
    const NumberRow firstOfBigRun = chain.resultList()->at(0);
    chain.SearchResult(L"all");
    chain.ResetAll();
    chain.DeleteOldData();
    runOver(7);
    EXPECT_EQ(rowsOf(), combinations(7));
    EXPECT_EQ(chain.resultList()->at(0), firstOfBigRun) << "the rows fill the released run's memory";
    chain.ResetAll();
    chain.DeleteOldData();
    runOver(15); // more rows than the reused memory holds
    EXPECT_EQ(rowsOf(), combinations(15));
    chain.ResetAll();
    chain.DeleteAll();
    runOver(6);
    EXPECT_EQ(rowsOf(), combinations(6));
}

TEST(ChainCombinatoricsTest, SubsetsInLexicographicOrder)
{
    auto subsets = TestChain::cXy({1, 2, 3, 4}, 2);
    EXPECT_EQ(subsets, (std::vector<std::vector<int>>{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}));
    EXPECT_TRUE(TestChain::cXy({1, 2, 3, 4}, 1).empty());
    EXPECT_TRUE(TestChain::cXy({1, 2, 3, 4, 5, 6, 7, 8, 9}, 9).empty());
}

TEST(ChainCombinatoricsTest, CombineEnumeratesHighestIndexFirst)
{
    TestChain chain(GameShape{2, 0, 3, 2, 1});
    chain.CreateChainNode();
    ConditionMap m(L"dataSourceNew", L"", 0);
    chain.SetNodeData(m.map(), 0);
    EXPECT_EQ(chain.RunCombine({10, 20, 30, 40}, 2), 6);
    std::wstring text = chain.GetResultStr(L"0", L",", L"+", 1, 1);
    EXPECT_EQ(text, L"30,40\r\n20,40\r\n10,40\r\n20,30\r\n10,30\r\n10,20");
}

// The covering rule as it reads: every subset in order, covered when some kept row shares y
// numbers with it, otherwise the second matching row from start (or the only one).
std::vector<NumberRow> LiteralCovering(const ZxBy &by)
{
    std::vector<NumberRow> kept;
    auto shared = [&](NumberRow row, const std::vector<int> &subset) {
        int count = 0;
        for (int i = 0; i < by.rowLen; ++i) {
            count += std::find(subset.begin(), subset.end(), row[i]) != subset.end();
        }
        return count;
    };
    std::size_t start = 0;
    const std::vector<NumberRow> &rows = *by.rows;
    for (const std::vector<int> &subset : TestChain::cXy(by.baseNums, by.x)) {
        bool covered =
            std::any_of(kept.begin(), kept.end(), [&](NumberRow r) { return shared(r, subset) >= by.y; });
        if (covered) {
            continue;
        }
        std::vector<std::size_t> matches;
        for (std::size_t r = start; r < rows.size() && matches.size() < 2; ++r) {
            if (shared(rows[r], subset) >= by.y) {
                matches.push_back(r);
            }
        }
        if (matches.size() == 2) {
            start = matches[1];
            kept.push_back(rows[matches[1]]);
        } else if (matches.size() == 1) {
            kept.push_back(rows[matches[0]]);
        }
    }
    return kept;
}

TEST(RotateMatrixTest, CoveringMatchesTheLiteralRuleOnRandomPools)
{
    std::mt19937 rng(42);
    for (int trial = 0; trial < 60; ++trial) {
        int poolSize = 7 + trial % 6;
        int rowLen = 4 + trial % 3;
        int x = std::min(rowLen, 3 + trial % 3);
        int y = std::max(1, x - 1 - trial % 2);
        std::vector<int> pool;
        for (int v = 1; v <= poolSize; ++v) {
            pool.push_back(v * 2); // not 1..n, so values and pool indexes differ
        }
        std::vector<std::vector<int>> storage = TestChain::cXy(pool, rowLen);
        std::shuffle(storage.begin(), storage.end(), rng);
        storage.resize(storage.size() / 2 + 1);
        std::sort(storage.begin(), storage.end());
        std::vector<NumberRow> rows;
        rows.reserve(storage.size());
        for (auto &r : storage) {
            rows.push_back(r.data());
        }
        ZxBy by{&rows, rowLen, x, y, pool};
        SCOPED_TRACE(testing::Message()
                     << "pool " << poolSize << " row " << rowLen << " " << x << "bao" << y);
        EXPECT_EQ(TestChain::RotateMatrix(by), LiteralCovering(by));
    }
}

TEST(RotateMatrixTest, SubsetsNoRowCoversKeepNoRow)
{
    std::vector<int> a{1, 2, 3, 6, 7};
    std::vector<int> b{1, 2, 8, 9, 10};
    std::vector<NumberRow> rows{a.data(), b.data()};
    // The subset 3 4 5 8 9 shares at most 2 numbers with either row.
    ZxBy by{&rows, 5, 5, 4, {3, 4, 5, 8, 9}};
    EXPECT_TRUE(TestChain::RotateMatrix(by).empty());
}

TEST(RotateMatrixTest, SpreadKeepsNoTwoRowsSharingYNumbers)
{
    std::vector<int> a{1, 2, 3, 4, 5};
    std::vector<int> b{1, 2, 3, 4, 6};
    std::vector<int> c{1, 2, 3, 7, 8};
    std::vector<int> d{10, 11, 12, 13, 14};
    std::vector<NumberRow> rows{a.data(), b.data(), c.data(), d.data()};
    ZxBy by{&rows, 5, 5, 4, {}};
    EXPECT_EQ(TestChain::RotateMatrix(by, 1), (std::vector<NumberRow>{a.data(), c.data(), d.data()}));
}

} // namespace

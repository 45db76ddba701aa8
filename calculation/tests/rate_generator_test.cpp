// The theoretical rates of the history tables: worked out by hand over two small pools, and, for
// larger ones, against the hits that the engine's own tables count when the cache holds every
// equally likely draw exactly once.
#include "calculation/history/rate_generator.h"

#include <gtest/gtest.h>

#include <functional>

#include "calculation/history/history_cells.h"
#include "support/history_fixture.h"

namespace calculation {
namespace {

using testsupport::SummaryRows;
using testsupport::ValueOf;

// The shares of draws as "hits/draws" texts, so that a table of them reads in one line.
std::wstring Fractions(const std::vector<Share> &shares)
{
    std::wstring text;
    for (const Share &share : shares) {
        text +=
            (text.empty() ? L"" : L" ") + std::to_wstring(share.hits) + L"/" + std::to_wstring(share.draws);
    }
    return text;
}

TEST(PercentText, RoundsHalvesAwayFromZeroInIntegers)
{
    struct Case {
        Share share;
        int decimals;
        const wchar_t *text;
    };
    const Case cases[] = {
        {{1, 16}, 1, L"6.3"},       // 6.25
        {{1, 16}, 2, L"6.25"},      //
        {{1, 80}, 1, L"1.3"},       // 1.25
        {{1, 8}, 0, L"13"},         // 12.5
        {{2, 3}, 1, L"66.7"},       //
        {{1, 3}, 0, L"33"},         //
        {{9, 9}, 1, L"100.0"},      //
        {{0, 9}, 2, L"0.00"},       //
        {{21, 100000}, 2, L"0.02"}, // 0.021
        {{199262, 1000000}, 1, L"19.9"},
        {{48972, 1000000}, 2, L"4.90"}, // a trailing 0 stays
        {{5, 0}, 1, L"0.0"},            // no draws: a share of 0
        {{1, 3}, 12, L"33.333333333"},  // at most nine decimals
    };
    for (const Case &c : cases) {
        EXPECT_EQ(PercentText(c.share, c.decimals), c.text) << c.share.hits << "/" << c.share.draws;
    }
    const std::vector<Share> shares{{1, 16}, {1, 16}, {1, 16}};
    const int decimals[] = {0, 2};
    EXPECT_EQ(PercentTexts(shares, decimals), (std::vector<std::wstring>{L"6", L"6.25", L"6.25"}));
    EXPECT_EQ(PercentTexts(shares, std::span<const int>()),
              (std::vector<std::wstring>{L"6.3", L"6.3", L"6.3"}));
    EXPECT_EQ(PercentTexts(shares, 1), (std::vector<std::wstring>{L"6.3", L"6.3", L"6.3"}));
}

// Two digits 0-2, each position on its own: the nine rows 00 01 02 10 11 12 20 21 22. 2 is big;
// with an area width of 1 the areas are 0-1, 2 and none; elements by the last digit (0, 1, 2).
TEST(RateGenerator, TwoDigitsOfThreeByHand)
{
    HistoryGame game = testsupport::DigitGame(2);
    game.frontMax = 3;
    game.bigStart = 2;
    game.areaWidth = 1;
    const RateGenerator rates(game);
    EXPECT_EQ(Fractions(rates.Base()), L"5/9 5/9 5/9");
    // Digit layout: a column per value of the pool.
    EXPECT_EQ(Fractions(rates.Position(1)), L"3/9 3/9 3/9");
    EXPECT_TRUE(rates.Position(2).empty());
    EXPECT_TRUE(rates.Position(-1).empty());
    // Sums 0 1 1 2 2 2 3 3 4.
    const SumRange ranges[] = {{0, 1}, {2, 2}, {3, 9}, {5, 9}};
    EXPECT_EQ(Fractions(rates.SumRanges(ranges)), L"3/9 3/9 3/9 0/9");
    EXPECT_EQ(Fractions(rates.SumTails()), L"1/9 2/9 3/9 2/9 1/9 0/9 0/9 0/9 0/9 0/9");
    // Spans and gaps 0 (00 11 22), 1 (01 10 12 21), 2 (02 20); no span 3.
    EXPECT_EQ(Fractions(rates.Spans(4)), L"3/9 4/9 2/9 0/9");
    EXPECT_EQ(Fractions(rates.Gaps(3)), L"3/9 4/9 2/9");
    // Big digits: none in 00 01 10 11, one in 02 12 20 21, two in 22; per position 1 of 3 big.
    EXPECT_EQ(Fractions(rates.ShapeRatios(L"bigSmall")), L"4/9 4/9 1/9");
    EXPECT_EQ(Fractions(rates.ShapePositions(L"bigSmall")), L"3/9 6/9 3/9 6/9");
    // Odd digits: only 1.
    EXPECT_EQ(Fractions(rates.ShapeRatios(L"oddEven")), L"4/9 4/9 1/9");
    // Each class one digit: none of it in four rows, one in four, two in one.
    EXPECT_EQ(Fractions(rates.ClassCounts(L"luShu")), L"4/9 4/9 1/9 4/9 4/9 1/9 4/9 4/9 1/9");
    EXPECT_EQ(Fractions(rates.ClassPositions(L"threeArea")), L"6/9 3/9 0/9 6/9 3/9 0/9");
    EXPECT_EQ(Fractions(rates.ClassCounts(L"threeArea")), L"1/9 4/9 4/9 4/9 4/9 1/9 9/9 0/9 0/9");
    EXPECT_EQ(Fractions(rates.FiveElements(0)), L"3/9 3/9 3/9 0/9 0/9 3/9 3/9 3/9 0/9 0/9");
    // No back area: nothing to rate.
    EXPECT_TRUE(rates.BackArea().empty());
}

// Two distinct numbers of 1-4, read ascending: 12 13 14 23 24 34; two back numbers of 1-3: 12 13
// 23. 3 and 4 are big, areas 1 | 2 | 3-4.
TEST(RateGenerator, TwoOfFourByHand)
{
    HistoryGame game = testsupport::LottoGame(4, 2, 3, 2);
    game.areaWidth = 1;
    const RateGenerator rates(game);
    EXPECT_EQ(Fractions(rates.Base()), L"3/6 3/6 3/6 3/6");
    EXPECT_EQ(Fractions(rates.BackArea()), L"2/3 2/3 2/3");
    // The first number is 1, 2 or 3; the second 2, 3 or 4.
    EXPECT_EQ(Fractions(rates.Position(0)), L"3/6 2/6 1/6");
    EXPECT_EQ(Fractions(rates.Position(1)), L"1/6 2/6 3/6");
    EXPECT_EQ(Fractions(rates.Distribution()), L"3/6 2/6 1/6 1/6 2/6 3/6");
    // Sums 3 4 5 5 6 7.
    const SumRange ranges[] = {{3, 4}, {5, 5}, {6, 7}};
    EXPECT_EQ(Fractions(rates.SumRanges(ranges)), L"2/6 2/6 2/6");
    EXPECT_EQ(Fractions(rates.SumTails()), L"0/6 0/6 0/6 1/6 1/6 2/6 1/6 1/6 0/6 0/6");
    // Lotto layout: the span columns begin at 1 (two numbers), the gap columns at 1.
    EXPECT_EQ(Fractions(rates.Spans(3)), L"3/6 2/6 1/6");
    EXPECT_EQ(Fractions(rates.Gaps(3)), L"3/6 2/6 1/6");
    // Odd numbers 1 and 3: none in 24, one in 12 14 23 34, two in 13.
    EXPECT_EQ(Fractions(rates.ShapeRatios(L"oddEven")), L"1/6 4/6 1/6");
    EXPECT_EQ(Fractions(rates.ShapePositions(L"oddEven")), L"4/6 2/6 2/6 4/6");
    EXPECT_EQ(Fractions(rates.ShapeRatios(L"bigSmall")), L"1/6 4/6 1/6");
    // Areas {1}, {2}, {3, 4}.
    EXPECT_EQ(Fractions(rates.ClassCounts(L"threeArea")), L"3/6 3/6 0/6 3/6 3/6 0/6 1/6 4/6 1/6");
    EXPECT_EQ(Fractions(rates.ClassPositions(L"threeArea")), L"3/6 2/6 1/6 0/6 1/6 5/6");
    // Elements of the engine's table: 1 shui, 2 tu, 3 and 4 mu.
    EXPECT_EQ(Fractions(rates.FiveElements(1)), L"0/6 1/6 3/6 0/6 2/6 0/6 5/6 0/6 0/6 1/6");
}

// Every equally likely draw once in the cache: the hits the table counts per column are the
// generator's, and all its shares are of as many draws as the cache holds (or a whole multiple).
class EveryDrawOnce : public ::testing::Test {
protected:
    void Cache(const HistoryGame &game, const std::vector<std::wstring> &draws)
    {
        chain_ = std::make_unique<testsupport::HistoryChain>(game);
        basekit::TextMapList cache;
        for (const std::wstring &lottery : draws) {
            cache.push_back(testsupport::Draw(L"1", L"d", lottery));
        }
        chain_->SetOldDataCache(cache);
    }

    // The table's probability row holds its keys in rate order; each key's hits among the draws
    // must be the generator's share of them.
    void ExpectHits(const std::wstring &table, const std::vector<Share> &shares)
    {
        const SummaryRows summary(testsupport::ParseListReply(table));
        ASSERT_EQ(summary.probability.size(), shares.size() + 1);
        const std::wstring n = summary.hits.front().second.substr(0, summary.hits.front().second.find(L"期"));
        const std::uint64_t draws = std::stoull(n);
        for (std::size_t i = 0; i < shares.size(); ++i) {
            const std::wstring &key = summary.probability[i + 1].first;
            const std::uint64_t hits = std::stoull(ValueOf(summary.hits, key));
            // hits / draws == share.hits / share.draws
            EXPECT_EQ(hits * shares[i].draws, shares[i].hits * draws) << std::string(key.begin(), key.end());
        }
    }

    // Every table that both layouts chart, over the game of the cache: its hits are the rates'.
    void ExpectEveryTable(const HistoryGame &game, std::span<const SumRange> ranges, int spanColumns,
                          int mode)
    {
        const RateGenerator rates(game);
        const HistoryTables tables = chain_->HistoryTablesOf();
        ExpectHits(tables.Base(L"", L"", {}, 1), rates.Base());
        for (int p = 0; p < game.frontCount; ++p) {
            ExpectHits(tables.Position(L"pos" + std::to_wstring(p), L"", L"", {}, {}, 1), rates.Position(p));
        }
        ExpectHits(tables.Sum(L"", L"", ranges, {}, 1), Then(rates.SumRanges(ranges), rates.SumTails()));
        ExpectHits(tables.Span(L"", L"", {}, spanColumns, 1),
                   Then(rates.Spans(spanColumns), rates.Gaps(spanColumns)));
        for (const wchar_t *type : {L"bigSmall", L"oddEven", L"zhiHe"}) {
            ExpectHits(tables.Shape(type, L"", L"", {}, 1),
                       Then(rates.ShapeRatios(type), rates.ShapePositions(type)));
        }
        for (const wchar_t *type : {L"luShu", L"threeArea"}) {
            ExpectHits(tables.RouteArea(L"", L"", type, {}, 1),
                       Then(rates.ClassCounts(type), rates.ClassPositions(type)));
        }
        ExpectHits(tables.FiveElements(L"", L"", {}, mode, 1, L""), rates.FiveElements(mode));
    }

    static std::vector<Share> Then(std::vector<Share> first, const std::vector<Share> &second)
    {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    }

    std::unique_ptr<testsupport::HistoryChain> chain_;
};

TEST_F(EveryDrawOnce, ThreeDigitsAsTheTablesCountThem)
{
    const HistoryGame game = testsupport::DigitGame(3);
    std::vector<std::wstring> draws;
    draws.reserve(1000);
    for (int n = 0; n < 1000; ++n) {
        draws.push_back(std::to_wstring(n / 100) + L"," + std::to_wstring(n / 10 % 10) + L"," +
                        std::to_wstring(n % 10));
    }
    Cache(game, draws);
    const SumRange ranges[] = {{0, 4}, {5, 13}, {14, 27}};
    ExpectEveryTable(game, ranges, 10, 0);
}

TEST_F(EveryDrawOnce, ThreeOfNineWithTwoBackNumbersAsTheTablesCountThem)
{
    // Three of 1-9 (areas of 3, 5 and above big), two back numbers of 1-4: 84 × 6 draws.
    const HistoryGame game = testsupport::LottoGame(9, 3, 4, 2);
    std::vector<std::wstring> draws;
    for (int a = 1; a <= 9; ++a) {
        for (int b = a + 1; b <= 9; ++b) {
            for (int c = b + 1; c <= 9; ++c) {
                for (int x = 1; x <= 4; ++x) {
                    for (int y = x + 1; y <= 4; ++y) {
                        draws.push_back(std::to_wstring(a) + L"," + std::to_wstring(b) + L"," +
                                        std::to_wstring(c) + L"," + std::to_wstring(x) + L"," +
                                        std::to_wstring(y));
                    }
                }
            }
        }
    }
    Cache(game, draws);
    const SumRange ranges[] = {{6, 12}, {13, 24}};
    ExpectEveryTable(game, ranges, 7, 1);
    const RateGenerator rates(game);
    const HistoryTables tables = chain_->HistoryTablesOf();
    ExpectHits(tables.BackArea(L"", L"", {}, 1), rates.BackArea());
    ExpectHits(tables.Distribution(L"", L"", {}, {}, 1), rates.Distribution());
}

} // namespace
} // namespace calculation

// The history tables of the lotto games, reached as the program reaches them: through
// GetDetailedData of the chain each plug-in hands out. Every rate a table shows is the chance of
// its column among all the game's equally likely draws (combinations of its front numbers, and
// of its back numbers), written as the game writes it; the gap columns of the span tables have no
// rates. A table the game does not chart (a position past its numbers, a back area it does not
// have) shows no rates and reads nothing past the game's rate tables.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string_view>

#include "lotto/Fc6Of33/fc6of33_filter_chain.h"
#include "lotto/Fc7Of30/fc7of30_filter_chain.h"
#include "lotto/Hd5Of15/hd5of15_filter_chain.h"
#include "lotto/Tc5Of20/tc5of20_filter_chain.h"
#include "lotto/Tc5Of35/tc5of35_filter_chain.h"
#include "lotto/Ttl5Of22/ttl5of22_filter_chain.h"
#include "support/plugin_tables.h"

namespace lottotest {
namespace {

using basekit::OrderedRow;
using testsupport::Box;
using testsupport::Marked;
using testsupport::PluginTables;
using testsupport::Span;
using testsupport::SummaryRows;
using testsupport::TestBall;
using testsupport::ValueOf;
using Texts = std::vector<std::wstring>;

const std::wstring kRed = TestBall(L"red");
const std::wstring kBlue = TestBall(L"blue");
const std::wstring kNoTable = L"{size:\"0\",items:[]}";

std::string Narrow(const std::wstring &text)
{
    return {text.begin(), text.end()};
}

// Texts written apart by blanks ("1.9 13.2 32.0"); "-" stands for an empty text.
Texts T(std::wstring_view texts)
{
    Texts all;
    std::size_t at = 0;
    while (at < texts.size()) {
        const std::size_t end = std::min(texts.find(L' ', at), texts.size());
        if (end > at) {
            const std::wstring_view text = texts.substr(at, end - at);
            all.emplace_back(text == L"-" ? std::wstring_view() : text);
        }
        at = end + 1;
    }
    return all;
}

Texts Repeat(std::size_t n, const std::wstring &text)
{
    return Texts(n, text);
}

Texts Join(std::initializer_list<Texts> parts)
{
    Texts all;
    for (const Texts &part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

struct RatedGame {
    const wchar_t *key;
    std::function<const calculation::TableRates &()> rates;
    int numbers;       ///< front numbers per draw
    int backNumbers;   ///< back numbers per draw
    bool distribution; ///< the positions in one distribution chart
};

const RatedGame kTc5Of35{L"Tc5Of35", plugins::tc5of35::Tc5Of35Rates, 5, 2, false};
const RatedGame kHd5Of15{L"Hd5Of15", plugins::hd5of15::Hd5Of15Rates, 5, 0, true};
const RatedGame kFc6Of33{L"Fc6Of33", plugins::fc6of33::Fc6Of33Rates, 6, 1, false};
const RatedGame kFc7Of30{L"Fc7Of30", plugins::fc7of30::Fc7Of30Rates, 7, 0, false};
const RatedGame kTtl5Of22{L"Ttl5Of22", plugins::ttl5of22::Ttl5Of22Rates, 5, 0, false};
const RatedGame kTc5Of20{L"Tc5Of20", plugins::tc5of20::Tc5Of20Rates, 5, 0, false};
const RatedGame *const kGames[] = {&kTc5Of35, &kHd5Of15, &kFc6Of33, &kFc7Of30, &kTtl5Of22, &kTc5Of20};

// The tables a game shows with its own rates.
std::vector<std::wstring> RatedTables(const RatedGame &game)
{
    std::vector<std::wstring> types{L"base",  L"heZhi", L"span",      L"bigSmall", L"oddEven",
                                    L"zhiHe", L"luShu", L"threeArea", L"wuXing"};
    if (game.backNumbers > 0) {
        types.emplace_back(L"blue");
    }
    if (game.distribution) {
        types.emplace_back(L"distribution");
    } else {
        for (int p = 0; p < game.numbers; ++p) {
            types.push_back(L"pos" + std::to_wstring(p));
        }
    }
    return types;
}

TEST(LottoHistoryRates, EveryRateTableHasTheLengthOfTheTableItFeeds)
{
    for (const RatedGame *game : kGames) {
        PluginTables tables(game->key);
        const calculation::TableRates &rates = game->rates();
        for (const std::wstring &type : RatedTables(*game)) {
            SCOPED_TRACE(Narrow(game->key) + " " + Narrow(type));
            const Texts shown = tables.ShownRates(type);
            ASSERT_NE(rates.Of(type), nullptr);
            EXPECT_EQ(*rates.Of(type), shown);
            // A rate for every column, and a text in every one but the gaps of the span.
            const auto blank = std::count(shown.begin(), shown.end(), L"");
            EXPECT_EQ(blank, type == L"span" ? static_cast<long>(shown.size() / 2) : 0);
        }
        // The tables it does not chart show no rates: positions past its numbers have no table,
        // the other chart of the positions and a back area it does not have show empty rates.
        for (int p = game->numbers; p <= 9; ++p) {
            EXPECT_EQ(tables.Text(L"pos" + std::to_wstring(p)), kNoTable) << Narrow(game->key) << " " << p;
        }
        const Texts other = tables.ShownRates(game->distribution ? L"pos0" : L"distribution");
        EXPECT_EQ(other, Texts(other.size())) << Narrow(game->key);
        if (game->backNumbers == 0) {
            // The special number of the seven-of-30 game is charted over its pool, without rates.
            const Texts none(game->key == std::wstring(L"Fc7Of30") ? 30 : 0);
            EXPECT_EQ(tables.ShownRates(L"blue"), none) << Narrow(game->key);
        }
    }
}

// The rates of each game at the places given, as its tables show them. Where a rate is marked
// "by the rule", it is the chance worked out from the game's numbers where another text had been
// written for it.
TEST(LottoHistoryRates, TheRatesOfEachGameAsShown)
{
    const Texts tails = Repeat(10, L"10.0");
    struct Case {
        const RatedGame &game;
        const wchar_t *type;
        std::size_t at; ///< the first rate compared
        Texts rates;
    };
    const Case cases[] = {
        // ---- Tc5Of35: five of 1-35, two of 1-12 ---------------------------------------------
        {kTc5Of35, L"base", 0, Repeat(35, L"14.3")},
        // Two of twelve drawn: 11 of the 66 pairs hold a number (by the rule, not one in twelve).
        {kTc5Of35, L"blue", 0, Repeat(12, L"16.7")},
        {kTc5Of35, L"pos0", 0, T(L"14.3 12.6 11.1")},
        {kTc5Of35, L"pos1", 0, T(L"1.7 3.1 4.2")},
        {kTc5Of35, L"pos4", 30, T(L"14.3")},
        {kTc5Of35, L"heZhi", 0, Join({T(L"0.1 1.3 6.3 16.1 25.3 25.6 16.8 6.8 1.5 0.1"), tails})},
        {kTc5Of35, L"span", 0,
         T(L"0.0 0.0 0.1 0.2 0.3 0.4 0.6 0.9 1.2 1.5 1.9 2.2 2.7 3.1 3.6 4.0 4.5 4.9 5.3 5.7 6.0 6.2 6.4 6.4 "
           L"6.3 6.1 5.6 5.0 4.2 3.1 1.7")},
        {kTc5Of35, L"span", 31, Repeat(31, L"")},
        {kTc5Of35, L"bigSmall", 0,
         T(L"1.9 13.2 32.0 34.2 16.0 2.6 2.6 97.4 18.7 81.3 52.8 47.2 84.9 15.1 98.1 1.9")},
        {kTc5Of35, L"oddEven", 0,
         T(L"1.9 13.2 32.0 34.2 16.0 2.6 53.8 46.2 49.8 50.2 50.0 50.0 49.8 50.2 53.8 46.2")},
        {kTc5Of35, L"zhiHe", 0,
         T(L"10.4 32.7 36.0 17.1 3.5 0.2 59.9 40.1 36.5 63.5 29.8 70.2 26.5 73.5 18.7 81.3")},
        // Remainder 0 holds 11 numbers, 1 and 2 hold 12: none of 11 in five is C(24,5)/C(35,5).
        {kTc5Of35, L"luShu", 0,
         T(L"13.1 36.0 34.3 14.0 2.4 0.1 10.4 32.7 36.0 17.1 3.5 0.2 10.4 32.7 36.0 17.1 3.5 0.2 "
           L"28.4 38.5 33.1 33.5 32.9 33.6 33.3 33.3 33.3 33.5 33.6 32.9 28.4 33.1 38.5")},
        // Areas 1-12, 13-24, 25-35.
        {kTc5Of35, L"threeArea", 0,
         T(L"10.4 32.7 36.0 17.1 3.5 0.2 10.4 32.7 36.0 17.1 3.5 0.2 13.1 36.0 34.3 14.0 2.4 0.1 "
           L"89.6 10.2 0.1 56.9 40.5 2.6 20.9 62.5 16.6 3.8 45.3 50.9 0.2 12.8 86.9")},
        {kTc5Of35, L"wuXing", 0,
         T(L"9.0 23.5 19.4 14.9 33.1 16.9 17.3 13.7 18.5 33.6 16.7 16.5 17.1 16.4 33.3 "
           L"16.1 17.6 14.9 18.5 32.9 27.1 10.7 6.3 17.4 38.5")},

        // ---- Hd5Of15: five of 1-15 ----------------------------------------------------------
        {kHd5Of15, L"base", 0, Repeat(15, L"33.3")},
        // All five positions at once; 1 of the 3003 draws is 11-15 (or 1-5): 0.03 %.
        {kHd5Of15, L"distribution", 0,
         T(L"33.3 23.8 16.5 11.0 7.0 4.2 2.3 1.2 0.5 0.2 0.03 "
           L"9.5 14.7 16.5 16.0 14.0 11.2 8.2 5.3 3.0 1.3 0.4 "
           L"2.2 5.5 9.0 12.0 14.0 14.7 14.0 12.0 9.0 5.5 2.2 "
           L"0.4 1.3 3.0 5.3 8.2 11.2 14.0 16.0 16.5 14.7 9.5 "
           L"0.03 0.2 0.5 1.2 2.3 4.2 7.0 11.0 16.5 23.8 33.3")},
        // By the rule: sums 30-34 are 15.35 %, 40-44 22.64 %; the odd last digits 10.06 %.
        {kHd5Of15, L"heZhi", 0,
         T(L"0.4 2.4 7.6 15.4 22.0 22.6 17.0 9.0 3.1 0.6 "
           L"9.96 10.06 9.92 10.06 9.92 10.12 9.92 10.06 9.92 10.06")},
        {kHd5Of15, L"span", 0,
         Join({T(L"0.4 1.3 3.0 5.3 8.2 11.2 14.0 16.0 16.5 14.7 9.5"), Repeat(11, L"")})},
        // Big is 8-15, odd eight numbers, primes 1 2 3 5 7 11 13. By the rule: four of one
        // class of eight is 16.32 %, and the positions of the last three numbers mirror the first.
        {kHd5Of15, L"bigSmall", 0,
         T(L"0.70 9.32 32.63 39.16 16.32 1.86 1.86 98.14 18.18 81.82 57.34 42.66 89.98 10.02 99.30 0.70")},
        {kHd5Of15, L"oddEven", 0,
         T(L"0.70 9.32 32.63 39.16 16.32 1.86 59.67 40.33 48.48 51.52 50.35 49.65 48.48 51.52 59.67 40.33")},
        {kHd5Of15, L"zhiHe", 0,
         T(L"1.86 16.32 39.16 32.63 9.32 0.70 82.98 17.02 52.68 47.32 36.36 63.64 37.30 62.70 24.01 75.99")},
        // By the rule: the third number is of remainder 2 in 32.67 %.
        {kHd5Of15, L"luShu", 0,
         T(L"8.4 35.0 40.0 15.0 1.7 0.0 8.4 35.0 40.0 15.0 1.7 0.0 8.4 35.0 40.0 15.0 1.7 0.0 "
           L"21.2 46.8 32.0 34.3 30.7 35.0 33.7 33.7 32.7 30.7 34.3 35.0 46.8 21.2 32.0")},
        {kHd5Of15, L"threeArea", 0,
         T(L"8.4 35.0 40.0 15.0 1.7 0.0 8.4 35.0 40.0 15.0 1.7 0.0 8.4 35.0 40.0 15.0 1.7 0.0 "
           L"91.6 8.4 0.0 56.6 41.7 1.7 16.7 66.6 16.7 1.7 41.7 56.6 0.0 8.4 91.6")},
        {kHd5Of15, L"wuXing", 0,
         T(L"0.7 27.5 33.3 6.5 32.0 8.3 31.1 0.4 25.2 35.0 26.0 7.7 7.7 26.0 32.7 "
           L"25.2 0.4 31.1 8.3 35.0 6.5 33.3 27.5 0.7 32.0")},

        // ---- Fc6Of33: six of 1-33, one of 1-16 ----------------------------------------------
        {kFc6Of33, L"base", 0, Repeat(33, L"18.2")},
        {kFc6Of33, L"blue", 0, Repeat(16, L"6.25")},
        {kFc6Of33, L"pos0", 0, T(L"18.2 15.3 12.9 10.7")},
        // The four rare values the game writes as 0.0 (0.07 % and 0.08 %).
        {kFc6Of33, L"pos0", 19, T(L"0.1 0.0 0.0")},
        {kFc6Of33, L"pos1", 23, T(L"0.2 0.0 0.0")},
        {kFc6Of33, L"pos4", 2, T(L"0.0 0.0 0.2")},
        {kFc6Of33, L"pos5", 6, T(L"0.0 0.0 0.1")},
        {kFc6Of33, L"pos5", 25, T(L"12.9 15.3 18.2")},
        // Sums 51-65 written as 3.9 (3.78 %).
        {kFc6Of33, L"heZhi", 0, Join({T(L"0.0 0.6 3.9 11.8 22.2 26.7 20.9 10.4 3.1 0.5 0.0"), tails})},
        // Span 30 written as 6.5 (6.43 %).
        {kFc6Of33, L"span", 0,
         Join({T(L"0.0 0.0 0.0 0.1 0.2 0.3 0.4 0.6 0.9 1.2 1.6 2.1 2.6 3.2 3.9 4.5 5.2 5.9 6.6 7.2 7.7 8.0 "
                 L"8.1 7.9 "
                 L"7.4 6.5 4.9 2.8"),
               Repeat(28, L"")})},
        // Big is 17-33. By the rule: the second and third numbers are big in 10.1 % and 35.8 %.
        {kFc6Of33, L"bigSmall", 0,
         T(L"0.7 6.7 22.3 34.4 25.8 8.9 1.1 1.1 98.9 10.1 89.9 35.8 64.2 70.2 29.8 92.6 7.4 99.3 0.7")},
        {kFc6Of33, L"oddEven", 0,
         T(L"0.7 6.7 22.3 34.4 25.8 8.9 1.1 54.9 45.1 49.6 50.4 50.0 50.0 50.0 50.0 49.6 50.4 54.9 45.1")},
        // By the rule: the fifth number is prime in 26.8 %.
        {kFc6Of33, L"zhiHe", 0,
         T(L"4.9 22.0 35.7 26.4 9.4 1.5 0.1 65.6 34.4 39.8 60.2 32.4 67.6 28.2 71.8 26.8 73.2 25.4 74.6")},
        // By the rule: the first number is of remainder 1 in 40.1 %.
        {kFc6Of33, L"luShu", 0,
         T(L"6.7 26.2 36.3 22.9 6.9 0.9 0.0 6.7 26.2 36.3 22.9 6.9 0.9 0.0 6.7 26.2 36.3 22.9 6.9 0.9 0.0 "
           L"27.0 40.1 33.0 33.6 32.6 33.7 33.3 33.4 33.3 33.4 33.3 33.3 32.6 33.6 33.7 40.1 27.0 33.0")},
        {kFc6Of33, L"threeArea", 0,
         T(L"6.7 26.2 36.3 22.9 6.9 0.9 0.0 6.7 26.2 36.3 22.9 6.9 0.9 0.0 6.7 26.2 36.3 22.9 6.9 0.9 0.0 "
           L"93.3 6.7 0.0 67.1 31.9 1.0 30.8 61.4 7.8 7.8 61.4 30.8 1.0 31.9 67.1 0.0 6.7 93.3")},
        {kFc6Of33, L"wuXing", 0,
         T(L"7.0 24.9 21.4 13.7 33.0 16.4 18.5 11.6 19.7 33.7 17.8 15.4 16.7 16.8 33.3 "
           L"16.7 16.8 17.8 15.4 33.3 11.6 19.7 16.4 18.5 33.7 21.4 13.7 7.0 24.9 33.0")},

        // ---- Fc7Of30: seven of 1-30 ---------------------------------------------------------
        {kFc7Of30, L"base", 0, Repeat(30, L"23.3")},
        {kFc7Of30, L"pos0", 0, T(L"23.3 18.5 14.5 11.3")},
        {kFc7Of30, L"pos1", 0, T(L"4.8")},
        {kFc7Of30, L"pos6", 20, T(L"11.3 14.5 18.5 23.3")},
        {kFc7Of30, L"heZhi", 0, Join({T(L"0.0 0.5 3.4 11.7 23.1 28.0 21.0 9.6 2.4 0.3 0.0"), tails})},
        {kFc7Of30, L"span", 0,
         Join({T(L"0.0 0.0 0.0 0.1 0.1 0.2 0.4 0.7 1.0 1.5 2.1 2.8 3.6 4.6 5.7 6.9 8.0 9.1 9.9 10.4 10.4 9.7 "
                 L"7.9 4.8"),
               Repeat(24, L"")})},
        {kFc7Of30, L"bigSmall", 0,
         T(L"0.3 3.7 15.5 30.5 30.5 15.5 3.7 0.3 0.3 99.7 4.0 96.0 19.5 80.5 50.0 50.0 80.5 19.5 96.0 4.0 "
           L"99.7 0.3")},
        {kFc7Of30, L"oddEven", 0,
         T(L"0.3 3.7 15.5 30.5 30.5 15.5 3.7 0.3 56.5 43.5 49.3 50.7 50.1 49.9 50.0 50.0 49.9 50.1 50.7 49.3 "
           L"43.5 56.5")},
        // By the rule: the first number is composite in 27.9 %.
        {kFc7Of30, L"zhiHe", 0,
         T(L"2.5 14.7 31.4 31.4 15.7 3.9 0.4 0.0 72.1 27.9 43.9 56.1 34.5 65.5 32.4 67.6 28.1 71.9 22.2 77.8 "
           L"23.5 76.5")},
        // By the rule: the remainder 2 of the second and sixth numbers is 34.09 %.
        {kFc7Of30, L"luShu", 0,
         T(L"3.8 19.0 34.3 28.6 11.8 2.4 0.2 0.0 3.8 19.0 34.3 28.6 11.8 2.4 0.2 0.0 3.8 19.0 34.3 28.6 11.8 "
           L"2.4 0.2 0.0 25.0 42.3 32.7 33.9 32.1 34.1 33.4 33.4 33.2 33.3 33.3 33.4 33.4 33.4 33.2 32.1 "
           L"33.9 "
           L"34.1 42.3 25.0 32.7")},
        // By the rule: areas 1-10, 11-20, 21-30, the positions mirrored around the fourth.
        {kFc7Of30, L"threeArea", 0,
         T(L"3.8 19.0 34.3 28.6 11.8 2.4 0.2 0.0 3.8 19.0 34.3 28.6 11.8 2.4 0.2 0.0 3.8 19.0 34.3 28.6 11.8 "
           L"2.4 0.2 0.0 96.2 3.8 0.0 77.2 22.6 0.2 42.9 54.6 2.6 14.3 71.4 14.3 2.6 54.6 42.9 0.2 22.6 77.2 "
           L"0.0 3.8 96.2")},
        // Seven positions over the elements of 1-30.
        {kFc7Of30, L"wuXing", 0,
         T(L"4.6 26.2 24.9 11.6 32.7 15.0 21.2 8.3 21.4 34.1 18.7 14.3 16.2 17.5 33.2 16.7 16.5 16.7 16.7 "
           L"33.4 "
           L"18.7 14.3 17.5 16.2 33.2 15.0 21.2 21.4 8.3 34.1 4.6 26.2 11.6 24.9 32.7")},

        // ---- Ttl5Of22: five of 1-22 ---------------------------------------------------------
        {kTtl5Of22, L"base", 0, Repeat(22, L"22.7")},
        {kTtl5Of22, L"pos2", 0, T(L"0.6")},
        {kTtl5Of22, L"heZhi", 0, Join({T(L"0.2 1.4 5.5 13.0 21.0 23.8 19.3 10.9 4.1 0.9 0.1"), tails})},
        {kTtl5Of22, L"span", 0,
         Join({T(L"0.1 0.3 0.6 1.1 1.9 2.8 3.8 5.0 6.3 7.5 8.7 9.7 10.4 10.6 10.3 9.3 7.4 4.3"),
               Repeat(18, L"")})},
        // By the rule: the fourth number is big in 84.5 % and odd in 50.6 %.
        {kTtl5Of22, L"bigSmall", 0,
         T(L"1.8 13.8 34.5 34.5 13.8 1.8 1.8 98.2 15.5 84.5 50.0 50.0 84.5 15.5 98.2 1.8")},
        {kTtl5Of22, L"oddEven", 0,
         T(L"1.8 13.8 34.5 34.5 13.8 1.8 56.3 43.7 49.4 50.6 50.0 50.0 50.6 49.4 43.7 56.3")},
        {kTtl5Of22, L"zhiHe", 0,
         T(L"4.9 24.4 39.1 24.9 6.2 0.5 71.8 28.2 43.2 56.8 34.4 65.6 33.9 66.1 21.3 78.7")},
        {kTtl5Of22, L"luShu", 0,
         T(L"11.4 36.3 36.3 14.0 2.0 0.1 7.6 30.4 38.7 19.4 3.7 0.2 11.4 36.3 36.3 14.0 2.0 0.1 "
           L"25.3 41.9 32.8 33.8 32.2 34.0 33.3 33.5 33.3 34.0 32.2 33.8 32.8 41.9 25.3")},
        // Areas 1-7, 8-14, 15-22. By the rule: the last number is in the third in 92.4 %.
        {kTtl5Of22, L"threeArea", 0,
         T(L"11.4 36.3 36.3 14.0 2.0 0.1 11.4 36.3 36.3 14.0 2.0 0.1 7.6 30.4 38.7 19.4 3.7 0.2 "
           L"88.6 11.2 0.2 52.3 43.8 3.9 16.0 60.7 23.3 2.1 35.9 62.0 0.1 7.5 92.4")},
        // By the rule: the elements of 1-22 (not those of five of 1-35).
        {kTtl5Of22, L"wuXing", 0,
         T(L"4.6 26.5 24.0 12.1 32.8 16.2 19.7 8.8 21.3 34.0 17.3 15.6 18.4 15.4 33.3 "
           L"10.9 20.1 13.8 21.4 33.8 41.9 9.0 3.1 20.7 25.3")},

        // ---- Tc5Of20: five of 1-20 ----------------------------------------------------------
        {kTc5Of20, L"base", 0, Repeat(20, L"25.0")},
        {kTc5Of20, L"pos2", 0, T(L"0.9")},
        {kTc5Of20, L"heZhi", 0, Join({T(L"0.2 1.5 5.5 12.7 20.3 23.2 19.3 11.5 4.7 1.1 0.1"), tails})},
        {kTc5Of20, L"span", 0,
         Join({T(L"0.1 0.4 0.9 1.7 2.7 4.0 5.4 7.0 8.5 9.9 11.1 11.7 11.7 10.8 8.8 5.3"), Repeat(16, L"")})},
        {kTc5Of20, L"bigSmall", 0,
         T(L"1.6 13.5 34.8 34.8 13.5 1.6 1.6 98.4 15.2 84.8 50.0 50.0 84.8 15.2 98.4 1.6")},
        {kTc5Of20, L"oddEven", 0,
         T(L"1.6 13.5 34.8 34.8 13.5 1.6 57.0 43.0 49.2 50.8 50.0 50.0 50.8 49.2 43.0 57.0")},
        {kTc5Of20, L"zhiHe", 0,
         T(L"3.0 19.2 38.3 29.8 8.9 0.8 74.5 25.5 45.1 54.9 34.2 65.8 35.1 64.9 36.1 63.9")},
        {kTc5Of20, L"luShu", 0,
         T(L"12.9 38.7 35.2 11.7 1.4 0.0 8.3 32.3 38.7 17.6 2.9 0.1 8.3 32.3 38.7 17.6 2.9 0.1 "
           L"24.4 42.9 32.6 33.9 32.0 34.1 33.4 33.3 33.3 33.9 34.1 32.0 24.4 32.6 42.9")},
        // Areas 1-7, 8-14, 15-20. By the rule: the third area holds six numbers, not seven.
        {kTc5Of20, L"threeArea", 0,
         T(L"8.3 32.3 38.7 17.6 2.9 0.1 8.3 32.3 38.7 17.6 2.9 0.1 12.9 38.7 35.2 11.7 1.4 0.0 "
           L"91.7 8.3 0.0 59.4 39.2 1.4 20.7 66.2 13.1 3.1 48.6 48.3 0.1 12.8 87.1")},
        // By the rule: the elements of 1-20.
        {kTc5Of20, L"wuXing", 0,
         T(L"3.5 27.1 25.7 11.1 32.6 15.5 20.9 6.7 22.8 34.1 20.4 13.1 18.9 14.3 33.3 "
           L"9.4 23.6 18.4 16.6 32.0 1.3 15.3 5.3 35.2 42.9")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Narrow(c.game.key) + " " + Narrow(c.type) + " from " + std::to_string(c.at));
        PluginTables tables(c.game.key);
        const Texts shown = tables.ShownRates(c.type);
        ASSERT_LE(c.at + c.rates.size(), shown.size());
        EXPECT_EQ(Texts(shown.begin() + static_cast<std::ptrdiff_t>(c.at),
                        shown.begin() + static_cast<std::ptrdiff_t>(c.at + c.rates.size())),
                  c.rates);
    }
}

// Every chart of one position, one sum, one span or one class count shares 100 % among its
// columns, up to the rounding of each text (half of its last decimal) and the rates a game
// writes its own way; the pool shares 100 % per number drawn.
TEST(LottoHistoryRates, EachChartsRatesMakeAHundred)
{
    for (const RatedGame *game : kGames) {
        const calculation::TableRates &rates = game->rates();
        const auto k = static_cast<std::size_t>(game->numbers);
        // Consecutive groups of the sizes given cover the whole table; each sums to total.
        auto expectTotals = [&](const wchar_t *table, const Texts &texts,
                                const std::vector<std::size_t> &sizes, double total = 100.0) {
            std::size_t at = 0;
            for (std::size_t size : sizes) {
                ASSERT_LE(at + size, texts.size()) << Narrow(game->key) << " " << Narrow(table);
                const double sum =
                    std::accumulate(texts.begin() + static_cast<std::ptrdiff_t>(at),
                                    texts.begin() + static_cast<std::ptrdiff_t>(at + size), 0.0,
                                    [](double s, const std::wstring &text) { return s + std::stod(text); });
                EXPECT_NEAR(sum, total, 0.05 * static_cast<double>(size) + 0.1)
                    << Narrow(game->key) << " " << Narrow(table) << " from " << at;
                at += size;
            }
            EXPECT_EQ(at, texts.size()) << Narrow(game->key) << " " << Narrow(table);
        };
        expectTotals(L"base", rates.base, {rates.base.size()}, 100.0 * game->numbers);
        expectTotals(L"blue", rates.back,
                     game->backNumbers > 0 ? std::vector{rates.back.size()} : std::vector<std::size_t>{},
                     100.0 * game->backNumbers);
        const std::size_t values = rates.base.size() - k + 1; // per position of a sorted draw
        EXPECT_EQ(rates.positions.size(), game->distribution ? 0 : k);
        for (const Texts &position : rates.positions) {
            expectTotals(L"pos", position, {values});
        }
        expectTotals(L"distribution", rates.distribution,
                     game->distribution ? std::vector<std::size_t>(k, values) : std::vector<std::size_t>{});
        expectTotals(L"heZhi", rates.sum, {rates.sumRanges.size(), 10});
        EXPECT_EQ(rates.span.size(), 2 * values);
        expectTotals(L"span",
                     Texts(rates.span.begin(), rates.span.begin() + static_cast<std::ptrdiff_t>(values)),
                     {values});
        std::vector<std::size_t> shape{k + 1};
        shape.insert(shape.end(), k, 2);
        std::vector<std::size_t> classes{k + 1, k + 1, k + 1};
        classes.insert(classes.end(), k, 3);
        for (const wchar_t *type : {L"bigSmall", L"oddEven", L"zhiHe"}) {
            expectTotals(type, rates.Shape(type), shape);
        }
        for (const wchar_t *type : {L"luShu", L"threeArea"}) {
            expectTotals(type, rates.RouteArea(type), classes);
        }
        expectTotals(L"wuXing", rates.fiveElements, std::vector<std::size_t>(k, 5));
    }
}

// ---- The games' tables over draws at their edges ---------------------------------------------

std::wstring Balls(const std::wstring &style, std::initializer_list<const wchar_t *> numbers)
{
    std::wstring balls;
    for (const wchar_t *n : numbers) {
        balls += Span(style, n);
    }
    return balls;
}

// The grid columns key + 0 .. key + (count - 1), empty but for the one marked.
void AddColumns(OrderedRow &row, const std::wstring &key, int count, int marked, const std::wstring &cell)
{
    for (int i = 0; i < count; ++i) {
        row.emplace_back(key + std::to_wstring(i), i == marked ? cell : L"");
    }
}

TEST(Tc5Of35History, BaseAndLastPositionOfDrawsUpToTheHighestNumber)
{
    PluginTables tables(L"Tc5Of35");
    tables.Cache({L"03,11,19,25,30,07,12", L"01,02,03,04,35,01,12"});
    const std::wstring balls =
        Balls(kRed, {L"03", L"11", L"19", L"25", L"30"}) + Balls(kBlue, {L"07", L"12"});
    const std::vector<OrderedRow> base = tables.Rows(L"base");
    ASSERT_EQ(base.size(), 2U + 6U);
    OrderedRow first{
        {L"qiHao", L"1"}, {L"lotDate", L"d1"}, {L"lottery", balls}, {L"acValue", L"5"}, {L"average", L"18"}};
    for (int v = 1; v <= 35; ++v) {
        const bool drawn = v == 3 || v == 11 || v == 19 || v == 25 || v == 30;
        const std::wstring text = (v < 10 ? L"0" : L"") + std::to_wstring(v);
        first.emplace_back(L"pos" + std::to_wstring(v - 1), drawn ? Span(kRed, text) : L"");
    }
    for (const auto &[key, value] : {std::pair{L"minNum", L"03"},
                                     {L"maxNum", L"30"},
                                     {L"sum", L"88"},
                                     {L"span", L"27"},
                                     {L"threeAreaRate", L"2:1:2"},
                                     {L"bigSmallRate", L"3:2"},
                                     {L"oddEvenRate", L"4:1"},
                                     {L"zhiHeRate", L"3:2"},
                                     {L"luShuRate", L"2:2:1"}}) {
        first.emplace_back(key, value);
    }
    EXPECT_EQ(base[0], first);
    // 14.3 % of two draws.
    EXPECT_EQ(SummaryRows(base).Theory(L"pos34"), L"14.3/0.3/6.0");

    // The fifth number runs over 5-35: column 30 is 35, whose rate is 14.3 as that of 5.
    const std::vector<OrderedRow> fifth = tables.Rows(L"pos4");
    ASSERT_EQ(fifth.size(), 2U + 6U);
    OrderedRow last{
        {L"qiHao", L"2"},
        {L"lotDate", L"d2"},
        {L"lottery", Balls(kRed, {L"01", L"02", L"03", L"04", L"35"}) + Balls(kBlue, {L"01", L"12"})},
        {L"weiLot", L"35"},
        {L"bigSmall", L"大"},
        {L"oddEven", L"奇"},
        {L"zhiHe", L"合"},
        {L"luShu", L"2"},
        {L"threeArea", L"3"}};
    AddColumns(last, L"pos4", 31, 30, Marked(4, kRed, L"35"));
    EXPECT_EQ(fifth[1], last);
    EXPECT_EQ(ValueOf(fifth[0], L"pos425"), Marked(4, kRed, L"30"));
    const SummaryRows summary(fifth);
    EXPECT_EQ(summary.Theory(L"pos40"), L"0.0/0.0/∞");
    EXPECT_EQ(summary.Theory(L"pos430"), L"14.3/0.3/6.0");
    EXPECT_EQ(summary.Counts(L"pos430"), L"1/1/0");
    // A type without a position digit is the first position's table, with its rates.
    EXPECT_EQ(tables.ShownRates(L"pos"), *plugins::tc5of35::Tc5Of35Rates().Of(L"pos0"));
}

TEST(Tc5Of35History, BackPairsAndDrawsOutsideThePoolsLeftOut)
{
    PluginTables tables(L"Tc5Of35");
    // A draw without its second back number, a back number 13 and a front number 36 are no draws
    // of the game: the tables show the last two only.
    tables.Cache({L"01,02,03,04,05,06", L"01,02,03,04,05,07,13", L"01,02,03,04,36,06,07",
                  L"01,02,03,04,05,07,11", L"01,02,03,04,05,06,07"});
    const std::vector<OrderedRow> back = tables.Rows(L"blue");
    ASSERT_EQ(back.size(), 2U + 6U);
    OrderedRow pair{
        {L"qiHao", L"5"},
        {L"lotDate", L"d5"},
        {L"lottery", Balls(kRed, {L"01", L"02", L"03", L"04", L"05"}) + Balls(kBlue, {L"06", L"07"})}};
    for (int v = 1; v <= 12; ++v) {
        // Two back numbers draw no chart line.
        pair.emplace_back(L"pos" + std::to_wstring(v - 1),
                          v == 6 || v == 7 ? Span(kBlue, L"0" + std::to_wstring(v)) : L"");
    }
    pair.emplace_back(L"blue", L"06 07");
    pair.emplace_back(L"bigSmall", L"小大"); // big from 12 / 2 + 1
    pair.emplace_back(L"oddEven", L"偶奇");
    EXPECT_EQ(back[1], pair);
    EXPECT_EQ(ValueOf(back[0], L"qiHao"), L"4");
    EXPECT_EQ(ValueOf(back[0], L"pos6"), Span(kBlue, L"07"));
    const SummaryRows summary(back);
    EXPECT_EQ(summary.Theory(L"pos11"), L"16.7/0.3/5.0");
    EXPECT_EQ(summary.Counts(L"pos6"), L"2/2/0");
    EXPECT_EQ(summary.Counts(L"pos11"), L"0/0/2");

    // No table shows the draw with 36.
    const std::vector<OrderedRow> fifth = tables.Rows(L"pos4");
    ASSERT_EQ(fifth.size(), 2U + 6U);
    EXPECT_EQ(ValueOf(fifth[0], L"weiLot"), L"05");
    EXPECT_EQ(ValueOf(fifth[1], L"weiLot"), L"05");
}

TEST(Hd5Of15History, DistributionSpanAndShapesOfTheLowestDraw)
{
    PluginTables tables(L"Hd5Of15");
    tables.Cache({L"01,02,03,04,05", L"02,05,08,11,15"});
    const std::vector<OrderedRow> distribution = tables.Rows(L"distribution");
    ASSERT_EQ(distribution.size(), 2U + 6U);
    OrderedRow lowest{{L"qiHao", L"1"},
                      {L"lotDate", L"d1"},
                      {L"lottery", Balls(kRed, {L"01", L"02", L"03", L"04", L"05"})}};
    const std::wstring colours[] = {kRed, TestBall(L"green"), kBlue, TestBall(L"gold"), TestBall(L"purple")};
    for (int p = 0; p < 5; ++p) {
        // Eleven columns a position, the first its lowest value.
        AddColumns(lowest, L"pos" + std::to_wstring(p), 11, 0,
                   Marked(p, colours[p], L"0" + std::to_wstring(p + 1)));
    }
    EXPECT_EQ(distribution[0], lowest);
    const SummaryRows summary(distribution);
    EXPECT_EQ(summary.Theory(L"pos010"), L"0.03/0.0/∞");
    EXPECT_EQ(summary.Theory(L"pos40"), L"0.03/0.0/∞");
    EXPECT_EQ(summary.Theory(L"pos00"), L"33.3/0.7/2.0");
    EXPECT_EQ(summary.Counts(L"pos00"), L"1/1/1");
    EXPECT_EQ(summary.Counts(L"pos01"), L"1/1/0");
    // The game charts no single position.
    EXPECT_EQ(tables.ShownRates(L"pos0"), Texts(11));

    // Span 4 is the first column; the largest gap 1 too (no rates).
    const std::vector<OrderedRow> span = tables.Rows(L"span");
    OrderedRow first{
        {L"qiHao", L"1"}, {L"lotDate", L"d1"}, {L"lottery", Balls(kRed, {L"01", L"02", L"03", L"04", L"05"})},
        {L"span", L"4"},  {L"minNum", L"01"},  {L"maxNum", L"05"}};
    AddColumns(first, L"span", 11, 0, Marked(0, Box(20), L"4"));
    first.emplace_back(L"linHaoLag", L"1");
    AddColumns(first, L"linHaoLag", 11, 0, Marked(1, Box(20), L"1"));
    EXPECT_EQ(span[0], first);
    EXPECT_EQ(ValueOf(span[1], L"span9"), Marked(0, Box(20), L"13"));
    EXPECT_EQ(ValueOf(span[1], L"linHaoLag3"), Marked(1, Box(20), L"4"));
    EXPECT_EQ(SummaryRows(span).Theory(L"span0"), L"0.4/0.0/249.0");
    EXPECT_EQ(SummaryRows(span).Theory(L"linHaoLag0"), L"/0.0/∞");

    // Any shape type but big/small and odd/even is prime/composite, with two decimals.
    const Texts primes = tables.ShownRates(L"zhiHe");
    EXPECT_EQ(primes.front(), L"1.86");
    EXPECT_EQ(tables.Rows(L"zhiHe").size(), 2U + 6U);
    const std::vector<OrderedRow> shape = tables.Rows(L"oddEven");
    EXPECT_EQ(ValueOf(shape[1], L"rate"), L"3:2");
    EXPECT_EQ(ValueOf(shape[1], L"rate3"), Marked(0, Box(40), L"3:2"));
    EXPECT_EQ(ValueOf(shape[1], L"pos00"), Marked(1, Box(20), L"偶"));
    EXPECT_EQ(ValueOf(shape[1], L"pos41"), Marked(5, Box(20), L"奇"));
    EXPECT_EQ(SummaryRows(shape).Theory(L"pos41"), L"59.67/1.2/0.7");
}

TEST(Fc6Of33History, BlueNumberAndTheSixthPosition)
{
    PluginTables tables(L"Fc6Of33");
    tables.Cache(
        {L"01,02,03,04,05,33,07", L"05,10,15,20,25,30,16", L"01,02,03,04,05,06,17", L"01,02,03,04,05,06,08"});
    const std::vector<OrderedRow> blue = tables.Rows(L"blue");
    ASSERT_EQ(blue.size(), 3U + 6U);
    OrderedRow seven{
        {L"qiHao", L"1"},
        {L"lotDate", L"d1"},
        {L"lottery", Balls(kRed, {L"01", L"02", L"03", L"04", L"05", L"33"}) + Span(kBlue, L"07")}};
    AddColumns(seven, L"pos", 16, 6, Marked(0, kBlue, L"07"));
    seven.emplace_back(L"blue", L"07");
    seven.emplace_back(L"bigSmall", L"小"); // big from 16 / 2 + 1 = 9
    seven.emplace_back(L"oddEven", L"奇");
    EXPECT_EQ(blue[0], seven);
    EXPECT_EQ(ValueOf(blue[1], L"pos15"), Marked(0, kBlue, L"16"));
    EXPECT_EQ(ValueOf(blue[1], L"bigSmall"), L"大");
    // 17 is past the back pool: that draw is none of the game's.
    EXPECT_EQ(ValueOf(blue[2], L"qiHao"), L"4");
    const SummaryRows back(blue);
    EXPECT_EQ(back.Theory(L"pos6"), L"6.25/0.2/15.0");

    // The sixth number runs over 6-33; its last column is 33 at 18.2 %.
    const std::vector<OrderedRow> sixth = tables.Rows(L"pos5");
    ASSERT_EQ(sixth.size(), 3U + 6U);
    EXPECT_EQ(ValueOf(sixth[0], L"pos527"), Marked(5, kRed, L"33"));
    EXPECT_EQ(ValueOf(sixth[1], L"pos524"), Marked(5, kRed, L"30"));
    EXPECT_EQ(ValueOf(sixth[2], L"pos50"), Marked(5, kRed, L"06"));
    EXPECT_EQ(SummaryRows(sixth).Theory(L"pos527"), L"18.2/0.5/4.5");
    EXPECT_EQ(SummaryRows(sixth).Theory(L"pos57"), L"0.0/0.0/∞");
    // A type whose last character is no digit charts the first number.
    const std::vector<OrderedRow> first = tables.Rows(L"posX");
    ASSERT_EQ(first.size(), 3U + 6U);
    EXPECT_EQ(ValueOf(first[1], L"pos04"), Marked(0, kRed, L"05"));
    EXPECT_EQ(SummaryRows(first).Theory(L"pos00"), L"18.2/0.5/4.5");
}

TEST(Fc7Of30History, SevenPositionsAndTheirElements)
{
    PluginTables tables(L"Fc7Of30");
    // Each draw with its special number after the seven.
    tables.Cache({L"01,02,03,04,05,06,07,30", L"24,25,26,27,28,29,30,01"});
    const std::vector<OrderedRow> seventh = tables.Rows(L"pos6");
    ASSERT_EQ(seventh.size(), 2U + 6U);
    EXPECT_EQ(ValueOf(seventh[0], L"pos60"), Marked(6, kRed, L"07"));
    EXPECT_EQ(ValueOf(seventh[1], L"pos623"), Marked(6, kRed, L"30"));
    EXPECT_EQ(SummaryRows(seventh).Theory(L"pos623"), L"23.3/0.5/3.3");
    EXPECT_EQ(SummaryRows(tables.Rows(L"pos1")).Theory(L"pos10"), L"4.8/0.1/19.8");

    // Every one of the seven positions has its five elements' rates.
    const std::vector<OrderedRow> elements = tables.Rows(L"wuXing");
    ASSERT_EQ(elements.size(), 2U + 6U);
    // 30 is element huo, 24 shui.
    const std::wstring cell = Box(20);
    EXPECT_EQ(ValueOf(elements[1], L"pos6huo"), Marked(6, cell, L"火"));
    EXPECT_EQ(ValueOf(elements[1], L"pos0shui"), Marked(0, cell, L"水"));
    const SummaryRows summary(elements);
    EXPECT_EQ(summary.Theory(L"pos6tu"), L"32.7/0.7/2.1");
    EXPECT_EQ(summary.Theory(L"pos6huo"), L"24.9/0.5/3.0");
    EXPECT_EQ(summary.probability.size(), 1U + 35U);
    // No back area of the bets: the special number's chart has no rates.
    EXPECT_EQ(tables.ShownRates(L"blue"), Texts(30));
}

TEST(FiveOfTwentyTwoAndTwentyHistory, ThirdPositionAndSumRangesAtTheirEnds)
{
    struct Case {
        const wchar_t *game;
        const wchar_t *draw;       // the highest five numbers
        const wchar_t *highest;    // its sum's column: the last range
        const wchar_t *thirdFirst; // the rate of the third number's lowest value
        int values;
    };
    const Case cases[] = {
        {L"Ttl5Of22", L"18,19,20,21,22", L"sum10", L"0.6", 18},
        {L"Tc5Of20", L"16,17,18,19,20", L"sum10", L"0.9", 16},
    };
    const std::wstring range =
        L"'display:inline-block;height:16px;padding:1px 2px 0px 2px;background:#067306;"
        L"color:#ffffff;text-align:center;'";
    for (const Case &c : cases) {
        SCOPED_TRACE(Narrow(c.game));
        PluginTables tables(c.game);
        tables.Cache({L"01,02,03,04,05", c.draw});
        const std::vector<OrderedRow> sums = tables.Rows(L"heZhi");
        ASSERT_EQ(sums.size(), 2U + 6U);
        // 15 is the first range's low end, the highest sum the last range's high end.
        EXPECT_EQ(ValueOf(sums[0], L"sum0"), Marked(0, range, L"15"));
        EXPECT_EQ(ValueOf(sums[1], c.highest), Marked(0, range, ValueOf(sums[1], L"sum")));
        EXPECT_EQ(SummaryRows(sums).Theory(c.highest), L"0.1/0.0/∞");
        const Texts third = tables.ShownRates(L"pos2");
        ASSERT_EQ(third.size(), static_cast<std::size_t>(c.values));
        EXPECT_EQ(third.front(), c.thirdFirst);
        EXPECT_EQ(third.back(), c.thirdFirst);
        EXPECT_EQ(ValueOf(tables.Rows(L"pos2")[1], L"pos2" + std::to_wstring(c.values - 1)),
                  Marked(2, kRed, std::wstring(c.draw).substr(6, 2)));
    }
}

TEST(LottoHistoryPatterns, ConsecutiveNumbersAndSameTailsOfALottoDraw)
{
    PluginTables tables(L"Tc5Of35");
    tables.Cache({L"04,05,06,17,28,01,02", L"03,13,25,27,35,01,02"});
    const std::vector<OrderedRow> runs = tables.Rows(L"lianHao");
    ASSERT_EQ(runs.size(), 2U); // no summary rows
    for (int i = 0; i < 35; ++i) {
        const std::wstring key = L"pos" + std::to_wstring(i);
        EXPECT_EQ(ValueOf(runs[0], key), i >= 3 && i <= 5 ? Span(kRed, L"0" + std::to_wstring(i + 1)) : L"")
            << i;
        EXPECT_EQ(ValueOf(runs[1], key), L"") << i;
    }
    const std::vector<OrderedRow> tails = tables.Rows(L"sameTail");
    ASSERT_EQ(tails.size(), 2U);
    std::wstring marked;
    for (int i = 0; i < 35; ++i) {
        if (!ValueOf(tails[1], L"pos" + std::to_wstring(i)).empty()) {
            marked += std::to_wstring(i + 1) + L" ";
        }
    }
    // Tails 3 and 5 repeat: 3, 13, 25, 35 are drawn with them; 23 and 33 are not drawn, 27 stands alone.
    EXPECT_EQ(marked, L"3 13 25 35 ");
    EXPECT_EQ(ValueOf(tails[1], L"pos2"), Span(kRed, L"03"));
}

} // namespace
} // namespace lottotest

// "Tc7Of10": seven digits in order over a pool cut by the killed, smallest and largest digits.
#include "page_run.h"

#include "digit/Tc7Of10/tc7of10_filter_chain.h"

namespace digittest {
namespace {

class Tc7Of10Test : public GameRun {
protected:
    Tc7Of10Test() : GameRun(L"Tc7Of10") {}
};

TEST_F(Tc7Of10Test, PoolCutByKilledAndSmallestDigits)
{
    // Pool 1, 5, 7 without the killed 3; the smallest chosen is 4, so the pool starts at 5: 2^7
    // candidates, each failing the tolerated smallest-digit test once.
    Run(L"", {{L"baseNums", L"1,3,5,7"}, {L"feiMa", L"3"}, {L"minimumNum", L"4", true}}, L"", 1);
    EXPECT_EQ(Trailer(), L"total:128,primaryTotal:16384,afterFilterLen:128,cutDownRate:\"99.22%\"}");
    std::vector<std::wstring> rows = Rows(L"0", L"");
    EXPECT_EQ(rows.front(), L"5555555");
    EXPECT_EQ(rows.back(), L"7777777");
}

TEST(Tc7Of10Pool, CutFindsItsEndsWhereThePoolMeetsOrPassesThem)
{
    using plugins::tc7of10::CutPool;
    const std::vector<int> pool{1, 3, 5, 7, 9};
    EXPECT_EQ(CutPool(pool, 3, 7), (std::vector<int>{3, 5, 7}));
    EXPECT_EQ(CutPool(pool, 4, 8), (std::vector<int>{5, 7}));
    EXPECT_EQ(CutPool(pool, 1, 9), pool);
    // A largest digit below every digit meets neither rule: the pool keeps its end.
    EXPECT_EQ(CutPool({1, 2, 3, 4, 5, 6, 7, 8, 9}, 1, 0), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(CutPool(pool, 6, 4), (std::vector<int>{}));
    EXPECT_EQ(CutPool({}, 0, 9), (std::vector<int>{}));
}

TEST_F(Tc7Of10Test, StoredRowsAreCappedTheSurvivorsCounted)
{
    Run(L"", {{L"baseNums", Digits(0, 9)}});
    EXPECT_EQ(Trailer(), L"total:100000,primaryTotal:10000000,afterFilterLen:10000000,cutDownRate:\"0.00%\","
                         L"countedTotal:10000000}");
    std::vector<std::wstring> rows = Rows(L"0", L"");
    EXPECT_EQ(rows.front(), L"0000000");
    EXPECT_EQ(rows.back(), L"0099999");
}

TEST_F(Tc7Of10Test, SavedRowsTakeTheSeparatorAsked)
{
    Run(L"", {}, L"1234567");
    EXPECT_EQ(chain().GetResultStr(L"0", L" ", L":", 1, 1), L"1 2 3 4 5 6 7");
    EXPECT_EQ(chain().GetResultStr(L"0", L",", L"+", 1, 1), L"1,2,3,4,5,6,7");
}

TEST_F(Tc7Of10Test, OldNumbersAsDigitsOrSeparatedDigits)
{
    // A saved result ("1,2,3,4,5,6,7") reads back as the same bet; "1,2,3" is three entries of
    // one digit, none a bet.
    Run(L"", {}, L"1234567|1,2,3,4,5,6,7|123456|12345678|1,2,3");
    EXPECT_EQ(Rows(L"0", L""), (std::vector<std::wstring>{L"1234567", L"1234567"}));
    EXPECT_EQ(chain().primaryTotal(), 7);
}

TEST_F(Tc7Of10Test, SearchesOfRunsAndRepeats)
{
    Run(L"", {}, L"1357913|1234567|0000000");
    ExpectSearches(
        {
            {L"lianHao", {L"1234567"}},
            {L"notLianHao", {L"1357913", L"0000000"}},
            {L"chongMa", {L"1357913", L"0000000"}},
            {L"notChongMa", {L"1234567"}},
        },
        L"");
}

// "erMa" keeps (include) or leaves out (exclude) the rows that hold both digits of a code.
TEST_F(Tc7Of10Test, TwoDigitCodesHonourAnExclusion)
{
    const std::wstring rows = L"1234567|7890789";
    Run(L"", {{L"erMa", L"12", false, L"13"}}, rows);
    EXPECT_EQ(Rows(L"0", L""), (std::vector<std::wstring>{L"7890789"}));
    Run(L"", {{L"erMa", L"12"}}, rows);
    EXPECT_EQ(Rows(L"0", L""), (std::vector<std::wstring>{L"1234567"}));
}

TEST_F(Tc7Of10Test, RuleOutCountsEveryDigitOfTheRowFoundInTheDraw)
{
    chain().SetOldDataForRuleOut({{1, 2, 3, 4, 5, 6, 7}});
    // 7654321 and 1111111 each have seven digits found in the draw; 1234560 six.
    Run(L"", {{L"ruleOutOldData", L"7"}}, L"7654321|1111111|1234560");
    EXPECT_EQ(Rows(L"0", L""), (std::vector<std::wstring>{L"1234560"}));
    Run(L"", {{L"baseNums", L"0,1,2,3,4,5,6,7"}, {L"ruleOutOldData", L"7"}});
    // Of the 8^7 rows over 0-7, those without a 0 have all seven digits in the draw.
    EXPECT_EQ(Count(L"afterFilterLen"), 2097152 - 823543);
}

} // namespace
} // namespace digittest

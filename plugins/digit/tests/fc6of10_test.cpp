// "Fc6Of10": six digits and a zodiac label joined to each bet, stored up to the cap.
#include "page_run.h"

namespace digittest {
namespace {

class Fc6Of10Test : public GameRun {
protected:
    Fc6Of10Test() : GameRun(L"Fc6Of10") {}
};

TEST_F(Fc6Of10Test, EverySurvivorWithEveryChosenLabelCountedPastTheCap)
{
    Run(L"", {{L"baseNums_red", Digits(0, 9)}, {L"baseNums_blue", L"1,2"}});
    EXPECT_EQ(Trailer(), L"total:100000,primaryTotal:2000000,afterFilterLen:2000000,cutDownRate:\"0.00%\","
                         L"countedTotal:2000000}");
    std::vector<std::wstring> rows = Rows();
    ASSERT_EQ(rows.size(), 100000U);
    EXPECT_EQ(rows[0], L"0,0,0,0,0,0,1");
    EXPECT_EQ(rows[1], L"0,0,0,0,0,0,2");
    EXPECT_EQ(rows[2], L"0,0,0,0,0,1,1");
    // Row 100000 is the second label of the 50000th six-digit row, 049999.
    EXPECT_EQ(rows.back(), L"0,4,9,9,9,9,2");
}

TEST_F(Fc6Of10Test, PageRowsShowTheDigitsAndTheLabelByItsSign)
{
    Run(L"", {}, L"1,2,3,4,5,6,12");
    const std::wstring blue = L"<span style='display:inline-block;width:18px;height:18px;line-height:18px;"
                              L"background-image:url(&quot;qel://base/images/blueBall18.png&quot;);"
                              L"color:yellow;margin-left:2px;text-align:center;'>猪</span>";
    EXPECT_NE(page.find(L"{rowNumber:\"1\",redNumber:\"<span"), std::wstring::npos) << Narrow(page);
    EXPECT_NE(page.find(L"blueNumber:\"" + blue + L"\",sum:\"21\",kuaDu:\"5\""), std::wstring::npos);
    EXPECT_EQ(Trailer(), L"total:1,primaryTotal:1,afterFilterLen:0,cutDownRate:\"0.00%\"}");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"1,2,3,4,5,6,12"}));
}

TEST_F(Fc6Of10Test, OldNumbersMustBeSixDigitsAndALabel)
{
    Run(L"", {}, L"1,2,3,4,5,6|1,2,3,4,5,6,13|1,2,3,4,5,10,1|123456|0,0,0,0,0,0,1|9,9,9,9,9,9,12");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"0,0,0,0,0,0,1", L"9,9,9,9,9,9,12"}));
    EXPECT_EQ(chain().primaryTotal(), 6);
}

TEST_F(Fc6Of10Test, TwoDigitCodesHonourAnExclusion)
{
    const std::wstring rows = L"1,2,3,4,5,6,1|7,8,9,7,8,9,1";
    Run(L"", {{L"erMa", L"12", false, L"13"}}, rows);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"7,8,9,7,8,9,1"}));
    Run(L"", {{L"erMa", L"12"}}, rows);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"1,2,3,4,5,6,1"}));
}

// Runs and repeats are those of the six digits: the label is no digit. Read with their labels,
// the first two rows would hold the runs 7-8-9 and 6-7-8, the last a repeated 6.
TEST_F(Fc6Of10Test, SearchesReadTheSixDigitsOnly)
{
    Run(L"", {}, L"1,3,5,7,9,9,8|0,2,4,6,8,8,7|1,2,4,6,8,0,3|1,2,4,6,8,0,6");
    ExpectSearches({
        {L"all", {L"1,3,5,7,9,9,8", L"0,2,4,6,8,8,7", L"1,2,4,6,8,0,3", L"1,2,4,6,8,0,6"}},
        {L"lianHao", {L"1,2,4,6,8,0,3", L"1,2,4,6,8,0,6"}},
        {L"notLianHao", {L"1,3,5,7,9,9,8", L"0,2,4,6,8,8,7"}},
        {L"chongMa", {L"1,3,5,7,9,9,8", L"0,2,4,6,8,8,7"}},
        {L"notChongMa", {L"1,2,4,6,8,0,3", L"1,2,4,6,8,0,6"}},
        {L"sameTail", {}},
    });
}

TEST_F(Fc6Of10Test, RuleOutCountsTheDigitsADrawShares)
{
    // The last stage compares the six digits with a draw's six digits (its label aside); a
    // draw shorter than a bet is skipped.
    chain().SetOldDataForRuleOut({{1, 2, 3, 4, 5, 6, 7}, {6, 5}});
    Run(L"", {{L"ruleOutOldData", L"6"}}, L"6,5,4,3,2,1,3|1,2,3,4,5,7,3|1,1,2,3,4,5,2");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"1,2,3,4,5,7,3"}));
}

TEST_F(Fc6Of10Test, NoLabelChosenNoBets)
{
    Run(L"", {{L"baseNums_red", Digits(0, 9)}});
    EXPECT_EQ(Trailer(), L"total:0,primaryTotal:0,afterFilterLen:0,cutDownRate:\"0.00%\"}");
}

} // namespace
} // namespace digittest

// "Array5": five digits in order, from a page's request to its result page.
#include "page_run.h"

namespace digittest {
namespace {

class Array5Test : public GameRun {
protected:
    Array5Test() : GameRun(L"Array5") {}
};

const std::wstring kBall = L"<span style='display:inline-block;width:18px;height:18px;line-height:18px;"
                           L"background-image:url(&quot;qel://base/images/redBall18.png&quot;);color:yellow;"
                           L"margin-left:2px;text-align:center;'>";

TEST_F(Array5Test, EveryRowOfTheBaseDigitsInOrder)
{
    Run(L"", {{L"baseNums", Digits(0, 9)}});
    EXPECT_EQ(Trailer(), L"total:100000,primaryTotal:100000,afterFilterLen:0,cutDownRate:\"0.00%\"}");
    std::vector<std::wstring> rows = Rows();
    ASSERT_EQ(rows.size(), 100000U);
    EXPECT_EQ(rows.front(), L"00000");
    EXPECT_EQ(rows[12345], L"12345");
    EXPECT_EQ(rows.back(), L"99999");
}

TEST_F(Array5Test, FirstPageShowsClassCountsOfTheFiveDigits)
{
    Run(L"", {{L"baseNums", L"1,2"}, {L"heZhi", L"6"}});
    // 11112, 11121, 11211, 12111, 21111: the rows of sum 6 over the digits 1 and 2.
    EXPECT_EQ(Trailer(), L"total:5,primaryTotal:32,afterFilterLen:0,cutDownRate:\"84.38%\"}");
    const std::wstring first = L"{rowNumber:\"1\",number:\"" + kBall + L"1</span>" + kBall + L"1</span>" +
                               kBall + L"1</span>" + kBall + L"1</span>" + kBall +
                               L"2</span>\",sum:\"6\",kuaDu:\"1\",threeArea:\"5:0:0\",bigSmall:\"0:5\","
                               L"oddEven:\"4:1\",zhiHe:\"5:0\",luShu:\"0:4:1\"}";
    EXPECT_NE(page.find(L"items:[" + first + L","), std::wstring::npos) << Narrow(page.substr(0, 600));
}

TEST_F(Array5Test, OwnConditionsOfTheFirstStage)
{
    struct Case {
        std::vector<Item> conditions;
        std::size_t rows;
    } cases[] = {
        // Only rows beginning with 0 or 9.
        {{{L"numLag", L"0,9"}}, 20000},
        // Rows of exactly two different digits: C(10,2) pairs times the 2^5 - 2 rows of each.
        {{{L"diffNum", L"2"}}, std::size_t{45} * 30},
        // Excluding the code 01: no row holding both a 0 and a 1 (10^5 - 2·9^5 + 8^5 of them do not).
        {{{L"erMa", L"01", false, L"02,03"}}, 100000 - 14670},
        // Holding the code 01, tolerated once with at most one failure: every row.
        {{{L"erMa", L"01", true}}, 100000},
    };
    for (const Case &c : cases) {
        std::vector<Item> conditions{{L"baseNums", Digits(0, 9)}};
        conditions.insert(conditions.end(), c.conditions.begin(), c.conditions.end());
        Run(L"", conditions, L"", 1);
        EXPECT_EQ(chain().resultList()->size(), c.rows) << Narrow(c.conditions.front().name);
    }
}

TEST_F(Array5Test, RepeatsAndRuleOutInTheLastStage)
{
    chain().SetOldDataForRuleOut({{1, 1, 2, 3, 4}, {5, 5}});
    // 43210 shares four distinct digits with the draw; 11115 one.
    Run(L"", {{L"ruleOutOldData", L"4"}}, L"43210|11115");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"11115"}));
    Run(L"", {{L"chongMa", L"1"}}, L"11234|12345|22345");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"11234"}));
    Run(L"", {{L"chongMa", L"-1"}}, L"11234|12345|22345");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"12345"}));
}

TEST_F(Array5Test, OldNumbersAreNumbersOfAtMostFiveDigits)
{
    // "12" is the number 00012; six digits, letters and a digit of another game are counted only.
    Run(L"", {}, L"12|123456|00007|12a45|1,2,3,4,5");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"00012", L"00007", L"12345"}));
    EXPECT_EQ(chain().primaryTotal(), 5);
}

TEST_F(Array5Test, SearchesOfRunsAndRepeats)
{
    Run(L"", {}, L"11234|12345|13572|13579|00000");
    ExpectSearches({
        {L"all", {L"11234", L"12345", L"13572", L"13579", L"00000"}},
        {L"lianHao", {L"11234", L"12345", L"13572"}},
        {L"notLianHao", {L"13579", L"00000"}},
        {L"chongMa", {L"11234", L"00000"}},
        {L"notChongMa", {L"12345", L"13572", L"13579"}},
        {L"sameTail", {}},
        {L"zuLiu", {}},
    });
}

} // namespace
} // namespace digittest

// "Tc5Of35": five front numbers of 1-35 and a back pair of 1-12, each pair tested by the back
// conditions; its own page with red and blue balls, its searches, save texts and old numbers.
#include "lotto_run.h"

namespace lottotest {
namespace {

class Tc5Of35Test : public LottoRun {
protected:
    Tc5Of35Test() : LottoRun(L"Tc5Of35") {}
};

TEST_F(Tc5Of35Test, BackPairsAreTestedOnceEachAndJoinedWithEveryFrontRow)
{
    struct Case {
        const char *what;
        std::vector<Item> back; // besides the pools below
        std::vector<std::wstring> rows;
    } cases[] = {
        // Pairs of 6, 7, 12 in pool order: (6,7), (6,12), (7,12); only (7,12) has two big numbers.
        {"big-small rate 2:0", {{L"bigSmallRateBack", L"20"}}, {L"01,02,03,04,05+07,12"}},
        // A fixed back position is never tolerated.
        {"fixed first back number", {{L"backPos0", L"7", true}}, {L"01,02,03,04,05+07,12"}},
        {"span 6 or 1", {{L"kuaDuBack", L"6,1"}}, {L"01,02,03,04,05+06,07", L"01,02,03,04,05+06,12"}},
        {"pattern small-big", {{L"bigSmallBack", L"01"}}, {L"01,02,03,04,05+06,07", L"01,02,03,04,05+06,12"}},
        {"consecutive", {{L"lianMaBack", L"1"}}, {L"01,02,03,04,05+06,07"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Item> items{{L"baseNums_red", L"1,2,3,4,5"}, {L"baseNums_blue", L"6,7,12"}};
        items.insert(items.end(), c.back.begin(), c.back.end());
        Run(items, L"", 1);
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(chain().primaryTotal(), 3); // C(5,5) × C(3,2)
        EXPECT_EQ(Count(L"afterFilterLen"), static_cast<int>(c.rows.size()));
    }
}

TEST_F(Tc5Of35Test, FrontAndBackToleranceAreCountedApartForNewNumbersTogetherForOldOnes)
{
    // The sum 15 of 1..5 fails "heZhi 16"; the span 1 of (1, 2) fails "kuaDuBack 5"; both are
    // tolerated once.
    const std::vector<Item> conditions{{L"heZhi", L"16", true}, {L"kuaDuBack", L"5", true}};
    std::vector<Item> items{{L"baseNums_red", L"1,2,3,4,5"}, {L"baseNums_blue", L"1,2"}};
    items.insert(items.end(), conditions.begin(), conditions.end());
    Run(items, L"", 1);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"01,02,03,04,05+01,02"}));
    Run(conditions, L"1,2,3,4,5,1,2", 1);
    EXPECT_EQ(Rows(), std::vector<std::wstring>{});
    Run(conditions, L"1,2,3,4,5,1,2", 2);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"01,02,03,04,05+01,02"}));
}

TEST_F(Tc5Of35Test, AreaCountsOfSixAndSevenAreasAreTestedFourAreasOnlyKept)
{
    const std::vector<Item> pools{{L"baseNums_red", L"4,7,8,9,10,11"}, {L"baseNums_blue", L"1,2"}};
    std::vector<Item> items = pools;
    items.push_back({L"sixAreaNum0", L"0"}); // nothing of 1-6: only the row without 4
    Run(items);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"07,08,09,10,11+01,02"}));
    items = pools;
    items.push_back({L"sevenAreaNum2", L"1"}); // one of 11-15: the rows holding 11
    Run(items);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"04,07,08,09,11+01,02", L"04,07,08,10,11+01,02",
                                                 L"04,07,09,10,11+01,02", L"04,08,09,10,11+01,02",
                                                 L"07,08,09,10,11+01,02"}));
    items = pools;
    for (int i = 0; i < 4; ++i) {
        items.push_back({L"fourAreaNum" + std::to_wstring(i), L"5"});
    }
    Run(items);
    EXPECT_EQ(Rows().size(), 6U); // C(6,5) × 1 pair: nothing tests them
}

TEST_F(Tc5Of35Test, WithoutBackNumbersNoBet)
{
    Run({{L"baseNums_red", Digits(1, 10)}, {L"baseNums_blue", L"5"}});
    EXPECT_EQ(Trailer(), L"total:0,afterFilterLen:0,primaryTotal:0,cutDownRate:\"0.00%\"}");
}

TEST_F(Tc5Of35Test, PagesShowRedFrontAndBlueBackBallsAndFrontStatistics)
{
    Run({{L"baseNums_red", L"3,12,19,25,31"}, {L"baseNums_blue", L"4,11"}});
    auto ball = [](const wchar_t *picture, const wchar_t *number) {
        return std::wstring(L"<span style='display:inline-block;width:18px;height:18px;line-height:18px;"
                            L"background-image:url(&quot;qel://base/images/") +
               picture + L"&quot;);color:yellow;margin-left:2px;text-align:center;'>" + number + L"</span>";
    };
    const std::wstring red = ball(L"redBall18.png", L"03") + ball(L"redBall18.png", L"12") +
                             ball(L"redBall18.png", L"19") + ball(L"redBall18.png", L"25") +
                             ball(L"redBall18.png", L"31");
    const std::wstring blue = ball(L"blueBall18.png", L"04") + ball(L"blueBall18.png", L"11");
    // Sum 90, span 28; areas of 12: 3 | 12 ... 1:2:2 (1-12: 3, 12; 13-24: 19; 25-36: 25, 31);
    // big from 18: three big, two small; odd 3, 19, 25, 31; prime 3, 19, 31; routes 0 (3, 12),
    // 1 (19, 25, 31), 2 none.
    EXPECT_EQ(page, L"{size:\"1\",items:[{rowNumber:\"1\",redNumber:\"" + red + L"\",blueNumber:\"" + blue +
                        L"\",sum:\"90\",kuaDu:\"28\",threeArea:\"2:1:2\",bigSmall:\"3:2\",oddEven:\"4:1\","
                        L"zhiHe:\"3:2\",luShu:\"2:3:0\"}],total:1,afterFilterLen:1,primaryTotal:1,"
                        L"cutDownRate:\"0.00%\"}");
}

TEST_F(Tc5Of35Test, SearchesLookAtTheFrontNumbers)
{
    // Rows of 1, 3, 5, 7, 9, 11 with one pair: 1 and 11 share their last digit.
    Run({{L"baseNums_red", L"1,3,5,7,9,11"}, {L"baseNums_blue", L"1,2"}});
    EXPECT_EQ(Search(L"sameTail"),
              (std::vector<std::wstring>{L"01,03,05,07,11+01,02", L"01,03,05,09,11+01,02",
                                         L"01,03,07,09,11+01,02", L"01,05,07,09,11+01,02"}));
    EXPECT_EQ(Search(L"notSameTail"),
              (std::vector<std::wstring>{L"01,03,05,07,09+01,02", L"03,05,07,09,11+01,02"}));
    EXPECT_EQ(Search(L"lianHao"), std::vector<std::wstring>{});
    EXPECT_EQ(Search(L"notLianHao").size(), 6U);
    EXPECT_EQ(
        chain().GetDataByPage(L"1", 100, 1, 1).substr(chain().GetDataByPage(L"1", 100, 1, 1).rfind(L"],")),
        L"],total:6}");
    Run({{L"baseNums_red", L"1,2,4,6,8,10"}, {L"baseNums_blue", L"1,2"}});
    EXPECT_EQ(Search(L"lianHao").size(), 4U); // every row holding 1 and 2
    EXPECT_EQ(Search(L"all").size(), 6U);
}

TEST_F(Tc5Of35Test, SaveTextsWriteBothAreasInEachFormat)
{
    Run({{L"baseNums_red", L"1,2,3,4,5"}, {L"baseNums_blue", L"6,7"}});
    EXPECT_EQ(chain().GetResultStr(L"0", L",", L"+", 1, 1), L"01,02,03,04,05+06,07");
    EXPECT_EQ(chain().GetResultStr(L"0", L" ", L":", 1, 1), L"01 02 03 04 05:06 07");
    EXPECT_EQ(chain().GetResultStr(L"0", L",", L":", 1, 1), L"01,02,03,04,05:06,07");
}

TEST_F(Tc5Of35Test, OldNumbersMustBeBetsOfTheGameAndEveryEntryCounts)
{
    // Short, long, repeated, outside the pools: counted, never kept. An entry out of order is held
    // ascending.
    Run({{L"maximumNum", L"5,7"}}, L"1,2,3,4,5,1,2|1,2,3,4,5,6|1,2,3,4,5,6,7,8|1,1,2,3,4,5,6|1,2,3,4,36,1,2|"
                                   L"1,2,3,4,5,1,13|7,3,5,1,2,12,6|1,2,3,4,6,1,2");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"01,02,03,04,05+01,02", L"01,02,03,05,07+06,12"}));
    EXPECT_EQ(Trailer(), L"total:2,afterFilterLen:0,primaryTotal:8,cutDownRate:\"75.00%\"}");
}

TEST_F(Tc5Of35Test, TypedRowsAreBetsOfTheGameHeldAscending)
{
    struct Case {
        const wchar_t *row;
        calculation::RowCheck check;
    } cases[] = {
        {L"5,4,3,2,1,12,1", calculation::RowCheck::Ok},
        {L"1,2,3,4,5,1", calculation::RowCheck::WrongCount},
        {L"1,2,3,4,4,1,2", calculation::RowCheck::Repeated},
        {L"1,2,3,4,5,2,2", calculation::RowCheck::Repeated},
        {L"1,2,3,4,5,1,13", calculation::RowCheck::NotOfGame},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(chain().CheckRowText(c.row), c.check) << Narrow(c.row);
        EXPECT_EQ(chain().AddRow(c.row), c.check == calculation::RowCheck::Ok ? 1 : 0) << Narrow(c.row);
    }
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"01,02,03,04,05+01,12"}));
}

TEST_F(Tc5Of35Test, PositionsBeyondTheFrontAreNeverRead)
{
    // "pos5" .. "pos9" name positions a bet of five front numbers does not have.
    std::vector<Item> items{{L"baseNums_red", L"1,2,3,4,5,6"}, {L"baseNums_blue", L"1,2"}};
    for (int i = 5; i < 10; ++i) {
        items.push_back({L"pos" + std::to_wstring(i), L"40"});
    }
    Run(items);
    EXPECT_EQ(Rows().size(), 6U);
}

} // namespace
} // namespace lottotest

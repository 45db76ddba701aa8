// "Fc6Of33": six front numbers of 1-33 and one blue number of 1-16, which no condition tests;
// four areas of unequal width, six and seven areas; its own page with red and blue balls.
#include "lotto_run.h"

namespace lottotest {
namespace {

class Fc6Of33Test : public LottoRun {
protected:
    Fc6Of33Test() : LottoRun(L"Fc6Of33") {}
};

TEST_F(Fc6Of33Test, EveryFrontRowWithEveryBlueNumberUpToTheCap)
{
    // C(18, 6) = 18,564 front rows × 8 blue numbers; row 100,000 is front row 12,500 with blue 8.
    Run({{L"baseNums_red", Digits(1, 18)}, {L"baseNums_blue", Digits(1, 8)}});
    EXPECT_EQ(
        Trailer(),
        L"total:100000,afterFilterLen:148512,primaryTotal:148512,cutDownRate:\"0.00%\",countedTotal:148512}");
    EXPECT_EQ(Rows().back(), L"03,06,08,10,16,18+08");
    Run({{L"baseNums_red", Digits(1, 18)}});
    EXPECT_EQ(Trailer(), L"total:0,afterFilterLen:0,primaryTotal:0,cutDownRate:\"0.00%\"}");
}

TEST_F(Fc6Of33Test, FourAreasOfUnequalWidthSixAndSevenAreas)
{
    const std::vector<Item> pools{{L"baseNums_red", Digits(15, 21)}, {L"baseNums_blue", L"9"}};
    struct Case {
        Item condition;
        std::size_t rows;
    } cases[] = {
        {{L"fourAreaNum2", L"1"}, 6}, // 17 alone: the rows holding 17
        {{L"fourAreaNum2", L"0"}, 1},
        {{L"fourAreaNum1", L"2"}, 5}, // 9-16: 15 and 16 both
        {{L"sixAreaNum2", L"2"}, 0},  // 13-18 holds 15-18: every row has three or four of them
        {{L"sixAreaNum2", L"3"}, 4},
        {{L"sevenAreaNum3", L"5"}, 2}, // 16-20 all five: the rows without 15 and without 21
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Narrow(c.condition.name + L"=" + c.condition.chosen));
        std::vector<Item> items = pools;
        items.push_back(c.condition);
        Run(items);
        EXPECT_EQ(Rows().size(), c.rows);
    }
}

TEST_F(Fc6Of33Test, OldNumbersTestTheFrontOnly)
{
    // The blue number is never tested: with the sum of the front at most 21, the first two pass
    // whatever their blue number; an entry whose blue number is no number of the game is no bet.
    Run({{L"heZhi", Digits(0, 21)}}, L"1,2,3,4,5,6,16|6,5,4,3,2,1,9|1,2,3,4,5,7,1|1,2,3,4,5,6,17");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"01,02,03,04,05,06+16", L"01,02,03,04,05,06+09"}));
    EXPECT_EQ(chain().primaryTotal(), 4);
}

TEST_F(Fc6Of33Test, PagesShowSixRedBallsAndTheBlueOne)
{
    Run({{L"baseNums_red", L"1,11,12,17,23,33"}, {L"baseNums_blue", L"16"}});
    // Areas of 11: 1, 11 | 12 | 17 ... 2:2:2; big from 17: 17, 23, 33; odd 1, 11, 17, 23, 33;
    // prime 1, 11, 17, 23; routes 0: 12, 33; 1: 1; 2: 11, 17, 23.
    EXPECT_NE(page.find(L"&quot;);color:yellow;margin-left:2px;text-align:center;'>33</span>\",blueNumber:"),
              std::wstring::npos);
    EXPECT_NE(page.find(L"blueBall18.png&quot;);color:yellow;margin-left:2px;text-align:center;'>16</span>\","
                        L"sum:\"97\",kuaDu:\"32\",threeArea:\"2:2:2\",bigSmall:\"3:3\",oddEven:\"5:1\","
                        L"zhiHe:\"4:2\",luShu:\"2:1:3\"}"),
              std::wstring::npos)
        << Narrow(page);
    EXPECT_EQ(chain().GetResultStr(L"0", L" ", L":", 1, 1), L"01 11 12 17 23 33:16");
}

} // namespace
} // namespace lottotest

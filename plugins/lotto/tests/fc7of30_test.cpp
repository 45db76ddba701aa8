// "Fc7Of30": seven of 1-30 with three, five and six areas of its own, each tolerated on its own;
// the first 100,000 candidates are stored.
#include "lotto_run.h"

namespace lottotest {
namespace {

class Fc7Of30Test : public LottoRun {
protected:
    Fc7Of30Test() : LottoRun(L"Fc7Of30") {}
};

TEST_F(Fc7Of30Test, AreaCountsAreToleratedOneByOne)
{
    // Rows of 1..9: all seven in the first of three areas (1-10); six of 1-6 only when a row
    // holds all of 1..6 and one of 7, 8, 9.
    const Item allOfTheFirstSix{L"fiveAreaNum0", L"6"};
    struct Case {
        std::vector<Item> areas;
        int maxWrong;
        std::size_t rows;
    } cases[] = {
        {{allOfTheFirstSix}, 0, 3},
        {{allOfTheFirstSix, {L"threeAreaNum0", L"6", true}}, 1, 3}, // one tolerated failure
        {{allOfTheFirstSix, {L"threeAreaNum0", L"6", true}}, 0, 0},
        {{allOfTheFirstSix, {L"threeAreaNum0", L"6", true}, {L"threeAreaNum1", L"1", true}}, 1, 0},
        {{{L"sixAreaNum1", L"4"}}, 0, 10}, // 6-10 holds 6, 7, 8, 9: rows with all four and three of 1-5
    };
    for (const Case &c : cases) {
        std::vector<Item> items{{L"baseNums", Digits(1, 9)}};
        items.insert(items.end(), c.areas.begin(), c.areas.end());
        Run(items, L"", c.maxWrong);
        EXPECT_EQ(Rows().size(), c.rows) << Narrow(c.areas.back().name);
    }
    Run({{L"baseNums", Digits(1, 9)}, allOfTheFirstSix});
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"01,02,03,04,05,06,07", L"01,02,03,04,05,06,08",
                                                 L"01,02,03,04,05,06,09"}));
}

TEST_F(Fc7Of30Test, OldNumbersTestAllSevenNumbers)
{
    Run({{L"maximumNum", L"29"}}, L"1,2,3,4,5,6,30|1,2,3,4,5,6,29|1,2,3,4,5,6");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"01,02,03,04,05,06,29"}));
    EXPECT_EQ(Trailer(), L"total:1,primaryTotal:3,afterFilterLen:0,cutDownRate:\"66.67%\"}");
}

} // namespace
} // namespace lottotest

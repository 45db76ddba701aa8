// The five-number games without a back area ("Ttl5Of22", "Tc5Of20", "Hd5Of15"): the engine's
// page with one "number" column, their old numbers and searches.
#include "lotto_run.h"

namespace lottotest {
namespace {

class Ttl5Of22Test : public LottoRun {
protected:
    Ttl5Of22Test() : LottoRun(L"Ttl5Of22") {}
};

TEST_F(Ttl5Of22Test, PagesShowTheNumbersAndTheStatisticsOfTheGame)
{
    Run({{L"baseNums", L"3,7,8,12,22"}});
    const std::wstring style =
        L"<span style='display:inline-block;width:18px;height:18px;line-height:18px;"
        L"background-image:url(&quot;qel://base/images/redBall18.png&quot;);color:yellow;"
        L"margin-left:2px;text-align:center;'>";
    std::wstring balls;
    for (const wchar_t *n : {L"03", L"07", L"08", L"12", L"22"}) {
        balls += style + n + L"</span>";
    }
    // Areas of 7: 3, 7 | 8, 12 | 22; big from 12: 12, 22; odd 3, 7; prime 3, 7; routes 0: 3, 12;
    // 1: 7, 22; 2: 8.
    EXPECT_EQ(page, L"{size:\"1\",items:[{rowNumber:\"1\",number:\"" + balls +
                        L"\",sum:\"52\",kuaDu:\"19\",threeArea:\"2:2:1\",bigSmall:\"2:3\",oddEven:\"2:3\","
                        L"zhiHe:\"2:3\",luShu:\"2:2:1\"}],total:1,primaryTotal:1,afterFilterLen:1,"
                        L"cutDownRate:\"0.00%\"}");
    EXPECT_EQ(chain().GetResultStr(L"0", L",", L"+", 1, 1), L"03,07,08,12,22");
}

TEST_F(Ttl5Of22Test, SearchesAndOldNumbers)
{
    Run({}, L"1,2,3,4,5|1,11,13,15,17|2,4,6,8,10|22,21,20,19,18|1,2,3,4|1,2,3,4,23");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"01,02,03,04,05", L"01,11,13,15,17", L"02,04,06,08,10",
                                                 L"18,19,20,21,22"}));
    EXPECT_EQ(chain().primaryTotal(), 6);
    EXPECT_EQ(Search(L"lianHao"), (std::vector<std::wstring>{L"01,02,03,04,05", L"18,19,20,21,22"}));
    EXPECT_EQ(Search(L"notLianHao"), (std::vector<std::wstring>{L"01,11,13,15,17", L"02,04,06,08,10"}));
    EXPECT_EQ(Search(L"sameTail"), (std::vector<std::wstring>{L"01,11,13,15,17"}));
    EXPECT_EQ(Search(L"notSameTail").size(), 3U);
}

TEST(FrontOnlyGames, TheSpreadAndCoveringFormsFollowTheGame)
{
    // "_5bao3" is a spread form in the 5-of-22 and 5-of-20 games and the covering form in the
    // 5-of-15 game: over 1..8 the spread keeps rows sharing at most two numbers, the covering form
    // a row for each uncovered five numbers.
    struct Case {
        const wchar_t *game;
        std::vector<std::wstring> rows;
    } cases[] = {
        {L"Ttl5Of22", {L"01,02,03,04,05", L"01,02,06,07,08"}},
        {L"Tc5Of20", {L"01,02,03,04,05", L"01,02,06,07,08"}},
        {L"Hd5Of15", {L"01,02,03,04,06", L"01,02,03,04,08", L"01,02,03,05,07", L"01,02,04,05,07"}},
    };
    for (const Case &c : cases) {
        qel::CFilterContext context(L"qel://base");
        context.SwitchPlugin(c.game);
        ASSERT_NE(context.chain(), nullptr);
        context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(digittest::FilterRequest(
            c.game, L"", {{L"baseNums", Digits(1, 8)}, {L"rotateMatrix", L"_5bao3"}})));
        std::wstring text = context.chain()->GetResultStr(L"0", L",", L"+", 1, 1);
        EXPECT_EQ(basekit::StrSplit(text, L"\r\n"), c.rows) << Narrow(c.game);
    }
}

} // namespace
} // namespace lottotest

// The betting budget's imaginary draw, the checks made before anything is sent, and the rule-out
// rows made of past draws.
#include <gtest/gtest.h>

#include "basekit/json_util.h"
#include "basekit/string_split.h"
#include "basekit/text_convert.h"
#include "calculation/prize_check.h"
#include "dataservice/history_handlers.h"
#include "dataservice/prize_handlers.h"

namespace {

std::vector<std::wstring> List(const std::wstring &text)
{
    return basekit::StrSplit(text, L",");
}

struct DrawCase {
    const wchar_t *front;
    const wchar_t *back;
    int hitFront, hitBack, drawFront, drawBack;
    bool specialFromFront;
    const wchar_t *expected;
};

TEST(ImaginaryDrawTest, BetNumbersFirstThenFillers)
{
    const std::vector<DrawCase> cases = {
        {L"01,02,03,04,05,06,07", L"08", 5, 1, 6, 1, false, L"01,02,03,04,05,100,08"},
        {L"01,02,03,04,05,06,07", L"08", 0, 0, 6, 1, false, L"100,100,100,100,100,100,100"},
        // As many hits as numbers drawn: no filler in the front part.
        {L"01,02,03,04,05,06", L"08", 6, 1, 6, 1, false, L"01,02,03,04,05,06,08"},
        {L"01,02,03,04,05", L"06,07", 3, 1, 5, 2, false, L"01,02,03,100,100,06,100"},
        // The special number is the first bet number not already drawn.
        {L"01,02,03,04,05,06,07,08", L"", 7, 1, 7, 1, true, L"01,02,03,04,05,06,07,08"},
        {L"01,02,03,04,05,06,07", L"", 2, 1, 7, 1, true, L"01,02,100,100,100,100,100,03"},
    };
    for (const DrawCase &c : cases) {
        EXPECT_EQ(qel::ImaginaryDraw(List(c.front), List(c.back), c.hitFront, c.hitBack, c.drawFront,
                                     c.drawBack, c.specialFromFront),
                  c.expected);
    }
    // Nothing drawn from the bet wins nothing.
    EXPECT_EQ(calculation::CheckPrizes(L"01,02,03,04,05,06,07", L"08", L"Fc6Of33_Fc",
                                       L"100,100,100,100,100,100,100"),
              std::vector<int>(6, 0));
}

// Requests whose counts or numbers do not fit are refused before the service is asked: the
// client has no address, so a request that went out would answer the connection failure.
TEST(PrizeHandlersTest, CountsAndBetsAreCheckedBeforeSending)
{
    basekit::TextMap config;
    qel::DataServiceClient client(config, [] { return std::wstring(L"u"); });
    qel::CFilterContext filter(L"qel://base");
    auto budget = [&](const std::wstring &fields) {
        return qel::OnTouZhuYuSuan(client, filter, basekit::JsonUtil::JsonStrToJsonObj(L"{" + fields + L"}"));
    };
    const std::wstring fc6 =
        LR"("lotteryCategory":"Fc6Of33_Fc","qiHao":"1","redStr":"01,02,03,04,05,06,07","blueStr":"08",)";
    const std::wstring fc7 =
        LR"("lotteryCategory":"Fc7Of30_Fc","qiHao":"1","redStr":"01,02,03,04,05,06,07,08","blueStr":"",)";
    struct Case {
        std::wstring fields;
        const wchar_t *message;
    };
    const std::vector<Case> cases = {
        {fc6 + LR"("zhongRedNum":8,"zhongBlueNum":1,"lotNum":6,"backLotNum":1)",
         L"红球（前区）中奖个数不能超过开奖个数和所选号码个数！"},
        {fc6 + LR"("zhongRedNum":7,"zhongBlueNum":1,"lotNum":6,"backLotNum":1)",
         L"红球（前区）中奖个数不能超过开奖个数和所选号码个数！"},
        {fc6 + LR"("zhongRedNum":-1,"zhongBlueNum":1,"lotNum":6,"backLotNum":1)",
         L"红球（前区）中奖个数不能超过开奖个数和所选号码个数！"},
        {fc6 + LR"("zhongRedNum":5,"zhongBlueNum":2,"lotNum":6,"backLotNum":2)",
         L"蓝球（后区）中奖个数不能超过开奖个数和所选号码个数！"},
        {fc6 + LR"("zhongRedNum":5,"zhongBlueNum":1,"lotNum":"x","backLotNum":1)", L"开奖号码个数不正确！"},
        {fc6 + LR"("zhongRedNum":5,"zhongBlueNum":1,"lotNum":6000000,"backLotNum":1)",
         L"开奖号码个数不正确！"},
        // Seven of eight front numbers drawn leave one for the special number, not two.
        {fc7 + LR"("zhongRedNum":7,"zhongBlueNum":2,"lotNum":7,"backLotNum":2)",
         L"特别号中奖个数不能超过开奖个数和余下的所选号码个数！"},
        {LR"("lotteryCategory":"Fc6Of33_Fc","redStr":"01,01,02","blueStr":"08","zhongRedNum":1,"zhongBlueNum":0,"lotNum":6,"backLotNum":1)",
         L"投注号码格式不正确，请用逗号分隔不重复的号码！"},
        {LR"("lotteryCategory":"Fc6Of33_Fc","redStr":"01,x","blueStr":"08","zhongRedNum":1,"zhongBlueNum":0,"lotNum":6,"backLotNum":1)",
         L"投注号码格式不正确，请用逗号分隔不重复的号码！"},
        {LR"("lotteryCategory":"Fc6Of33_Fc","redStr":"","blueStr":"08","zhongRedNum":0,"zhongBlueNum":0,"lotNum":6,"backLotNum":1)",
         L"投注号码格式不正确，请用逗号分隔不重复的号码！"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(budget(c.fields), basekit::JsonUtil::Msg(L"error", c.message))
            << basekit::CStrW2CStrA(c.fields);
    }
    // Counts that fit reach the exchange (which fails here, as there is no service).
    EXPECT_EQ(budget(fc7 + LR"("zhongRedNum":7,"zhongBlueNum":1,"lotNum":7,"backLotNum":1)"),
              basekit::JsonUtil::Msg(L"error", L"服务器连接失败！"));
}

} // namespace

namespace {

// Rule-out rows: the newest 365 usable draws (the service lists the oldest first), each cut to
// the game's row; a draw with fewer numbers or one that is not all numbers is left out.
TEST(RuleOutRowsTest, NewestUsableDrawsCutToTheRow)
{
    basekit::TextMapList draws;
    for (int i = 0; i < 400; ++i) {
        draws.push_back({{L"lottery", std::to_wstring(i / 100) + L"," + std::to_wstring(i / 10 % 10) + L"," +
                                          std::to_wstring(i % 10)}});
    }
    std::vector<std::vector<int>> rows = qel::RuleOutRows(draws, 3);
    ASSERT_EQ(rows.size(), 365U);
    EXPECT_EQ(rows.front(), (std::vector<int>{0, 3, 5}));
    EXPECT_EQ(rows.back(), (std::vector<int>{3, 9, 9}));

    const basekit::TextMapList mixed = {
        {{L"lottery", L"01,02,03,04,05,06,07"}}, // front and back numbers of a lotto draw
        {{L"lottery", L"1,2"}},                  // too few
        {{L"lottery", L"1,x,3"}},                // not a number
        {{L"lottery", L""}},
        {{L"qiHao", L"2024001"}}, // no numbers at all
        {{L"lottery", L" 4 ,5,6,9"}},
    };
    EXPECT_EQ(qel::RuleOutRows(mixed, 7), (std::vector<std::vector<int>>{{1, 2, 3, 4, 5, 6, 7}}));
    EXPECT_EQ(qel::RuleOutRows(mixed, 3), (std::vector<std::vector<int>>{{1, 2, 3}, {4, 5, 6}}));
}

} // namespace

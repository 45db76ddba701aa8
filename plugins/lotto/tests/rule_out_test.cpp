// Rule-out of past draws as the data service feeds it: the draws are handed to the chain, then a
// run with "ruleOutOldData" leaves out the rows that share a chosen number of numbers with them.
#include "lotto_run.h"

namespace lottotest {
namespace {

class RuleOutTest : public LottoRun {
protected:
    RuleOutTest() : LottoRun(L"Tc5Of35") {}
    const std::vector<Item> pools{{L"baseNums_red", Digits(1, 6)}, {L"baseNums_blue", L"1,2"}};
    std::vector<Item> With(const Item &ruleOut) const
    {
        std::vector<Item> items = pools;
        items.push_back(ruleOut);
        return items;
    }
};

TEST_F(RuleOutTest, APastDrawIsLeftOutByItsHits)
{
    // Front 1..5 and its back pair were drawn; the back numbers are not compared.
    chain().SetOldDataForRuleOut({{1, 2, 3, 4, 5, 11, 12}});
    Run(With({L"ruleOutOldData", L"5"}));
    std::vector<std::wstring> rows = Rows();
    EXPECT_EQ(rows.size(), 5U);
    EXPECT_EQ(rows.front(), L"01,02,03,04,06+01,02");
    // Every five of 1..6 shares four or five numbers with the draw.
    Run(With({L"ruleOutOldData", L"4,5"}));
    EXPECT_EQ(Rows().size(), 0U);
    Run(With({L"ruleOutOldData", L"3"}));
    EXPECT_EQ(Rows().size(), 6U);
}

TEST_F(RuleOutTest, EveryMatchingDrawIsOneToleratedFailure)
{
    // Two draws that 1..5 matches with five hits: with maxWrong 1 it fails at the second.
    chain().SetOldDataForRuleOut({{1, 2, 3, 4, 5, 7, 8}, {1, 2, 3, 4, 5, 9, 10}, {1, 2, 3, 4, 6, 1, 2}});
    Run(With({L"ruleOutOldData", L"5", true}), L"", 1);
    std::vector<std::wstring> rows = Rows();
    // 1..5 meets two draws, 1,2,3,4,6 one: it stays under maxWrong 1.
    EXPECT_EQ(rows.size(), 5U);
    EXPECT_EQ(rows.front(), L"01,02,03,04,06+01,02");
    Run(With({L"ruleOutOldData", L"5", true}), L"", 2);
    EXPECT_EQ(Rows().size(), 6U);
}

TEST(RuleOutFrontOnly, AGameWithoutBackNumbersComparesItsSevenNumbers)
{
    qel::CFilterContext context(L"qel://base");
    context.SwitchPlugin(L"Fc7Of30");
    ASSERT_NE(context.chain(), nullptr);
    // The eighth number of a draw (its special number) is not compared.
    context.chain()->SetOldDataForRuleOut({{1, 2, 3, 4, 5, 6, 7, 8}});
    context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(
        digittest::FilterRequest(L"Fc7Of30", L"", {{L"baseNums", Digits(1, 8)}, {L"ruleOutOldData", L"7"}})));
    EXPECT_EQ(context.chain()->resultList()->size(), 7U); // C(8,7) less the drawn row
    EXPECT_EQ(context.chain()->GetResultStr(L"0", L",", L"+", 1, 0), L"01,02,03,04,05,06,08");
}

} // namespace
} // namespace lottotest

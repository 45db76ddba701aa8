// Every digit game's description against its own counts: for each play type, a full and a partial
// choice of base digits give exactly primaryTotal candidates (with no other condition, every
// candidate survives, so the survivors are the candidates).
#include "page_run.h"

namespace digittest {
namespace {

struct Case {
    const wchar_t *game;
    const wchar_t *castType;
    std::vector<Item> base; // the base-number items
    int candidates;
};

const Case kCases[] = {
    {L"Magic3", L"zhiXuan", {{L"baseNums", Digits(0, 9)}}, 1000},
    {L"Magic3", L"zuLiu", {{L"baseNums", Digits(0, 9)}}, 120},
    {L"Magic3", L"zuSan", {{L"baseNums", Digits(0, 9)}}, 90},
    {L"Magic3", L"zhiXuan", {{L"baseNums", L"1,3,5,8"}}, 64},
    {L"Magic3", L"zuLiu", {{L"baseNums", L"1,3,5,8"}}, 4},
    {L"Magic3", L"zuSan", {{L"baseNums", L"1,3,5,8"}}, 12},
    {L"Array5", L"", {{L"baseNums", Digits(0, 9)}}, 100000},
    {L"Array5", L"", {{L"baseNums", L"0,5,9"}}, 243},
    {L"Quick3", L"zhiXuan", {{L"baseNums", Digits(1, 6)}}, 216},
    {L"Quick3", L"zuXuan", {{L"baseNums", Digits(1, 6)}}, 56},
    {L"Quick3", L"zhiXuan", {{L"baseNums", L"2,4,5"}}, 27},
    {L"Quick3", L"zuXuan", {{L"baseNums", L"2,4,5"}}, 10}, // 1 all different, 6 pairs, 3 triples
    {L"Fc4Of10", L"zhiXuan", {{L"baseNums", Digits(0, 9)}}, 10000},
    {L"Fc4Of10", L"zu24", {{L"baseNums", Digits(0, 9)}}, 210},
    {L"Fc4Of10", L"zu12", {{L"baseNums", Digits(0, 9)}}, 360},
    {L"Fc4Of10", L"zu6", {{L"baseNums", Digits(0, 9)}}, 45},
    {L"Fc4Of10", L"zu4", {{L"baseNums", Digits(0, 9)}}, 90},
    {L"Fc4Of10", L"zhiXuan", {{L"baseNums", Digits(1, 5)}}, 625},
    {L"Fc4Of10", L"zu24", {{L"baseNums", Digits(1, 5)}}, 5},
    {L"Fc4Of10", L"zu12", {{L"baseNums", Digits(1, 5)}}, 30},
    {L"Fc4Of10", L"zu6", {{L"baseNums", Digits(1, 5)}}, 10},
    {L"Fc4Of10", L"zu4", {{L"baseNums", Digits(1, 5)}}, 20},
    {L"Tc7Of10", L"", {{L"baseNums", Digits(0, 9)}}, 10000000},
    {L"Tc7Of10", L"", {{L"baseNums", L"2,7"}}, 128},
    {L"Fc6Of10", L"", {{L"baseNums_red", Digits(0, 9)}, {L"baseNums_blue", L"1,2"}}, 2000000},
    {L"Fc6Of10", L"", {{L"baseNums_red", L"0,1,2"}, {L"baseNums_blue", L"5"}}, 729},
};

TEST(DigitFamily, EveryPlayTypeGeneratesExactlyItsPrimaryTotal)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(Narrow(std::wstring(c.game) + L" " + c.castType + L" " + c.base.front().chosen));
        qel::CFilterContext context(L"qel://base");
        context.SwitchPlugin(c.game);
        ASSERT_NE(context.chain(), nullptr);
        std::wstring page =
            context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(FilterRequest(c.game, c.castType, c.base)));
        const calculation::AbstractFilterChain &chain = *context.chain();
        EXPECT_EQ(chain.primaryTotalValue(), c.candidates);
        // Games that cap their stored rows count every survivor in afterFilterLen.
        std::size_t stored = chain.resultList()->size();
        bool capped = page.find(L"afterFilterLen:0,") == std::wstring::npos &&
                      stored < static_cast<std::size_t>(c.candidates);
        if (capped) {
            EXPECT_NE(page.find(L"afterFilterLen:" + std::to_wstring(c.candidates)), std::wstring::npos);
            EXPECT_EQ(stored, 100000U);
        } else {
            EXPECT_EQ(stored, static_cast<std::size_t>(c.candidates));
        }
    }
}

} // namespace
} // namespace digittest

namespace digittest {
namespace {

// Every row of the base digits written as old numbers: the old-number path tests each row from
// scratch through both stages, so it is the reference for the generated run.
std::wstring EveryRow(const std::vector<int> &digits, int positions)
{
    std::wstring rows;
    std::vector<std::size_t> at(static_cast<std::size_t>(positions), 0);
    for (;;) {
        std::wstring row;
        for (std::size_t i : at) {
            row += static_cast<wchar_t>(L'0' + digits[i]);
        }
        rows += (rows.empty() ? L"" : L"|") + row;
        int i = positions - 1;
        while (i >= 0 && ++at[static_cast<std::size_t>(i)] == digits.size()) {
            at[static_cast<std::size_t>(i--)] = 0;
        }
        if (i < 0) {
            return rows;
        }
    }
}

TEST(DigitFamily, GeneratedRunsKeepExactlyWhatRowByRowTestsKeep)
{
    // Tests of the digits alone (worked out once per multiset of digits) mixed with tests of
    // their order, tolerated and not, and the rule-out of past draws.
    const std::vector<Item> conditions = {
        {L"heZhi", Digits(8, 20), true},
        {L"kuaDu", L"2,3,4,5"},
        {L"oddEvenRate", L"23,32,14,41", true},
        {L"diffNum", L"3,4,5"},
        {L"numLag", L"0,2,4", true},
        {L"erWeiHe01", Digits(2, 8), true},
        {L"linHaoLag", L"1,2,3,4"},
        {L"chongMa", L"-1,1,2", true},
        {L"ruleOutOldData", L"3,4"},
    };
    const std::vector<int> digits{0, 1, 2, 3, 4, 5};
    qel::CFilterContext context(L"qel://base");
    context.SwitchPlugin(L"Array5");
    ASSERT_NE(context.chain(), nullptr);
    context.chain()->SetOldDataForRuleOut({{0, 1, 2, 3, 4}, {5, 5, 1, 2, 9}});
    std::vector<Item> generated = conditions;
    generated.push_back({L"baseNums", L"0,1,2,3,4,5"});
    auto rows = [&](const std::wstring &request) {
        context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(request));
        return context.chain()->GetResultStr(L"0", L",", L"+", 1, 1);
    };
    std::wstring fromGeneration = rows(FilterRequest(L"Array5", L"", generated, L"", 1));
    std::wstring fromOldNumbers = rows(FilterRequest(L"Array5", L"", conditions, EveryRow(digits, 5), 1));
    EXPECT_EQ(fromGeneration, fromOldNumbers);
    EXPECT_GT(std::count(fromGeneration.begin(), fromGeneration.end(), L'\n'), 10);
}

} // namespace
} // namespace digittest

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
        EXPECT_EQ(chain.primaryTotal(), c.candidates);
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

// The result rows as the save text writes them, one per line; none when there is no result.
std::vector<std::wstring> SavedRows(calculation::AbstractFilterChain &chain)
{
    std::wstring text = chain.GetResultStr(L"0", L"", L"+", 1, 1);
    if (text.empty() || text.rfind(L"error_", 0) == 0) {
        return {};
    }
    return basekit::StrSplit(text, L"\r\n");
}

// What a run of each play type name gives, the games' own names and others ("zuXuan" is a name
// of Quick3, not of Magic3; "" is what a page without a play type sends): the candidates of the
// play type it plays, or none where the game plays nothing in its place.
TEST(DigitFamily, PlayTypeNamesTheGameDoesNotKnowPlayItsOtherType)
{
    struct Case {
        const wchar_t *game;
        const wchar_t *castType;
        std::vector<Item> base;
        int primaryTotal;
        std::vector<std::wstring> firstAndLast; // empty: no rows
        std::size_t rows;
    };
    const std::vector<Item> digits{{L"baseNums", Digits(0, 9)}};
    const std::vector<Item> dice{{L"baseNums", Digits(1, 6)}};
    const Case cases[] = {
        {L"Magic3", L"zhiXuan", digits, 1000, {L"000", L"999"}, 1000},
        {L"Magic3", L"zuLiu", digits, 120, {L"012", L"789"}, 120},
        {L"Magic3", L"zuSan", digits, 90, {L"001", L"899"}, 90},
        // Any other name plays the group of three: 2 x C(n,2).
        {L"Magic3", L"zuXuan", digits, 90, {L"001", L"899"}, 90},
        {L"Magic3", L"", digits, 90, {L"001", L"899"}, 90},
        {L"Magic3", L"组选 <b>", digits, 90, {L"001", L"899"}, 90},
        {L"Magic3", L"zuXuan", {{L"baseNums", L"1,2"}}, 2, {L"112", L"122"}, 2},
        {L"Quick3", L"zhiXuan", dice, 216, {L"111", L"666"}, 216},
        {L"Quick3", L"zuXuan", dice, 56, {L"111", L"666"}, 56},
        // Any other name plays the groups: 2 C(n,2) + C(n,3) + C(n,1).
        {L"Quick3", L"zuSan", dice, 56, {L"111", L"666"}, 56},
        {L"Quick3", L"", dice, 56, {L"111", L"666"}, 56},
        {L"Quick3", L"组选 <b>", {{L"baseNums", L"2,4,5"}}, 10, {L"222", L"555"}, 10},
        {L"Fc4Of10", L"zu24", digits, 210, {L"0123", L"6789"}, 210},
        // The four-digit game has no play type in place of another: nothing to bet on.
        {L"Fc4Of10", L"zuXuan", digits, 0, {}, 0},
        {L"Fc4Of10", L"", digits, 0, {}, 0},
        // Games without play types never read the name.
        {L"Array5", L"zuSan", {{L"baseNums", L"0,5,9"}}, 243, {L"00000", L"99999"}, 243},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Narrow(std::wstring(c.game) + L" \"" + c.castType + L"\" " + c.base.front().chosen));
        qel::CFilterContext context(L"qel://base");
        context.SwitchPlugin(c.game);
        ASSERT_NE(context.chain(), nullptr);
        std::wstring page =
            context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(FilterRequest(c.game, c.castType, c.base)));
        EXPECT_NE(page.find(L"total:" + std::to_wstring(c.rows) + L","), std::wstring::npos) << Narrow(page);
        EXPECT_NE(page.find(L"primaryTotal:" + std::to_wstring(c.primaryTotal) + L","), std::wstring::npos);
        std::vector<std::wstring> rows = SavedRows(*context.chain());
        ASSERT_EQ(rows.size(), c.rows);
        if (!rows.empty()) {
            EXPECT_EQ((std::vector<std::wstring>{rows.front(), rows.back()}), c.firstAndLast);
        }
    }
}

// Old numbers of a name the game does not know are read as the game reads straight bets, in
// their order, each entry counted.
TEST(DigitFamily, OldNumbersOfAnUnknownPlayTypeAreStraightBets)
{
    struct Case {
        const wchar_t *game;
        const wchar_t *castType;
        const wchar_t *oldNumbers;
        int primaryTotal;
        std::vector<std::wstring> rows;
    };
    const Case cases[] = {
        {L"Magic3", L"zuLiu", L"321|123||45", 3, {L"123"}},
        // A Magic3 straight bet may be written as a number: "45" is 045.
        {L"Magic3", L"zhiXuan", L"321|123||45", 3, {L"321", L"123", L"045"}},
        {L"Magic3", L"zuXuan", L"321|123||45", 3, {L"321", L"123", L"045"}},
        {L"Magic3", L"", L"321|123||45", 3, {L"321", L"123", L"045"}},
        {L"Quick3", L"zuXuan", L"321|123|", 1, {L"123"}},
        {L"Quick3", L"zuLiu", L"321|123|", 2, {L"321", L"123"}},
        {L"Quick3", L"", L"321|123|", 2, {L"321", L"123"}},
        {L"Fc4Of10", L"zuXuan", L"4321|1234", 2, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Narrow(std::wstring(c.game) + L" \"" + c.castType + L"\" " + c.oldNumbers));
        qel::CFilterContext context(L"qel://base");
        context.SwitchPlugin(c.game);
        ASSERT_NE(context.chain(), nullptr);
        context.OnFilter(
            basekit::JsonUtil::JsonStrToJsonObj(FilterRequest(c.game, c.castType, {}, c.oldNumbers)));
        EXPECT_EQ(context.chain()->primaryTotal(), c.primaryTotal);
        std::vector<std::wstring> rows = SavedRows(*context.chain());
        EXPECT_EQ(rows, c.rows);
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

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

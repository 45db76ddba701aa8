// The banker suggestion of every lotto game, on its chain with a list of draws: per zone of the
// front pool the number drawn least often among the front numbers, the smallest of equals.
#include "lotto_run.h"

namespace lottotest {
namespace {

basekit::TextMap Draw(const std::wstring &lottery, const std::wstring &qiHao = L"2024001")
{
    return {{L"lottery", lottery}, {L"qiHao", qiHao}, {L"lotDate", L"2024-01-02"}};
}

struct BankerCase {
    const wchar_t *game;
    std::vector<std::wstring> draws;
    std::wstring danMa;
};

const BankerCase kCases[] = {
    // No draw: every count is 0, so each zone's smallest number.
    {L"Tc5Of35", {}, L"01,13,25"},
    {L"Fc6Of33", {}, L"01,12,23"},
    {L"Fc7Of30", {}, L"01,11,21"},
    {L"Ttl5Of22", {}, L"01,08,15"},
    {L"Tc5Of20", {}, L"01,08,15"},
    {L"Hd5Of15", {}, L"01,06,11"},
    // 6 and 7 are back numbers (the blue number 7, the special number 8): not counted, so the
    // least drawn of the first zone is the first number after the counted ones.
    {L"Tc5Of35", {L"1,2,3,4,5,6,7"}, L"06,13,25"},
    {L"Fc6Of33", {L"1,2,3,4,5,6,7"}, L"07,12,23"},
    {L"Fc7Of30", {L"1,2,3,11,12,21,22,4"}, L"04,13,23"},
    // Ties: 1-4 once each, 5 never; the same in the other zones.
    {L"Ttl5Of22", {L"1,8,15,2,9", L"3,10,16,4,11"}, L"05,12,17"},
    {L"Tc5Of20", {L"1,8,15,2,9", L"3,10,16,4,11"}, L"05,12,17"},
    // A number drawn twice loses to one drawn once, and numbers outside the pool count nowhere.
    {L"Hd5Of15", {L"1,2,3,4,6", L"1,2,3,4,5", L"6,7,8,9,16"}, L"05,10,11"},
};

TEST(LottoBanker, LeastDrawnOfEachZoneTheLastDrawsKeysKept)
{
    for (const BankerCase &c : kCases) {
        SCOPED_TRACE(Narrow(std::wstring(c.game) + L" " + c.danMa));
        qel::CFilterContext context(L"qel://base");
        context.SwitchPlugin(c.game);
        ASSERT_NE(context.chain(), nullptr);
        basekit::TextMapList draws;
        int number = 1;
        for (const std::wstring &lottery : c.draws) {
            draws.push_back(Draw(lottery, L"202400" + std::to_wstring(number++)));
        }
        const std::wstring reply = context.chain()->GetDanMa(draws);
        if (c.draws.empty()) {
            EXPECT_EQ(reply, L"{danMa:\"" + c.danMa + L"\"}");
        } else {
            EXPECT_EQ(reply, L"{danMa:\"" + c.danMa + L"\",lotDate:\"2024-01-02\",lottery:\"" +
                                 c.draws.back() + L"\",qiHao:\"202400" + std::to_wstring(c.draws.size()) +
                                 L"\"}");
        }
    }
}

} // namespace
} // namespace lottotest

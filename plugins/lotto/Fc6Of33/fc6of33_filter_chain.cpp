#include "fc6of33_filter_chain.h"

namespace plugins::fc6of33 {

using namespace lotto; // NOLINT(google-build-using-namespace): the description reads as data

const LottoGame &Fc6Of33Game()
{
    static const LottoGame game = [] {
        LottoGame g;
        g.key = L"Fc6Of33";
        g.setsChainGameKey = true;
        g.frontCount = 6;
        g.frontMax = 33;
        g.bigStart = 17;
        g.areaWidth = 11;
        g.back = BackArea::Single;
        g.backMax = 16;
        g.poolKey = L"baseNums_red";
        g.testsBaseNumbers = true;
        // Four areas of unequal width (17 alone), then six and seven areas; the last ones reach
        // past 33 and count what lies up to it.
        g.areaTests = {{L"fourAreaNum0", 1, 8},
                       {L"fourAreaNum1", 9, 16},
                       {L"fourAreaNum2", 17, 17},
                       {L"fourAreaNum3", 18, 25},
                       {L"fourAreaNum4", 26, 33}};
        for (const auto &areas : {EqualAreas(L"sixAreaNum", 6, 6), EqualAreas(L"sevenAreaNum", 5, 7)}) {
            g.areaTests.insert(g.areaTests.end(), areas.begin(), areas.end());
        }
        g.spreadForms = {L"_6bao5", L"_6bao4", L"_6bao3"};
        g.cap = 100000;
        g.page = PageForm::RedBlue;
        g.seniorOrder = SeniorOrder::PatternFirst;
        g.history.sumRanges = EqualSumRanges(21, 15, 10, {171, 183});
        // One of sixteen is 6.25 % exactly.
        g.history.backDecimals = 2;
        // The texts this game keeps for a few rates instead of their rounding: four rare values of
        // the first, second, fifth and sixth numbers as 0.0 (0.07 % and 0.08 %), the sums 51-65 as
        // 3.9 (3.78 %) and span 30 as 6.5 (6.43 %).
        g.history.written = {{L"pos0", 20, L"0.0"}, {L"pos1", 24, L"0.0"}, {L"pos4", 3, L"0.0"},
                             {L"pos5", 7, L"0.0"},  {L"heZhi", 2, L"3.9"}, {L"span", 25, L"6.5"}};
        return g;
    }();
    return game;
}

const calculation::TableRates &Fc6Of33Rates()
{
    static const calculation::TableRates rates = MakeTableRates(Fc6Of33Game());
    return rates;
}

} // namespace plugins::fc6of33

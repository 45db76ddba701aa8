#include "fc6of33_filter_chain.h"

namespace plugins::fc6of33 {

using namespace lotto; // NOLINT(google-build-using-namespace): the description reads as data

const LottoGame &Fc6Of33Game()
{
    static const LottoGame game = [] {
        LottoGame g;
        g.key = L"Fc6Of33";
        g.namesItself = true;
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
        return g;
    }();
    return game;
}

} // namespace plugins::fc6of33

#include "tc5of35_filter_chain.h"

namespace plugins::tc5of35 {

using namespace lotto; // NOLINT(google-build-using-namespace): the description reads as data

const LottoGame &Tc5Of35Game()
{
    static const LottoGame game = [] {
        LottoGame g;
        g.key = L"Tc5Of35";
        g.setsChainGameKey = true;
        g.frontCount = 5;
        g.frontMax = 35;
        g.bigStart = 18;
        g.areaWidth = 12;
        g.back = BackArea::Pairs;
        g.backMax = 12;
        g.poolKey = L"baseNums_red";
        g.testsBaseNumbers = true;
        g.areaTests = EqualAreas(L"sixAreaNum", 6, 6);
        for (const AreaCount &area : EqualAreas(L"sevenAreaNum", 5, 7)) {
            g.areaTests.push_back(area);
        }
        // Four areas are chosen and kept, but no four areas of 1-35 are defined to test.
        for (int i = 0; i < 4; ++i) {
            g.keptAreaKeys.push_back(L"fourAreaNum" + std::to_wstring(i));
        }
        g.spreadForms = {L"_5bao4", L"_5bao3"};
        g.cap = 100000;
        g.page = PageForm::RedBlue;
        g.seniorOrder = SeniorOrder::RuleOutFirst;
        g.history.sumRanges = EqualSumRanges(15, 15, 9, {150, 165});
        return g;
    }();
    return game;
}

const calculation::TableRates &Tc5Of35Rates()
{
    static const calculation::TableRates rates = MakeTableRates(Tc5Of35Game());
    return rates;
}

} // namespace plugins::tc5of35

#include "fc7of30_filter_chain.h"

namespace plugins::fc7of30 {

using namespace lotto; // NOLINT(google-build-using-namespace): the description reads as data

const LottoGame &Fc7Of30Game()
{
    static const LottoGame game = [] {
        LottoGame g;
        g.key = L"Fc7Of30";
        g.frontCount = 7;
        g.frontMax = 30;
        g.bigStart = 16;
        g.areaWidth = 10;
        g.specials = 1; // the special number, drawn from the same pool
        for (const auto &areas : {EqualAreas(L"threeAreaNum", 10, 3), EqualAreas(L"fiveAreaNum", 6, 5),
                                  EqualAreas(L"sixAreaNum", 5, 6)}) {
            g.areaTests.insert(g.areaTests.end(), areas.begin(), areas.end());
        }
        g.spreadForms = {L"_7bao6", L"_7bao5", L"_7bao4", L"_7bao3"};
        g.cap = 100000;
        g.seniorOrder = SeniorOrder::RuleOutFirst;
        g.history.sumRanges = EqualSumRanges(28, 15, 10, {178, 189});
        return g;
    }();
    return game;
}

const calculation::TableRates &Fc7Of30Rates()
{
    static const calculation::TableRates rates = MakeTableRates(Fc7Of30Game());
    return rates;
}

} // namespace plugins::fc7of30

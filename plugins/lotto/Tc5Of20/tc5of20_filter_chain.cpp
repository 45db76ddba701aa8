#include "tc5of20_filter_chain.h"

namespace plugins::tc5of20 {

using namespace lotto; // NOLINT(google-build-using-namespace): the description reads as data

const LottoGame &Tc5Of20Game()
{
    static const LottoGame game = [] {
        LottoGame g;
        g.key = L"Tc5Of20";
        g.frontCount = 5;
        g.frontMax = 20;
        g.bigStart = 11;
        g.areaWidth = 7;
        g.spreadForms = {L"_5bao4", L"_5bao3"};
        g.seniorOrder = SeniorOrder::RuleOutFirst;
        g.history.sumRanges = EqualSumRanges(15, 7, 10, {85, 90});
        return g;
    }();
    return game;
}

const calculation::TableRates &Tc5Of20Rates()
{
    static const calculation::TableRates rates = MakeTableRates(Tc5Of20Game());
    return rates;
}

} // namespace plugins::tc5of20

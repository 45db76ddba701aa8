#include "ttl5of22_filter_chain.h"

namespace plugins::ttl5of22 {

using namespace lotto; // NOLINT(google-build-using-namespace): the description reads as data

const LottoGame &Ttl5Of22Game()
{
    static const LottoGame game = [] {
        LottoGame g;
        g.key = L"Ttl5Of22";
        g.frontCount = 5;
        g.frontMax = 22;
        g.bigStart = 12;
        g.areaWidth = 7;
        g.spreadForms = {L"_5bao4", L"_5bao3"};
        g.seniorOrder = SeniorOrder::RuleOutFirst;
        g.history.sumRanges = EqualSumRanges(15, 8, 10, {95, 100});
        return g;
    }();
    return game;
}

const calculation::TableRates &Ttl5Of22Rates()
{
    static const calculation::TableRates rates = MakeTableRates(Ttl5Of22Game());
    return rates;
}

} // namespace plugins::ttl5of22

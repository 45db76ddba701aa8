#include "hd5of15_filter_chain.h"

namespace plugins::hd5of15 {

using namespace lotto; // NOLINT(google-build-using-namespace): the description reads as data

const LottoGame &Hd5Of15Game()
{
    static const LottoGame game = [] {
        LottoGame g;
        g.key = L"Hd5Of15";
        g.setsChainGameKey = true;
        g.frontCount = 5;
        g.frontMax = 15;
        g.bigStart = 8;
        g.areaWidth = 5;
        g.spreadForms = {L"_5bao4"};
        g.seniorOrder = SeniorOrder::PatternFirst;
        // Every position's values in one distribution chart; the rarest values with two decimals
        // rather than as 0.0, the shapes and the sum's last digit with two throughout.
        g.history.sumRanges = EqualSumRanges(15, 5, 9, {60, 65});
        g.history.distribution = true;
        g.history.rareDistributionDecimals = 2;
        g.history.tailDecimals = 2;
        g.history.shapeDecimals = 2;
        return g;
    }();
    return game;
}

const calculation::TableRates &Hd5Of15Rates()
{
    static const calculation::TableRates rates = MakeTableRates(Hd5Of15Game());
    return rates;
}

} // namespace plugins::hd5of15

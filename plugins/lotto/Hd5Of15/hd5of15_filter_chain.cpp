#include "hd5of15_filter_chain.h"

namespace plugins::hd5of15 {

using namespace lotto; // NOLINT(google-build-using-namespace): the description reads as data

const LottoGame &Hd5Of15Game()
{
    static const LottoGame game = [] {
        LottoGame g;
        g.key = L"Hd5Of15";
        g.namesItself = true;
        g.frontCount = 5;
        g.frontMax = 15;
        g.bigStart = 8;
        g.areaWidth = 5;
        g.spreadForms = {L"_5bao4"};
        g.seniorOrder = SeniorOrder::PatternFirst;
        return g;
    }();
    return game;
}

} // namespace plugins::hd5of15

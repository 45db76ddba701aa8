#include "ttc4of10_filter_chain.h"

namespace plugins::fc4of10 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Fc4Of10Game()
{
    static const DigitGame game = [] {
        DigitGame g;
        g.key = L"Fc4Of10";
        g.namesItself = false;
        g.positions = 4;
        g.playTypes = {{L"zhiXuan", {}},
                       {L"zu24", {{1, 1, 1, 1}}},
                       {L"zu12", {{2, 1, 1}}},
                       {L"zu6", {{2, 2}}},
                       {L"zu4", {{3, 1}}}};
        g.primaryTests = {{L"numLag", RowValue::FirstDigit},
                          {L"diffNum", RowValue::DistinctDigits},
                          {L"chongMa", RowValue::RepeatedDigitOfFirstThree}};
        g.repeatTests = true;
        g.searches = PlayTypeSearches(g.playTypes, g.positions);
        g.page.rowNumber = false;
        g.page.trailer = TrailerOrder::AfterFilterFirst;
        g.page.positionTextsInStraightPlay = true;
        return g;
    }();
    return game;
}

} // namespace plugins::fc4of10

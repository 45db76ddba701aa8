#include "fc4of10_filter_chain.h"

namespace plugins::fc4of10 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Fc4Of10Game()
{
    static const std::vector<PlayType> kPlayTypes = WithPlayTypeSearches({{L"zhiXuan", {}},
                                                                          {L"zu24", {{1, 1, 1, 1}}},
                                                                          {L"zu12", {{2, 1, 1}}},
                                                                          {L"zu6", {{2, 2}}},
                                                                          {L"zu4", {{3, 1}}}});
    static const DigitGame game{
        .key = L"Fc4Of10",
        .positions = 4,
        .playTypes = kPlayTypes,
        .primaryTests = {{L"numLag", RowValue::FirstDigit},
                         {L"diffNum", RowValue::DistinctDigits},
                         {L"chongMa", RowValue::RepeatedDigitOfFirstThree}},
        .repeatTests = true,
        .searches = PlayTypeSearches(kPlayTypes, 4),
        .page = {.rowNumber = false,
                 .trailer = TrailerOrder::AfterFilterFirst,
                 .positionTextsInStraightPlay = true},
    };
    return game;
}

} // namespace plugins::fc4of10

#include "magic3_filter_chain.h"

namespace plugins::magic3 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Magic3Game()
{
    static const DigitGame game = [] {
        DigitGame g;
        g.key = L"Magic3";
        g.positions = 3;
        g.playTypes = {{L"zhiXuan", {}}, {L"zuLiu", {{1, 1, 1}}}, {L"zuSan", {{2, 1}}}};
        g.primaryTests = {{L"numLag", RowValue::QuarterOfThousand},
                          {L"diffNum", RowValue::DistinctDigits},
                          {L"chongMa", RowValue::RepeatedDigitOfFirstThree}};
        g.ruleOut = RuleOut::StraightOrGroup;
        g.oldNumberForm = OldNumberForm::Number;
        g.searches = PlayTypeSearches(g.playTypes, g.positions);
        g.page.positionTextsInStraightPlay = true;
        return g;
    }();
    return game;
}

} // namespace plugins::magic3

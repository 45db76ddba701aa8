#include "array5_filter_chain.h"

namespace plugins::array5 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Array5Game()
{
    static const DigitGame game = [] {
        DigitGame g;
        g.key = L"Array5";
        g.positions = 5;
        g.primaryTests = {{L"numLag", RowValue::FirstDigit}, {L"diffNum", RowValue::DistinctDigits}};
        g.repeatTests = true;
        g.ruleOut = RuleOut::SharedDistinctDigits;
        g.oldNumberForm = OldNumberForm::Number;
        g.searches = RunAndRepeatSearches();
        return g;
    }();
    return game;
}

} // namespace plugins::array5

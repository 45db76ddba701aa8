#include "array5_filter_chain.h"

namespace plugins::array5 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Array5Game()
{
    static const DigitGame game{
        .key = L"Array5",
        .positions = 5,
        .primaryTests = {{L"numLag", RowValue::FirstDigit}, {L"diffNum", RowValue::DistinctDigits}},
        .repeatTests = true,
        .ruleOut = RuleOut::SharedDistinctDigits,
        .oldNumberForm = OldNumberForm::Number,
        .searches = RunAndRepeatSearches(),
    };
    return game;
}

} // namespace plugins::array5

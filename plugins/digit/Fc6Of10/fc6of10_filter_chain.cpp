#include "fc6of10_filter_chain.h"

namespace plugins::fc6of10 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Fc6Of10Game()
{
    static const DigitGame game{
        .key = L"Fc6Of10",
        .positions = 6,
        .baseKey = L"baseNums_red",
        .label = {L"baseNums_blue",
                  {L"鼠", L"牛", L"虎", L"兔", L"龙", L"蛇", L"马", L"羊", L"猴", L"鸡", L"狗", L"猪"}},
        .primaryTests = {{L"diffNum", RowValue::DistinctDigits}, {L"numLag", RowValue::FirstDigit}},
        .repeatTests = true,
        .ruleOut = RuleOut::SharedNumbers,
        .searches = RunAndRepeatSearches(),
        .separator = L",",
        .cap = 100000,
        // Eleven ranges of five sums.
        .sumRanges = EqualSumRanges(0, 5, 10, {50, 54}),
    };
    return game;
}

const calculation::TableRates &Fc6Of10Rates()
{
    static const calculation::TableRates rates = [] {
        RateForms forms;
        // The rarer sums and spans with two decimals.
        forms.sumDecimals = {1, 2, 2, 1, 1, 1, 1, 1, 2, 2, 1};
        forms.spanDecimals = {1, 2, 2, 2, 2, 2, 1};
        forms.gapsWithoutRates = true;
        return MakeTableRates(Fc6Of10Game(), forms);
    }();
    return rates;
}

} // namespace plugins::fc6of10

#include "array5_filter_chain.h"

namespace plugins::array5 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Array5Game()
{
    static const DigitGame game{
        .key = L"Array5",
        .positions = 5,
        .setsChainGameKey = true,
        .primaryTests = {{L"numLag", RowValue::FirstDigit}, {L"diffNum", RowValue::DistinctDigits}},
        .repeatTests = true,
        .ruleOut = RuleOut::SharedDistinctDigits,
        .oldNumberForm = OldNumberForm::Number,
        .searches = RunAndRepeatSearches(),
        // Nine ranges of five sums; the last takes the six highest.
        .sumRanges = EqualSumRanges(0, 5, 8, {40, 45}),
    };
    return game;
}

const calculation::TableRates &Array5Rates()
{
    static const calculation::TableRates rates = [] {
        RateForms forms;
        forms.distributionChart = true;
        return MakeTableRates(Array5Game(), forms);
    }();
    return rates;
}

std::wstring Array5FilterChain::GetDetailedDataForDistribution(const std::wstring &frontStyle,
                                                               const std::wstring &,
                                                               std::span<const std::wstring> styles,
                                                               calculation::Rates rates, int)
{
    return DigitDistributionTable(HistoryTablesOf(), frontStyle, styles, rates);
}

} // namespace plugins::array5

#include "fc6of10_filter_chain.h"

namespace plugins::fc6of10 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Fc6Of10Game()
{
    static const DigitGame game{
        .key = L"Fc6Of10",
        .namesItself = false,
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
    };
    return game;
}

} // namespace plugins::fc6of10

#include "digit/common/rated_digit_filter_chain.h"

#include "calculation/history/history_cells.h"

namespace plugins::digit {

// Each digit once, in the page's ball without its font size, and the run code of the digits.
std::wstring RatedDigitFilterChain::GetDetailedDataForBase(const std::wstring &frontStyle,
                                                           const std::wstring &backStyle,
                                                           calculation::Rates rates, int /*pad*/)
{
    return DigitBaseTable(HistoryTablesOf(), frontStyle, backStyle,
                          calculation::BallStyleWithoutFontSize(baseUrl(), L"red"), rates,
                          ConsecutiveForm::GroupCode);
}

} // namespace plugins::digit

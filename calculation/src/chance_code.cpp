#include "calculation/chance_code.h"

#include <array>

#include "basekit/number_text.h"

namespace calculation {

std::wstring GenerateChanceCode()
{
    // The chances of 0..4 successes in four even trials: C(4, k) / 16.
    constexpr std::array<double, 5> kPercentages{6.25, 25.00, 37.50, 25.00, 6.25};
    std::wstring code = L"{";
    for (std::size_t i = 0; i < kPercentages.size(); ++i) {
        if (i > 0) {
            code += L',';
        }
        code += basekit::DoubleToStr(kPercentages[i], L"%.1f");
    }
    code += L'}';
    return code;
}

} // namespace calculation

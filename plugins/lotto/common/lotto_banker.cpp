#include "lotto/common/lotto_banker.h"

#include <vector>

#include "basekit/number_text.h"
#include "basekit/string_split.h"
#include "calculation/banker_reply.h"

namespace plugins::lotto {

std::wstring BankerSuggestion(const basekit::TextMapList &draws, const LottoGame &game)
{
    const int n = game.frontMax;
    std::vector<int> counts(static_cast<std::size_t>(n) + 1, 0);
    for (const basekit::TextMap &draw : draws) {
        auto lottery = draw.find(L"lottery");
        if (lottery == draw.end()) {
            continue;
        }
        const std::vector<std::wstring> numbers = basekit::StrSplit(lottery->second, L",");
        for (std::size_t i = 0; i < numbers.size() && i < static_cast<std::size_t>(game.frontCount); ++i) {
            const int v = basekit::StrToIntW(numbers[i]);
            if (v >= 1 && v <= n) {
                ++counts[static_cast<std::size_t>(v)];
            }
        }
    }
    std::wstring danMa;
    const int w = game.areaWidth;
    for (int zone = 0; zone < 3; ++zone) {
        const int low = 1 + zone * w;
        const int high = zone == 2 ? n : std::min(n, (zone + 1) * w);
        // The least count, the smallest number among equals.
        int banker = low;
        for (int v = low; v <= high; ++v) {
            if (counts[static_cast<std::size_t>(v)] < counts[static_cast<std::size_t>(banker)]) {
                banker = v;
            }
        }
        danMa += (zone == 0 ? L"" : L",") + std::wstring(banker < 10 ? L"0" : L"") + std::to_wstring(banker);
    }
    return calculation::BankerReply(draws, danMa);
}

} // namespace plugins::lotto

// The base banker-number suggestion of the digit games: the three digits drawn least often.
#include <algorithm>
#include <array>
#include <numeric>

#include "basekit/number_text.h"
#include "basekit/string_split.h"
#include "calculation/abstract_filter_chain.h"
#include "calculation/banker_reply.h"

namespace calculation {

std::wstring AbstractFilterChain::GetDanMa(const basekit::TextMapList &draws)
{
    constexpr int kDigits = 10;
    constexpr int kBankers = 3;
    std::array<int, kDigits> counts{};
    for (const basekit::TextMap &draw : draws) {
        auto lottery = draw.find(L"lottery");
        if (lottery == draw.end() || lottery->second.empty()) {
            continue;
        }
        for (int number : basekit::StrArrayToIntArray(basekit::StrSplit(lottery->second, L","))) {
            if (number >= 0 && number < kDigits) {
                ++counts[static_cast<std::size_t>(number)];
            }
        }
    }
    std::array<int, kDigits> digits{};
    std::iota(digits.begin(), digits.end(), 0);
    // Equal counts keep the digit order.
    std::stable_sort(digits.begin(), digits.end(), [&](int a, int b) {
        return counts[static_cast<std::size_t>(a)] < counts[static_cast<std::size_t>(b)];
    });
    std::wstring danMa;
    for (int i = 0; i < kBankers; ++i) {
        danMa += (i ? L"," : L"") + basekit::IntToStrW(digits[static_cast<std::size_t>(i)]);
    }
    return BankerReply(draws, danMa);
}

} // namespace calculation

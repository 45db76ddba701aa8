#include "lotto/common/lotto_game.h"

#include <algorithm>

namespace plugins::lotto {

std::vector<AreaCount> EqualAreas(const std::wstring &word, int width, int count)
{
    std::vector<AreaCount> areas;
    areas.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        areas.push_back({word + std::to_wstring(i), 1 + i * width, (i + 1) * width});
    }
    return areas;
}

int LottoGame::backCount() const
{
    switch (back) {
    case BackArea::Pairs:
        return 2;
    case BackArea::Single:
        return 1;
    case BackArea::None:
        break;
    }
    return 0;
}

Reduction LottoGame::ReductionOf(std::wstring_view text) const
{
    // "_" + x + "bao" + y: x the number from the second character on, y the last character.
    Reduction r;
    if (text.size() < 2 || text == L"_all" || text.front() != L'_') {
        return {};
    }
    std::size_t at = 1;
    while (at < text.size() && at < 4 && text[at] >= L'0' && text[at] <= L'9') {
        r.x = r.x * 10 + (text[at] - L'0');
        ++at;
    }
    const wchar_t last = text.back();
    r.y = last >= L'0' && last <= L'9' ? last - L'0' : 0;
    // Subsets of 2 up to a bet's numbers, and at least one of their numbers shared: anything else
    // names no reduction of this game's rows. A covering form that asks a row to hold a whole
    // subset keeps every row and would scan the rows once for each subset no row holds, so it is
    // none either.
    r.spread = std::find(spreadForms.begin(), spreadForms.end(), text) != spreadForms.end();
    if (r.x < 2 || r.x > frontCount || r.y < 1 || r.y > r.x || (!r.spread && r.y == r.x)) {
        return {};
    }
    return r;
}

} // namespace plugins::lotto

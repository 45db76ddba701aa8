#include "calculation/history/history_draw.h"

#include "basekit/string_split.h"

namespace calculation {
namespace {

std::wstring ValueOf(const basekit::TextMap &entry, const wchar_t *key)
{
    auto it = entry.find(key);
    return it == entry.end() ? std::wstring() : it->second;
}

} // namespace

HistoryDraw ReadHistoryDraw(const basekit::TextMap &entry)
{
    HistoryDraw draw;
    draw.qiHao = ValueOf(entry, L"qiHao");
    draw.lotDate = ValueOf(entry, L"lotDate");
    draw.texts = basekit::StrSplit(ValueOf(entry, L"lottery"), L",");
    draw.numbers = basekit::StrArrayToIntArray(draw.texts);
    return draw;
}

} // namespace calculation

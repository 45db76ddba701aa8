#include "table_helpers.h"

#include <algorithm>

#include "basekit/array_util.h"
#include "basekit/json_util.h"

namespace calculation::history {

std::vector<std::wstring> NumberedKeys(std::wstring_view prefix, int count)
{
    std::vector<std::wstring> keys;
    keys.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        keys.push_back(std::wstring(prefix) + std::to_wstring(i));
    }
    return keys;
}

std::wstring NumberText(int v, int pad)
{
    std::wstring text = std::to_wstring(v);
    return pad == 1 && v >= 0 && v < 10 ? L"0" + text : text;
}

bool Holds(const int *row, int n, int v)
{
    return basekit::ArrayUtil::ArrayAcontainElementB(row, n, v) != 0;
}

int AreaOf(int v, int width)
{
    if (width <= 0) {
        return -1;
    }
    if (v <= width) {
        return 0;
    }
    return v <= 2 * width ? 1 : 2;
}

int RouteAreaClass(bool routes, int width, int v)
{
    return routes ? v % 3 : AreaOf(v, width);
}

ValueColumns SortedColumns(const HistoryGame &game, int index)
{
    return {index + 1, std::max(game.frontMax - game.frontCount + 1, 0)};
}

ValueColumns PositionColumns(const HistoryGame &game, int index)
{
    return game.digitLayout ? ValueColumns{game.lowestNumber, game.frontMax} : SortedColumns(game, index);
}

int FirstSpan(const HistoryGame &game)
{
    return game.digitLayout ? 0 : game.frontCount - 1;
}

int FirstGap(const HistoryGame &game)
{
    return game.digitLayout ? 0 : 1;
}

std::wstring Reply(const basekit::TextMapPtrList &rows)
{
    return basekit::JsonUtil::MapListToJson(rows);
}

} // namespace calculation::history

#include "calculation/history/table_rates.h"

namespace calculation {
namespace {

using Texts = TableRates::Texts;

// The rate table of tables that feeds the table of type, or none.
template <class Table, class Tables> Table *TableOf(Tables &tables, const std::wstring &type)
{
    if (type == L"base") {
        return &tables.base;
    }
    if (type == L"blue") {
        return &tables.back;
    }
    if (type == L"distribution") {
        return &tables.distribution;
    }
    if (type.starts_with(L"pos")) {
        const auto index = static_cast<std::size_t>(PositionOfType(type).value_or(0));
        return index < tables.positions.size() ? &tables.positions[index] : nullptr;
    }
    if (type == L"heZhi") {
        return &tables.sum;
    }
    if (type == L"span") {
        return &tables.span;
    }
    if (type == L"bigSmall") {
        return &tables.bigSmall;
    }
    if (type == L"oddEven") {
        return &tables.oddEven;
    }
    if (type == L"zhiHe") {
        return &tables.zhiHe;
    }
    if (type == L"luShu") {
        return &tables.luShu;
    }
    if (type == L"threeArea") {
        return &tables.threeArea;
    }
    if (type == L"wuXing") {
        return &tables.fiveElements;
    }
    return nullptr;
}

} // namespace

std::optional<int> PositionOfType(const std::wstring &type)
{
    const wchar_t last = type.empty() ? L' ' : type.back();
    if (last < L'0' || last > L'9') {
        return std::nullopt;
    }
    return last - L'0';
}

const Texts &TableRates::Shape(const std::wstring &type) const
{
    if (type == L"bigSmall") {
        return bigSmall;
    }
    return type == L"oddEven" ? oddEven : zhiHe;
}

const Texts &TableRates::RouteArea(const std::wstring &type) const
{
    return type == L"luShu" ? luShu : threeArea;
}

Rates TableRates::Position(const std::wstring &type) const
{
    const auto index = static_cast<std::size_t>(PositionOfType(type).value_or(0));
    return index < positions.size() ? Rates(positions[index]) : Rates();
}

const Texts *TableRates::Of(const std::wstring &type) const
{
    return TableOf<const Texts>(*this, type);
}

Texts *TableRates::Of(const std::wstring &type)
{
    return TableOf<Texts>(*this, type);
}

} // namespace calculation

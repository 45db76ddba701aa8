#include "lotto/common/lotto_history.h"

#include <utility>

#include "calculation/history/history_tables.h"
#include "calculation/history/rate_generator.h"

namespace plugins::lotto {
namespace {

using calculation::PercentText;
using calculation::PercentTexts;
using calculation::Share;
using Texts = std::vector<std::wstring>;

void Append(Texts &to, const Texts &more)
{
    to.insert(to.end(), more.begin(), more.end());
}

// A share written with one decimal, or with rareDecimals where one decimal would read 0.0 although
// some draws hit it.
std::wstring RareAwareText(const Share &share, int rareDecimals)
{
    std::wstring text = PercentText(share, 1);
    if (share.hits > 0 && rareDecimals > 1 && text == L"0.0") {
        text = PercentText(share, rareDecimals);
    }
    return text;
}

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
        const auto index = static_cast<std::size_t>(calculation::PositionOfType(type));
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

calculation::HistoryGame HistoryGameOf(const LottoGame &game)
{
    calculation::HistoryGame shape;
    shape.frontMax = game.frontMax;
    shape.frontCount = game.frontCount;
    shape.backMax = game.back == BackArea::None ? 0 : game.backMax;
    shape.backCount = game.backCount();
    shape.bigStart = game.bigStart;
    shape.areaWidth = game.areaWidth;
    shape.lowestNumber = 1;
    shape.digitLayout = false;
    return shape;
}

const Texts &LottoTableRates::Shape(const std::wstring &type) const
{
    if (type == L"bigSmall") {
        return bigSmall;
    }
    return type == L"oddEven" ? oddEven : zhiHe;
}

const Texts &LottoTableRates::RouteArea(const std::wstring &type) const
{
    return type == L"luShu" ? luShu : threeArea;
}

calculation::Rates LottoTableRates::Position(const std::wstring &type) const
{
    const int index = calculation::PositionOfType(type);
    if (index < 0 || static_cast<std::size_t>(index) >= positions.size()) {
        return {};
    }
    return positions[static_cast<std::size_t>(index)];
}

const Texts *LottoTableRates::Of(const std::wstring &type) const
{
    return TableOf<const Texts>(*this, type);
}

Texts *LottoTableRates::Of(const std::wstring &type)
{
    return TableOf<Texts>(*this, type);
}

LottoTableRates MakeTableRates(const LottoGame &game)
{
    const HistoryForms &forms = game.history;
    const calculation::HistoryGame shape = HistoryGameOf(game);
    const calculation::RateGenerator rates(shape);
    LottoTableRates tables;
    tables.base = PercentTexts(rates.Base(), 1);
    tables.back = PercentTexts(rates.BackArea(), forms.backDecimals);
    if (forms.distribution) {
        for (const Share &share : rates.Distribution()) {
            tables.distribution.push_back(RareAwareText(share, forms.rareDistributionDecimals));
        }
    } else {
        for (int p = 0; p < shape.frontCount; ++p) {
            tables.positions.push_back(PercentTexts(rates.Position(p), 1));
        }
    }
    tables.sumRanges = forms.sumRanges;
    tables.sum = PercentTexts(rates.SumRanges(forms.sumRanges), 1);
    Append(tables.sum, PercentTexts(rates.SumTails(), forms.tailDecimals));
    // A sorted draw of distinct numbers spans frontCount - 1 up to frontMax - 1; the chart of its
    // largest gap has as many columns, shown without rates.
    tables.spanColumns = shape.frontMax - shape.frontCount + 1;
    tables.span = PercentTexts(rates.Spans(tables.spanColumns), 1);
    tables.span.resize(2 * static_cast<std::size_t>(tables.spanColumns));
    for (auto [type, texts] : {std::pair{L"bigSmall", &tables.bigSmall},
                               std::pair{L"oddEven", &tables.oddEven}, std::pair{L"zhiHe", &tables.zhiHe}}) {
        *texts = PercentTexts(rates.ShapeRatios(type), forms.shapeDecimals);
        Append(*texts, PercentTexts(rates.ShapePositions(type), forms.shapeDecimals));
    }
    for (auto [type, texts] :
         {std::pair{L"luShu", &tables.luShu}, std::pair{L"threeArea", &tables.threeArea}}) {
        *texts = PercentTexts(rates.ClassCounts(type), 1);
        Append(*texts, PercentTexts(rates.ClassPositions(type), 1));
    }
    // Lotto numbers take their elements from the engine's table of 1-35.
    tables.fiveElements = PercentTexts(rates.FiveElements(1), 1);
    for (const WrittenRate &written : forms.written) {
        Texts *table = tables.Of(written.table);
        if (table != nullptr && written.index < table->size()) {
            (*table)[written.index] = written.text;
        }
    }
    return tables;
}

} // namespace plugins::lotto

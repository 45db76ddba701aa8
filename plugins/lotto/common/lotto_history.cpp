#include "lotto/common/lotto_history.h"

#include <utility>

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

calculation::TableRates MakeTableRates(const LottoGame &game)
{
    const HistoryForms &forms = game.history;
    const calculation::HistoryGame shape = HistoryGameOf(game);
    const calculation::RateGenerator rates(shape);
    calculation::TableRates tables;
    tables.distributionChart = forms.distribution;
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
    // Lotto numbers take their elements from the engine's table of 1-35 (the default mode).
    tables.fiveElements = PercentTexts(rates.FiveElements(tables.elementMode), 1);
    for (const WrittenRate &written : forms.written) {
        Texts *table = tables.Of(written.table);
        if (table != nullptr && written.index < table->size()) {
            (*table)[written.index] = written.text;
        }
    }
    return tables;
}

} // namespace plugins::lotto

#include "digit/common/digit_history.h"

#include "basekit/array_util.h"
#include "basekit/json_util.h"
#include "calculation/history/history_cells.h"
#include "calculation/history/rate_generator.h"
#include "calculation/history/summary_rows.h"

namespace plugins::digit {
namespace {

using calculation::HistoryDraw;
using calculation::HistoryTables;
using calculation::PercentTexts;
using Texts = std::vector<std::wstring>;

void Append(Texts &to, const Texts &more)
{
    to.insert(to.end(), more.begin(), more.end());
}

// "pos" + i for the digits of the game.
Texts DigitKeys(const calculation::HistoryGame &game)
{
    Texts keys;
    for (int i = 0; i < game.frontMax; ++i) {
        keys.push_back(L"pos" + std::to_wstring(i));
    }
    return keys;
}

} // namespace

calculation::HistoryGame HistoryGameOf(const DigitGame &game)
{
    calculation::HistoryGame shape;
    shape.frontMax = game.highDigit - game.lowDigit + 1;
    shape.lowestNumber = game.lowDigit;
    shape.frontCount = game.positions;
    shape.backCount = game.hasLabel() ? 1 : 0;
    shape.backMax = static_cast<int>(game.label.texts.size());
    shape.bigStart = game.bigStart;
    shape.areaWidth = game.areaWidth;
    shape.digitLayout = true;
    shape.labelBack = game.hasLabel();
    for (std::size_t i = 0; i < game.label.texts.size() && i < shape.labels.size(); ++i) {
        shape.labels[i] = game.label.texts[i];
    }
    return shape;
}

calculation::TableRates MakeTableRates(const DigitGame &game, const RateForms &forms)
{
    const calculation::HistoryGame shape = HistoryGameOf(game);
    const calculation::RateGenerator rates(shape);
    calculation::TableRates tables;
    tables.distributionChart = forms.distributionChart;
    tables.pad = 0;
    tables.elementMode = 0; // a digit's element is that of its last digit
    tables.positionNeedsDigit = true;
    tables.base = PercentTexts(rates.Base(), 1);
    tables.back = PercentTexts(rates.BackArea(), 1);
    for (int p = 0; p < shape.frontCount; ++p) {
        const std::vector<calculation::Share> digits = rates.Position(p);
        tables.positions.push_back(PercentTexts(digits, 1));
        Append(tables.distribution, PercentTexts(digits, forms.distributionDecimals));
    }
    tables.sumRanges = game.sumRanges;
    tables.sum = PercentTexts(rates.SumRanges(game.sumRanges), forms.sumDecimals);
    Append(tables.sum, PercentTexts(rates.SumTails(), 1));
    // A draw of digits spans 0 to the width of its digits, and so do its gaps.
    tables.spanColumns = shape.frontMax;
    tables.span = PercentTexts(rates.Spans(tables.spanColumns), forms.spanDecimals);
    Append(tables.span, forms.gapsWithoutRates ? Texts(static_cast<std::size_t>(tables.spanColumns))
                                               : PercentTexts(rates.Gaps(tables.spanColumns), 1));
    for (auto [type, texts] : {std::pair{L"bigSmall", &tables.bigSmall},
                               std::pair{L"oddEven", &tables.oddEven}, std::pair{L"zhiHe", &tables.zhiHe}}) {
        *texts = PercentTexts(rates.ShapeRatios(type), forms.ratioDecimals);
        Append(*texts, PercentTexts(rates.ShapePositions(type), 1));
    }
    for (auto [type, texts] :
         {std::pair{L"luShu", &tables.luShu}, std::pair{L"threeArea", &tables.threeArea}}) {
        const std::vector<calculation::Share> counts = rates.ClassCounts(type);
        *texts = forms.classCountsAsZero ? Texts(counts.size(), L"0.0") : PercentTexts(counts, 1);
        Append(*texts, PercentTexts(rates.ClassPositions(type), 1));
    }
    tables.fiveElements = PercentTexts(rates.FiveElements(tables.elementMode), 1);
    return tables;
}

std::wstring DigitBaseTable(const HistoryTables &tables, const std::wstring &frontStyle,
                            const std::wstring &backStyle, const std::wstring &ballStyle,
                            calculation::Rates rates, ConsecutiveForm consecutive)
{
    const calculation::HistoryGame &game = tables.game();
    const calculation::CCalculationUtil &util = tables.util();
    const int k = game.frontCount;
    const Texts keys = DigitKeys(game);
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : tables.Draws()) {
        const int *r = draw.row();
        basekit::OrderedRow row = tables.NewRow(draw, tables.Balls(draw, frontStyle, backStyle, 0));
        for (int i = 0; i < game.frontMax; ++i) {
            const int digit = game.lowestNumber + i;
            const bool drawn = basekit::ArrayUtil::ArrayAcontainElementB(r, k, digit) != 0;
            row.emplace_back(keys[static_cast<std::size_t>(i)],
                             drawn ? calculation::PlainCell(ballStyle, std::to_wstring(digit)) : L"");
        }
        row.emplace_back(L"minNum", std::to_wstring(util.GetSmallest(r, k)));
        row.emplace_back(L"maxNum", std::to_wstring(util.GetBiggest(r, k)));
        row.emplace_back(L"sum", std::to_wstring(util.GetSum(r, k)));
        row.emplace_back(L"shape", util.zuXuanOrZhiText(r, k));
        row.emplace_back(L"sameNum", util.GetSameNumText(r, k));
        row.emplace_back(L"lianHao", consecutive == ConsecutiveForm::Text
                                         ? util.GetLianMaForMagic3Text(r, k)
                                         : std::to_wstring(util.GetLianMa(r, k, 0)));
        row.emplace_back(L"span", std::to_wstring(util.GetSpan(r, k)));
        row.emplace_back(L"acValue", std::to_wstring(util.GetAc(r, k)));
        tables.AddRatios(row, r, k);
        rows.push_back(std::move(row));
    }
    calculation::AddSumRow(
        rows, rates, keys,
        L"minNum,maxNum,sum,shape,sameNum,acValue,lianHao,span,threeAreaRate,bigSmallRate,oddEvenRate,"
        L"zhiHeRate,luShuRate",
        L"%.1f");
    return basekit::JsonUtil::MapListToJson(rows);
}

std::wstring DigitDistributionTable(const HistoryTables &tables, const std::wstring &frontStyle,
                                    std::span<const std::wstring> styles, calculation::Rates rates)
{
    const calculation::HistoryGame &game = tables.game();
    Texts keys;
    for (int p = 0; p < game.frontCount; ++p) {
        for (int i = 0; i < game.frontMax; ++i) {
            keys.push_back(L"pos" + std::to_wstring(p) + std::to_wstring(i));
        }
    }
    basekit::TextMapPtrList rows;
    for (const HistoryDraw &draw : tables.Draws()) {
        basekit::OrderedRow row = tables.NewRow(draw, tables.Balls(draw, frontStyle, std::wstring(), 0));
        auto key = keys.begin();
        for (int p = 0; p < game.frontCount; ++p) {
            const std::wstring &style = calculation::StyleAt(styles, static_cast<std::size_t>(p));
            for (int i = 0; i < game.frontMax; ++i, ++key) {
                const int digit = game.lowestNumber + i;
                row.emplace_back(*key, draw.numbers[static_cast<std::size_t>(p)] == digit
                                           ? calculation::MarkedCell(p, style, std::to_wstring(digit))
                                           : L"");
            }
        }
        rows.push_back(std::move(row));
    }
    // Nothing is skipped: the draw's own columns are counted as well.
    calculation::AddSumRow(rows, rates, keys, L"", L"%.0f");
    return basekit::JsonUtil::MapListToJson(rows);
}

} // namespace plugins::digit

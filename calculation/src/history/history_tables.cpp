#include "calculation/history/history_tables.h"

#include <algorithm>
#include <memory>

#include "calculation/history/history_cells.h"

namespace calculation {

namespace {

std::vector<HistoryDraw> ReadDraws(const basekit::TextMapList &cache)
{
    std::vector<HistoryDraw> draws;
    draws.reserve(cache.size());
    for (const basekit::TextMap &entry : cache) {
        draws.push_back(ReadHistoryDraw(entry));
    }
    return draws;
}

} // namespace

HistoryTables::HistoryTables(HistoryGame game, const basekit::TextMapList &cache)
    : game_(std::move(game)), read_(std::make_shared<const std::vector<HistoryDraw>>(ReadDraws(cache))),
      draws_(read_.get())
{
}

HistoryTables::HistoryTables(HistoryGame game, const std::vector<HistoryDraw> &draws)
    : game_(std::move(game)), draws_(&draws)
{
}

std::vector<HistoryDraw> HistoryTables::Draws(int minimumNumbers) const
{
    const int needed = std::max(game_.frontCount + game_.backCount, minimumNumbers);
    std::vector<HistoryDraw> draws;
    draws.reserve(draws_->size());
    for (const HistoryDraw &draw : *draws_) {
        // The tables read the numbers by position: a draw that lacks some is not shown at all.
        if (draw.size() >= needed) {
            draws.push_back(draw);
        }
    }
    return draws;
}

std::wstring HistoryTables::Label(int number) const
{
    if (number < 1 || number > HistoryGame::kLabelCount) {
        return std::wstring();
    }
    return game_.labels[static_cast<std::size_t>(number - 1)];
}

std::wstring HistoryTables::Balls(const HistoryDraw &draw, const std::wstring &frontStyle,
                                  const std::wstring &backStyle, int pad) const
{
    if (!game_.labelBack) {
        return util_.ArrayToStr(draw.row(), game_.frontCount, game_.backCount, frontStyle, backStyle, pad);
    }
    std::wstring balls = util_.ArrayToStr(draw.row(), game_.frontCount, 0, frontStyle, std::wstring(), 0);
    for (int i = 0; i < game_.backCount; ++i) {
        balls += PlainCell(backStyle, Label(draw.numbers[static_cast<std::size_t>(game_.frontCount) + i]));
    }
    return balls;
}

void HistoryTables::AddRatios(basekit::OrderedRow &row, const int *numbers, int n) const
{
    row.emplace_back(L"threeAreaRate", util_.ThreeAreaRateText(numbers, n, game_.areaWidth));
    row.emplace_back(L"bigSmallRate", util_.BigSmallRateText(numbers, n, game_.bigStart));
    row.emplace_back(L"oddEvenRate", util_.OddEvenRateText(numbers, n));
    row.emplace_back(L"zhiHeRate", util_.ZhiHeRateText(numbers, n));
    row.emplace_back(L"luShuRate", util_.LuShuRateText(numbers, n));
}

basekit::OrderedRow HistoryTables::NewRow(const HistoryDraw &draw, std::wstring balls) const
{
    return {{L"qiHao", draw.qiHao}, {L"lotDate", draw.lotDate}, {L"lottery", std::move(balls)}};
}

} // namespace calculation

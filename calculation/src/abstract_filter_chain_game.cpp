// The game a chain is of: its parameters, and which rows are its bets and its draws.
#include <algorithm>

#include "basekit/number_text.h"
#include "basekit/string_split.h"
#include "calculation/abstract_filter_chain.h"

namespace calculation {

void AbstractFilterChain::SetGameParameters(const HistoryGame &game)
{
    frontMax_ = game.frontMax;
    backMax_ = game.backMax;
    frontCount_ = game.frontCount;
    backCount_ = game.backCount;
    bigStart_ = game.bigStart;
    areaWidth_ = game.areaWidth;
    lowestNumber_ = game.lowestNumber;
    writeNumbersSingly_ = game.digitLayout ? 0 : 1;
    labelBack_ = game.labelBack ? 1 : 0;
    std::copy(game.labels.begin(), game.labels.end(), labels_.begin());
}

namespace {

// A typed row: "1,12,30" as numbers, "123" as one digit per character.
std::vector<int> ReadRowText(const std::wstring &rowText)
{
    if (rowText.find(L',') == std::wstring::npos) {
        return basekit::StrToVectorInt(rowText);
    }
    std::vector<int> values;
    for (const std::wstring &piece : basekit::StrSplit(rowText, L",")) {
        values.push_back(basekit::StrToIntW(piece));
    }
    return values;
}

} // namespace

bool AbstractFilterChain::IsNumberOfGame(int position, int value) const
{
    if (position < frontCount_) {
        return value >= lowestNumber_ && value - lowestNumber_ < frontMax_;
    }
    return value >= 1 && value <= backMax_;
}

RowCheck AbstractFilterChain::CheckRowText(const std::wstring &rowText) const
{
    return CheckNumbers(ReadRowText(rowText));
}

RowCheck AbstractFilterChain::CheckNumbers(const std::vector<int> &values) const
{
    if (values.empty() || static_cast<int>(values.size()) != rowLength()) {
        return RowCheck::WrongCount;
    }
    for (int i = 0; i < rowLength(); ++i) {
        if (!IsNumberOfGame(i, values[i])) {
            return RowCheck::NotOfGame;
        }
    }
    if (distinctAscendingAreas_) {
        auto repeats = [](std::vector<int> area) {
            std::sort(area.begin(), area.end());
            return std::adjacent_find(area.begin(), area.end()) != area.end();
        };
        if (repeats({values.begin(), values.begin() + frontCount_}) ||
            repeats({values.begin() + frontCount_, values.end()})) {
            return RowCheck::Repeated;
        }
    }
    return RowCheck::Ok;
}

bool AbstractFilterChain::IsDrawOfGame(const std::vector<int> &numbers) const
{
    if (static_cast<int>(numbers.size()) != drawLength()) {
        return false;
    }
    const auto bet = numbers.begin() + rowLength();
    if (CheckNumbers({numbers.begin(), bet}) != RowCheck::Ok) {
        return false;
    }
    const auto front = numbers.begin() + frontCount_;
    return std::all_of(bet, numbers.end(), [&](int special) {
        return IsNumberOfGame(0, special) && std::find(numbers.begin(), front, special) == front &&
               std::count(bet, numbers.end(), special) == 1;
    });
}

std::optional<std::vector<int>> AbstractFilterChain::BetOfText(const std::wstring &rowText) const
{
    std::vector<int> values = ReadRowText(rowText);
    if (CheckNumbers(values) != RowCheck::Ok) {
        return std::nullopt;
    }
    if (distinctAscendingAreas_) {
        std::sort(values.begin(), values.begin() + frontCount_);
        std::sort(values.begin() + frontCount_, values.end());
    }
    return values;
}

} // namespace calculation

#include "digit/common/digit_filter_chain.h"

#include <algorithm>
#include <climits>
#include <unordered_set>

#include "basekit/combinatorics.h"
#include "basekit/string_split.h"
#include "digit/common/digit_filters.h"
#include "digit/common/digit_history.h"

namespace plugins::digit {

using calculation::LookupCondition;

namespace {

bool AllDigits(std::wstring_view text)
{
    return !text.empty() && std::ranges::all_of(text, [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

constexpr std::int16_t kUnknownVerdict = -1;
constexpr std::int16_t kFailingVerdict = -2;

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, 0, INT_MAX));
}

} // namespace

DigitFilterChain::DigitFilterChain(const DigitGame &game) : game_(game)
{
    // The parameters the engine reads, the same that the history tables and their rates take.
    SetGameParameters(HistoryGameOf(game));
    if (game.setsChainGameKey) {
        gameKey_ = game.key;
    }
    if (game.cap > 0) {
        rowCap_ = game.cap;
    }
}

void DigitFilterChain::CreateChainNode()
{
    auto first = std::make_unique<PrimaryFilter>(game_);
    auto last = std::make_unique<SeniorFilter>(game_);
    first_ = first.get();
    last_ = last.get();
    AddToChain(std::move(first));
    AddToChain(std::move(last));
}

std::vector<int> DigitFilterChain::ConditionNumbers(const wchar_t *key) const
{
    return LookupCondition(runRequest_.conditions, key).nums;
}

std::vector<int> DigitFilterChain::CandidateDigits() const
{
    std::vector<int> digits;
    for (int d = game_.lowDigit; d <= game_.highDigit; ++d) {
        digits.push_back(d);
    }
    return digits;
}

calculation::NumberRowList *DigitFilterChain::Filter()
{
    castType_ = runRequest_.castType;
    const bool oldNumbers = runRequest_.source == calculation::RowSource::Old;
    playType_ = game_.PlayTypeOfRun(castType_, oldNumbers);
    NewResultList();
    primaryTotal_ = 0;
    afterFilterLen_ = 0;
    if (first_ == nullptr) {
        return resultList_.get();
    }
    if (oldNumbers) {
        FilterOldRows();
    } else {
        FilterNewRows();
    }
    return resultList_.get();
}

void DigitFilterChain::FilterNewRows()
{
    if (playType_ == nullptr) {
        return; // a play type the game does not know, and none to play instead: no candidates
    }
    const int k = game_.positions;
    const int n = LookupCondition(runRequest_.conditions, game_.baseKey).count();
    chosenLabels_.clear();
    if (game_.hasLabel()) {
        for (int label : ConditionNumbers(game_.label.chosenKey.c_str())) {
            if (label >= 1 && label <= backMax_) {
                chosenLabels_.push_back(label);
            }
        }
    }
    long long total = 0;
    if (playType_->straight()) {
        total = basekit::Mi(n, k) * (game_.hasLabel() ? static_cast<long long>(chosenLabels_.size()) : 1);
    } else {
        for (const Multiplicities &shape : playType_->shapes) {
            total += GroupsOfShape(shape, n);
        }
    }
    primaryTotal_ = ClampToInt(total);
    if (game_.hasLabel() && chosenLabels_.empty()) {
        return; // no bet without a label
    }
    // Positions take only the digits the first stage allows there whatever else the row holds,
    // so a run never meets the candidates those untolerated tests would reject one by one.
    const std::vector<int> digits = CandidateDigits();
    std::vector<std::vector<int>> values(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) {
        std::ranges::copy_if(digits, std::back_inserter(values[static_cast<std::size_t>(i)]),
                             [&](int d) { return first_->AllowsAt(i, d); });
        if (values[static_cast<std::size_t>(i)].empty()) {
            return;
        }
    }
    if (playType_->straight()) {
        EnumerateStraight(values);
    } else {
        EnumerateGroups(values);
    }
}

void DigitFilterChain::EnumerateStraight(const std::vector<std::vector<int>> &values)
{
    const int k = game_.positions;
    if (!multisets_) {
        multisets_.emplace(game_.lowDigit, game_.highDigit, k);
    }
    digitVerdicts_.assign(static_cast<std::size_t>(multisets_->count()), kUnknownVerdict);
    orderBoundTests_ = first_->HasOrderBoundTests() || last_->HasOrderBoundTests();
    const auto &last = values.back();
    int row[calculation::AbstractFilter::kMaxPositions + 1] = {};
    std::size_t at[calculation::AbstractFilter::kMaxPositions] = {};
    // multiset[i]: the multiset of the first i digits.
    int multiset[calculation::AbstractFilter::kMaxPositions + 1] = {DigitMultisets::kEmpty};
    for (int i = 0; i < k; ++i) {
        row[i] = values[static_cast<std::size_t>(i)].front();
        multiset[i + 1] = multisets_->Add(multiset[i], row[i]);
    }
    // An odometer, the last position turning fastest: the candidates come in the order of the
    // values, and the multiset of a prefix is followed digit by digit as the odometer turns.
    for (;;) {
        for (int v : last) {
            row[k - 1] = v;
            TestStraightAndKeep(row, multisets_->Add(multiset[k - 1], v));
        }
        int i = k - 2;
        for (; i >= 0; --i) {
            const auto &choices = values[static_cast<std::size_t>(i)];
            if (++at[i] < choices.size()) {
                row[i] = choices[at[i]];
                break;
            }
            at[i] = 0;
            row[i] = choices.front();
        }
        if (i < 0) {
            break;
        }
        for (int j = i; j < k - 1; ++j) {
            multiset[j + 1] = multisets_->Add(multiset[j], row[j]);
        }
    }
}

void DigitFilterChain::TestStraightAndKeep(int *row, int multiset)
{
    if (multiset == DigitMultisets::kNone) {
        TestAndKeep(row);
        return;
    }
    std::int16_t &verdict = digitVerdicts_[static_cast<std::size_t>(multiset)];
    if (verdict == kUnknownVerdict) {
        int tolerated = 0;
        bool passes =
            first_->PassesOrderFreeTests(row, tolerated) && last_->PassesOrderFreeTests(row, tolerated);
        verdict = passes ? static_cast<std::int16_t>(tolerated) : kFailingVerdict;
    }
    if (verdict == kFailingVerdict) {
        return;
    }
    int wrongCount = verdict;
    if (!orderBoundTests_ ||
        (first_->PassesOrderBoundTests(row, wrongCount) && last_->PassesOrderBoundTests(row, wrongCount))) {
        Keep(row);
    }
}

void DigitFilterChain::EnumerateGroups(const std::vector<std::vector<int>> &values)
{
    const int k = game_.positions;
    int row[calculation::AbstractFilter::kMaxPositions + 1] = {};
    // Rows with their digits ascending (not descending), in lexicographic order: every set of
    // digits once, in the order in which a straight enumeration first meets it.
    auto fill = [&](auto &&self, int position) -> void {
        if (position == k) {
            if (std::ranges::find(playType_->shapes, MultiplicitiesOf(row, k)) != playType_->shapes.end()) {
                TestAndKeep(row);
            }
            return;
        }
        for (int v : values[static_cast<std::size_t>(position)]) {
            if (position == 0 || v >= row[position - 1]) {
                row[position] = v;
                self(self, position + 1);
            }
        }
    };
    fill(fill, 0);
}

void DigitFilterChain::TestAndKeep(int *row)
{
    int wrongCount = 0;
    if (first_->FilterRow(row, game_.positions, wrongCount) != 0) {
        Keep(row);
    }
}

void DigitFilterChain::Keep(int *row)
{
    const bool capped = game_.cap > 0;
    if (!game_.hasLabel()) {
        if (!capped || afterFilterLen_ < rowCap_) {
            resultList_->AddCopy(row);
        }
        afterFilterLen_ += capped ? 1 : 0;
        return;
    }
    // Each chosen label makes one bet; past the cap the bets are counted, not formed.
    const int labelsChosen = static_cast<int>(chosenLabels_.size());
    if (afterFilterLen_ >= rowCap_) {
        afterFilterLen_ += labelsChosen;
        return;
    }
    for (int label : chosenLabels_) {
        row[game_.positions] = label;
        if (afterFilterLen_ < rowCap_) {
            resultList_->AddCopy(row);
        }
        ++afterFilterLen_;
    }
}

std::vector<std::wstring> DigitFilterChain::OldNumberEntries() const
{
    const auto betLength = static_cast<std::size_t>(rowLength());
    std::vector<std::wstring> entries;
    // The entries come split from the request, one row each.
    for (const std::wstring &entry : LookupCondition(runRequest_.conditions, L"oldNum").strs) {
        if (entry.empty()) {
            continue;
        }
        // In a game without a label a comma separates bets, unless the entry is one bet with its
        // digits separated ("1,2,3").
        if (game_.hasLabel() || entry.find(L',') == std::wstring::npos) {
            entries.push_back(entry);
            continue;
        }
        std::vector<std::wstring> pieces = basekit::StrSplit(entry, L",");
        bool oneBet = pieces.size() == betLength &&
                      std::ranges::all_of(pieces, [](const std::wstring &p) { return p.size() == 1; });
        if (oneBet) {
            entries.push_back(entry);
            continue;
        }
        for (std::wstring &piece : pieces) {
            if (!piece.empty()) {
                entries.push_back(std::move(piece));
            }
        }
    }
    return entries;
}

std::optional<std::vector<int>> DigitFilterChain::ReadOldEntry(const std::wstring &entry) const
{
    const int k = game_.positions;
    std::vector<int> bet;
    if (entry.find(L',') != std::wstring::npos) {
        for (const std::wstring &piece : basekit::StrSplit(entry, L",")) {
            if (!AllDigits(piece) || piece.size() > 2) {
                return std::nullopt;
            }
            bet.push_back(std::stoi(piece));
        }
    } else if (!game_.hasLabel() && AllDigits(entry)) {
        const bool asNumber =
            game_.oldNumberForm == OldNumberForm::Number && playType_ != nullptr && playType_->straight();
        const int length = static_cast<int>(entry.size());
        if (length > k || (!asNumber && length < k)) {
            return std::nullopt;
        }
        bet.assign(static_cast<std::size_t>(k - length), 0); // a number's leading zeros
        for (wchar_t c : entry) {
            bet.push_back(c - L'0');
        }
    }
    if (static_cast<int>(bet.size()) != rowLength()) {
        return std::nullopt;
    }
    for (int i = 0; i < rowLength(); ++i) {
        if (!IsNumberOfGame(i, bet[static_cast<std::size_t>(i)])) {
            return std::nullopt;
        }
    }
    return bet;
}

void DigitFilterChain::FilterOldRows()
{
    const int k = game_.positions;
    std::unordered_set<std::int64_t> groupsTaken;
    int entries = 0;
    int repeatedGroups = 0;
    for (const std::wstring &entry : OldNumberEntries()) {
        ++entries; // every entry counts, a bet of the game or not
        std::optional<std::vector<int>> bet = ReadOldEntry(entry);
        if (!bet || playType_ == nullptr) {
            continue;
        }
        int *row = bet->data();
        if (!playType_->straight()) {
            // A group is its digits ascending, taken once, when it has a shape of the play type.
            std::sort(row, row + k);
            if (std::ranges::find(playType_->shapes, MultiplicitiesOf(row, k)) == playType_->shapes.end()) {
                continue;
            }
            if (!groupsTaken.insert(DigitCode(row, k)).second) {
                ++repeatedGroups;
                continue;
            }
        }
        int wrongCount = 0;
        if (first_->FilterRow(row, k, wrongCount) != 0) {
            resultList_->AddCopy(row);
        }
    }
    primaryTotal_ = entries - (game_.oldTotalCountsCandidates ? repeatedGroups : 0);
}

std::wstring DigitFilterChain::GetResultStr(const std::wstring &listFlag, const std::wstring &separator,
                                            const std::wstring &backSeparator, int /*pad*/, int allRows)
{
    return AbstractFilterChain::GetResultStr(listFlag, game_.callerSeparator ? separator : game_.separator,
                                             backSeparator, 0, allRows);
}

} // namespace plugins::digit

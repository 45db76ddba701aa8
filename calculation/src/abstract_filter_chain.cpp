#include "calculation/abstract_filter_chain.h"

#include <algorithm>
#include <cstdlib>

#include "basekit/debug.h"
#include "basekit/json_util.h"
#include "basekit/number_text.h"
#include "basekit/string_split.h"
#include "basekit/text_convert.h"

namespace calculation {
namespace {

const wchar_t kNodeIndexError[] = L"索引值大于了过滤节点数！";

std::wstring NumberText(int v, bool pad)
{
    std::wstring text = basekit::IntToStrW(v);
    return pad && v >= 0 && v < 10 ? L"0" + text : text;
}

} // namespace

ChainError::ChainError(std::wstring message)
    : std::runtime_error(basekit::CStrW2CStrA(message)), message_(std::move(message))
{
}

AbstractFilterChain::AbstractFilterChain() = default;
AbstractFilterChain::~AbstractFilterChain() = default;

void AbstractFilterChain::CreateChainNode()
{
    throw ChainError(L"No implementation!");
}

AbstractFilter *AbstractFilterChain::GetFirstFilter() const
{
    return filters_.empty() ? nullptr : filters_.front().get();
}

AbstractFilter *AbstractFilterChain::GetLastFilter() const
{
    return filters_.empty() ? nullptr : filters_.back().get();
}

AbstractFilter *AbstractFilterChain::GetFilter(int index) const
{
    if (index < 0 || index >= FilterCount()) {
        return nullptr;
    }
    return filters_[index].get();
}

void AbstractFilterChain::AddToChain(std::unique_ptr<AbstractFilter> stage)
{
    if (!stage) {
        return;
    }
    if (!filters_.empty()) {
        filters_.back()->next = stage.get();
    }
    filters_.push_back(std::move(stage));
}

void AbstractFilterChain::SetNodeData(const DataMap &conditions, int index)
{
    if (index < 0 || index >= FilterCount()) {
        basekit::Debug(std::wstring(kNodeIndexError), L"SetNodeData");
        throw ChainError(kNodeIndexError);
    }
    if (&conditions != &runRequest_.conditions) {
        runRequest_ = RunRequest::Of(conditions);
    }
    filters_[index]->SetFilterData(conditions);
}

void AbstractFilterChain::SetRunRequest(RunRequest request)
{
    runRequest_ = std::move(request);
    // Stages 0 and 1 at least, as every run of the program hands them: a chain with fewer stages
    // fails the run with ChainError.
    for (int index = 0; index < std::max(FilterCount(), 2); ++index) {
        SetNodeData(runRequest_.conditions, index);
    }
}

void AbstractFilterChain::SetOldDataCache(const basekit::TextMapList &draws)
{
    // Newest first, so that a long list stops at the bound; then back into list order.
    std::vector<HistoryDraw> kept;
    for (auto entry = draws.rbegin(); entry != draws.rend() && kept.size() < kMaxCachedDraws; ++entry) {
        HistoryDraw draw = ReadHistoryDraw(*entry);
        std::optional<std::vector<int>> numbers = ReadDrawNumbers(draw.lottery);
        if (numbers && IsDrawOfGame(*numbers)) {
            draw.numbers = std::move(*numbers);
            kept.push_back(std::move(draw));
        }
    }
    std::reverse(kept.begin(), kept.end());
    kept.shrink_to_fit();
    oldDataCache_ = std::move(kept);
}

void AbstractFilterChain::SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows)
{
    if (AbstractFilter *last = GetLastFilter()) {
        last->SetOldDataForRuleOut(rows);
    }
}

void AbstractFilterChain::ResetAll()
{
    for (auto &stage : filters_) {
        stage->ResetFilterData();
    }
    runRequest_ = {};
    // The search list refers to the rows of this run, so it goes aside with them. A run set
    // aside earlier and never released is released here rather than lost.
    ReleaseRun(std::move(previous_));
    auto run = std::make_unique<Run>();
    run->result = std::move(resultList_);
    run->search = std::move(searchList_);
    previous_ = std::move(run);
    primaryTotal_ = 0;
    afterFilterLen_ = 0;
}

void AbstractFilterChain::DeleteOldData()
{
    ReleaseRun(std::move(previous_));
}

void AbstractFilterChain::DeleteAll()
{
    searchList_.reset();
    resultList_.reset();
    previous_.reset();
    keptList_.reset();
}

void AbstractFilterChain::ReleaseRun(std::unique_ptr<Run> run)
{
    if (!run) {
        return;
    }
    run->search.reset(); // it may refer to the result rows
    std::unique_ptr<NumberRowList> &result = run->result;
    if (result && !keptList_ && result->rowLength() == rowLength() && result->heldBytes() <= kKeptListBytes) {
        result->Clear();
        keptList_ = std::move(result);
    }
}

NumberRowList *AbstractFilterChain::ListFor(const std::wstring &listFlag) const
{
    return listFlag == L"1" ? searchList_.get() : resultList_.get();
}

NumberRowList &AbstractFilterChain::NewResultList()
{
    if (keptList_ && keptList_->rowLength() == rowLength()) {
        resultList_ = std::move(keptList_);
    } else {
        keptList_.reset();
        resultList_ = std::make_unique<NumberRowList>(rowLength());
    }
    return *resultList_;
}

NumberRowList &AbstractFilterChain::NewSearchList()
{
    searchList_ = std::make_unique<NumberRowList>(rowLength());
    return *searchList_;
}

int AbstractFilterChain::DeleteRows(const std::wstring &listFlag, int index)
{
    if (NumberRowList *list = ListFor(listFlag); list && index >= 0) {
        list->RemoveAt(static_cast<std::size_t>(index));
    }
    return 1;
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

int AbstractFilterChain::AddRow(const std::wstring &rowText)
{
    std::optional<std::vector<int>> bet = BetOfText(rowText);
    if (!bet) {
        return 0;
    }
    if (!resultList_) {
        NewResultList();
    }
    resultList_->AddCopy(bet->data());
    return 1;
}

std::wstring AbstractFilterChain::SinglyWrittenRow(const int *row, const std::wstring &separator,
                                                   const std::wstring &backSeparator) const
{
    // Each front number padded and followed by the separator; the last separator gives way to the
    // back separator, then the back numbers the same way. The trailing separator goes again, or,
    // with no back numbers written, the back separator itself.
    auto cut = [](std::wstring &text, std::size_t n) { text.resize(text.size() - std::min(n, text.size())); };
    std::wstring text;
    for (int i = 0; i < frontCount_; ++i) {
        text += NumberText(row[i], true) + separator;
    }
    cut(text, separator.size());
    text += backSeparator;
    bool writesBack = noBackInText_ != 1 && backCount_ > 0;
    if (writesBack) {
        for (int i = 0; i < backCount_; ++i) {
            text += NumberText(row[frontCount_ + i], true) + separator;
        }
    }
    cut(text, writesBack ? separator.size() : backSeparator.size());
    return text;
}

std::wstring AbstractFilterChain::GetResultStr(const std::wstring &listFlag, const std::wstring &separator,
                                               const std::wstring &backSeparator, int pad, int allRows)
{
    const NumberRowList *list = ListFor(listFlag);
    if (!list) {
        return L"error_NULL";
    }
    if (list->size() > static_cast<std::size_t>(kMaxResultStrRows)) {
        return L"error_100000";
    }
    std::wstring text;
    bool first = true;
    for (NumberRow row : list->rows()) {
        if (!first) {
            text += L"\r\n";
        }
        first = false;
        if (writeNumbersSingly_ != 0) {
            text += SinglyWrittenRow(row, separator, backSeparator);
        } else {
            text += util_.ArrayToStrNoCSS(row, rowLength(), separator, pad);
        }
        if (allRows == 0) {
            break;
        }
    }
    return text;
}

std::pair<std::size_t, std::size_t> AbstractFilterChain::PageRange(std::size_t listSize, int pageSize,
                                                                   int pageNum)
{
    std::size_t size = static_cast<std::size_t>(std::max(pageSize, 1));
    std::size_t page = static_cast<std::size_t>(std::max(pageNum, 1));
    std::size_t begin = std::min(listSize, size * (page - 1));
    std::size_t end = std::min(listSize, begin + size);
    return {begin, end};
}

std::wstring AbstractFilterChain::BallStyle() const
{
    return BallStyle(L"redBall18.png", L"yellow");
}

std::wstring AbstractFilterChain::BallStyle(const wchar_t *picture, const wchar_t *color) const
{
    return L"'display:inline-block;width:18px;height:18px;line-height:18px;background-image:url(&quot;" +
           baseUrl_ + L"/images/" + picture + L"&quot;);color:" + color +
           L";margin-left:2px;text-align:center;'";
}

std::wstring AbstractFilterChain::PageTrailer(const std::wstring &listFlag, std::size_t rows) const
{
    std::wstring trailer = L",total:" + std::to_wstring(rows);
    if (listFlag == L"1") {
        return trailer + L"}";
    }
    const long long counted = RowsKeptForRate(rows);
    std::wstring rate = L"0.00";
    if (primaryTotal_ != 0) {
        long long cut = (static_cast<long long>(primaryTotal_) - counted) * 100;
        rate = basekit::Percentage(static_cast<double>(cut) / primaryTotal_, L"%04.2f");
    }
    const std::wstring primary = L",primaryTotal:" + std::to_wstring(primaryTotal_);
    const std::wstring after = L",afterFilterLen:" + std::to_wstring(afterFilterLen_);
    trailer +=
        (afterFilterLenFirst_ ? after + primary : primary + after) + L",cutDownRate:\"" + rate + L"%\"";
    // A list that holds fewer rows than the rate counts (a run that stored only its first rowCap
    // survivors) says how many the rate counts, so that the page never takes the list, nor the file
    // saved from it, for the whole result.
    if (counted > static_cast<long long>(rows)) {
        trailer += L",countedTotal:" + std::to_wstring(counted);
    }
    return trailer + L"}";
}

long long AbstractFilterChain::RowsKeptForRate(std::size_t listRows) const
{
    // A run that stores at most its cap counts every survivor in afterFilterLen: the share cut is
    // the share of candidates that did not survive, not of those not stored.
    return afterFilterLen_ > 0 ? afterFilterLen_ : static_cast<long long>(listRows);
}

std::wstring AbstractFilterChain::WritePage(const std::wstring &listFlag, basekit::TextMapPtrList &rows) const
{
    const NumberRowList *list = ListFor(listFlag);
    std::wstring text = basekit::JsonUtil::MapListToJson(rows);
    text.pop_back(); // the closing "}" makes way for the totals
    return text + PageTrailer(listFlag, list ? list->size() : 0);
}

void AbstractFilterChain::AppendRowStatistics(basekit::OrderedRow &pageRow, const int *row) const
{
    const int n = frontCount_;
    pageRow.emplace_back(L"sum", std::to_wstring(util_.GetSum(row, n)));
    pageRow.emplace_back(L"kuaDu", std::to_wstring(util_.GetSpan(row, n)));
    pageRow.emplace_back(L"threeArea", util_.ThreeAreaRateText(row, n, areaWidth_));
    pageRow.emplace_back(L"bigSmall", util_.BigSmallRateText(row, n, bigStart_));
    pageRow.emplace_back(L"oddEven", util_.OddEvenRateText(row, n));
    pageRow.emplace_back(L"zhiHe", util_.ZhiHeRateText(row, n));
    pageRow.emplace_back(L"luShu", util_.LuShuRateText(row, n));
}

std::wstring AbstractFilterChain::GetDataByPage(const std::wstring &listFlag, int pageSize, int pageNum,
                                                int pad)
{
    const NumberRowList *list = ListFor(listFlag);
    basekit::TextMapPtrList page;
    if (list) {
        const std::wstring style = BallStyle();
        auto [begin, end] = PageRange(list->size(), pageSize, pageNum);
        for (std::size_t i = begin; i < end; ++i) {
            const int *row = list->at(i);
            basekit::OrderedRow pageRow{{L"rowNumber", std::to_wstring(i + 1)},
                                        {L"number", util_.ArrayToStr(row, frontCount_, 0, style, L"", pad)}};
            AppendRowStatistics(pageRow, row);
            page.push_back(std::move(pageRow));
        }
    }
    return WritePage(listFlag, page);
}

NumberRowList *AbstractFilterChain::SearchResult(const std::wstring &type)
{
    NumberRowList &search = NewSearchList();
    if (!resultList_) {
        return &search;
    }
    const int n = frontCount_;
    auto hasRun = [&](const int *row) {
        for (int i = 0; i + 1 < n; ++i) {
            if (std::llabs(static_cast<long long>(row[i + 1]) - row[i]) == 1) {
                return true;
            }
        }
        return false;
    };
    auto sameTailCode = [&](const int *row) {
        if (n == 5) {
            return util_.GetSameTailGroupFor5(row, n);
        }
        if (n == 6) {
            return util_.GetSameTailGroupFor6(row, n);
        }
        return util_.GetSameTailGroupFor7(row, n);
    };
    for (NumberRow row : resultList_->rows()) {
        bool match = false;
        if (type == L"all") {
            match = true;
        } else if (type == L"lianHao" || type == L"notLianHao") {
            match = hasRun(row) == (type == L"lianHao");
        } else if (type == L"sameTail" || type == L"notSameTail") {
            match = (sameTailCode(row) != 0) == (type == L"sameTail");
        }
        if (match) {
            search.AddRef(row);
        }
    }
    return &search;
}

} // namespace calculation

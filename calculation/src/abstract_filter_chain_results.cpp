// The chain's lists as the pages and files see them: pages with their totals, the save text,
// the search list, and the rows a user adds or removes.
#include <algorithm>
#include <cstdlib>

#include "basekit/json_util.h"
#include "basekit/number_text.h"
#include "calculation/abstract_filter_chain.h"

namespace calculation {
namespace {

std::wstring NumberText(int v, bool pad)
{
    std::wstring text = basekit::IntToStrW(v);
    return pad && v >= 0 && v < 10 ? L"0" + text : text;
}

} // namespace

NumberRowList *AbstractFilterChain::ListFor(const std::wstring &listFlag) const
{
    return listFlag == L"1" ? searchList_.get() : resultList_.get();
}

int AbstractFilterChain::DeleteRows(const std::wstring &listFlag, int index)
{
    if (NumberRowList *list = ListFor(listFlag); list && index >= 0) {
        list->RemoveAt(static_cast<std::size_t>(index));
    }
    return 1;
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

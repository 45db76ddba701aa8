#include "magic3_filter_chain.h"

#include <algorithm>
#include <unordered_set>

#include "basekit/combinatorics.h"
#include "calculation/history/history_cells.h"
#include "digit/common/digit_filters.h"
#include "magic3_filters.h"
#include "magic3_history_tables.h"

namespace plugins::magic3 {
namespace {

bool IsGroupOfSix(const int *r)
{
    return r[0] < r[1] && r[1] < r[2];
}

// Two equal digits, ascending: a a b or a b b.
bool IsGroupOfThree(const int *r)
{
    return (r[0] == r[1] && r[1] < r[2]) || (r[0] < r[1] && r[1] == r[2]);
}

} // namespace

Magic3FilterChain::Magic3FilterChain()
{
    frontMax = 10;
    lowestNumber = 0;
    backMax = 0;
    frontCount = 3;
    bigStart = 5;
    areaWidth = 3;
    writeNumbersSingly = 0;
    gameKey = L"Magic3";
}

void Magic3FilterChain::CreateChainNode()
{
    AddToChain(std::make_unique<PrimaryFilter>());
    AddToChain(std::make_unique<SeniorFilter>());
}

calculation::NumberRowList *Magic3FilterChain::Filter()
{
    ReadRunSettings();
    NewResultList();
    if (!GetFirstFilter()) {
        return resultList_.get();
    }
    if (FromOldNumbers()) {
        FilterOldRows();
    } else {
        FilterNewRows();
    }
    return resultList_.get();
}

void Magic3FilterChain::FilterNewRows()
{
    const int n = BaseCount();
    if (castType_ == L"zhiXuan") {
        primaryTotal = static_cast<int>(basekit::Mi(n, 3));
        FilterEveryDigitRow([](const int *) { return true; });
    } else if (castType_ == L"zuLiu") {
        primaryTotal = static_cast<int>(basekit::CXy(n, 3));
        FilterEveryDigitRow(IsGroupOfSix);
    } else {
        primaryTotal = static_cast<int>(2 * basekit::CXy(n, 2));
        FilterEveryDigitRow(IsGroupOfThree);
    }
}

void Magic3FilterChain::FilterOldRows()
{
    const bool group = castType_ == L"zuLiu" || castType_ == L"zuSan";
    std::unordered_set<std::int64_t> keptGroups;
    for (const std::wstring &entry : OldNumberEntries()) {
        ++primaryTotal;
        int row[3];
        if (!group) {
            if (ReadNumberEntry(entry, row)) {
                TestAndKeep(row, 3);
            }
            continue;
        }
        int wrongCount = 0;
        if (!ReadDigitEntry(entry, row) || GetFirstFilter()->FilterRow(row, 3, wrongCount) == 0) {
            continue;
        }
        std::sort(row, row + 3);
        bool rightShape = castType_ == L"zuLiu" ? IsGroupOfSix(row) : IsGroupOfThree(row);
        if (rightShape && keptGroups.insert(digit::DigitCode(row, 3)).second) {
            resultList_->AddCopy(row);
        }
    }
}

std::wstring Magic3FilterChain::GetDataByPage(const std::wstring &listFlag, int pageSize, int pageNum, int)
{
    const calculation::NumberRowList *list = ListFor(listFlag);
    basekit::TextMapPtrList page;
    if (list) {
        const std::wstring style = BallStyle();
        const bool straight = castType_ == L"zhiXuan";
        auto [begin, end] = PageRange(list->size(), pageSize, pageNum);
        for (std::size_t i = begin; i < end; ++i) {
            const int *r = list->at(i);
            page.push_back(
                {{L"rowNumber", std::to_wstring(i + 1)},
                 {L"number", util.ArrayToStr(r, 3, 0, style, L"", 0)},
                 {L"sum", std::to_wstring(util.GetSum(r, 3))},
                 {L"kuaDu", std::to_wstring(util.GetSpan(r, 3))},
                 {L"threeArea", util.ThreeAreaRateText(r, 3, 3)},
                 {L"bigSmall", straight ? util.GetBigSmallText(r, 3, 5) : util.BigSmallRateText(r, 3, 5)},
                 {L"oddEven", straight ? util.GetOddEvenText(r, 3) : util.OddEvenRateText(r, 3)},
                 {L"zhiHe", straight ? util.GetZhiHeText(r, 3) : util.ZhiHeRateText(r, 3)},
                 {L"luShu", straight ? util.GetLuShuText(r, 3) : util.LuShuRateText(r, 3)}});
        }
    }
    return WritePage(listFlag, page);
}

calculation::NumberRowList *Magic3FilterChain::SearchResult(const std::wstring &type)
{
    calculation::NumberRowList &search = NewSearchList();
    auto distinct = [this](int count) {
        return [this, count](const int *r) { return DistinctDigits(r) == count; };
    };
    if (type == L"all") {
        SearchRows(
            search, [](const int *) { return true; }, false);
    } else if (type == L"zuLiu") {
        SearchRows(search, distinct(3), true);
    } else if (type == L"zuLiuZhiXuan") {
        SearchRows(search, distinct(3), false);
    } else if (type == L"zuSan") {
        SearchRows(search, distinct(2), true);
    } else if (type == L"zuSanZhiXuan") {
        SearchRows(search, distinct(2), false);
    } else if (type == L"baoZi") {
        SearchRows(search, distinct(1), false);
    } else if (type == L"zhiXuanToZuXuan") {
        SearchRows(
            search, [this](const int *r) { return DistinctDigits(r) != 1; }, true);
    } else if ((type == L"zuLiuToZhiXuan" || type == L"zuSanToZhiXuan") && resultList_) {
        // New rows: every ordering of each result row, owned by the search list.
        const bool everyOrdering = type == L"zuLiuToZhiXuan";
        for (calculation::NumberRow row : resultList_->rows()) {
            auto orderings = everyOrdering ? basekit::Permutation1(row, 3) : basekit::Permutation2(row, 3);
            for (const std::vector<int> &ordering : orderings) {
                search.AddCopy(ordering.data());
            }
        }
    }
    return &search;
}

// History tables: the game's own rows, the engine's span and "other" tables without padding.

std::wstring Magic3FilterChain::GetDetailedDataForBase(const std::wstring &frontStyle, const std::wstring &,
                                                       calculation::Rates, int)
{
    return BaseTable(HistoryTablesOf(), frontStyle, calculation::BallStyle(baseUrl(), L"purple"));
}

std::wstring Magic3FilterChain::GetDetailedDataForDistribution(const std::wstring &frontStyle,
                                                               const std::wstring &,
                                                               std::span<const std::wstring> styles,
                                                               calculation::Rates, int)
{
    return DistributionTable(HistoryTablesOf(), frontStyle, styles);
}

std::wstring Magic3FilterChain::GetDetailedDataForShape(const std::wstring &type,
                                                        const std::wstring &frontStyle, const std::wstring &,
                                                        calculation::Rates, int)
{
    return ShapeTable(HistoryTablesOf(), type, frontStyle);
}

std::wstring Magic3FilterChain::GetDetailedDataForSpan(const std::wstring &frontStyle,
                                                       const std::wstring &backStyle, calculation::Rates, int,
                                                       int)
{
    return AbstractFilterChain::GetDetailedDataForSpan(frontStyle, backStyle, SpanRates(), 10, 0);
}

std::wstring Magic3FilterChain::GetDetailedDataForHeZhi(const std::wstring &frontStyle, const std::wstring &,
                                                        std::span<const calculation::SumRange>,
                                                        calculation::Rates, int)
{
    return SumTable(HistoryTablesOf(), frontStyle);
}

std::wstring Magic3FilterChain::GetDetailedDataForWuXing(const std::wstring &frontStyle, const std::wstring &,
                                                         calculation::Rates, int, int)
{
    return FiveElementTable(HistoryTablesOf(), frontStyle);
}

std::wstring Magic3FilterChain::GetDetailedDataForOther(const std::wstring &frontStyle, int)
{
    return AbstractFilterChain::GetDetailedDataForOther(frontStyle, 0);
}

std::wstring Magic3FilterChain::GetDetailedDataForLuShu(const std::wstring &frontStyle, const std::wstring &,
                                                        const std::wstring &type, calculation::Rates, int)
{
    return RouteAreaTable(HistoryTablesOf(), type, frontStyle);
}

std::wstring Magic3FilterChain::GetDetailedDataForWx(const std::wstring &frontStyle, const std::wstring &,
                                                     const std::wstring &type, calculation::Rates, int)
{
    return DigitGroupTable(HistoryTablesOf(), type, frontStyle);
}

} // namespace plugins::magic3

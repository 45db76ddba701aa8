// What a digit game shows of its result list: the result pages and the searches.
#include <algorithm>
#include <unordered_set>

#include "basekit/combinatorics.h"
#include "basekit/json_util.h"
#include "basekit/number_text.h"
#include "digit/common/digit_filter_chain.h"
#include "digit/common/digit_filters.h"

namespace plugins::digit {

namespace {

bool HasConsecutiveDigits(const int *row, int k)
{
    for (int i = 0; i < k; ++i) {
        for (int j = 0; j < k; ++j) {
            if (row[j] == row[i] + 1) {
                return true;
            }
        }
    }
    return false;
}

int DistinctDigits(const int *row, int k)
{
    int distinct = 0;
    for (int i = 0; i < k; ++i) {
        distinct += std::find(row, row + i, row[i]) == row + i ? 1 : 0;
    }
    return distinct;
}

bool Matches(const SearchType &type, const int *row, int k)
{
    switch (type.test) {
    case SearchTest::Any:
        return true;
    case SearchTest::Shape:
        return MultiplicitiesOf(row, k) == type.shape;
    case SearchTest::DistinctDigits:
        return DistinctDigits(row, k) == type.count;
    case SearchTest::NotAllEqual:
        return DistinctDigits(row, k) != 1;
    case SearchTest::Consecutive:
        return HasConsecutiveDigits(row, k);
    case SearchTest::NotConsecutive:
        return !HasConsecutiveDigits(row, k);
    case SearchTest::Repeat:
        return DistinctDigits(row, k) < k;
    case SearchTest::NoRepeat:
        return DistinctDigits(row, k) == k;
    case SearchTest::Nothing:
        return false;
    }
    return false;
}

} // namespace

std::wstring DigitFilterChain::GetDataByPage(const std::wstring &listFlag, int pageSize, int pageNum,
                                             int /*pad*/)
{
    const calculation::NumberRowList *list = ListFor(listFlag);
    const int k = game_.positions;
    const std::wstring red = BallStyle(L"redBall18.png", game_.page.digitColor.c_str());
    const std::wstring blue = BallStyle(L"blueBall18.png", L"yellow");
    // Only the straight play type by its name shows per-position texts, not one played in place of
    // an unknown name.
    const PlayType *named = game_.FindPlayType(castType_);
    const bool positionTexts =
        game_.page.positionTextsInStraightPlay && named != nullptr && named->straight();
    basekit::TextMapPtrList page;
    auto [begin, end] = PageRange(list ? list->size() : 0, pageSize, pageNum);
    for (std::size_t i = begin; list && i < end; ++i) {
        const int *r = list->at(i);
        basekit::OrderedRow row;
        if (game_.page.rowNumber) {
            row.emplace_back(L"rowNumber", std::to_wstring(i + 1));
        }
        if (game_.hasLabel()) {
            // A label outside the game's shows as nothing, never read past the labels.
            int label = r[k];
            std::wstring text = label >= 1 && label <= backMax_ ? game_.label.texts[label - 1] : L"";
            row.emplace_back(L"redNumber", util_.ArrayToStr(r, k, 0, red, L"", 0));
            row.emplace_back(L"blueNumber", util_.ArrayToStr(std::span<const std::wstring>(&text, 1), blue));
        } else {
            row.emplace_back(L"number", util_.ArrayToStr(r, k, 0, red, L"", 0));
        }
        row.emplace_back(L"sum", std::to_wstring(util_.GetSum(r, k)));
        row.emplace_back(L"kuaDu", std::to_wstring(util_.GetSpan(r, k)));
        row.emplace_back(L"threeArea", util_.ThreeAreaRateText(r, k, areaWidth_));
        row.emplace_back(L"bigSmall", positionTexts ? util_.GetBigSmallText(r, k, bigStart_)
                                                    : util_.BigSmallRateText(r, k, bigStart_));
        row.emplace_back(L"oddEven",
                         positionTexts ? util_.GetOddEvenText(r, k) : util_.OddEvenRateText(r, k));
        row.emplace_back(L"zhiHe", positionTexts ? util_.GetZhiHeText(r, k) : util_.ZhiHeRateText(r, k));
        row.emplace_back(L"luShu", positionTexts ? util_.GetLuShuText(r, k) : util_.LuShuRateText(r, k));
        page.push_back(std::move(row));
    }
    std::wstring text = basekit::JsonUtil::MapListToJson(page);
    text.pop_back(); // the closing "}" makes way for the counts
    return text + PageTrailerOfGame(listFlag, list ? list->size() : 0);
}

std::wstring DigitFilterChain::PageTrailerOfGame(const std::wstring &listFlag, std::size_t rows) const
{
    std::wstring trailer = PageTrailer(listFlag, rows);
    if (listFlag == L"1" || game_.page.trailer == TrailerOrder::PrimaryTotalFirst) {
        return trailer;
    }
    // The same counts with afterFilterLen before primaryTotal.
    const std::wstring primary = L",primaryTotal:" + std::to_wstring(primaryTotal_);
    const std::wstring after = L",afterFilterLen:" + std::to_wstring(afterFilterLen_);
    std::size_t at = trailer.find(primary);
    trailer.replace(at, primary.size() + after.size(), after + primary);
    return trailer;
}

calculation::NumberRowList *DigitFilterChain::SearchResult(const std::wstring &type)
{
    calculation::NumberRowList &search = NewSearchList();
    auto found = std::ranges::find_if(game_.searches, [&](const SearchType &s) { return s.name == type; });
    if (!resultList_ || found == game_.searches.end()) {
        return &search;
    }
    const int k = game_.positions;
    std::unordered_set<std::int64_t> setsTaken;
    for (calculation::NumberRow row : resultList_->rows()) {
        if (!Matches(*found, row, k)) {
            continue;
        }
        switch (found->rows) {
        case SearchRows::AsStored:
            search.AddRef(row);
            break;
        case SearchRows::OnePerSetAsStored:
            if (setsTaken.insert(SortedDigitCode(row, k)).second) {
                search.AddRef(row);
            }
            break;
        case SearchRows::OnePerSetSorted:
            if (setsTaken.insert(SortedDigitCode(row, k)).second) {
                std::vector<int> sorted(row, row + rowLength());
                std::sort(sorted.begin(), sorted.begin() + k);
                search.AddCopy(sorted.data());
            }
            break;
        case SearchRows::EveryOrdering: {
            std::vector<int> ordered(row, row + rowLength()); // a label after the digits stays
            for (const std::vector<int> &ordering : basekit::Permutation2(row, k)) {
                std::ranges::copy(ordering, ordered.begin());
                search.AddCopy(ordered.data());
            }
            break;
        }
        }
    }
    return &search;
}

} // namespace plugins::digit

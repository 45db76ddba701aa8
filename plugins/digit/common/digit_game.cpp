#include "digit/common/digit_game.h"

#include <algorithm>
#include <functional>
#include <map>

#include "basekit/combinatorics.h"

namespace plugins::digit {

const PlayType *DigitGame::FindPlayType(std::wstring_view name) const
{
    static const PlayType kStraight{L"zhiXuan", {}};
    if (playTypes.empty()) {
        return &kStraight;
    }
    auto it = std::ranges::find_if(playTypes, [&](const PlayType &p) { return p.name == name; });
    return it == playTypes.end() ? nullptr : &*it;
}

const PlayType *DigitGame::PlayTypeOfRun(std::wstring_view name, bool oldNumbers) const
{
    if (const PlayType *named = FindPlayType(name)) {
        return named;
    }
    const std::wstring &other = oldNumbers ? otherPlayTypes.oldNumbersAs : otherPlayTypes.generatedAs;
    return other.empty() ? nullptr : FindPlayType(other);
}

Multiplicities MultiplicitiesOf(const int *row, int length)
{
    std::map<int, int> counts;
    for (int i = 0; i < length; ++i) {
        ++counts[row[i]];
    }
    Multiplicities shape;
    for (const auto &[digit, count] : counts) {
        shape.push_back(count);
    }
    std::ranges::sort(shape, std::greater<>());
    return shape;
}

long long GroupsOfShape(const Multiplicities &shape, int n)
{
    // Choose the digits part by part; parts of equal multiplicity are interchangeable, so each
    // run of k equal parts is one choice of k digits rather than an ordered one.
    long long groups = 1;
    int left = n;
    for (std::size_t i = 0; i < shape.size();) {
        std::size_t j = i;
        while (j < shape.size() && shape[j] == shape[i]) {
            ++j;
        }
        int parts = static_cast<int>(j - i);
        groups *= basekit::CXy(left, parts);
        left -= parts;
        i = j;
    }
    return left < 0 ? 0 : groups;
}

namespace {

// The searches PlayTypeSearches derives from a group type and those of straight rows as a whole.
std::wstring GroupsOf(const PlayType &type)
{
    return type.name;
}
std::wstring StraightRowsOf(const PlayType &type)
{
    return type.name + L"ZhiXuan";
}
std::wstring EveryOrderingOf(const PlayType &type)
{
    return type.name + L"ToZhiXuan";
}
constexpr const wchar_t *kTriples = L"baoZi";
constexpr const wchar_t *kOnePerSet = L"zhiXuanToZuXuan";

bool OfOneShape(const PlayType &type)
{
    return type.shapes.size() == 1;
}

} // namespace

std::vector<SearchType> PlayTypeSearches(const std::vector<PlayType> &playTypes, int positions)
{
    std::vector<SearchType> searches{{L"all", SearchTest::Any}};
    for (const PlayType &type : playTypes) {
        if (!OfOneShape(type)) {
            continue;
        }
        const Multiplicities &shape = type.shapes.front();
        searches.push_back({GroupsOf(type), SearchTest::Shape, shape, 0, SearchRows::OnePerSetAsStored});
        searches.push_back({StraightRowsOf(type), SearchTest::Shape, shape, 0, SearchRows::AsStored});
        searches.push_back({EveryOrderingOf(type), SearchTest::Any, {}, 0, SearchRows::EveryOrdering});
    }
    searches.push_back({kTriples, SearchTest::Shape, {positions}, 0, SearchRows::AsStored});
    searches.push_back({kOnePerSet, SearchTest::NotAllEqual, {}, 0, SearchRows::OnePerSetAsStored});
    return searches;
}

std::vector<PlayType> WithPlayTypeSearches(std::vector<PlayType> playTypes)
{
    std::vector<std::wstring> ofStraightRows;
    for (const PlayType &type : playTypes) {
        if (OfOneShape(type)) {
            ofStraightRows.push_back(GroupsOf(type));
            ofStraightRows.push_back(StraightRowsOf(type));
        }
    }
    ofStraightRows.emplace_back(kTriples);
    ofStraightRows.emplace_back(kOnePerSet);
    for (PlayType &type : playTypes) {
        if (type.straight()) {
            type.searches = ofStraightRows;
        } else if (OfOneShape(type)) {
            type.searches = {EveryOrderingOf(type)};
        }
    }
    return playTypes;
}

std::vector<SearchType> RunAndRepeatSearches()
{
    return {
        {L"all", SearchTest::Any},
        {L"lianHao", SearchTest::Consecutive},
        {L"notLianHao", SearchTest::NotConsecutive},
        {L"chongMa", SearchTest::Repeat},
        {L"notChongMa", SearchTest::NoRepeat},
        {L"sameTail", SearchTest::Nothing},
        {L"notSameTail", SearchTest::Nothing},
    };
}

} // namespace plugins::digit

#include "quick3_filter_chain.h"

namespace plugins::quick3 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Quick3Game()
{
    static const DigitGame game = [] {
        DigitGame g;
        g.key = L"Quick3";
        g.namesItself = false;
        g.positions = 3;
        g.lowDigit = 1;
        g.highDigit = 6;
        g.bigStart = 4;
        g.areaWidth = 2;
        // A group is any throw: three different dice, a pair and another, or a triple.
        g.playTypes = {{L"zhiXuan", {}}, {L"zuXuan", {{1, 1, 1}, {2, 1}, {3}}}};
        g.erMa = false;
        g.primaryTests = {{L"numType", RowValue::DistinctDigits},
                          {L"numLag", RowValue::DiceBand},
                          {L"chongMa", RowValue::RepeatedDigitOfFirstThree}};
        g.oldTotalCountsCandidates = true;
        g.searches = {
            {L"all", SearchTest::Any},
            {L"zuLiu", SearchTest::DistinctDigits, {}, 3, SearchRows::OnePerSetSorted},
            {L"zuSan", SearchTest::DistinctDigits, {}, 2, SearchRows::OnePerSetSorted},
            {L"zuLiuOrder", SearchTest::DistinctDigits, {}, 3},
            {L"zuSanOrder", SearchTest::DistinctDigits, {}, 2},
            {L"baoZi", SearchTest::DistinctDigits, {}, 1},
            {L"lianHao", SearchTest::Consecutive},
            {L"notLianHao", SearchTest::NotConsecutive},
        };
        g.page.digitColor = L"white";
        g.page.trailer = TrailerOrder::AfterFilterFirst;
        g.page.positionTextsInStraightPlay = true;
        return g;
    }();
    return game;
}

} // namespace plugins::quick3

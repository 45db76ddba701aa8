#include "quick3_filter_chain.h"

namespace plugins::quick3 {

using namespace digit; // NOLINT(google-build-using-namespace): the description reads as data

const DigitGame &Quick3Game()
{
    static const DigitGame game{
        .key = L"Quick3",
        .positions = 3,
        .lowDigit = 1,
        .highDigit = 6,
        .bigStart = 4,
        .areaWidth = 2,
        // A group is any throw: three different dice, a pair and another, or a triple.
        // Straight rows are searched for their sets of dice too in their order, groups only as sets.
        .playTypes = {{L"zhiXuan",
                       {},
                       {L"baoZi", L"zuSan", L"zuSanOrder", L"zuLiu", L"zuLiuOrder", L"lianHao",
                        L"notLianHao"}},
                      {L"zuXuan",
                       {{1, 1, 1}, {2, 1}, {3}},
                       {L"baoZi", L"zuSan", L"zuLiu", L"lianHao", L"notLianHao"}}},
        // Any other play type generates the groups, and takes old numbers as they are written.
        .otherPlayTypes = {.generatedAs = L"zuXuan", .oldNumbersAs = L"zhiXuan"},
        .erMa = false,
        .primaryTests = {{L"numType", RowValue::DistinctDigits},
                         {L"numLag", RowValue::DiceBand},
                         {L"chongMa", RowValue::RepeatedDigitOfFirstThree}},
        .oldTotalCountsCandidates = true,
        .searches =
            {
                {L"all", SearchTest::Any},
                {L"zuLiu", SearchTest::DistinctDigits, {}, 3, SearchRows::OnePerSetSorted},
                {L"zuSan", SearchTest::DistinctDigits, {}, 2, SearchRows::OnePerSetSorted},
                {L"zuLiuOrder", SearchTest::DistinctDigits, {}, 3},
                {L"zuSanOrder", SearchTest::DistinctDigits, {}, 2},
                {L"baoZi", SearchTest::DistinctDigits, {}, 1},
                {L"lianHao", SearchTest::Consecutive},
                {L"notLianHao", SearchTest::NotConsecutive},
            },
        .page = {.digitColor = L"white",
                 .trailer = TrailerOrder::AfterFilterFirst,
                 .positionTextsInStraightPlay = true},
    };
    return game;
}

} // namespace plugins::quick3

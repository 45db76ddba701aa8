// Every lotto game through the program's filter command and its real plug-in: a run over its whole
// space (the join order, the cap and the counts), and the reduction choices over a small pool.
// Expected rows are the combinations in lexicographic order, the back numbers of a front row in
// pool order; the reductions' rows follow the covering and spread rules worked out by hand.
#include "lotto_run.h"

namespace lottotest {
namespace {

struct WholeSpace {
    const wchar_t *game;
    std::vector<Item> pools;
    std::vector<std::wstring> firstRows; // the first rows in order
    std::wstring lastRow;                // the last row stored
    std::wstring trailer;
};

const WholeSpace kWholeSpaces[] = {
    // 324,632 front rows × 66 back pairs; front-major, capped at 100,000: row 100,000 is front row
    // 1516 with its tenth pair.
    {L"Tc5Of35",
     {{L"baseNums_red", Digits(1, 35)}, {L"baseNums_blue", Digits(1, 12)}},
     {L"01,02,03,04,05+01,02", L"01,02,03,04,05+01,03", L"01,02,03,04,05+01,04"},
     L"01,02,06,11,25+01,11",
     L"total:100000,afterFilterLen:21425712,primaryTotal:21425712,cutDownRate:\"0.00%\",countedTotal:"
     L"21425712}"},
    // 1,107,568 front rows × 16 blue numbers: row 100,000 is front row 6250 with blue 16.
    {L"Fc6Of33",
     {{L"baseNums_red", Digits(1, 33)}, {L"baseNums_blue", Digits(1, 16)}},
     {L"01,02,03,04,05,06+01", L"01,02,03,04,05,06+02", L"01,02,03,04,05,06+03"},
     L"01,02,04,12,17,19+16",
     L"total:100000,afterFilterLen:17721088,primaryTotal:17721088,cutDownRate:\"0.00%\",countedTotal:"
     L"17721088}"},
    // The first 100,000 of 2,035,800 candidates.
    {L"Fc7Of30",
     {{L"baseNums", Digits(1, 30)}},
     {L"01,02,03,04,05,06,07", L"01,02,03,04,05,06,08"},
     L"01,03,04,05,14,24,25",
     L"total:100000,primaryTotal:2035800,afterFilterLen:2035800,cutDownRate:\"0.00%\",countedTotal:2035800}"},
    // No cap: every one of C(22, 5), C(20, 5), C(15, 5).
    {L"Ttl5Of22",
     {{L"baseNums", Digits(1, 22)}},
     {L"01,02,03,04,05", L"01,02,03,04,06"},
     L"18,19,20,21,22",
     L"total:26334,primaryTotal:26334,afterFilterLen:26334,cutDownRate:\"0.00%\"}"},
    {L"Tc5Of20",
     {{L"baseNums", Digits(1, 20)}},
     {L"01,02,03,04,05", L"01,02,03,04,06"},
     L"16,17,18,19,20",
     L"total:15504,primaryTotal:15504,afterFilterLen:15504,cutDownRate:\"0.00%\"}"},
    {L"Hd5Of15",
     {{L"baseNums", Digits(1, 15)}},
     {L"01,02,03,04,05", L"01,02,03,04,06"},
     L"11,12,13,14,15",
     L"total:3003,primaryTotal:3003,afterFilterLen:3003,cutDownRate:\"0.00%\"}"},
};

class WholeSpaceTest : public LottoRun, public ::testing::WithParamInterface<WholeSpace> {
protected:
    WholeSpaceTest() : LottoRun(GetParam().game) {}
};

TEST_P(WholeSpaceTest, EveryCandidateCountedTheFirstRowsStoredInOrder)
{
    const WholeSpace &c = GetParam();
    Run(c.pools);
    EXPECT_EQ(Trailer(), c.trailer);
    std::vector<std::wstring> rows = Rows(L"0", L",");
    ASSERT_GE(rows.size(), c.firstRows.size());
    EXPECT_EQ(std::vector<std::wstring>(rows.begin(), rows.begin() + static_cast<long>(c.firstRows.size())),
              c.firstRows);
    EXPECT_EQ(rows.back(), c.lastRow);
}

INSTANTIATE_TEST_SUITE_P(LottoGames, WholeSpaceTest, ::testing::ValuesIn(kWholeSpaces),
                         [](const auto &info) { return Narrow(info.param.game); });

// The reduction choices over a small pool: none ("" and "_all"), the spread form and the covering
// form. Kept rows: for the spread form each row that shares fewer than y numbers with every row
// kept before it; for the covering form, for each x-subset of the pool in order that no kept row
// shares y numbers with, the second matching row from the last one taken (or the only one).
struct ReductionCase {
    const wchar_t *game;
    std::vector<Item> pools;
    std::wstring reduction;
    std::vector<std::wstring> rows;
};

const std::vector<Item> kRed7{{L"baseNums_red", Digits(1, 7)}, {L"baseNums_blue", L"3,9"}};
const std::vector<Item> kRed8Blue{{L"baseNums_red", Digits(1, 8)}, {L"baseNums_blue", L"5"}};

const ReductionCase kReductions[] = {
    {L"Tc5Of35",
     kRed7,
     L"_5bao4",
     {L"01,02,03,04,05+03,09", L"01,02,03,06,07+03,09", L"01,04,05,06,07+03,09"}},
    {L"Tc5Of35",
     kRed7,
     L"_4bao3",
     {L"01,02,03,04,06+03,09", L"01,02,03,05,06+03,09", L"01,02,04,05,06+03,09", L"01,03,04,05,06+03,09"}},
    {L"Fc6Of33",
     kRed8Blue,
     L"_6bao5",
     {L"01,02,03,04,05,06+05", L"01,02,03,04,07,08+05", L"01,02,05,06,07,08+05", L"03,04,05,06,07,08+05"}},
    {L"Fc6Of33",
     kRed8Blue,
     L"_5bao4",
     {L"01,02,03,04,05,07+05", L"01,02,03,04,06,07+05", L"01,02,03,05,06,07+05", L"01,02,04,05,06,07+05",
      L"01,03,04,05,06,07+05"}},
    {L"Fc7Of30",
     {{L"baseNums", Digits(1, 9)}},
     L"_7bao6",
     {L"01,02,03,04,05,06,07", L"01,02,03,04,05,08,09", L"01,02,03,06,07,08,09", L"01,04,05,06,07,08,09"}},
    {L"Fc7Of30",
     {{L"baseNums", Digits(1, 9)}},
     L"_6bao5",
     {L"01,02,03,04,05,06,08", L"01,02,03,04,05,07,08", L"01,02,03,04,06,07,08", L"01,02,03,05,06,07,08",
      L"01,02,04,05,06,07,08", L"01,03,04,05,06,07,08"}},
    {L"Ttl5Of22",
     {{L"baseNums", Digits(1, 9)}},
     L"_5bao3",
     {L"01,02,03,04,05", L"01,02,06,07,08", L"03,04,06,07,09"}},
    {L"Ttl5Of22",
     {{L"baseNums", Digits(1, 9)}},
     L"_4bao3",
     {L"01,02,03,04,06", L"01,02,03,05,06", L"01,02,03,05,08", L"01,02,03,06,07", L"01,02,04,05,07",
      L"01,02,04,05,09", L"01,02,04,06,09", L"01,02,04,07,09", L"01,03,04,05,08", L"01,03,04,07,09",
      L"01,03,05,06,08", L"01,04,05,06,07", L"01,04,05,07,09", L"01,04,06,07,09"}},
    {L"Tc5Of20",
     {{L"baseNums", Digits(1, 8)}},
     L"_5bao4",
     {L"01,02,03,04,05", L"01,02,03,06,07", L"01,02,04,06,08", L"01,02,05,07,08", L"01,03,04,07,08",
      L"01,03,05,06,08", L"01,04,05,06,07"}},
    // "_5bao3" is the covering form in this game, "_5bao4" the spread form.
    {L"Hd5Of15",
     {{L"baseNums", Digits(1, 8)}},
     L"_5bao3",
     {L"01,02,03,04,06", L"01,02,03,04,08", L"01,02,03,05,07", L"01,02,04,05,07"}},
    {L"Hd5Of15",
     {{L"baseNums", Digits(1, 8)}},
     L"_5bao4",
     {L"01,02,03,04,05", L"01,02,03,06,07", L"01,02,04,06,08", L"01,02,05,07,08", L"01,03,04,07,08",
      L"01,03,05,06,08", L"01,04,05,06,07"}},
};

class ReductionTest : public LottoRun, public ::testing::WithParamInterface<ReductionCase> {
protected:
    ReductionTest() : LottoRun(GetParam().game) {}
};

TEST_P(ReductionTest, KeepsTheRowsOfItsForm)
{
    const ReductionCase &c = GetParam();
    std::vector<Item> items = c.pools;
    Run(items);
    const std::vector<std::wstring> all = Rows(L"0", L",");
    const std::wstring counts = Trailer().substr(Trailer().find(L','));
    items.push_back({L"rotateMatrix", c.reduction});
    Run(items);
    EXPECT_EQ(Rows(L"0", L","), c.rows);
    // The counts before the reduction stay; the cut-down rate counts the rows kept.
    EXPECT_EQ(chain().primaryTotal(), static_cast<int>(all.size()));
    EXPECT_NE(Trailer().find(L"total:" + std::to_wstring(c.rows.size()) + L","), std::wstring::npos);
    // The list holds every row the rate counts: no count past the list's rows.
    EXPECT_EQ(Trailer().find(L"countedTotal"), std::wstring::npos) << Narrow(Trailer());
    // No reduction: "", "_all", a text that names none, or the choice disabled.
    for (const wchar_t *none : {L"", L"_all", L"_xbaoy", L"_5bao9", L"_9bao3", L"_3bao3"}) {
        items.back().chosen = none;
        Run(items);
        EXPECT_EQ(Rows(L"0", L","), all) << Narrow(none);
    }
    items.pop_back();
    RunWithDisabled(items, L"rotateMatrix", c.reduction);
    EXPECT_EQ(Rows(L"0", L","), all);
    EXPECT_EQ(Trailer().substr(Trailer().find(L',')), counts);
}

INSTANTIATE_TEST_SUITE_P(LottoGames, ReductionTest, ::testing::ValuesIn(kReductions), [](const auto &info) {
    return Narrow(std::wstring(info.param.game) + info.param.reduction);
});

// Old numbers, a search and the save text of every game: a short entry is counted and never kept,
// "lianHao" keeps the rows with two neighbouring front numbers, and the save text writes the back
// numbers after the back separator (none in a game without them).
struct OldRunCase {
    const wchar_t *game;
    std::wstring oldNumbers;
    std::vector<std::wstring> rows;
    std::wstring trailer;
    std::wstring saved; // with " " between numbers and ":" before the back numbers
};

const OldRunCase kOldRuns[] = {
    {L"Tc5Of35",
     L"1,2,3,4,5,1,2|1,2,3,4,5,1|2,4,6,8,10,3,4",
     {L"01,02,03,04,05+01,02", L"02,04,06,08,10+03,04"},
     L"total:2,afterFilterLen:0,primaryTotal:3,cutDownRate:\"33.33%\"}",
     L"01 02 03 04 05:01 02\r\n02 04 06 08 10:03 04"},
    {L"Fc6Of33",
     L"1,2,3,4,5,6,1|1,2,3,4,5,6|2,4,6,8,10,12,16",
     {L"01,02,03,04,05,06+01", L"02,04,06,08,10,12+16"},
     L"total:2,afterFilterLen:0,primaryTotal:3,cutDownRate:\"33.33%\"}",
     L"01 02 03 04 05 06:01\r\n02 04 06 08 10 12:16"},
    {L"Fc7Of30",
     L"1,2,3,4,5,6,7|1,2,3,4,5,6|2,4,6,8,10,12,14",
     {L"01,02,03,04,05,06,07", L"02,04,06,08,10,12,14"},
     L"total:2,primaryTotal:3,afterFilterLen:0,cutDownRate:\"33.33%\"}",
     L"01 02 03 04 05 06 07\r\n02 04 06 08 10 12 14"},
    {L"Ttl5Of22",
     L"1,2,3,4,5|1,2,3,4|2,4,6,8,10",
     {L"01,02,03,04,05", L"02,04,06,08,10"},
     L"total:2,primaryTotal:3,afterFilterLen:0,cutDownRate:\"33.33%\"}",
     L"01 02 03 04 05\r\n02 04 06 08 10"},
    {L"Tc5Of20",
     L"1,2,3,4,5|1,2,3,4|2,4,6,8,10",
     {L"01,02,03,04,05", L"02,04,06,08,10"},
     L"total:2,primaryTotal:3,afterFilterLen:0,cutDownRate:\"33.33%\"}",
     L"01 02 03 04 05\r\n02 04 06 08 10"},
    {L"Hd5Of15",
     L"1,2,3,4,5|1,2,3,4|2,4,6,8,10",
     {L"01,02,03,04,05", L"02,04,06,08,10"},
     L"total:2,primaryTotal:3,afterFilterLen:0,cutDownRate:\"33.33%\"}",
     L"01 02 03 04 05\r\n02 04 06 08 10"},
};

class OldRunTest : public LottoRun, public ::testing::WithParamInterface<OldRunCase> {
protected:
    OldRunTest() : LottoRun(GetParam().game) {}
};

TEST_P(OldRunTest, EntriesCountedBetsKeptSearchedAndSaved)
{
    const OldRunCase &c = GetParam();
    Run({}, c.oldNumbers);
    EXPECT_EQ(Rows(), c.rows);
    EXPECT_EQ(Trailer(), c.trailer);
    EXPECT_EQ(chain().GetResultStr(L"0", L" ", L":", 1, 1), c.saved);
    EXPECT_EQ(Search(L"lianHao"), std::vector<std::wstring>{c.rows.front()});
    EXPECT_EQ(Search(L"notLianHao"), std::vector<std::wstring>{c.rows.back()});
}

INSTANTIATE_TEST_SUITE_P(LottoGames, OldRunTest, ::testing::ValuesIn(kOldRuns),
                         [](const auto &info) { return Narrow(info.param.game); });

// Above the cap a reduction is not run: the run stores the cap's rows as without it.
TEST(LottoReductionAboveTheCap, IsLeftOut)
{
    for (const wchar_t *game : {L"Tc5Of35", L"Fc7Of30"}) {
        qel::CFilterContext context(L"qel://base");
        context.SwitchPlugin(game);
        ASSERT_NE(context.chain(), nullptr);
        const bool twoAreas = std::wstring(game) == L"Tc5Of35";
        std::vector<Item> items;
        if (twoAreas) {
            items = {
                {L"baseNums_red", Digits(1, 35)}, {L"baseNums_blue", L"1,2"}, {L"rotateMatrix", L"_5bao4"}};
        } else {
            items = {{L"baseNums", Digits(1, 30)}, {L"rotateMatrix", L"_7bao5"}};
        }
        std::wstring page =
            context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(digittest::FilterRequest(game, L"", items)));
        EXPECT_EQ(context.chain()->resultList()->size(), 100000U) << Narrow(game);
        EXPECT_NE(page.find(L"cutDownRate:\"0.00%\""), std::wstring::npos) << Narrow(game);
    }
}

} // namespace
} // namespace lottotest

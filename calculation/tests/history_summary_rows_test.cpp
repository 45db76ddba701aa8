#include "calculation/history/summary_rows.h"

#include <gtest/gtest.h>

#include <array>

#include "support/history_fixture.h"

namespace calculation {
namespace {

using testsupport::SummaryRows;
using testsupport::ValueOf;

// Draw rows with one column "k": hit where the pattern has an 'x'.
basekit::TextMapPtrList Column(const std::string &pattern)
{
    basekit::TextMapPtrList rows;
    for (char c : pattern) {
        rows.push_back({{L"k", c == 'x' ? L"<span>1</span>" : L""}});
    }
    return rows;
}

std::vector<basekit::OrderedRow> AsVector(const basekit::TextMapPtrList &rows)
{
    return {rows.begin(), rows.end()};
}

TEST(AddSumRowTest, NamesTheSixRowsInTheirOrderWithTheDrawCount)
{
    basekit::TextMapPtrList rows(30, basekit::OrderedRow{{L"k", L"x"}});
    const std::array<std::wstring, 1> keys{L"k"};
    const std::array<std::wstring, 1> rates{L"14.3"};
    AddSumRow(rows, rates, keys, L"", L"%.1f");
    ASSERT_EQ(rows.size(), 36U);
    std::vector<std::wstring> names;
    for (auto it = std::next(rows.begin(), 30); it != rows.end(); ++it) {
        names.push_back(ValueOf(*it, L"name"));
    }
    EXPECT_EQ(names,
              (std::vector<std::wstring>{L"理论出现概率（%）", L"30期理论出现（期）", L"30期实际出现（期）",
                                         L"30期最大连出（期）", L"理论遗漏（期）", L"30期当前遗漏（期）"}));
    // 30 × 14.3 / 100 = 4.29; 100 / 14.3 - 1 = 5.99.
    EXPECT_EQ(SummaryRows(AsVector(rows)).Theory(L"k"), L"14.3/4.3/6.0");
    // The name comes first, the column after it.
    EXPECT_EQ(rows.back(), (basekit::OrderedRow{{L"name", L"30期当前遗漏（期）"}, {L"k", L"0"}}));
}

TEST(AddSumRowTest, CountsHitsLongestRunAndCurrentMisses)
{
    struct Case {
        std::string pattern;
        std::wstring counts; // hits / longest run / current misses
    };
    const Case cases[] = {
        {"xxxxx", L"5/5/0"},
        {"x....", L"1/1/4"},
        {".....", L"0/0/5"},
        // A run of 10 after a run of 9: the runs are compared as numbers.
        {"xxxxxxxxx.xxxxxxxxxx...", L"19/10/3"},
        {"xx.xxx.x", L"6/3/0"},
    };
    for (const Case &c : cases) {
        basekit::TextMapPtrList rows = Column(c.pattern);
        AddSumRow(rows, {}, {}, L"", L"%.1f");
        EXPECT_EQ(SummaryRows(AsVector(rows)).Counts(L"k"), c.counts) << c.pattern;
    }
}

TEST(AddSumRowTest, TheoreticalRowsFromTheRates)
{
    struct Case {
        std::wstring rate;
        const wchar_t *format;
        std::wstring theory; // probability / occurrences over 30 draws / miss
    };
    const Case cases[] = {
        {L"50", L"%.1f", L"50/15.0/1.0"},      {L"0", L"%.1f", L"0/0.0/∞"},
        {L"0.1", L"%.1f", L"0.1/0.0/∞"}, // a miss of 999 or more is shown as endless
        {L"0.11", L"%.1f", L"0.11/0.0/908.1"}, {L"10", L"%.0f", L"10/3/9"},
        {L"27.1", L"%.1f", L"27.1/8.1/2.7"},
    };
    for (const Case &c : cases) {
        basekit::TextMapPtrList rows = Column(std::string(30, 'x'));
        const std::array<std::wstring, 1> keys{L"k"};
        const std::array<std::wstring, 1> rates{c.rate};
        AddSumRow(rows, rates, keys, L"", c.format);
        EXPECT_EQ(SummaryRows(AsVector(rows)).Theory(L"k"), c.theory) << c.rate;
    }
}

TEST(AddSumRowTest, KeysPastTheRatesHaveNoRate)
{
    basekit::TextMapPtrList rows = Column("x.x");
    const std::array<std::wstring, 3> keys{L"a", L"b", L"c"};
    const std::array<std::wstring, 1> rates{L"50"};
    AddSumRow(rows, rates, keys, L"", L"%.1f");
    SummaryRows summary(AsVector(rows));
    EXPECT_EQ(summary.Theory(L"a"), L"50/1.5/1.0");
    EXPECT_EQ(summary.Theory(L"b"), L"/0.0/∞");
    EXPECT_EQ(summary.Theory(L"c"), L"/0.0/∞");
    // Keys no draw row holds appear only in the theoretical rows.
    EXPECT_EQ(ValueOf(summary.hits, L"b"), L"<missing>");
}

TEST(AddSumRowTest, SkipKeysHideEveryKeyTheyContain)
{
    basekit::TextMapPtrList rows{{{L"qiHao", L"1"}, {L"pos", L"x"}, {L"pos0", L"x"}, {L"sum", L"9"}}};
    AddSumRow(rows, {}, {}, L"xposx,sum", L"%.1f");
    // "pos" is inside "xposx"; "pos0" is not; "qiHao" is not in the skip text and is counted.
    EXPECT_EQ(rows.back(),
              (basekit::OrderedRow{{L"name", L"1期当前遗漏（期）"}, {L"qiHao", L"0"}, {L"pos0", L"0"}}));
}

TEST(AddSumRowTest, WithoutDrawsTheCountedRowsHoldOnlyTheirNames)
{
    basekit::TextMapPtrList rows;
    const std::array<std::wstring, 2> keys{L"a", L"b"};
    const std::array<std::wstring, 2> rates{L"14.3", L"0"};
    AddSumRow(rows, rates, keys, L"", L"%.1f");
    const std::vector<basekit::OrderedRow> all = AsVector(rows);
    ASSERT_EQ(all.size(), 6U);
    EXPECT_EQ(all[0], (basekit::OrderedRow{{L"name", L"理论出现概率（%）"}, {L"a", L"14.3"}, {L"b", L"0"}}));
    EXPECT_EQ(all[1], (basekit::OrderedRow{{L"name", L"0期理论出现（期）"}, {L"a", L"0.0"}, {L"b", L"0.0"}}));
    EXPECT_EQ(all[2], (basekit::OrderedRow{{L"name", L"0期实际出现（期）"}}));
    EXPECT_EQ(all[3], (basekit::OrderedRow{{L"name", L"0期最大连出（期）"}}));
    EXPECT_EQ(all[4], (basekit::OrderedRow{{L"name", L"理论遗漏（期）"}, {L"a", L"6.0"}, {L"b", L"∞"}}));
    EXPECT_EQ(all[5], (basekit::OrderedRow{{L"name", L"0期当前遗漏（期）"}}));
}

} // namespace
} // namespace calculation

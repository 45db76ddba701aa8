#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "basekit/string_split.h"
#include "calculation/prize_check.h"
#include "test_chain.h"

namespace {

using calculation::CheckPrizes;
using Counts = std::vector<int>;

struct PrizeCase {
    const char *name;
    std::wstring front;
    std::wstring back;
    std::wstring category;
    std::wstring drawn;
    Counts expected;
};

class PrizeCheckTest : public ::testing::TestWithParam<PrizeCase> {};

TEST_P(PrizeCheckTest, CountsSingleBetsPerLevel)
{
    const PrizeCase &c = GetParam();
    EXPECT_EQ(CheckPrizes(c.front, c.back, c.category, c.drawn), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PrizeCheckTest,
    ::testing::Values(
        // Six plus one: five front numbers and the back number.
        PrizeCase{"A_five_and_back",
                  L"01,02,03,04,05,06",
                  L"07",
                  L"Fc6Of33_Fc",
                  L"01,02,03,04,05,10,07",
                  {0, 0, 1, 0, 0, 0}},
        // Seven front numbers hold the six drawn; two back numbers hold the drawn one.
        PrizeCase{"A_compound",
                  L"01,02,03,04,05,06,09",
                  L"07,08",
                  L"Fc6Of33_Fc",
                  L"01,02,03,04,05,06,07",
                  {1, 1, 6, 6, 0, 0}},
        // All six front numbers without the back number: the second level only.
        PrizeCase{"A_six_without_back",
                  L"01,02,03,04,05,06",
                  L"07",
                  L"Fc6Of33_Fc",
                  L"01,02,03,04,05,06,08",
                  {0, 1, 0, 0, 0, 0}},
        // The back number alone wins the last level.
        PrizeCase{"A_back_only",
                  L"01,02,03,04,05,06",
                  L"16",
                  L"Fc6Of33_Fc",
                  L"10,11,12,13,14,15,16",
                  {0, 0, 0, 0, 0, 1}},
        PrizeCase{"A_front_too_short",
                  L"01,02,03,04,05",
                  L"07",
                  L"Fc6Of33_Fc",
                  L"01,02,03,04,05,06,07",
                  {0, 0, 0, 0, 0, 0}},
        // A draw cut short hits nothing where it has no numbers.
        PrizeCase{"A_short_draw", L"01,02,03,04,05,06", L"07", L"Fc6Of33_Fc", L"01,02", {0, 0, 0, 0, 0, 0}},
        // Five plus two equal to the draw.
        PrizeCase{"B_exact",
                  L"01,02,03,04,05",
                  L"06,07",
                  L"Tc5Of35_Tc",
                  L"01,02,03,04,05,06,07",
                  {1, 0, 0, 0, 0, 0}},
        // F5 = 1, F4 = 5; G2 = 1, G1 = 2: 1, 2, 0 + 5, 10 + 0, 0, 0.
        PrizeCase{"B_compound",
                  L"01,02,03,04,05,09",
                  L"06,07,11",
                  L"Tc5Of35_Tc",
                  L"01,02,03,04,05,06,07",
                  {1, 2, 5, 10, 0, 0}},
        PrizeCase{"B_one_back_number",
                  L"01,02,03,04,05",
                  L"06",
                  L"Tc5Of35_Tc",
                  L"01,02,03,04,05,06,07",
                  {0, 0, 0, 0, 0, 0}},
        // Seven basic numbers: the full hit is entry 1.
        PrizeCase{"C_exact",
                  L"01,02,03,04,05,06,07",
                  L"",
                  L"Fc7Of30_Fc",
                  L"01,02,03,04,05,06,07,08",
                  {0, 1, 0, 0, 0, 0, 0, 0}},
        // Seven basic numbers and the special one: one full hit, seven of six plus the special.
        PrizeCase{"C_with_special",
                  L"01,02,03,04,05,06,07,08",
                  L"",
                  L"Fc7Of30_Fc",
                  L"01,02,03,04,05,06,07,08",
                  {0, 1, 7, 0, 0, 0, 0, 0}},
        // Four basic numbers and three others: the last entry.
        PrizeCase{"C_four",
                  L"01,02,03,04,20,21,22",
                  L"",
                  L"Fc7Of30_Fc",
                  L"01,02,03,04,05,06,07,08",
                  {0, 0, 0, 0, 0, 0, 0, 1}},
        PrizeCase{"C_short_draw",
                  L"01,02,03,04,05,06,07",
                  L"",
                  L"Fc7Of30_Fc",
                  L"01,02,03",
                  {0, 0, 0, 0, 0, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<PrizeCase> &info) { return std::string(info.param.name); });

// The rules as the definition states them: every k-subset of the front list, one by one.
void ForEachSubset(const std::vector<int> &values, std::size_t k,
                   const std::function<void(const std::vector<int> &)> &f)
{
    std::vector<int> chosen;
    std::function<void(std::size_t)> pick = [&](std::size_t from) {
        if (chosen.size() == k) {
            f(chosen);
            return;
        }
        for (std::size_t i = from; i < values.size(); ++i) {
            chosen.push_back(values[i]);
            pick(i + 1);
            chosen.pop_back();
        }
    };
    pick(0);
}

int HitsIn(const std::vector<int> &subset, const std::vector<int> &set)
{
    int hits = 0;
    for (int v : subset) {
        hits += std::find(set.begin(), set.end(), v) != set.end() ? 1 : 0;
    }
    return hits;
}

Counts EnumeratedSevenPlusSpecial(const std::vector<int> &front, const std::vector<int> &drawn)
{
    const std::vector<int> basic(drawn.begin(), drawn.begin() + 7);
    Counts e(8, 0);
    ForEachSubset(front, 7, [&](const std::vector<int> &subset) {
        const int h = HitsIn(subset, basic);
        const bool s = HitsIn(subset, {drawn[7]}) > 0;
        if (h == 7) {
            s ? e[0] = 1 : ++e[1];
        } else if (h >= 4) {
            ++e[(std::size_t{2} * static_cast<std::size_t>(7 - h)) + (s ? 0U : 1U)];
        }
    });
    return e;
}

Counts EnumeratedSixPlusOne(const std::vector<int> &front, const std::vector<int> &back,
                            const std::vector<int> &drawn)
{
    const std::vector<int> result(drawn.begin(), drawn.begin() + 6);
    std::vector<int> h(7, 0);
    ForEachSubset(front, 6, [&](const std::vector<int> &subset) {
        ++h[static_cast<std::size_t>(HitsIn(subset, result))];
    });
    const int t = HitsIn(back, {drawn[6]}) > 0 ? 1 : 0;
    const int b = static_cast<int>(back.size());
    Counts e(6, 0);
    if (h[6] > 0) {
        e[0] = t;
        e[1] = b - t;
    }
    e[2] = t ? h[5] : 0;
    e[3] = h[5] * (b - t) + (t ? h[4] : 0);
    e[4] = h[4] * (b - t) + (t ? h[3] : 0);
    e[5] = t ? h[2] + h[1] + h[0] : 0;
    return e;
}

std::vector<int> Ints(const std::wstring &text)
{
    return basekit::StrArrayToIntArray(basekit::StrSplit(text, L","));
}

// The rule is the game table's for the game whose category the text holds; a text naming no such
// game, or a key without its flag, counts seven numbers and a special.
TEST(PrizeCheckRule, IsTheRuleOfTheGameWhoseCategoryTheTextHolds)
{
    const std::wstring bet = L"01,02,03,04,05,06,07";
    const std::wstring drawn = L"01,02,03,04,05,06,07,08";
    const struct {
        const wchar_t *category;
        std::size_t levels;
    } cases[] = {
        {L"Fc6Of33_Fc", 6}, {L"page:Fc6Of33_Fc;", 6}, {L"Tc5Of35_Tc", 6}, {L"Fc7Of30_Fc", 8},
        {L"Fc6Of33", 8},    {L"Fc6Of33_Tc", 8},       {L"", 8},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CheckPrizes(bet, L"08,09", c.category, drawn).size(), c.levels)
            << std::string(c.category, c.category + std::wcslen(c.category));
    }
}

// Larger compound bets against the subsets counted one by one.
TEST(PrizeCheckAgainstEnumeration, CompoundBetsMatchSubsetBySubset)
{
    const std::wstring drawn7 = L"02,05,09,14,17,23,28,11";
    for (const std::wstring front : {L"01,02,05,09,11,14,17,20,23,28", L"02,03,05,07,09,11,13,14,16,17,19"}) {
        EXPECT_EQ(CheckPrizes(front, L"", L"Fc7Of30_Fc", drawn7),
                  EnumeratedSevenPlusSpecial(Ints(front), Ints(drawn7)))
            << std::string(front.begin(), front.end());
    }
    const std::wstring drawn6 = L"03,08,12,19,25,31,07";
    for (const std::wstring front : {L"01,03,08,12,19,22,25,31", L"03,04,08,09,12,15,19,20,25"}) {
        EXPECT_EQ(CheckPrizes(front, L"05,07,09", L"Fc6Of33_Fc", drawn6),
                  EnumeratedSixPlusOne(Ints(front), Ints(L"05,07,09"), Ints(drawn6)));
    }
}

TEST(BankerSuggestion, LeastDrawnDigitsInDigitOrder)
{
    testsupport::TestChain chain;
    basekit::TextMapList draws = {
        {{L"lottery", L"1,2,3"}, {L"qiHao", L"2025001"}, {L"lotDate", L"2025-01-01"}},
        {{L"lottery", L"1,4,5"}, {L"qiHao", L"2025002"}, {L"lotDate", L"2025-01-02"}},
    };
    // 0, 6, 7, 8, 9 were never drawn: the first three of them, in digit order.
    EXPECT_EQ(chain.GetDanMa(draws),
              L"{danMa:\"0,6,7\",lotDate:\"2025-01-02\",lottery:\"1,4,5\",qiHao:\"2025002\"}");
    // Numbers above 9 count for no digit.
    EXPECT_EQ(chain.GetDanMa({{{L"lottery", L"0,1,2"}}, {{L"lottery", L"10,11,12"}}}),
              L"{danMa:\"3,4,5\",lottery:\"10,11,12\"}");
    EXPECT_EQ(chain.GetDanMa({}), L"{danMa:\"0,1,2\"}");
}

} // namespace

// Past draws and games for the history-table tests.
//
// The fixed fixture is thirty draws of a game of five numbers from 1-15 and one back number from
// 1-6, built from four draws so that every count of the summary rows can be worked out by hand:
//   draws  1-9   A = 01,02,03,04,05 + 01
//   draw   10    B = 06,07,08,09,10 + 02
//   draws 11-20  A
//   draws 21-29  C = 11,12,13,14,15 + 03
//   draw   30    D = 03,07,08,12,15 + 06   (the latest)
// A column that A hits has runs of 9 and 10: its longest run is 10, which a comparison of texts
// ("9" > "10") would lose.
#pragma once

#include <string>
#include <vector>

#include "basekit/row_types.h"
#include "calculation/abstract_filter_chain.h"
#include "calculation/history/history_tables.h"
#include "support/list_reply.h"

namespace testsupport {

inline const std::wstring kTestBaseUrl = L"http://127.0.0.1:8/base";

inline std::wstring TestBall(const wchar_t *colour)
{
    return L"'display:inline-block;width:18px;height:18px;line-height:18px;background-image:url(&quot;"
           L"http://127.0.0.1:8/base/images/" +
           std::wstring(colour) +
           L"Ball18.png&quot;);color:white;margin-left:2px;text-align:center;font-size:12px;'";
}

/// The green class box of the given width.
inline std::wstring Box(int width)
{
    return L"'display:inline-block;width:" + std::to_wstring(width) +
           L"px;height:16px;padding-top:1px;background:#067306;color:#ffffff;text-align:center;'";
}

inline std::wstring Span(const std::wstring &style, const std::wstring &text)
{
    return L"<span style=" + style + L">" + text + L"</span>";
}

inline std::wstring Marked(int series, const std::wstring &style, const std::wstring &text)
{
    return L"<span block='block" + std::to_wstring(series) + L"' style=" + style + L">" + text + L"</span>";
}

inline basekit::TextMap Draw(const std::wstring &qiHao, const std::wstring &lotDate,
                             const std::wstring &lottery)
{
    return {{L"qiHao", qiHao}, {L"lotDate", lotDate}, {L"lottery", lottery}};
}

inline const std::wstring kDrawA = L"01,02,03,04,05,01";
inline const std::wstring kDrawB = L"06,07,08,09,10,02";
inline const std::wstring kDrawC = L"11,12,13,14,15,03";
inline const std::wstring kDrawD = L"03,07,08,12,15,06";

inline basekit::TextMapList ThirtyDraws()
{
    basekit::TextMapList draws;
    for (int i = 1; i <= 30; ++i) {
        const std::wstring n = (i < 10 ? L"0" : L"") + std::to_wstring(i);
        const std::wstring &lottery = i == 10 ? kDrawB : i == 30 ? kDrawD : i > 20 ? kDrawC : kDrawA;
        draws.push_back(Draw(std::to_wstring(2024000 + i), L"2024-01-" + n, lottery));
    }
    return draws;
}

/// frontCount numbers from 1-frontMax, backCount back numbers from 1-backMax, three areas.
inline calculation::HistoryGame LottoGame(int frontMax, int frontCount, int backMax = 0, int backCount = 0)
{
    calculation::HistoryGame game;
    game.frontMax = frontMax;
    game.backMax = backMax;
    game.frontCount = frontCount;
    game.backCount = backCount;
    game.bigStart = frontMax / 2 + 1;
    game.areaWidth = frontMax / 3;
    game.lowestNumber = 1;
    return game;
}

/// The fixture's game: five numbers from 1-15 (8 and above big, areas of 5) and one back number
/// from 1-6.
inline calculation::HistoryGame FixtureGame()
{
    return LottoGame(15, 5, 6, 1);
}

/// Three digits 0-9, as the three-digit game.
inline calculation::HistoryGame DigitGame(int digits = 3)
{
    calculation::HistoryGame game;
    game.frontMax = 10;
    game.frontCount = digits;
    game.bigStart = 5;
    game.areaWidth = 3;
    game.lowestNumber = 0;
    game.digitLayout = true;
    return game;
}

/// The six summary rows at the end of a table, by their place.
struct SummaryRows {
    explicit SummaryRows(const std::vector<basekit::OrderedRow> &rows)
    {
        if (rows.size() < 6) {
            ADD_FAILURE() << "fewer than six rows";
            return;
        }
        auto at = rows.end() - 6;
        probability = *at++;
        expected = *at++;
        hits = *at++;
        longestRun = *at++;
        expectedMiss = *at++;
        misses = *at;
    }

    /// hits, longest run and current misses of a column, as "19/10/10".
    std::wstring Counts(const std::wstring &key) const
    {
        return ValueOf(hits, key) + L"/" + ValueOf(longestRun, key) + L"/" + ValueOf(misses, key);
    }
    /// probability, theoretical occurrences and theoretical miss of a column, as "14.3/4.3/6.0".
    std::wstring Theory(const std::wstring &key) const
    {
        return ValueOf(probability, key) + L"/" + ValueOf(expected, key) + L"/" + ValueOf(expectedMiss, key);
    }

    basekit::OrderedRow probability, expected, hits, longestRun, expectedMiss, misses;
};

/// A chain over a game of the tests' choosing, its table operations open to the tests.
class HistoryChain : public calculation::AbstractFilterChain {
public:
    explicit HistoryChain(const calculation::HistoryGame &game) { SetGameParameters(game); }
    calculation::NumberRowList *Filter() override { return &NewResultList(); }

    using AbstractFilterChain::GetDetailedDataForWx;
    using AbstractFilterChain::HistoryTablesOf;
};

} // namespace testsupport

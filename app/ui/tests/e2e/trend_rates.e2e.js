// The trend window shows each game's theoretical rates in the summary rows of its tables: for
// Tc5Of35, Fc6Of10 and Hd5Of15, against the real core and the stand-in data service, the big/small
// table, the span table and a position table (Hd5Of15 charts every position in its distribution)
// over the newest 30 sample draws. The rate of every column is worked out here over all the
// game's equally likely draws (combinations of a lotto game's numbers, ordered rows of the
// digits), written with the game's decimals; the draws mark their columns and the other five
// summary rows are counted from the draws themselves. The span's gap chart shows no rates.
//   node trend_rates.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
//                           --standin <qel-data-standin>
"use strict";

const path = require("node:path");
const { check } = require("./harness.js");
const { openMainPage, cancelLogin } = require("./main_page_steps.js");
const { sampleDraws, argument, runStandinSession } = require("./standin.js");
const { TREND_PAGE, SUMMARY_NAMES, switchToGame, summaryOf, openTrendPage, selectTab, gridRows } =
    require("./trend_steps.js");

const STAGE = argument("stage");

// 100 × hits / all with the given decimals, halves away from zero, in integers.
function percent(hits, all, decimals) {
    const scaled = hits * 100 * 10 ** decimals;
    let whole = Math.floor(scaled / all);
    if (2 * (scaled - whole * all) >= all) {
        whole += 1;
    }
    const text = String(whole).padStart(decimals + 1, "0");
    return decimals ? `${text.slice(0, -decimals)}.${text.slice(-decimals)}` : text;
}

// Every combination of count numbers of 1-max, ascending.
function* combinations(max, count, from = 1, chosen = []) {
    if (chosen.length === count) {
        yield chosen;
        return;
    }
    for (let v = from; v <= max - (count - chosen.length) + 1; v += 1) {
        yield* combinations(max, count, v + 1, chosen.concat(v));
    }
}

// Every ordered row of count digits 0-9.
function* digitRows(count) {
    for (let n = 0; n < 10 ** count; n += 1) {
        yield Array.from({ length: count }, (_, i) => Math.floor(n / 10 ** (count - 1 - i)) % 10);
    }
}

const numbered = (prefix, count) => Array.from({ length: count }, (_, i) => `${prefix}${i}`);
const largestGap = (numbers) => Math.max(...numbers.slice(1).map((v, i) => Math.abs(v - numbers[i])));

// The charts of a table: its columns, the column a row of front numbers marks (an index), and the
// decimals of each column's rate (none: the chart has no rates).
function ratioChart(count, inClass, decimals) {
    return { columns: numbered("rate", count + 1), column: (r) => r.filter(inClass).length, decimals: () => decimals };
}
function classAtChart(position, inClass, decimals) {
    return { columns: [`pos${position}1`, `pos${position}0`], column: (r) => (inClass(r[position]) ? 0 : 1),
        decimals: () => decimals };
}
function spanChart(count, first, decimals) {
    return { columns: numbered("span", count), column: (r) => Math.max(...r) - Math.min(...r) - first, decimals };
}
function gapChart(count, first) {
    return { columns: numbered("linHaoLag", count), column: (r) => largestGap(r) - first, decimals: null };
}
function valueAtChart(position, count, first, decimals) {
    return { columns: numbered(`pos${position}`, count), column: (r) => r[position] - first, decimals };
}

// The games: their front numbers in a draw, every equally likely row of them, and the tables
// checked, by tab label.
const GAMES = [
    {
        key: "Tc5Of35", front: 5, rows: () => combinations(35, 5),
        tables: {
            "大小": [ratioChart(5, (v) => v >= 18, 1), classAtChart(0, (v) => v >= 18, 1),
                classAtChart(4, (v) => v >= 18, 1)],
            "跨度": [spanChart(31, 4, () => 1), gapChart(31, 1)],
            "第1位": [valueAtChart(0, 31, 1, () => 1)],
            "第5位": [valueAtChart(4, 31, 5, () => 1)],
        },
    },
    {
        key: "Fc6Of10", front: 6, rows: () => digitRows(6),
        tables: {
            "大小": [ratioChart(6, (v) => v >= 5, 1), classAtChart(0, (v) => v >= 5, 1)],
            // The rarer spans with two decimals.
            "跨度": [spanChart(10, 0, (i) => (i >= 1 && i <= 5 ? 2 : 1)), gapChart(10, 0)],
            "第1位": [valueAtChart(0, 10, 0, () => 1)],
        },
    },
    {
        key: "Hd5Of15", front: 5, rows: () => combinations(15, 5),
        tables: {
            // Two decimals for the shapes.
            "大小": [ratioChart(5, (v) => v >= 8, 2), classAtChart(0, (v) => v >= 8, 2),
                classAtChart(4, (v) => v >= 8, 2)],
            "跨度": [spanChart(11, 4, () => 1), gapChart(11, 1)],
            // Every position's values at once: position j runs over j + 1 .. j + 11.
            "定位分布": [0, 1, 2, 3, 4].map((j) => valueAtChart(j, 11, j + 1, () => 1)),
        },
    },
];

// The rates of the columns of every chart of the game, in one pass over all its rows; a rate of
// the distribution that one decimal writes as 0.0 though some rows hit it takes two.
function ratesOf(game) {
    const charts = Object.entries(game.tables).flatMap(([label, list]) =>
        list.map((chart) => ({ chart, distribution: label === "定位分布", hits: chart.columns.map(() => 0) })));
    let all = 0;
    for (const row of game.rows()) {
        all += 1;
        for (const { chart, hits } of charts) {
            const column = chart.column(row);
            if (column >= 0 && column < hits.length) {
                hits[column] += 1;
            }
        }
    }
    return new Map(charts.map(({ chart, distribution, hits }) => [chart, hits.map((h, i) => {
        if (!chart.decimals) {
            return "";
        }
        const text = percent(h, all, chart.decimals(i));
        return distribution && text === "0.0" && h > 0 ? percent(h, all, 2) : text;
    })]));
}

runStandinSession("trend rates e2e", 110000, async (session, standin) => {
    const { host, page, artifacts } = session;
    await openMainPage(page, host);
    await cancelLogin(page);
    for (const game of GAMES) {
        await switchToGame(session, STAGE, game.key);
        await page.click("#footerBar [data-name='dataAnalysis']");
        const trend = await openTrendPage(session, `${standin.address}${TREND_PAGE}`);
        const t = trend.page;
        const draws = sampleDraws(game.key).slice(-30);
        const fronts = draws.map((d) => d.lottery.split(",").slice(0, game.front).map(Number));
        const allRates = ratesOf(game);
        for (const [label, charts] of Object.entries(game.tables)) {
            const what = `${game.key} ${label}`;
            await selectTab(t, label);
            const rows = await gridRows(t);
            const footer = await gridRows(t, "footer");
            check(JSON.stringify(rows.map((r) => r.qiHao.text)) === JSON.stringify(draws.map((d) => d.qiHao)),
                `${what}: the draws`, rows.map((r) => r.qiHao.text));
            check(JSON.stringify(footer.map((r) => r.qiHao.text)) === JSON.stringify(SUMMARY_NAMES(30)),
                `${what}: the summary rows`, footer.map((r) => r.qiHao.text));
            for (const chart of charts) {
                const rates = allRates.get(chart);
                check(!chart.decimals || rates.every((rate) => rate !== ""), `${what}: a column without a rate`);
                // Each draw marks the one column of its value.
                rows.forEach((row, i) => {
                    const marked = chart.columns.filter((column) => row[column] && row[column].marks.length === 1);
                    const wanted = chart.columns.filter((_, c) => c === chart.column(fronts[i]));
                    check(JSON.stringify(marked) === JSON.stringify(wanted), `${what}, draw ${draws[i].qiHao}`,
                        { marked, wanted });
                });
                const expected = summaryOf(fronts, chart.columns, chart.column, rates);
                footer.forEach((row, i) => {
                    chart.columns.forEach((column) => {
                        check(row[column] && row[column].text === expected[i][column],
                            `${what}: summary row ${row.qiHao.text}, column ${column}`,
                            { seen: row[column] && row[column].text, want: expected[i][column] });
                    });
                });
            }
            await t.screenshot({ path: path.join(artifacts, `trend-rates-${game.key}-${charts[0].columns[0]}.png`) });
        }
        await trend.close();
    }
});

// The trend window of every other game the program delivers (the games of its game table whose
// plug-in is in the stage's Plugin folder, so that games added later are covered too), against
// the real core and the stand-in data service: after the game switch the footer button opens the
// window (not for a high-frequency game, whose button opens a web address), which offers exactly
// the game's table types of grid 20 in the settings database and shows the base table over the
// newest 30 sample draws, with their balls, the drawn numbers marked and the six summary rows.
// A game without history tables is told so, and nothing is fetched for it.
// "--shard k/n" takes only every n-th of those games from the k-th on, so that runs can share them.
//   node trend_games.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
//                           --standin <qel-data-standin> [--shard k/n]
"use strict";

const fs = require("node:fs");
const path = require("node:path");
const { check } = require("./harness.js");
const { openMainPage, requests } = require("./main_page_steps.js");
const { sampleDraws, argument, runStandinSession } = require("./standin.js");
const { TREND_PAGE, SUMMARY_NAMES, settingsQuery, switchToGame, openTrendPage, tabLabels, message, gridRows } =
    require("./trend_steps.js");
const trendRules = require(path.join(__dirname, "..", "..", "..", "standin", "pages", "html", "pageForPc", "js",
    "trend_rules.js"));

const STAGE = argument("stage");
const [SHARD, SHARDS] = (argument("shard") || "0/1").split("/").map(Number);

// The table types grid 20 lists for the game, as the page's tab labels in its tab order.
function expectedTabs(key) {
    const tabs = settingsQuery(STAGE, "select distinct tab from table_column where tableId = 20 and flag = ? and tab is not null", key)
        .map((row) => row.tab);
    return trendRules.tableTypes().filter((type) => tabs.includes(type)).map(trendRules.labelOf);
}


runStandinSession(`trend games e2e ${SHARD}/${SHARDS}`, 115000, async (session, standin) => {
    const { host, page, status, artifacts } = session;
    await openMainPage(page, host);
    const games = (await page.evaluate(() => window.gameTable)).filter((game) => game.delivered &&
        game.key !== "Magic3" && fs.existsSync(path.join(STAGE, "Plugin", `${game.plugin}.so`)))
        .filter((game, index) => index % SHARDS === SHARD);
    check(games.length > 0, `no other delivered game of share ${SHARD}/${SHARDS} has its plug-in in the stage`);

    for (const game of games) {
        const product = await switchToGame(session, STAGE, game.key);

        const windows = (await status()).opened.length;
        await page.click("#footerBar [data-name='dataAnalysis']");
        const opened = (await status()).opened;
        if (await page.evaluate((key) => gameRules.isHighFrequency(key), game.key)) {
            check(opened.length === windows, `${game.key}: a high-frequency game opened a window`, opened);
        } else {
            check(opened.length === windows + 1 && opened[windows].url === `${standin.address}${TREND_PAGE}`,
                `${game.key}: the footer button did not open the trend window`, opened.slice(windows));
        }

        const trend = await openTrendPage(session, `${standin.address}${TREND_PAGE}`);
        const t = trend.page;
        const tabs = expectedTabs(game.key);
        const labels = await tabLabels(t);
        check(JSON.stringify(labels) === JSON.stringify(tabs), `${game.key}: the tabs are not the game's tables`,
            { labels, tabs });
        const fetched = await requests(trend.calls, "GetDataAnalysis");
        if (!tabs.length) {
            check((await message(t)) === "该彩种暂无走势图表！", `${game.key}: no word of the missing tables`,
                await message(t));
            check(fetched.length === 0, `${game.key}: draws were fetched for no table`);
            await trend.close();
            continue;
        }

        // The base table over the newest 30 draws.
        const category = `${game.key}_${product.flag}`;
        check(fetched.length === 1 && fetched[0].request.productName === category &&
            fetched[0].request.rowNumber === "30", `${game.key}: the first fetch`, fetched.map((c) => c.request));
        const draws = sampleDraws(game.key).slice(-30);
        const rows = await gridRows(t);
        check(JSON.stringify(rows.map((r) => r.qiHao.text)) === JSON.stringify(draws.map((d) => d.qiHao)),
            `${game.key}: the base table's draws differ`, rows.map((r) => r.qiHao.text));
        rows.forEach((row, i) => {
            const numbers = draws[i].lottery.split(",").map(Number);
            const balls = row.lottery.marks;
            // Every number of the draw: the bet's numbers and a special number ("Fc7Of30") too.
            check(balls.length === numbers.length && balls.length >= game.front + game.back &&
                balls.every((b) => /Ball18\.png/.test(b.picture)),
                `${game.key}, draw ${draws[i].qiHao}: the balls`, balls);
            numbers.slice(0, game.front).forEach((n) => {
                const cell = row[`pos${n - game.low}`];
                check(cell && cell.marks.length === 1 && Number(cell.marks[0].text) === n,
                    `${game.key}, draw ${draws[i].qiHao}: number ${n} is not marked`, cell);
            });
        });
        const footer = await gridRows(t, "footer");
        check(JSON.stringify(footer.map((r) => r.qiHao.text)) === JSON.stringify(SUMMARY_NAMES(30)),
            `${game.key}: the summary rows`, footer.map((r) => r.qiHao.text));
        await t.screenshot({ path: path.join(artifacts, `trend-page-${game.key}.png`) });
        await trend.close();
    }
});

// The main page of the five-number lotto games without back numbers ("Ttl5Of22", "Tc5Of20",
// "Hd5Of15") in headless Chromium against the real core and their real plug-ins: the panels of
// each game load and a run fills the grid with the rows the game's definition gives.
//   node lotto_front_games.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const { runSession, check } = require("./harness.js");
const { openMainPage, cancelLogin } = require("./main_page_steps.js");
const lotto = require("./lotto_steps.js");

const GAMES = [
    { productName: "Ttl5Of22", productCnName: "22选5", flag: "Tc", area: "2201", pool: 22 },
    { productName: "Tc5Of20", productCnName: "20选5", flag: "Tc", area: "2103", pool: 20 },
    { productName: "Hd5Of15", productCnName: "15选5", flag: "Fc", area: "2101", pool: 15 },
];

runSession("lotto front games e2e", 90000, async ({ page, host, screenshot }) => {
    await openMainPage(page, host);
    await cancelLogin(page);
    for (const game of GAMES) {
        const name = game.productName;
        await lotto.switchGame(page, host, game);
        const balls = await page.evaluate(() =>
            Array.from(document.querySelectorAll("#cond-baseNums .ball"), (b) => b.textContent));
        check(balls.length === game.pool && balls[0] === "01", `${name}: the base numbers differ`, balls);
        const tabs = await page.evaluate(() =>
            Array.from(document.querySelectorAll("#conditionTabs .tabs-title"), (t) => t.textContent));
        check(JSON.stringify(tabs) === JSON.stringify(["基本指标", "形态指标", "区间、二位、号码组", "更多指标"]),
            `${name}: the tabs differ`, tabs);

        // Every base number, two odd numbers of five and the largest at least 14: each row of the
        // pool that has them, in lexicographic order, shown under "number".
        await page.click("#baseSelectAll");
        await lotto.choose(page, "oddEvenRate", ["23"]);
        await lotto.choose(page, "maximumNum", lotto.range(14, game.pool).map(String));
        await page.click("#startFilter");
        const rows = lotto.combinations(lotto.range(1, game.pool), 5)
            .filter((row) => row.filter((n) => n % 2 === 1).length === 2 && row[4] >= 14)
            .map((row) => lotto.shown(row));
        await lotto.waitForGrid(page, rows[0], Math.min(100, rows.length));
        const grid = await lotto.gridRows(page);
        check(JSON.stringify(grid) === JSON.stringify(rows.slice(0, 100)), `${name}: the first page differs`,
            grid.slice(0, 3));
        check(await lotto.pagerTotal(page) === rows.length, `${name}: the pager does not count ${rows.length}`);
        await screenshot(`lotto-${name}-after-filter.png`);
    }
}, {
    databaseSql: "UPDATE systeminfo SET parameterValue = 'Tc5Of35' WHERE parameterName = 'currentProduct';",
});

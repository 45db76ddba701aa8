// The other five digit games in headless Chromium against the real core and their real plug-ins:
// for each, the game switch loads its panels from the seeded database; base numbers and two
// conditions filled the grid with the first page and counts the rows give; a search narrows it.
//   node digit_games.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const { runSession, check } = require("./harness.js");
const { everyRow, sum, span } = require("./digit_rows.js");
const { openMainPage, cancelLogin, requests, menuItem, sent } = require("./main_page_steps.js");

const ZODIAC = ["鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"];

const consecutive = (row) => row.some((d) => row.includes(d + 1));
const ascending = (row) => row.every((d, i) => i === 0 || row[i - 1] <= d);

// Each game: how to switch to it, what its panels show, one run (base numbers and two
// conditions, the play type), the rows it must give (as the grid shows them) and one search.
const GAMES = [
    {
        key: "Array5", name: "排列5", flag: "Tc", area: "1",
        balls: { baseNums: "0123456789" },
        base: { baseNums: ["1", "2", "5", "6"] },
        conditions: { heZhi: ["15", "16"], kuaDu: ["4", "5"] },
        rows: () => everyRow([1, 2, 5, 6], 5).filter((r) => [15, 16].includes(sum(r)) && [4, 5].includes(span(r))),
        primaryTotal: 1024,
        search: { label: "不连号", keep: (r) => !consecutive(r) },
    },
    {
        key: "Tc7Of10", name: "七星彩", flag: "Tc", area: "1",
        balls: { baseNums: "0123456789" },
        base: { baseNums: ["0", "1", "5", "9"] },
        conditions: { heZhi: ["27", "28"], kuaDu: ["9"] },
        rows: () => everyRow([0, 1, 5, 9], 7).filter((r) => [27, 28].includes(sum(r)) && span(r) === 9),
        primaryTotal: 16384,
        search: { label: "连号", keep: consecutive },
    },
    {
        key: "Fc6Of10", name: "东方6+1", flag: "Fc", area: "2101",
        balls: { baseNums_red: "0123456789", baseNums_blue: ZODIAC.join("") },
        base: { baseNums_red: ["2", "3", "4"], baseNums_blue: ["1", "12"] },
        conditions: { heZhi: ["18"], kuaDu: ["2"] },
        // Each six-digit survivor joined with the chosen signs in their order.
        rows: () => everyRow([2, 3, 4], 6).filter((r) => sum(r) === 18 && span(r) === 2)
            .flatMap((r) => [r.concat(1), r.concat(12)]),
        primaryTotal: 729 * 2,
        search: { label: "连号", keep: (r) => consecutive(r.slice(0, 6)) },
    },
    {
        key: "Fc4Of10", name: "四位数", flag: "Fc", area: "2202", castType: "zu12",
        castTypes: ["直选", "组24", "组12", "组6", "组4"],
        balls: { baseNums: "0123456789" },
        base: { baseNums: ["1", "2", "3", "4", "5"] },
        conditions: { heZhi: ["10", "11", "12"], kuaDu: ["3", "4"] },
        // A group of one pair and two singles, its digits ascending.
        rows: () => everyRow([1, 2, 3, 4, 5], 4).filter((r) => ascending(r) && new Set(r).size === 3 &&
            [10, 11, 12].includes(sum(r)) && [3, 4].includes(span(r))),
        primaryTotal: 30,
        search: { label: "转为直选", expand: true },
    },
    {
        key: "Quick3", name: "快3", flag: "Gp", area: "2102", castType: "zhiXuan", castTypes: ["直选", "组选"],
        balls: { baseNums: "123456" },
        base: { baseNums: ["1", "2", "3", "4", "5", "6"] },
        conditions: { heZhi: ["10"], kuaDu: ["2", "3"] },
        rows: () => everyRow([1, 2, 3, 4, 5, 6], 3).filter((r) => sum(r) === 10 && [2, 3].includes(span(r))),
        primaryTotal: 216,
        search: { label: "三不同号（有序）", keep: (r) => new Set(r).size === 3 },
    },
];

const text = (row, game) => (game.key === "Fc6Of10" ? row.slice(0, 6).join("") : row.join(""));

async function gridNumbers(page, game) {
    return page.evaluate((labelled) => Array.from(document.querySelectorAll("#eastRegion .datagrid-btable tr"),
        (row) => {
            const cell = (field) => (row.querySelector(`td[field='${field}']`) || {}).textContent || "";
            return labelled ? `${cell("redNumber")}${cell("blueNumber")}` : cell("number");
        }), game.key === "Fc6Of10");
}

function shown(rows, game) {
    return rows.map((row) => (game.key === "Fc6Of10" ? text(row, game) + ZODIAC[row[6] - 1] : text(row, game)));
}

async function waitForGrid(page, game, first, count) {
    await page.waitForFunction(([labelled, f, n]) => {
        const rows = Array.from(document.querySelectorAll("#eastRegion .datagrid-btable tr"));
        const field = labelled ? "redNumber" : "number";
        const cells = rows.map((row) => (row.querySelector(`td[field='${field}']`) || {}).textContent || "");
        return cells.length === n && cells[0] !== "" && f.startsWith(cells[0]);
    }, [game.key === "Fc6Of10", first, count]);
}

runSession("digit games e2e", 115000, async ({ host, page, calls, screenshot, status }) => {
    await openMainPage(page, host);
    for (const game of GAMES) {
        // The switch: the program keeps the choice and loads the page again with the game's panels.
        const toggles = (await requests(calls, "Toggle")).length;
        await page.evaluate((g) => window.qel.controller.menu.switchTo(g),
            { productName: game.key, productCnName: game.name, flag: game.flag, area: game.area });
        await sent(page, "Toggle", toggles + 1);
        check((await status()).mainPage === "main.html", "the program did not load the main page again", game.key);
        await openMainPage(page, host);
        await cancelLogin(page);
        const components = (await requests(calls, "GetComponentConfig")).pop();
        check(components.request.productName === game.key, "the page asked for another game's panels",
            components.request);
        for (const [name, balls] of Object.entries(game.balls)) {
            const seen = await page.evaluate((n) => Array.from(document.querySelectorAll(`#cond-${n} .ball`),
                (b) => b.textContent).join(""), name);
            check(seen === balls, `${game.key}: the ${name} balls differ`, seen);
        }
        if (game.castTypes) {
            const castTypes = await page.evaluate(() => Array.from(document.querySelectorAll("#cond-castType label"),
                (l) => l.textContent));
            check(JSON.stringify(castTypes) === JSON.stringify(game.castTypes), `${game.key}: the play types differ`,
                castTypes);
            await page.click(`#cond-castType input[value='${game.castType}']`);
        }

        // A run with base numbers and two conditions.
        for (const [name, values] of Object.entries({ ...game.base, ...game.conditions })) {
            for (const value of values) {
                await page.click(`#cond-${name} .choice[data-value='${value}']`);
            }
        }
        await page.click("#startFilter");
        const rows = game.rows();
        const firstPage = shown(rows, game).slice(0, 100);
        check(rows.length > 0, `${game.key}: the run keeps no row`);
        await waitForGrid(page, game, firstPage[0], firstPage.length);
        const run = (await requests(calls, "Filter")).pop();
        check(run.request.productName === game.key, "the run went to another game", run.request);
        const grid = await gridNumbers(page, game);
        check(JSON.stringify(grid) === JSON.stringify(firstPage), `${game.key}: the grid is not the run's first page`,
            { grid, expected: firstPage });
        const summary = await page.textContent("#resultSummary");
        for (const line of [`过滤前：${game.primaryTotal}注`, `过滤后：${rows.length}注`]) {
            check(summary.includes(line), `${game.key}: the summary lacks ${line}`, summary);
        }
        await screenshot(`digit-game-${game.key}.png`);

        // A search narrows the grid (or, for a group, writes out every ordering).
        await menuItem(page, "#resultSearch", game.search.label);
        const search = (await requests(calls, "SearchResult")).pop();
        const expected = game.search.expand
            ? rows.flatMap((r) => everyRow(r, 4).filter((o) => o.slice().sort().join("") === r.join("")))
                .map((r) => r.join("")).filter((r, i, all) => all.indexOf(r) === i)
            : shown(rows.filter(game.search.keep), game);
        check(search.reply.includes(`total:${expected.length}}`), `${game.key}: the search counts differ`,
            { reply: search.reply.slice(-40), expected: expected.length });
        check(expected.length > 0 && expected.length !== rows.length, `${game.key}: the search does not narrow`,
            expected.length);
        await waitForGrid(page, game, expected[0], Math.min(100, expected.length));
        if (!game.search.expand) {
            const narrowed = await gridNumbers(page, game);
            check(JSON.stringify(narrowed) === JSON.stringify(expected.slice(0, 100)),
                `${game.key}: the search shows other rows`, narrowed);
        }
    }
});

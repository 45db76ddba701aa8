// The main page of the lotto games with back numbers and of the seven-number game, in headless
// Chromium against the real core and their real plug-ins: the panels load with red and blue balls
// and the rotation matrix; a run with base numbers of both areas and two conditions fills the grid
// with the first page and the counts the games' definitions give; the rotation matrix shrinks the
// result; the results are saved in the format chosen.
//   node lotto_pages.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { runSession, check } = require("./harness.js");
const { openMainPage, cancelLogin, requests, expectMessage } = require("./main_page_steps.js");
const lotto = require("./lotto_steps.js");

const folder = fs.mkdtempSync(path.join(os.tmpdir(), "qel-e2e-lotto-"));
const savedFile = path.join(folder, "result.txt");

// Each game's run: its base numbers, two conditions, the rotation matrix, and what they give.
const GAMES = [
    {
        product: { productName: "Tc5Of35", productCnName: "大乐透", flag: "Tc", area: "1" },
        red: lotto.range(1, 10), blue: lotto.range(1, 4), k: 5, balls: 35, backBalls: 12,
        tabs: ["基本指标", "形态指标", "区间、二位、号码组", "更多指标", "后区指标"],
        conditions: { oddEvenRate: ["32"], maximumNum: ["9", "10"] },
        keeps: (row) => row.filter((n) => n % 2 === 1).length === 3 && row[4] >= 9,
        backs: lotto.combinations(lotto.range(1, 4), 2),
        matrix: { value: "_5bao4", label: "中5保4(分散)", y: 4 },
        format: { value: "format2", line: (front, back) => `${front.map(lotto.pad).join(",")}:${back.map(lotto.pad).join(",")}` },
    },
    {
        product: { productName: "Fc6Of33", productCnName: "双色球", flag: "Fc", area: "1" },
        red: lotto.range(1, 10), blue: [1, 2, 3], k: 6, balls: 33, backBalls: 16,
        tabs: ["基本指标", "形态指标", "区间、二位、号码组", "更多指标"],
        conditions: { oddEvenRate: ["33"], minimumNum: ["1", "2"] },
        keeps: (row) => row.filter((n) => n % 2 === 1).length === 3 && row[0] <= 2,
        backs: [[1], [2], [3]],
        matrix: { value: "_6bao5", label: "中6保5(分散)", y: 5 },
        format: { value: "format1", line: (front, back) => `${front.map(lotto.pad).join(" ")}:${lotto.pad(back[0])}` },
    },
    {
        product: { productName: "Fc7Of30", productCnName: "七乐彩", flag: "Fc", area: "1" },
        red: lotto.range(1, 12), k: 7, balls: 30,
        tabs: ["基本指标", "形态指标", "区间、二位、号码组", "更多指标"],
        conditions: { oddEvenRate: ["43"], kuaDu: ["10", "11"] },
        keeps: (row) => row.filter((n) => n % 2 === 1).length === 4 && row[6] - row[0] >= 10,
        matrix: { value: "_7bao6", label: "中7保6(分散)", y: 6 },
        format: { line: (front) => front.map(lotto.pad).join(",") },
    },
];

async function panels(page, game) {
    const base = game.blue ? "baseNums_red" : "baseNums";
    return page.evaluate(([red]) => ({
        red: Array.from(document.querySelectorAll(`#cond-${red} .ball`), (b) => b.textContent),
        blue: Array.from(document.querySelectorAll("#cond-baseNums_blue .ball"), (b) => b.textContent),
        blueBalls: document.querySelector("#cond-baseNums_blue.ballPanelBlue") !== null,
        tabs: Array.from(document.querySelectorAll("#conditionTabs .tabs-title"), (t) => t.textContent),
        matrix: Array.from(document.querySelectorAll("#filterSettings #cond-rotateMatrix label"), (l) => l.textContent),
        columns: Array.from(document.querySelectorAll("#eastRegion .datagrid-header td[field]"),
            (td) => td.getAttribute("field")),
    }), [base]);
}

async function runGame(session, game, first) {
    const { page, calls, screenshot } = session;
    const name = game.product.productName;
    // Panels: the pool's balls (blue for the back numbers), the game's tabs and reductions.
    const seen = await panels(page, game);
    check(seen.red.length === game.balls && seen.red[0] === "01" && seen.red[game.balls - 1] === String(game.balls),
        `${name}: the front balls differ`, seen.red);
    if (game.blue) {
        check(seen.blue.length === game.backBalls && seen.blueBalls, `${name}: the blue balls differ`, seen);
    } else {
        check(seen.blue.length === 0, `${name}: a game without back numbers shows blue balls`, seen);
    }
    check(JSON.stringify(seen.tabs) === JSON.stringify(game.tabs), `${name}: the tabs differ`, seen.tabs);
    check(seen.matrix[0] === "不使用" && seen.matrix.includes(game.matrix.label), `${name}: the reductions differ`,
        seen.matrix);

    // The run: base numbers of both areas and two conditions.
    const red = game.blue ? "baseNums_red" : "baseNums";
    await lotto.choose(page, red, game.red.map(lotto.pad));
    if (game.blue) {
        await lotto.choose(page, "baseNums_blue", game.blue.map(lotto.pad));
    }
    for (const [condition, values] of Object.entries(game.conditions)) {
        await lotto.choose(page, condition, values);
    }
    await page.click("#startFilter");
    const fronts = lotto.combinations(game.red, game.k).filter(game.keeps);
    const rows = lotto.joined(fronts, game.backs);
    await lotto.waitForGrid(page, rows[0], Math.min(100, rows.length));
    const run = (await requests(calls, "Filter")).pop().request;
    check(JSON.stringify(run.items.slice(0, 3).map((item) => item.name)) ===
        JSON.stringify(["dataSource", "castType", "maxWrong"]) && !run.items.some((i) => i.name === "rotateMatrix"),
    `${name}: the run's leading items differ`, run.items);
    const grid = await lotto.gridRows(page);
    check(JSON.stringify(grid) === JSON.stringify(rows.slice(0, 100)), `${name}: the first page differs`,
        { grid: grid.slice(0, 3), wanted: rows.slice(0, 3) });
    check(await lotto.pagerTotal(page) === rows.length, `${name}: the pager does not count ${rows.length}`);
    const candidates = lotto.combinations(game.red, game.k).length * (game.backs ? game.backs.length : 1);
    const summary = await page.textContent("#resultSummary");
    for (const line of [`过滤前：${candidates}注`, `最后结果：${rows.length}注`]) {
        check(summary.includes(line), `${name}: the summary lacks ${line}`, summary);
    }
    if (first) {
        await screenshot(`lotto-${name}-after-filter.png`);
    }

    // The rotation matrix keeps the rows that share fewer than y numbers with each kept before.
    await page.check(`#cond-rotateMatrix input[value='${game.matrix.value}']`);
    await page.click("#startFilter");
    const kept = lotto.joined(lotto.spread(fronts, game.matrix.y), game.backs);
    await lotto.waitForGrid(page, kept[0], Math.min(100, kept.length));
    check(await lotto.pagerTotal(page) === kept.length && kept.length < rows.length,
        `${name}: the reduction keeps other rows`, { kept: kept.length });
    const reduced = (await requests(calls, "Filter")).pop().request;
    check(reduced.items[3].name === "rotateMatrix" && reduced.items[3].chosenItem === game.matrix.value,
        `${name}: the reduction is not sent`, reduced.items);
    const reducedSummary = await page.textContent("#resultSummary");
    check(reducedSummary.includes(`旋转矩阵：${game.matrix.label}，${kept.length}注`),
        `${name}: the summary lacks the reduction`, reducedSummary);

    // Saving: the games with back numbers ask for the format first and keep the choice.
    await page.click("#resultSave");
    if (game.format.value) {
        await page.check(`#saveFormatWindow input[value='${game.format.value}']`);
        const format = (await requests(calls, "SaveConfig")).pop().request;
        check(JSON.stringify(format.rows) === JSON.stringify([{ lotFormat: game.format.value }]),
            `${name}: the format was not kept`, format);
        await page.click("#saveFormatWindow .my-window-buttons a:has-text('确定')");
    }
    const saved = (await requests(calls, "SaveResult")).pop();
    check(saved.request.lotFormat === (game.format.value || undefined), `${name}: the save request differs`,
        saved.request);
    await expectMessage(page, "保存成功！");
    const lines = fs.readFileSync(savedFile, "utf8").split("\r\n");
    const spreadFronts = lotto.spread(fronts, game.matrix.y);
    const wantedFirst = game.format.line(spreadFronts[0], game.backs ? game.backs[0] : undefined);
    check(lines.length === kept.length && lines[0] === wantedFirst, `${name}: the saved file differs`,
        { first: lines[0], wanted: wantedFirst, lines: lines.length });
    // Back to no reduction for the next game's page.
    await page.check("#cond-rotateMatrix input[value='']");
}

runSession("lotto pages e2e", 115000, async (session) => {
    const { page, host } = session;
    await openMainPage(page, host);
    await cancelLogin(page);
    for (const [at, game] of GAMES.entries()) {
        if (at > 0) {
            await lotto.switchGame(page, host, game.product);
        }
        await runGame(session, game, at === 0);
    }
}, {
    databaseSql: "UPDATE systeminfo SET parameterValue = 'Tc5Of35' WHERE parameterName = 'currentProduct';" +
        "UPDATE systeminfo SET parameterValue = 'Tc' WHERE parameterName = 'currentFlag';",
    hostArgs: ["--save-file", savedFile],
    cleanup: () => fs.rmSync(folder, { recursive: true, force: true }),
});

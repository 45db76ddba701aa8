// "条件预览" of every game the program delivers (the games of its game table whose plug-in is in
// the stage's Plugin folder), in headless Chromium against the real core: with a condition chosen
// (and, where the game offers one, a rotation matrix), the preview names the data source, the
// play type and the matrix by the texts the page shows for the chosen choices, has no play-type
// line for a game without play types, and holds no internal key (a word of Latin letters such
// as "zhiXuan" or "dataSourceNew").
//   node condition_preview.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const fs = require("node:fs");
const path = require("node:path");
const { runSession, check } = require("./harness.js");
const { openMainPage, cancelLogin } = require("./main_page_steps.js");
const { argument } = require("./standin.js");
const { switchToGame } = require("./trend_steps.js");

const STAGE = argument("stage");
const INTERNAL_KEY = /[A-Za-z]{3,}/;

// The text of the chosen choice of a single-choice row, as the page shows it; null when the game
// has no such row.
async function chosenLabel(page, name) {
    return page.evaluate((n) => {
        const input = document.querySelector(`.single-select input[name="single-${n}"]:checked`);
        return input ? input.parentElement.textContent : null;
    }, name);
}

async function previewRows(page) {
    await page.click("#conditionPreview");
    const rows = await page.evaluate(() => Array.from(document.querySelectorAll("#previewTable tr"),
        (row) => [row.cells[0].textContent, row.cells[1].textContent]));
    await page.click("#previewWindow .my-window-buttons a:has-text('关闭')");
    return rows;
}

runSession("condition preview e2e", 110000, async (session) => {
    const { page, host } = session;
    await openMainPage(page, host);
    await cancelLogin(page);
    const games = (await page.evaluate(() => window.gameTable)).filter((game) => game.delivered &&
        fs.existsSync(path.join(STAGE, "Plugin", `${game.plugin}.so`)));
    check(games.length >= 12, "fewer delivered games have their plug-in in the stage", games.map((g) => g.key));

    for (const game of games) {
        if (game.key !== (await page.evaluate(() => window.qel.controller.game))) {
            await switchToGame(session, STAGE, game.key);
        }
        // The last reduction the game offers, and the first value of the first condition shown.
        const matrix = await page.$$(".single-select input[name='single-rotateMatrix']");
        if (matrix.length) {
            await matrix[matrix.length - 1].check();
        }
        await page.click("#conditionTabs .tabs-panels .choice:visible >> nth=0");

        const rows = await previewRows(page);
        const value = (label) => (rows.find((row) => row[0] === label) || [null, null])[1];
        const castType = await chosenLabel(page, "castType");
        check(!rows.some((row) => INTERNAL_KEY.test(row.join(" "))), `${game.key}: the preview shows an internal key`,
            rows);
        check(value("过滤类型") === await chosenLabel(page, "dataSource"), `${game.key}: the data source line`, rows);
        check(value("投注方式") === castType, `${game.key}: the play-type line is not the chosen play type`,
            { rows, castType });
        if (matrix.length) {
            check(value("旋转矩阵") === await chosenLabel(page, "rotateMatrix"), `${game.key}: the matrix line`, rows);
        }
        check(rows.length > (castType ? 3 : 2) + (matrix.length ? 1 : 0) && value("条件") === null,
            `${game.key}: the chosen condition is not listed`, rows);
    }
});

// The summary after a run, in headless Chromium against the real core and its real plug-ins: the
// money saved counts the bets the cut-down rate counts, for a run of the seven-digit game within
// its 100,000 stored rows, one past them (every digit, no condition: ten million survivors) and a
// run of the seven-number lotto game reduced by a rotation matrix. Only the run past the cap says
// that its list, and the file saved from it, holds the first 100,000 rows alone.
//   node result_summary.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { runSession, check } = require("./harness.js");
const { everyRow, sum } = require("./digit_rows.js");
const { openMainPage, cancelLogin, requests, expectMessage, sent } = require("./main_page_steps.js");
const lotto = require("./lotto_steps.js");

const folder = fs.mkdtempSync(path.join(os.tmpdir(), "qel-e2e-summary-"));
const savedFile = path.join(folder, "result.txt");
const YUAN_PER_BET = 2;
const CAP = 100000;


// The summary's lines as label -> value, once the run's summary is shown.
async function summaryOf(page) {
    await sent(page, "Filter");
    await page.waitForFunction(() => {
        const summary = document.querySelector("#resultSummary");
        return summary && summary.offsetParent !== null && summary.textContent.includes("单倍投注节省");
    });
    return page.evaluate(() => Object.fromEntries(Array.from(document.querySelectorAll("#resultSummary tr"),
        (row) => [row.querySelector("th").textContent.replace(/：$/, ""), row.querySelector("td").textContent])));
}

// The counts the summary must tell: candidates, survivors, the bets of the result and the rows
// of the list; the savings and the rate both count the result's bets.
function expectSummary(name, lines, wanted) {
    const cut = wanted.candidates - wanted.result;
    const expected = {
        过滤前: `${wanted.candidates}注，${wanted.candidates * YUAN_PER_BET}元`,
        过滤后: `${wanted.survivors}注`,
        最后结果: `${wanted.result}注`,
        缩水率: `${(cut * 100 / wanted.candidates).toFixed(2)}%`,
        单倍投注节省: `${cut * YUAN_PER_BET}元`,
    };
    if (wanted.matrix) {
        expected.旋转矩阵 = `${wanted.matrix}，${wanted.rows}注`;
    }
    if (wanted.rows < wanted.result) {
        expected.结果列表 = `只保留并保存前${wanted.rows}注（共${wanted.result}注）`;
    }
    const same = Object.keys(lines).length === Object.keys(expected).length &&
        Object.entries(expected).every(([label, value]) => lines[label] === value);
    check(same, `${name}: the summary differs`, { shown: lines, expected });
}

async function chooseDigits(page, digits) {
    await lotto.choose(page, "baseNums", digits.map(String));
}

runSession("result summary e2e", 115000, async ({ host, page, calls, screenshot }) => {
    await openMainPage(page, host);
    await cancelLogin(page);

    // Within the cap: every survivor is in the list.
    const base = [0, 1, 5, 9];
    await chooseDigits(page, base);
    await lotto.choose(page, "heZhi", ["27", "28"]);
    await page.click("#startFilter");
    const survivors = everyRow(base, 7).filter((r) => [27, 28].includes(sum(r))).length;
    check(survivors > 0 && survivors < CAP, "the run within the cap is not one", survivors);
    expectSummary("within the cap", await summaryOf(page),
        { candidates: 4 ** 7, survivors, result: survivors, rows: survivors });

    // Past the cap: ten million survivors, of which the list and the saved file hold the first
    // 100,000; none is cut.
    await openMainPage(page, host);
    await cancelLogin(page);
    await chooseDigits(page, [0, 1, 2, 3, 4, 5, 6, 7, 8, 9]);
    await page.click("#startFilter");
    const all = 10 ** 7;
    expectSummary("past the cap", await summaryOf(page), { candidates: all, survivors: all, result: all, rows: CAP });
    const run = (await requests(calls, "Filter")).pop();
    check(run.reply.includes(`total:${CAP},`) && run.reply.includes(`countedTotal:${all}`),
        "the capped run's reply lacks its counts", run.reply.slice(-120));
    await screenshot("result-summary-capped.png");
    await page.click("#resultSave");
    await expectMessage(page, "保存成功！");
    const saved = fs.readFileSync(savedFile, "utf8").split("\r\n");
    const digits = (line) => line.replace(/\D/g, "");
    check(saved.length === CAP && digits(saved[0]) === "0000000" && digits(saved[CAP - 1]) === "0099999",
        "the saved file does not hold the first 100,000 rows", { lines: saved.length, last: saved[saved.length - 1] });

    // Reduced: the rate and the savings count the rows the rotation matrix keeps, and the list
    // holds all of them.
    await lotto.switchGame(page, host, { productName: "Fc7Of30", productCnName: "七乐彩", flag: "Fc", area: "1" });
    const red = lotto.range(1, 12);
    await lotto.choose(page, "baseNums", red.map(lotto.pad));
    await page.check("#cond-rotateMatrix input[value='_7bao6']");
    await page.click("#startFilter");
    const fronts = lotto.combinations(red, 7);
    const kept = lotto.spread(fronts, 6).length;
    check(kept > 0 && kept < fronts.length, "the reduction keeps every row", kept);
    expectSummary("reduced", await summaryOf(page),
        { candidates: fronts.length, survivors: fronts.length, result: kept, rows: kept, matrix: "中7保6(分散)" });
    await screenshot("result-summary-reduced.png");
}, {
    databaseSql: "UPDATE systeminfo SET parameterValue = 'Tc7Of10' WHERE parameterName = 'currentProduct';" +
        "UPDATE systeminfo SET parameterValue = 'Tc' WHERE parameterName = 'currentFlag';",
    hostArgs: ["--save-file", savedFile],
    cleanup: () => fs.rmSync(folder, { recursive: true, force: true }),
});

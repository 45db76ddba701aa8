// The pages against the real core and the stand-in data service: the main page shows the last
// draw in its lottery bar; "排除最近 … 期" installs past draws and the next run excludes them; the
// prize-check page checks a bet against a draw; the budget page prices one.
//   node data_service.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
//                            --standin <qel-data-standin>
"use strict";

const path = require("node:path");
const { openPopupPage } = require("./popup_page.js");
const { check } = require("./harness.js");
const { openMainPage, cancelLogin, requests } = require("./main_page_steps.js");
const { sampleDraws, argument, runStandinSession } = require("./standin.js");
const { parseReply } = require(path.join(__dirname, "..", "..", "pages", "js", "reply_parser.js"));

async function textOf(page, selector) {
    return page.evaluate((s) => (document.querySelector(s) || {}).textContent || "", selector);
}

const magic3 = sampleDraws("Magic3");
const fc6Of33 = sampleDraws("Fc6Of33");

runStandinSession("data service e2e", 110000, async (session, standin) => {
    const { host, page, calls, screenshot } = session;
    const openPopup = async (url) => (await openPopupPage(session, url, { width: 800, height: 700 })).page;
    await openMainPage(page, host);
    await cancelLogin(page);

    // The lottery bar: the newest sample draw.
    const newest = magic3[magic3.length - 1];
    const bar = await textOf(page, "#lastDraw");
    check(bar === `第${newest.qiHao}期开奖：${newest.lottery}`, "the lottery bar lacks the last draw", bar);

    // Rule-out: the ten newest draws, then a run of every straight row without them.
    await page.evaluate(() => {
        const control = document.querySelector("#cond-ruleOutOldData");
        control.querySelector(".rule-out-count").value = "10";
        control.querySelector(".rule-out-load").click();
    });
    await page.waitForFunction(() =>
        document.querySelector("#cond-ruleOutOldData .rule-out-status").textContent === "已从服务器加载历史数据！");
    const installed = (await requests(calls, "InstallOldDataForRuleOut")).pop();
    check(installed.request.rowNumber === 10 && installed.request.productName === "Magic3_Fc",
        "the rule-out request is not the page's", installed.request);
    await page.evaluate(() => {
        document.querySelector("#baseSelectAll").click();
        document.querySelector("#cond-ruleOutOldData .choice[data-value='0']").click();
        document.querySelector("#startFilter").click();
    });
    await page.waitForFunction(() => window.__qelCalls.some((c) => JSON.parse(c.request).method === "Filter"));
    const run = parseReply((await requests(calls, "Filter")).pop().reply);
    const ruledOut = new Set(magic3.slice(-10).map((d) => d.lottery.replace(/,/g, "")));
    check(Number(run.total) === 1000 - ruledOut.size, "the run did not exclude the installed draws", run.total);
    await page.waitForFunction(() => document.querySelectorAll("#eastRegion .datagrid-btable tr").length > 0);
    const shown = await page.evaluate(() => Array.from(
        document.querySelectorAll("#eastRegion .datagrid-btable td[field='number']"), (c) => c.textContent));
    check(shown.every((row) => !ruledOut.has(row.replace(/\D/g, ""))), "a ruled-out draw is shown", shown);
    await screenshot("data-service-main-page.png");

    // Prize check: a recent sample draw of the six-of-thirty-three game, bet as it was drawn.
    const checkPage = await openPopup(`${host.address}/base/html/pageForCheck.html`);
    const draw = fc6Of33[fc6Of33.length - 3];
    const numbers = draw.lottery.split(",");
    await checkPage.selectOption("#game", "Fc6Of33");
    await checkPage.selectOption("#qiHao", draw.qiHao);
    await checkPage.fill("#red", numbers.slice(0, 6).join(" "));
    await checkPage.fill("#blue", numbers[6]);
    await checkPage.click("#checkButton");
    await checkPage.waitForSelector("#levels table");
    const levels = await checkPage.evaluate(() => Array.from(document.querySelectorAll("#levels tr"))
        .slice(1).map((row) => Array.from(row.cells, (cell) => cell.textContent)));
    check(JSON.stringify(levels) === JSON.stringify([["一等奖", "1"], ["二等奖", "0"], ["三等奖", "0"],
        ["四等奖", "0"], ["五等奖", "0"], ["六等奖", "0"]]), "the check did not find the first prize", levels);
    check((await textOf(checkPage, "#message")) === `第${draw.qiHao}期，共1注`, "the check's message",
        await textOf(checkPage, "#message"));
    // A bet the page refuses never reaches the program.
    await checkPage.fill("#red", "01 01 02 03 04 05");
    await checkPage.click("#checkButton");
    check((await textOf(checkPage, "#message")) === "红球号码01重复了！", "a repeated number was accepted",
        await textOf(checkPage, "#message"));
    await checkPage.screenshot({ path: path.join(argument("artifacts"), "data-service-check-page.png") });

    // Budget: seven red numbers and one blue, five red and the blue assumed drawn: the draw
    // 01..05,100,08 makes H5 = 2 and H4 = 5, so two third prizes and five fourth prizes.
    const calcPage = await openPopup(`${host.address}/base/html/pageForCalc.html`);
    await calcPage.selectOption("#game", "Fc6Of33");
    await calcPage.fill("#red", "01,02,03,04,05,06,07");
    await calcPage.fill("#blue", "08");
    await calcPage.selectOption("#zhongRedNum", "5");
    await calcPage.selectOption("#zhongBlueNum", "1");
    await calcPage.click("#calcButton");
    await calcPage.waitForSelector("#levels table");
    const counts = await calcPage.evaluate(() => Array.from(document.querySelectorAll("#levels tr"))
        .slice(1).map((row) => row.cells[1].textContent));
    check(JSON.stringify(counts) === JSON.stringify(["0", "0", "2", "5", "0", "0"]), "the budget's counts", counts);
    check((await textOf(calcPage, "#message")) === "共7注，投注金额14元", "the budget's price",
        await textOf(calcPage, "#message"));
    await calcPage.screenshot({ path: path.join(argument("artifacts"), "data-service-calc-page.png") });
});

// The installation's pages that the main window opens, in headless Chromium against the real core:
// the plan button and the tutorial menu item, and the donation, user-group and sharing windows,
// reach real pages; the betting-plan page refuses bad inputs, makes a plan and saves it.
//   node installed_pages.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { runSession, check } = require("./harness.js");
const { openMainPage, cancelLogin, menuItem, sent } = require("./main_page_steps.js");
const { openPopupPage } = require("./popup_page.js");

// The page host's save dialog chooses this path; without an extension the program adds ".txt".
const folder = fs.mkdtempSync(path.join(os.tmpdir(), "qel-e2e-plan-"));
const saveChoice = path.join(folder, "plan");

// Each window: how the main page opens it, its page and size, and what the page shows first.
const WINDOWS = [
    { method: "showZhuiHaoPlanWin", page: "pageForPlan.html", size: [800, 700], title: "倍投计划" },
    { method: "showKnowledgeWin", page: "pageForKnowledge.html", size: [1250, 728], title: "缩水教程" },
    { method: "showDonarWin", page: "pageForDonar.html", size: [500, 400], title: "支持我们" },
    { method: "showQQWin", page: "pageForQQ.html", size: [500, 400], title: "用户交流群" },
    { method: "showShareWin", page: "pageForShare.html", size: [500, 400], title: "分享给好友" },
];

async function gridRows(page) {
    return page.evaluate(() => Array.from(document.querySelectorAll("#planRows tr"),
        (row) => Array.from(row.cells, (cell) => Number(cell.textContent))));
}

async function messageAfter(page, action) {
    await page.evaluate(() => { document.getElementById("planMessage").textContent = ""; });
    await action();
    await page.waitForFunction(() => document.getElementById("planMessage").textContent !== "");
    return page.textContent("#planMessage");
}

async function planPage(session, url) {
    const { page, calls, close } = await openPopupPage(session, url, { width: 800, height: 700 });
    const generated = async () => (await calls()).filter((c) => JSON.parse(c.request).method === "generatePlan");
    const fill = async (oneBonus, minBonus, qiShu) => {
        await page.fill("#oneBonus", oneBonus);
        await page.fill("#minBonus", minBonus);
        await page.fill("#qiShu", qiShu);
    };

    // The page checks its inputs before it asks the program.
    await fill("2", "10", "3");
    check((await messageAfter(page, () => page.click("#generatePlan"))) === "单注中奖金额须大于单注投注金额2元！",
        "a prize no larger than the stake was not refused");
    await fill("10", "10", "10001");
    check((await messageAfter(page, () => page.press("#qiShu", "Enter"))) === "计划追号期数须在1到10000期之间！",
        "too many draws were not refused");
    await fill("10", "ten", "3");
    check((await messageAfter(page, () => page.click("#generatePlan"))) === "最低盈利金额须为0或正整数！",
        "a text amount was not refused");
    check((await generated()).length === 0, "a refused input reached the program");

    // Draw 1: 1 × 8 < 10, so rate 2 (16 − 0 ≥ 10); draw 2 keeps 2 (16 − 4 = 12); draw 3 needs 3
    // (2 × 8 − 8 < 10, 3 × 8 − 8 = 16).
    await fill("10", "10", "3");
    await page.click("#generatePlan");
    await page.waitForFunction(() => document.querySelectorAll("#planRows tr").length === 3);
    const rows = await gridRows(page);
    check(JSON.stringify(rows) === JSON.stringify([[1, 2, 4, 4, 16], [2, 2, 4, 8, 12], [3, 3, 6, 14, 16]]),
        "the plan grid is not the plan", rows);
    check((await page.textContent("#planSummary")) === "计划追号期数：3期，有效期数：3期", "the summary is wrong",
        await page.textContent("#planSummary"));
    const sentRequest = JSON.parse((await generated())[0].request);
    check(sentRequest.oneBonus === 10 && sentRequest.minBonus === 10 && sentRequest.qiShu === 3,
        "the request does not carry the inputs as numbers", sentRequest);
    await page.screenshot({ path: path.join(session.artifacts, "plan-page-e2e.png") });

    // Saved once under the chosen name with ".txt"; then there is no plan left to save.
    check((await messageAfter(page, () => page.click("#savePlan"))) === "保存成功！", "the plan was not saved");
    const text = fs.readFileSync(`${saveChoice}.txt`, "utf8");
    const expected = new RegExp("^保存时间：\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\r\\n" +
        "单注中奖金额：10元;\\r\\n最低盈利金额：10元;\\r\\n计划追号期数：3期,有效期数：3期;\\r\\n" +
        "期号   本期需投倍数\\(倍\\)  本期需投金额\\(元\\)  截止本期累计投入\\(元\\)  盈利\\(元\\)\\r\\n" +
        "1  2  4  4  16\\r\\n2  2  4  8  12\\r\\n3  3  6  14  16\\r\\n$");
    check(expected.test(text), "the saved plan is not the plan's text", text);
    check((await messageAfter(page, () => page.click("#savePlan"))) === "没有计划可保存！",
        "a second save did not say that nothing is left to save");

    // A plan that ends early says so.
    await fill("3", "0", "30");
    await page.click("#generatePlan");
    await page.waitForFunction(() => document.querySelectorAll("#planRows tr").length === 12);
    check((await page.textContent("#planSummary")) === "计划追号期数：30期，有效期数：12期",
        "the early end is not in the summary", await page.textContent("#planSummary"));
    check((await page.textContent("#planMessage")).startsWith("第13期起"), "the early end is not explained");
    await close();
}

runSession("installed pages e2e", 90000, async (session) => {
    const { host, page, status } = session;
    await openMainPage(page, host);
    await cancelLogin(page);

    // The two buttons of the main window that open these pages, and the three window requests
    // that no button of the delivered main page sends.
    await page.click("#footerBar .footer-button[data-name='zhuiHaoPlan']");
    await sent(page, "showZhuiHaoPlanWin");
    await menuItem(page, "#menuOptions", "缩水教程");
    await sent(page, "showKnowledgeWin");
    for (const window of WINDOWS.slice(2)) {
        await page.evaluate((method) => callCpp({ method: method }), window.method);
    }
    const opened = (await status()).opened;
    for (const window of WINDOWS) {
        const url = `${host.address}/base/html/${window.page}`;
        const entry = opened.find((w) => w.url === url);
        check(entry && entry.modal && entry.width === window.size[0] && entry.height <= window.size[1],
            `${window.method} did not open its page`, opened);

        if (window.page === "pageForPlan.html") {
            await planPage(session, url);
            continue;
        }
        const popup = await openPopupPage(session, url, { width: window.size[0], height: window.size[1] });
        const shown = await popup.page.evaluate(() => ({
            bar: document.querySelector(".window-bar span").textContent,
            heading: document.querySelector(".window-body h2").textContent,
            close: new URL(document.getElementById("windowClose").src).pathname,
        }));
        check(shown.bar === window.title && shown.heading !== "" && shown.close.endsWith("/images/closeMainWin.png"),
            `${window.page} is not a real page`, shown);
        await popup.page.screenshot({ path: path.join(session.artifacts, `${window.page.replace(".html", "")}-e2e.png`) });
        await popup.page.click("#windowClose");
        check((await popup.calls()).some((c) => JSON.parse(c.request).method === "exit"),
            `${window.page}: the close image does not close the window`);
        await popup.close();
    }
}, { hostArgs: ["--save-file", saveChoice], cleanup: () => fs.rmSync(folder, { recursive: true, force: true }) });

// The main page's start with a stored login, on the third start of the program, with a newer
// version announced: no login window, the upgrade notice a second after the page is ready, and the
// information window asked for once.
//   node main_page_start.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const { runSession, check } = require("./harness.js");
const { openMainPage, sent } = require("./main_page_steps.js");

// The program counts its own start on top of these two.
const PREPARED = `
update systeminfo set parameterValue = '2' where parameterName = 'switchTimes';
update systeminfo set parameterValue = 'KVELMORA24:11111111119960723' where parameterName = 'phone';
update systeminfo set parameterValue = 'KVELMORAqx19960723' where parameterName = 'pswd';
update systeminfo set parameterValue = '9.9.9' where parameterName = 'maxProVersion';`;

runSession("main page start e2e", 60000, async ({ host, page, calls, status, screenshot }) => {
    await openMainPage(page, host);
    const early = (await calls()).map((call) => JSON.parse(call.request).method);
    check(!early.includes("showQelInfoWin"), "the information window was asked for before its second", early);
    check(await page.evaluate(() => document.querySelector("#loginWindow") === null),
        "the login window opened although a login is stored");

    await page.waitForSelector(".messager-window:visible >> text=发现新版本9.9.9，是否立即升级？");
    await sent(page, "showQelInfoWin");
    await screenshot("main-page-start-e2e.png");
    const asked = (await calls()).filter((call) => JSON.parse(call.request).method === "showQelInfoWin");
    check(asked.length === 1, "the information window was asked for more than once", asked.length);
    const opened = (await status()).opened.filter((w) => w.url.endsWith("/html/pageForPc/pageForAdviceForYou.html"));
    check(opened.length === 1 && !opened[0].modal, "the information window did not open once, modeless", opened);

    // The user takes the upgrade: the version check runs, and its failure is told.
    await page.click(".messager-window:visible .l-btn:has-text('确定')");
    await sent(page, "CheckNewClienVersion");
    await page.waitForSelector(".messager-body .message:has-text('服务器连接失败！')");

    // Footer buttons open the program's windows; the minimise button asks the window system.
    await page.click("#footerBar .footer-button[data-name='luckLottery']");
    await sent(page, "showLuckyWin");
    check((await status()).opened.some((w) => w.url.endsWith("lucky.html") && w.modal),
        "the lucky-number window did not open");
    await page.click("#footerBar .footer-button[data-name='autoDan']");
    await sent(page, "GetDanMa");
    await page.click(".system-minimize");
    await sent(page, "SystemEvent");
    check((await status()).minimized, "the minimise button did not minimise the window");
}, { databaseSql: PREPARED });

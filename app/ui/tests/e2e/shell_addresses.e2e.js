// The addresses the data service announces to the desktop's "open": the version check's download
// ("软件升级") and the video menu ("视频教程"). Whatever the stand-in is told to announce reaches
// the page and its OpenShell request, but only a web address reaches the desktop.
//   node shell_addresses.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
//                               --standin <qel-data-standin>
"use strict";

const { check, STEP_TIMEOUT_MS } = require("./harness.js");
const { openMainPage, cancelLogin, menuItem, requests } = require("./main_page_steps.js");
const { runStandinSession } = require("./standin.js");

const HOSTILE = ["file:///etc/passwd", "file:///tmp/evil.desktop", "javascript:alert(document.cookie)",
    "/usr/bin/xterm"];

async function announce(standin, what, address) {
    const query = `what=${what}&address=${encodeURIComponent(address)}`;
    const response = await fetch(`${standin.address}/standin/announce?${query}`,
        { method: "POST", body: "", signal: AbortSignal.timeout(STEP_TIMEOUT_MS) });
    check(response.ok, `the stand-in refused to announce ${address}`, response.status);
}

// The menu item, with the address announced: the page asks for the address and sends it to
// OpenShell; answers what the program handed to the desktop meanwhile.
async function openThroughMenu(session, standin, menu, what, address) {
    const { page, calls, status } = session;
    await announce(standin, what, address);
    const before = (await status()).openedTargets.length;
    const asked = (await requests(calls, "OpenShell")).length;
    await menuItem(page, "#menuOptions", menu);
    await page.waitForFunction((n) => window.__qelCalls.filter((c) => JSON.parse(c.request).method === "OpenShell")
        .length > n, asked);
    const sent = (await requests(calls, "OpenShell")).pop().request.toolName;
    check(sent === address, `${menu}: the page did not pass the announced address on`, sent);
    return (await status()).openedTargets.slice(before);
}

runStandinSession("shell addresses e2e", 110000, async (session, standin) => {
    await openMainPage(session.page, session.host);
    await cancelLogin(session.page);
    const newer = await fetch(`${standin.address}/standin/newest-version?version=9.1.0`,
        { method: "POST", body: "", signal: AbortSignal.timeout(STEP_TIMEOUT_MS) });
    check(newer.ok, "the stand-in refused the newest version", newer.status);

    for (const [menu, what] of [["软件升级", "download"], ["视频教程", "video"]]) {
        for (const address of HOSTILE) {
            const opened = await openThroughMenu(session, standin, menu, what, address);
            check(opened.length === 0, `${menu}: ${address} reached the desktop`, opened);
        }
        const web = `${standin.address}/${what}/varnel.html?from=menu`;
        const opened = await openThroughMenu(session, standin, menu, what, web);
        check(JSON.stringify(opened) === JSON.stringify([web]), `${menu}: the web address did not open`, opened);
    }
    await session.screenshot("shell-addresses-main-page.png");
});

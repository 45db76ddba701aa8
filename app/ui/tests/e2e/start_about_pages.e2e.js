// The start and about pages in headless Chromium: the start page goes straight on to the main page
// on a current engine, the about page shows the product, its version and the installation's
// pictures, and closes by its own request.
//   node start_about_pages.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const { runSession, check } = require("./harness.js");
const { POPUP_STANDIN } = require("./popup_standin.js");

async function methods(calls) {
    return (await calls()).map((call) => JSON.parse(call.request).method);
}

runSession("start and about pages e2e", 60000, async ({ host, page, calls, status, screenshot }) => {
    await page.goto(`${host.address}/res/start.html`, { waitUntil: "load" });
    await page.waitForFunction(() => window.__qelCalls.some((call) => call.request.includes("initAppNormally")));
    const started = await methods(calls);
    check(JSON.stringify(started) === JSON.stringify(["GetSystemConfig", "initAppNormally"]),
        "the start page asked for more than the configuration and the main page", started);
    check(!(await page.isVisible("#oldEngine")), "the start page shows the old-engine message on a current engine");
    check((await status()).mainPage === "main.html", "the program did not go on to the main page");

    await page.goto(`${host.address}/res/about.html`, { waitUntil: "load" });
    await page.waitForFunction(() => getComputedStyle(document.getElementById("aboutBody")).opacity === "1");
    const about = await page.evaluate(() => ({
        title: document.getElementById("aboutTitle").textContent,
        version: document.getElementById("aboutVersion").textContent,
        logo: document.getElementById("aboutLogo").naturalWidth,
        close: new URL(document.getElementById("aboutClose").src).pathname,
        menuSuppressed: !document.body.dispatchEvent(new MouseEvent("contextmenu", { bubbles: true, cancelable: true })),
    }));
    check(about.title === "关于Varnel" && about.version === "主程序版本：1.0.0", "the about page's texts differ", about);
    check(about.logo > 0, "the logo did not load", about);
    check(about.close === "/base/images/closeMainWin.png" && about.menuSuppressed, "the close picture or menu differ",
        about);
    await page.hover("#aboutClose");
    check((await page.getAttribute("#aboutClose", "src")).endsWith("/images/closeMainWin1.png"),
        "the close picture does not change under the mouse");
    await screenshot("about-page-e2e.png");
    await page.click("#aboutClose");
    await page.waitForFunction(() => window.__qelCalls.some((call) => call.request === "{\"method\":\"exit\"}"));
}, { initScripts: [POPUP_STANDIN] });

// The main page in headless Chromium against the real core: it reads the runtime configuration
// with "GetSystemConfig" before anything else, loads the page libraries from the configuration's
// base address in their order, and runs its script without an error.
//   node main_page.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const path = require("node:path");
const { runSession, check } = require("./harness.js");
const { parseReply } = require(path.join(__dirname, "..", "..", "pages", "js", "reply_parser.js"));

runSession("main page e2e", 75000, async ({ host, page, calls, screenshot }) => {
    await page.goto(`${host.address}/res/main.html`, { waitUntil: "load" });
    await page.waitForFunction(() => document.title === "bridge ok" || document.title === "bridge failed");
    await screenshot("main-page-e2e.png");
    check((await page.title()) === "bridge ok", "the main page was not answered through the bridge",
        await page.title());

    const recorded = await calls();
    check(recorded.length >= 2, "the page made fewer bridge calls than expected", recorded);
    const first = JSON.parse(recorded[0].request);
    check(first.method === "GetSystemConfig", "the first call is not GetSystemConfig", first);
    const configuration = parseReply(recorded[0].reply);
    check(configuration && typeof configuration === "object", "GetSystemConfig gave no configuration",
        recorded[0].reply);
    check(configuration.baseDir === `${host.address}/base`, "baseDir is not the host's base address",
        configuration.baseDir);
    check(typeof configuration.productName === "string" && configuration.productName !== "",
        "the configuration names no game", configuration);

    const baseConfig = await page.evaluate(() => window.baseConfig);
    check(JSON.stringify(baseConfig) === JSON.stringify(configuration),
        "baseConfig is not the configuration the program gave", baseConfig);

    const components = recorded.map((call) => JSON.parse(call.request))
        .find((request) => request.method === "GetComponentConfig");
    check(components && components.productName === configuration.productName,
        "the page did not ask for the game's component configuration", components);

    const libraries = await page.evaluate(() => ({
        jquery: window.jQuery ? window.jQuery.fn.jquery : null,
        easyui: Boolean(window.jQuery && window.jQuery.fn.layout && window.jQuery.fn.datagrid),
        loaded: performance.getEntriesByType("resource").map((entry) => new URL(entry.name).pathname),
    }));
    check(libraries.jquery === "1.11.0", "jQuery 1.11.0 is not loaded", libraries.jquery);
    check(libraries.easyui, "jQuery EasyUI is not loaded");
    const order = ["/base/js/lib/jquery-1.11.0.min.js", "/base/js/lib/json2.js",
        "/base/js/lib/jquery-easyui-1.5.21/js/jquery.easyui.min.js",
        "/base/js/lib/jquery-easyui-1.5.21/css/easyui.css", "/res/css/style.css", "/res/js/main_page.js"];
    for (const wanted of order) {
        check(libraries.loaded.includes(wanted), `the page did not load ${wanted}`, libraries.loaded);
    }
    const scripts = await page.evaluate(() =>
        Array.from(document.querySelectorAll("head script[src]"), (element) => new URL(element.src).pathname));
    const scriptOrder = order.filter((p) => p.endsWith(".js"));
    check(JSON.stringify(scripts.filter((p) => scriptOrder.includes(p))) === JSON.stringify(scriptOrder),
        "the scripts are not added in their load order", scripts);
});

// A page that runs in a pop-up window of the program: the test page host opens a pop-up of the
// core for it (POST /popup), and the page gets a browser context of its own with that pop-up's
// bridge script, so its requests reach the pop-up's table as they would in the program. Its
// problems are reported with the session's.
"use strict";

const { fetchText, watchProblems, RECORDER_SCRIPT, STEP_TIMEOUT_MS } = require("./harness.js");

async function openPopupPage(session, url, viewport) {
    const response = await fetch(`${session.host.address}/popup`, {
        method: "POST",
        signal: AbortSignal.timeout(STEP_TIMEOUT_MS),
    });
    const { id } = await response.json();
    if (!id) {
        throw new Error("the page host opened no pop-up");
    }
    const context = await session.page.context().browser().newContext({ viewport });
    context.setDefaultTimeout(STEP_TIMEOUT_MS);
    await context.addInitScript({ content: await fetchText(`${session.host.address}/bridge-script/${id}`) });
    await context.addInitScript({ content: RECORDER_SCRIPT });
    const page = await context.newPage();
    watchProblems(page, session.problems, "pop-up ");
    await page.goto(url, { waitUntil: "load" });
    return {
        page,
        calls: () => page.evaluate(() => window.__qelCalls || []),
        close: () => context.close(),
    };
}

module.exports = { openPopupPage };

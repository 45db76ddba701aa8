// What every e2e test of the pages needs: the test page host over a staged tree, headless
// Chromium with the bridge script installed in every page, the page's bridge calls and its
// console errors recorded, a screenshot kept, and a deadline after which everything stops.
"use strict";

const { execFileSync, spawn } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { chromium } = require("playwright-core");

const CHROMIUM = "/usr/bin/chromium";
const CHROMIUM_FLAGS = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--no-first-run",
];
// How much slower than the normal build this one runs (a sanitizer build's core); every
// deadline and step timeout stretches by it.
const SLOWDOWN = Math.max(1, Number(process.env.QEL_E2E_SLOWDOWN) || 1);
const STEP_TIMEOUT_MS = 30000 * SLOWDOWN;

// Reads "--name value" pairs.
function parseArguments(argv) {
    const options = {};
    for (let i = 0; i + 1 < argv.length; i += 2) {
        if (!argv[i].startsWith("--")) {
            throw new Error(`unexpected argument ${argv[i]}`);
        }
        options[argv[i].slice(2)] = argv[i + 1];
    }
    for (const needed of ["host", "stage", "artifacts"]) {
        if (!options[needed]) {
            throw new Error(`missing --${needed}`);
        }
    }
    return options;
}

// A copy of the stage's settings database for one session: the pages save settings, and a test
// must neither change the stage nor depend on what an earlier test saved. sql, when given, is
// run on the copy before the program opens it (a stored login, a start count).
function scratchDatabase(stage, sql) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "qel-e2e-"));
    const copy = path.join(folder, "sys.db");
    fs.copyFileSync(path.join(stage, "sys.db"), copy);
    if (sql) {
        execFileSync("sqlite3", [copy, sql]);
    }
    return { file: copy, remove: () => fs.rmSync(folder, { recursive: true, force: true }) };
}

// Starts qel-page-host on a free port and waits for the two lines it prints once it listens.
function startPageHost(hostBinary, stage, database, extraArgs) {
    const args = ["--base", stage, "--port", "0", "--sys-db", database].concat(extraArgs);
    // The core keeps the installation's identifier in its registry file: the session's own.
    const env = { ...process.env, XDG_CONFIG_HOME: path.join(path.dirname(database), "config") };
    return startServer(hostBinary, args, env, (output) => {
        const address = /listening on (http:\/\/127\.0\.0\.1:\d+)/.exec(output);
        const bridge = /main window bridge: \S+\/bridge\/(\d+)/.exec(output);
        return address && bridge ? { address: address[1], mainWindowId: Number(bridge[1]) } : null;
    });
}

// Starts a test server and waits until ready(output so far) finds what it printed once it
// listens; resolves with that and { process }.
function startServer(binary, args, env, ready) {
    const name = path.basename(binary);
    return new Promise((resolve, reject) => {
        const child = spawn(binary, args, { stdio: ["ignore", "pipe", "inherit"], env });
        let output = "";
        const timer = setTimeout(() => {
            child.kill("SIGKILL");
            reject(new Error(`${name} printed no address in time: ${output}`));
        }, STEP_TIMEOUT_MS);
        child.on("error", (error) => {
            clearTimeout(timer);
            reject(error);
        });
        child.on("exit", (code, signal) => {
            clearTimeout(timer);
            reject(new Error(`${name} ended early (${code ?? signal}): ${output}`));
        });
        child.stdout.setEncoding("utf8");
        child.stdout.on("data", (chunk) => {
            output += chunk;
            const found = ready(output);
            if (found) {
                clearTimeout(timer);
                child.removeAllListeners("exit");
                resolve({ process: child, ...found });
            }
        });
    });
}

// Wraps window.external.execute (installed by the bridge script just before) so the test can
// see every request text and reply text of the page.
const RECORDER_SCRIPT = `(() => {
    const calls = [];
    const send = window.external && window.external.execute;
    if (typeof send !== "function") { return; }
    Object.defineProperty(window, "__qelCalls", { value: calls });
    window.external.execute = function (text) {
        const reply = send(text);
        calls.push({ request: String(text), reply: reply });
        return reply;
    };
})();`;

// Records what goes wrong in the page (console errors, script errors, failed and refused loads)
// in problems, each text starting with prefix.
function watchProblems(page, problems, prefix) {
    page.on("console", (message) => {
        if (message.type() === "error") {
            problems.push(`${prefix}console error: ${message.text()}`);
        }
    });
    page.on("pageerror", (error) => problems.push(`${prefix}page error: ${error.message}`));
    page.on("requestfailed", (request) => {
        const reason = request.failure() ? request.failure().errorText : "";
        // A load the page itself gave up, as a game switch reloading the main page does with the
        // pictures still on their way (under a slow sanitizer build, often), is no fault.
        if (reason !== "net::ERR_ABORTED") {
            problems.push(`${prefix}request failed: ${request.url()} ${reason}`);
        }
    });
    page.on("response", (response) => {
        if (response.status() >= 400) {
            problems.push(`${prefix}HTTP ${response.status()}: ${response.url()}`);
        }
    });
}

async function fetchText(url) {
    const response = await fetch(url, { signal: AbortSignal.timeout(STEP_TIMEOUT_MS) });
    if (!response.ok) {
        throw new Error(`GET ${url}: ${response.status}`);
    }
    return response.text();
}

// Runs body(session) with the host and browser up, then always takes both down. The deadline
// ends the process whatever hangs. setup: { initScripts: run after the bridge script and before
// the recorder, so the recorder also sees the calls they answer themselves; databaseSql: prepares
// the session's settings database; hostArgs: more arguments of the page host (the files its
// dialogs choose); cleanup: called at the end whatever happened }.
async function runSession(name, deadlineMs, body, setup = {}) {
    const extraInitScripts = setup.initScripts || [];
    const options = parseArguments(process.argv.slice(2));
    const deadline = setTimeout(() => {
        console.error(`${name}: deadline of ${deadlineMs * SLOWDOWN} ms passed`);
        process.exit(1);
    }, deadlineMs * SLOWDOWN);
    deadline.unref();

    let host;
    let browser;
    let session;
    let failed = false;
    const database = scratchDatabase(options.stage, setup.databaseSql);
    try {
        host = await startPageHost(options.host, options.stage, database.file, setup.hostArgs || []);
        browser = await chromium.launch({
            executablePath: CHROMIUM,
            headless: true,
            args: CHROMIUM_FLAGS,
            timeout: STEP_TIMEOUT_MS,
        });
        const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
        context.setDefaultTimeout(STEP_TIMEOUT_MS);
        const bridgeScript = await fetchText(`${host.address}/bridge-script/${host.mainWindowId}`);
        await context.addInitScript({ content: bridgeScript });
        for (const script of extraInitScripts) {
            await context.addInitScript({ content: script });
        }
        await context.addInitScript({ content: RECORDER_SCRIPT });

        const page = await context.newPage();
        const problems = [];
        watchProblems(page, problems, "");

        fs.mkdirSync(options.artifacts, { recursive: true });
        session = {
            host,
            status: async () => JSON.parse(await fetchText(`${host.address}/status`)),
            page,
            problems,
            calls: () => page.evaluate(() => window.__qelCalls || []),
            screenshot: (file) => page.screenshot({ path: path.join(options.artifacts, file), fullPage: true }),
            artifacts: options.artifacts,
        };
        await body(session);
        if (problems.length > 0) {
            throw new Error(`the page reported problems:\n  ${problems.join("\n  ")}`);
        }
        console.log(`${name}: passed`);
    } catch (error) {
        failed = true;
        console.error(`${name}: FAILED: ${error && error.stack ? error.stack : error}`);
        if (session) {
            // What the page showed when it failed, and what it asked last.
            await session.screenshot(`${name.replace(/\W+/g, "-")}-failure.png`).catch(() => {});
            const calls = await session.calls().catch(() => []);
            console.error(`last bridge calls:\n  ${calls.slice(-3).map((c) => c.request).join("\n  ")}`);
        }
    } finally {
        if (browser) {
            await browser.close().catch(() => {});
        }
        if (host) {
            host.process.kill("SIGTERM");
        }
        database.remove();
        if (setup.cleanup) {
            setup.cleanup();
        }
        clearTimeout(deadline);
    }
    process.exit(failed ? 1 : 0);
}

// A failed expectation with what was seen.
function check(condition, message, seen) {
    if (!condition) {
        throw new Error(seen === undefined ? message : `${message} (seen: ${JSON.stringify(seen)})`);
    }
}

module.exports = { runSession, check, startServer, fetchText, watchProblems, RECORDER_SCRIPT, STEP_TIMEOUT_MS };

// Steps the trend window's e2e tests share: switching the main page to a game, opening the trend
// page in a pop-up of the core, reading the tabs, the grid's draw rows (with their marks) and its
// summary rows as the page shows them, and working out the summary rows a chart should have.
"use strict";

const { execFileSync } = require("node:child_process");
const path = require("node:path");
const { openMainPage, cancelLogin, requests, sent } = require("./main_page_steps.js");
const { openPopupPage } = require("./popup_page.js");

const TREND_PAGE = "/html/pageForPc/pageForTrend3_2.html";
const SUMMARY_NAMES = (n) => ["理论出现概率（%）", `${n}期理论出现（期）`, `${n}期实际出现（期）`, `${n}期最大连出（期）`,
    "理论遗漏（期）", `${n}期当前遗漏（期）`];

// The rows of a query of the stage's settings database; each "?" takes the next value, quoted.
function settingsQuery(stage, sql, ...values) {
    const text = execFileSync("sqlite3", ["-json", path.join(stage, "sys.db"),
        sql.replace(/\?/g, () => `'${String(values.shift()).replace(/'/g, "''")}'`)], { encoding: "utf8" });
    return text.trim() ? JSON.parse(text) : [];
}

// Switches the main page to the game of that key as its menu does, and loads the page again
// (without a login); answers the game's product row.
async function switchToGame(session, stage, key) {
    const { host, page } = session;
    const [product] = settingsQuery(stage,
        "select productName, productCnName, flag, area from products where productName = ?", key);
    if (!product) {
        throw new Error(`${key} has no product row`);
    }
    const toggles = (await requests(session.calls, "Toggle")).length;
    await page.evaluate((p) => window.qel.controller.menu.switchTo(p), product);
    await sent(page, "Toggle", toggles + 1);
    await openMainPage(page, host);
    await cancelLogin(page);
    return product;
}

// "%.1f" as the program writes it: halves away from zero on the value's shortest decimal form.
function oneDecimal(value) {
    const tenths = Number((Math.abs(value) * 10).toPrecision(12));
    return (Math.sign(value) * Math.round(tenths) / 10).toFixed(1);
}

// The six summary rows of a chart over the draws, column by column: hits(draw) is the column
// a draw marks; rates are the columns' chances in per cent as the game gives them.
function summaryOf(draws, columns, hits, rates) {
    const n = draws.length;
    const rows = SUMMARY_NAMES(n).map(() => ({}));
    columns.forEach((column, i) => {
        const hit = draws.map((d) => hits(d) === i);
        let run = 0;
        let longest = 0;
        hit.forEach((h) => {
            run = h ? run + 1 : 0;
            longest = Math.max(longest, run);
        });
        const last = hit.lastIndexOf(true);
        const p = Number(rates[i]);
        rows[0][column] = rates[i];
        rows[1][column] = oneDecimal(p * n / 100);
        rows[2][column] = String(hit.filter(Boolean).length);
        rows[3][column] = String(longest);
        rows[4][column] = p !== 0 && 100 / p < 1000 ? oneDecimal(100 / p - 1) : "∞";
        rows[5][column] = String(last < 0 ? n : n - 1 - last);
    });
    return rows;
}

// The trend page in a pop-up of the size the main window gives it; resolves once it has
// finished starting (it shows a table or says why not).
async function openTrendPage(session, url) {
    const trend = await openPopupPage(session, url, { width: 1366, height: 728 });
    await trend.page.waitForFunction(() => document.getElementById("trendMessage").textContent !== "");
    return trend;
}

async function tabLabels(page) {
    return page.evaluate(() => Array.from(document.querySelectorAll("#trendTabs .tabs-title"), (t) => t.textContent));
}

async function message(page) {
    return page.textContent("#trendMessage");
}

// Clicks a button of the page and waits for its message to change.
async function clickAndWait(page, selector) {
    await page.evaluate(() => { document.getElementById("trendMessage").textContent = ""; });
    await page.click(selector);
    await page.waitForFunction(() => document.getElementById("trendMessage").textContent !== "");
    return message(page);
}

async function selectTab(page, label) {
    await page.evaluate(() => { document.getElementById("trendMessage").textContent = ""; });
    await page.click(`#trendTabs .tabs-title:text-is("${label}")`);
    await page.waitForFunction(() => document.getElementById("trendMessage").textContent !== "");
}

// The rows of the grid's body (kind "body") or footer ("footer"), the still and the scrolling
// part joined: each row maps a field to { text, colspan, marks: [{ text, block, picture }] }.
async function gridRows(page, kind = "body") {
    return page.evaluate((k) => {
        const rows = [];
        const selector = k === "body" ? ".datagrid-body tr.datagrid-row" : ".datagrid-footer tr.datagrid-row";
        document.querySelectorAll(`#trendGridArea ${selector}`).forEach((tr) => {
            const index = Number(tr.getAttribute("datagrid-row-index"));
            const row = rows[index] = rows[index] || {};
            tr.querySelectorAll("td[field]").forEach((td) => {
                if (td.style.display === "none") {
                    return;
                }
                row[td.getAttribute("field")] = {
                    text: td.textContent,
                    colspan: Number(td.getAttribute("colspan") || 1),
                    marks: Array.from(td.querySelectorAll(".trend-mark"), (m) => ({
                        text: m.textContent,
                        block: m.getAttribute("data-block"),
                        picture: m.style.backgroundImage,
                    })),
                };
            });
        });
        return rows;
    }, kind);
}

// The lines drawn through the charts' marks, per series.
async function lineCounts(page) {
    return page.evaluate(() => {
        const counts = {};
        document.querySelectorAll("#trendGridArea svg.trend-lines line").forEach((line) => {
            const series = line.getAttribute("data-series");
            counts[series] = (counts[series] || 0) + 1;
        });
        return counts;
    });
}

module.exports = { TREND_PAGE, SUMMARY_NAMES, settingsQuery, switchToGame, oneDecimal, summaryOf, openTrendPage,
    tabLabels, message, clickAndWait, selectTab, gridRows, lineCounts };

// Steps the trend window's e2e tests share: opening its page in a pop-up of the core, and reading
// the tabs, the grid's draw rows (with their marks) and its summary rows as the page shows them.
"use strict";

const { openPopupPage } = require("./popup_page.js");

const TREND_PAGE = "/html/pageForPc/pageForTrend3_2.html";
const SUMMARY_NAMES = (n) => ["理论出现概率（%）", `${n}期理论出现（期）`, `${n}期实际出现（期）`, `${n}期最大连出（期）`,
    "理论遗漏（期）", `${n}期当前遗漏（期）`];

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

module.exports = { TREND_PAGE, SUMMARY_NAMES, openTrendPage, tabLabels, message, clickAndWait, selectTab, gridRows,
    lineCounts };

// What the lotto games' e2e tests share: the games' bets worked out from their definitions (every
// combination, the spread reduction), switching the page to a game and reading its grid.
"use strict";

const { openMainPage, cancelLogin, sent } = require("./main_page_steps.js");

const pad = (n) => String(n).padStart(2, "0");

// Every ascending k of the numbers, in lexicographic order.
function combinations(numbers, k) {
    const all = [];
    const pick = (from, chosen) => {
        if (chosen.length === k) {
            all.push(chosen.slice());
            return;
        }
        for (let i = from; i <= numbers.length - (k - chosen.length); i += 1) {
            chosen.push(numbers[i]);
            pick(i + 1, chosen);
            chosen.pop();
        }
    };
    pick(0, []);
    return all;
}

function range(from, to) {
    return Array.from({ length: to - from + 1 }, (_, i) => from + i);
}

// The spread reduction: each row that shares fewer than y numbers with every row kept before it.
function spread(rows, y) {
    const kept = [];
    for (const row of rows) {
        if (kept.every((other) => other.filter((n) => row.includes(n)).length < y)) {
            kept.push(row);
        }
    }
    return kept;
}

// A row as the grid shows it: the balls' numbers run together, the back ones after a "+".
function shown(front, back) {
    return front.map(pad).join("") + (back && back.length ? "+" + back.map(pad).join("") : "");
}

// Every front row with every back part, front-major, as the grid shows them.
function joined(fronts, backs) {
    return fronts.flatMap((front) => (backs ? backs.map((back) => shown(front, back)) : [shown(front)]));
}

// The rows of the grid's page: the numbers, the back numbers after a "+".
async function gridRows(page) {
    return page.evaluate(() => Array.from(document.querySelectorAll("#eastRegion .datagrid-btable tr"), (row) => {
        const cell = (field) => {
            const td = row.querySelector(`td[field='${field}']`);
            return td ? td.textContent : "";
        };
        return cell("number") || `${cell("redNumber")}+${cell("blueNumber")}`;
    }));
}

async function waitForGrid(page, first, count) {
    await page.waitForFunction(([wanted, n]) => {
        const rows = document.querySelectorAll("#eastRegion .datagrid-btable tr");
        if (rows.length !== n) {
            return false;
        }
        const cell = rows[0].querySelector("td[field='number']") || rows[0].querySelector("td[field='redNumber']");
        return cell !== null && wanted.startsWith(cell.textContent);
    }, [first, count]);
}

async function pagerTotal(page) {
    return page.evaluate(() => window.jQuery("#resultGrid").datagrid("getPager").pagination("options").total);
}

// Switches the page to the game as the game menu does, and waits for its page.
async function switchGame(page, host, product) {
    await page.evaluate((p) => window.qel.controller.menu.switchTo(p), product);
    await sent(page, "Toggle");
    await openMainPage(page, host);
    await cancelLogin(page);
}

// Clicks the choices of a condition by their values, on its tab of conditions.
async function choose(page, condition, values) {
    const tab = await page.evaluate((name) => {
        const where = document.querySelector(`#cond-${name}`).closest(".condition-page");
        const tabs = window.gameRules.conditionTabs(window.qel.controller.game);
        const found = where ? tabs.find((t) => t.flag === where.id) : null;
        return found ? found.title : null;
    }, condition);
    if (tab) {
        await page.click(`#conditionTabs .tabs-title >> text="${tab}"`);
    }
    for (const value of values) {
        await page.click(`#cond-${condition} .choice[data-value='${value}']`);
    }
}

module.exports = { pad, combinations, range, spread, shown, joined, gridRows, waitForGrid, pagerTotal, switchGame,
    choose };

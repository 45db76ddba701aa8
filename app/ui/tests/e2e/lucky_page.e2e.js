// The lucky-number page in headless Chromium: its buttons below the window's title strip, bets
// of the right form for a digit game and a lotto game, shown as balls, and saved as one line per
// bet.
//   node lucky_page.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const { runSession, check } = require("./harness.js");
const { POPUP_STANDIN } = require("./popup_standin.js");

async function betsOf(page, expectedCount) {
    await page.waitForFunction((n) => document.querySelectorAll(".lucky-bet[data-complete]").length === n,
        expectedCount);
    return page.evaluate(() => Array.from(document.querySelectorAll(".lucky-bet"), (row) => ({
        red: Array.from(row.querySelectorAll(".lucky-ball.red"), (b) => b.textContent),
        blue: Array.from(row.querySelectorAll(".lucky-ball.blue"), (b) => b.textContent),
    })));
}

async function savedText(page, calls) {
    await page.click("#save");
    await page.waitForFunction(() => document.getElementById("saveMessage").textContent !== "");
    const saves = (await calls()).map((c) => JSON.parse(c.request)).filter((r) => r.method === "SaveLuckyNum");
    return saves[saves.length - 1];
}

function checkDistinctSorted(values, top, what) {
    check(values.every((v) => /^\d\d$/.test(v) && Number(v) >= 1 && Number(v) <= top), `${what} out of range`, values);
    check(new Set(values).size === values.length, `${what} repeat`, values);
    check(JSON.stringify([...values].sort()) === JSON.stringify(values), `${what} not ascending`, values);
}

runSession("lucky page e2e", 75000, async ({ host, page, calls, screenshot }) => {
    // A digit game: three digits, repeats allowed, saved without separators.
    await page.goto(`${host.address}/res/lucky.html?game=Magic3`, { waitUntil: "load" });

    // The window drags by its top 36 pixels and closes by a press 6 to 30 pixels from the right
    // there: the buttons lie below that strip, the close picture on that box.
    const layout = await page.evaluate(() => {
        const box = (id) => document.getElementById(id).getBoundingClientRect();
        const close = box("luckyClose");
        return {
            buttonsBelow: ["luckyOne", "luckyFive", "save", "close"].every((id) => box(id).top >= 36),
            closeBox: close.top >= 0 && close.bottom <= 36 && innerWidth - close.right >= 6 && innerWidth - close.left <= 30,
        };
    });
    check(layout.buttonsBelow && layout.closeBox, "the buttons or the close box are not where the window takes them", layout);
    await page.click("#luckyOne");
    const first = await betsOf(page, 1);
    await page.click("#luckyOne");
    const second = await betsOf(page, 1);
    for (const bet of [first[0], second[0]]) {
        check(bet.red.length === 3 && bet.red.every((v) => /^[0-9]$/.test(v)) && bet.blue.length === 0,
            "a Magic3 bet is not three digits", bet);
    }
    let save = await savedText(page, calls);
    check(save.productName === "Magic3", "the save names another game", save);
    check(save.luckyNum === `${first[0].red.join("")}\r\n${second[0].red.join("")}\r\n`,
        "the Magic3 save is not one line per bet", save);

    // A lotto game: five fronts from 01 to 35 and two backs from 01 to 12, each area distinct and sorted.
    await page.goto(`${host.address}/res/lucky.html?game=Tc5Of35`, { waitUntil: "load" });
    await page.click("#luckyFive");
    const five = await betsOf(page, 5);
    for (const bet of five) {
        check(bet.red.length === 5 && bet.blue.length === 2, "a Tc5Of35 bet has the wrong size", bet);
        checkDistinctSorted(bet.red, 35, "Tc5Of35 front numbers");
        checkDistinctSorted(bet.blue, 12, "Tc5Of35 back numbers");
    }
    await screenshot("lucky-page-e2e.png");
    save = await savedText(page, calls);
    const expected = five.map((bet) => bet.red.concat(bet.blue).join(",") + "\r\n").join("");
    check(save.luckyNum === expected, "the Tc5Of35 save is not one line per bet", save);
    check((await page.textContent("#saveMessage")) === "保存成功！", "the reply's message is not shown");
}, { initScripts: [POPUP_STANDIN] });

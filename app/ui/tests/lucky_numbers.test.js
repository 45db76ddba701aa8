// Unit tests of the lucky-number page's bets (node --test).
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

// The program's game table, as the build writes it for the pages.
global.gameTable = require(process.env.QEL_GAME_TABLE_JS);

const lucky = require(path.join(__dirname, "..", "pages", "js", "lucky_numbers.js"));

// A random source that walks through fixed fractions, so a bet can be worked out by hand.
function sequence(...fractions) {
    let i = 0;
    return () => fractions[i++ % fractions.length];
}

test("game parameters follow the game key", () => {
    const cases = [
        ["Magic3", 10, 3, 0, true],
        ["Quick3", 6, 3, 0, true],
        ["Array5", 10, 5, 0, true],
        ["Fc4Of10", 10, 4, 0, true],
        ["Tc7Of10", 10, 7, 0, true],
        ["Fc6Of10", 10, 6, 1, true],
        ["L5Of11", 11, 5, 0, false],
        ["Fc6Of33", 33, 6, 1, false],
        ["Tc5Of35", 35, 5, 2, false],
        ["Fc7Of30", 30, 7, 0, false],
    ];
    for (const [game, frontPool, frontCount, backCount, digit] of cases) {
        const p = lucky.parameters(game);
        assert.deepStrictEqual([p.frontPool, p.frontCount, p.backCount, p.digit],
            [frontPool, frontCount, backCount, digit], game);
    }
    assert.equal(lucky.parameters("Tc5Of35").backPool, 12);
    assert.equal(lucky.parameters("Fc6Of10").backPool, 12);
    assert.equal(lucky.parameters("Fc6Of33").backPool, 16);
});

test("a digit bet draws each position on its own, repeats allowed", () => {
    assert.deepStrictEqual(lucky.drawBet("Magic3", sequence(0.55, 0.55, 0.0)), { front: ["5", "5", "0"], back: [] });
    assert.deepStrictEqual(lucky.drawBet("Quick3", sequence(0.0, 0.999, 0.5)), { front: ["1", "6", "4"], back: [] });
    assert.deepStrictEqual(lucky.drawBet("Fc6Of10", sequence(0.1)),
        { front: ["1", "1", "1", "1", "1", "1"], back: ["2"] });
});

test("a lotto bet has distinct sorted two-digit numbers in both areas", () => {
    for (let round = 0; round < 200; round += 1) {
        const bet = lucky.drawBet("Tc5Of35");
        assert.equal(bet.front.length, 5);
        assert.equal(bet.back.length, 2);
        for (const [area, top] of [[bet.front, 35], [bet.back, 12]]) {
            assert.ok(area.every((v) => /^\d\d$/.test(v) && Number(v) >= 1 && Number(v) <= top), area.join());
            assert.equal(new Set(area).size, area.length);
            assert.deepStrictEqual([...area].sort(), area);
        }
    }
});

test("a lotto bet with the first numbers drawn each time is 01 02 03 ...", () => {
    assert.deepStrictEqual(lucky.drawBet("Fc6Of33", sequence(0)),
        { front: ["01", "02", "03", "04", "05", "06"], back: ["01"] });
});

test("the saved text has one line per bet", () => {
    const magic = [{ front: ["1", "1", "9"], back: [] }, { front: ["0", "2", "3"], back: [] }];
    assert.equal(lucky.saveText("Magic3", magic), "119\r\n023\r\n");
    const lotto = [{ front: ["01", "02", "03", "04", "05"], back: ["06", "07"] }];
    assert.equal(lucky.saveText("Tc5Of35", lotto), "01,02,03,04,05,06,07\r\n");
    assert.equal(lucky.saveText("Fc6Of10", [{ front: ["1", "2", "3", "4", "5", "6"], back: ["12"] }]),
        "1,2,3,4,5,6,12\r\n");
    // The seven-digit game's save chooses its separator; the page joins its digits by ",".
    assert.equal(lucky.saveText("Tc7Of10", [{ front: ["1", "2", "3", "4", "5", "6", "7"], back: [] }]),
        "1,2,3,4,5,6,7\r\n");
    assert.equal(lucky.saveText("Quick3", [{ front: ["1", "2", "6"], back: [] }]), "126\r\n");
    assert.equal(lucky.saveText("Magic3", []), "");
});

test("the back ball of Fc6Of10 shows its zodiac sign", () => {
    assert.equal(lucky.backLabel("Fc6Of10", "1"), "鼠");
    assert.equal(lucky.backLabel("Fc6Of10", "12"), "猪");
    assert.equal(lucky.backLabel("Tc5Of35", "07"), "07");
});

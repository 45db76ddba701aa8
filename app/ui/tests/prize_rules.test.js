// The prize pages' checks before they ask the program: bets and assumed hits.
"use strict";

const test = require("node:test");
const assert = require("node:assert");
const path = require("node:path");
const prizeRules = require(path.join(__dirname, "..", "stage", "js", "prize_rules.js"));

const fc6 = prizeRules.gameOf("Fc6Of33");
const tc5 = prizeRules.gameOf("Tc5Of35_Tc");
const fc7 = prizeRules.gameOf("Fc7Of30");

test("bets are written as the program reads them and counted", () => {
    const bet = prizeRules.readBet(fc6, "7 1,33，12 5 2 9", "16");
    assert.deepStrictEqual([bet.redStr, bet.blueStr, bet.bets], ["01,02,05,07,09,12,33", "16", 7]);
    assert.strictEqual(prizeRules.readBet(tc5, "1,2,3,4,5,6", "1,2,3").bets, 6 * 3);
    assert.strictEqual(prizeRules.readBet(fc7, "1,2,3,4,5,6,7,8", "").bets, 8);
});

test("bets the program would refuse are refused with the reason", () => {
    const cases = [
        [fc6, "1,2,3,4,5", "1", "红球至少选6个号码！"],
        [fc6, "1,2,3,4,5,34", "1", "红球只能是1到33之间的号码！"],
        [fc6, "1,2,3,4,5,0", "1", "红球只能是1到33之间的号码！"],
        [fc6, "1,2,3,4,5,5", "1", "红球号码05重复了！"],
        [fc6, "1,2,3,4,5,6", "", "蓝球至少选1个号码！"],
        [fc6, "1,2,3,4,5,6", "17", "蓝球只能是1到16之间的号码！"],
        [tc5, "1,2,3,4,5", "3", "后区至少选2个号码！"],
        [fc6, "1,2,3,4,5,6a", "1", "红球只能是1到33之间的号码！"],
    ];
    for (const [game, red, blue, error] of cases) {
        assert.strictEqual(prizeRules.readBet(game, red, blue).error, error, `${red} | ${blue}`);
    }
});

test("assumed hits fit the draw and the bet", () => {
    const bet = prizeRules.readBet(fc6, "1,2,3,4,5,6,7", "8");
    assert.strictEqual(prizeRules.budgetError(fc6, bet, 6, 1), "");
    assert.strictEqual(prizeRules.budgetError(fc6, bet, 7, 1), "红球中奖个数不能超过6个！");
    assert.strictEqual(prizeRules.budgetError(fc6, bet, 5, 2), "蓝球中奖个数不能超过1个！");
    // The special number of the seven-of-thirty game comes from the numbers not drawn already.
    const seven = prizeRules.readBet(fc7, "1,2,3,4,5,6,7", "");
    assert.strictEqual(prizeRules.budgetError(fc7, seven, 7, 1), "特别号中奖个数不能超过0个！");
    assert.strictEqual(prizeRules.budgetError(fc7, seven, 6, 1), "");
});

test("counts are named by level, the impossible first count of seven of thirty left out", () => {
    assert.deepStrictEqual(prizeRules.levelRows(fc7, [0, 1, 7, 0, 0, 0, 0, 0], null).slice(0, 2),
        [{ level: "一等奖", count: 1 }, { level: "二等奖", count: 7 }]);
    assert.strictEqual(prizeRules.levelRows(fc7, [0, 1, 7, 0, 0, 0, 0, 0], null).length, 7);
    assert.deepStrictEqual(prizeRules.levelRows(fc6, [1, 0], [{ levelName: "头奖" }]),
        [{ level: "头奖", count: 1 }, { level: "二等奖", count: 0 }]);
});

// Unit tests of what the main page reads and shows (node --test): the choices of a condition, the
// summary of a run and the decisions of the page's start.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

const main = path.join(__dirname, "..", "pages", "js", "main");
const conditionChoices = require(path.join(main, "condition_choices.js"));
const resultSummary = require(path.join(main, "result_summary.js"));
const startRules = require(path.join(main, "start_rules.js"));

test("a condition offers its listed options or its counted range", () => {
    assert.deepEqual(conditionChoices.of({ options: "30=3:0,21=2:1,-1=无重码,5" }), [
        { value: "30", label: "3:0" }, { value: "21", label: "2:1" }, { value: "-1", label: "无重码" },
        { value: "5", label: "5" }]);
    assert.deepEqual(conditionChoices.of({ itemsNumber: "3", optionBegin: "-1" }).map((c) => c.value), ["-1", "0", "1"]);
    assert.deepEqual(conditionChoices.of({ itemsNumber: "3", optionBegin: "8", add0IfLess10: "1" }).map((c) => c.label),
        ["08", "09", "10"]);
    assert.deepEqual(conditionChoices.of({ itemsNumber: "", optionBegin: "0" }), []);
    assert.deepEqual(conditionChoices.labels("百位,,十位"), ["百位", "十位"]);
});

test("the summary tells the counts, the cut-down rate and the money saved", () => {
    const reply = { total: 132, primaryTotal: 1000, afterFilterLen: 0, cutDownRate: "86.80%" };
    assert.deepEqual(resultSummary.lines(reply, ""), [
        { label: "过滤前", value: "1000注，2000元" },
        { label: "过滤后", value: "132注" },
        { label: "最后结果", value: "132注" },
        { label: "缩水率", value: "86.80%" },
        { label: "单倍投注节省", value: "1736元" },
    ]);
    const matrix = resultSummary.lines({ total: 40, primaryTotal: 500, afterFilterLen: 300, cutDownRate: "92.00%" },
        "6保5");
    assert.deepEqual(matrix.slice(1, 3), [{ label: "过滤后", value: "300注" }, { label: "旋转矩阵", value: "6保5，40注" }]);
    const big = resultSummary.lines({ total: 100000, primaryTotal: 200000, afterFilterLen: 100000 }, "6保5");
    assert.ok(!big.some((line) => line.label === "旋转矩阵"));
    assert.equal(resultSummary.lines(undefined, "")[0].value, "0注，0元");
});

test("a capped run's summary counts every survivor and says the list holds only the first rows", () => {
    const capped = resultSummary.lines({ total: 100000, primaryTotal: 10000000, afterFilterLen: 10000000,
        cutDownRate: "0.00%", countedTotal: 10000000 }, "");
    assert.deepEqual(capped.slice(2), [
        { label: "最后结果", value: "10000000注" },
        { label: "缩水率", value: "0.00%" },
        { label: "单倍投注节省", value: "0元" },
        { label: "结果列表", value: "只保留并保存前100000注（共10000000注）" },
    ]);
    // A reduction's rate counts the rows it keeps, and its list holds all of them.
    const reduced = resultSummary.lines({ total: 40, primaryTotal: 500, afterFilterLen: 300, cutDownRate: "92.00%" },
        "6保5");
    assert.deepEqual(reduced.slice(3), [
        { label: "最后结果", value: "40注" },
        { label: "缩水率", value: "92.00%" },
        { label: "单倍投注节省", value: "920元" },
    ]);
    // A count below the list's rows, or not a count, tells nothing more.
    for (const countedTotal of [7, "x", -1]) {
        const lines = resultSummary.lines({ total: 8, primaryTotal: 10, countedTotal }, "");
        assert.equal(lines.length, 5);
        assert.equal(lines[4].value, "4元");
    }
});

test("the start decides on the notices from the configuration", () => {
    const monday = new Date(2026, 11, 7);
    const tuesday = new Date(2026, 11, 8);
    assert.ok(startRules.switchUpgradeNoticeOn(monday, { showUpgradeMsg: "false" }));
    assert.ok(!startRules.switchUpgradeNoticeOn(monday, { showUpgradeMsg: "true" }));
    assert.ok(!startRules.switchUpgradeNoticeOn(tuesday, { showUpgradeMsg: "false" }));
    assert.ok(startRules.hasStoredLogin({ phone: "", email: "e", pswd: "p" }));
    assert.ok(!startRules.hasStoredLogin({ phone: "p", email: "", pswd: "" }));
    assert.ok(startRules.isNewer("1.10.0", "1.9.3"));
    assert.ok(!startRules.isNewer("1.0", "1.0.0"));
    assert.ok(startRules.showUpgradeNotice({ showUpgradeMsg: "true", maxProVersion: "1.0.1", mainProVersion: "1.0.0" }));
    assert.ok(!startRules.showUpgradeNotice({ showUpgradeMsg: "false", maxProVersion: "2", mainProVersion: "1" }));
    assert.deepEqual(["0", "1", "3", "6", "7", ""].map((n) => startRules.showInformationWindow({ switchTimes: n })),
        [false, false, true, true, false, false]);
});

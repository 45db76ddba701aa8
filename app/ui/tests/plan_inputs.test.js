// Unit tests of the betting-plan page's checks, grid rows and summary (node --test).
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

const planInputs = require(path.join(__dirname, "..", "stage", "html", "js", "plan_inputs.js"));

test("inputs become a request of whole numbers", () => {
    assert.deepEqual(planInputs.check({ oneBonus: " 1000 ", minBonus: "0", qiShu: "010" }),
        { request: { method: "generatePlan", oneBonus: 1000, minBonus: 0, qiShu: 10 } });
    assert.deepEqual(planInputs.check({ oneBonus: "2147483647", minBonus: "2147483647", qiShu: "10000" }).request,
        { method: "generatePlan", oneBonus: 2147483647, minBonus: 2147483647, qiShu: 10000 });
});

test("each input is refused with its own message, the first wrong one first", () => {
    const cases = [
        [{ oneBonus: "", minBonus: "1", qiShu: "1" }, "oneBonus", "请输入单注中奖金额！"],
        [{ minBonus: "1", qiShu: "1" }, "oneBonus", "请输入单注中奖金额！"],
        [{ oneBonus: "10", minBonus: "  ", qiShu: "1" }, "minBonus", "请输入最低盈利金额！"],
        [{ oneBonus: "10", minBonus: "1", qiShu: null }, "qiShu", "请输入计划追号期数！"],
        [{ oneBonus: "1e3", minBonus: "1", qiShu: "1" }, "oneBonus", "单注中奖金额须为0或正整数！"],
        [{ oneBonus: "10", minBonus: "-5", qiShu: "1" }, "minBonus", "最低盈利金额须为0或正整数！"],
        [{ oneBonus: "10", minBonus: "1", qiShu: "2.5" }, "qiShu", "计划追号期数须为0或正整数！"],
        [{ oneBonus: "abc", minBonus: "x", qiShu: "1" }, "oneBonus", "单注中奖金额须为0或正整数！"],
        [{ oneBonus: "2", minBonus: "1", qiShu: "1" }, "oneBonus", "单注中奖金额须大于单注投注金额2元！"],
        [{ oneBonus: "2147483648", minBonus: "1", qiShu: "1" }, "oneBonus", "单注中奖金额最大为2147483647元！"],
        [{ oneBonus: "99999999999999999999", minBonus: "1", qiShu: "1" }, "oneBonus",
            "单注中奖金额最大为2147483647元！"],
        [{ oneBonus: "10", minBonus: "2147483648", qiShu: "1" }, "minBonus", "最低盈利金额最大为2147483647元！"],
        [{ oneBonus: "10", minBonus: "1", qiShu: "0" }, "qiShu", "计划追号期数须在1到10000期之间！"],
        [{ oneBonus: "10", minBonus: "1", qiShu: "10001" }, "qiShu", "计划追号期数须在1到10000期之间！"],
    ];
    for (const [texts, field, message] of cases) {
        assert.deepEqual(planInputs.check(texts), { field: field, message: message }, JSON.stringify(texts));
    }
});

test("the grid shows the reply's rows in column order; an error reply is no plan", () => {
    const reply = { size: "2", children: [
        { benQiTouRu: "4", qiHao: "1", rate: "2", revenue: "16", total: "4" },
        { benQiTouRu: "4", qiHao: "2", rate: "2", revenue: "12", total: "8" }] };
    assert.deepEqual(planInputs.rows(reply), [["1", "2", "4", "4", "16"], ["2", "2", "4", "8", "12"]]);
    assert.deepEqual(planInputs.rows({ size: "0", children: [] }), []);
    assert.equal(planInputs.rows({ flag: "error", msg: "计划追号期数最多为10000期！" }), null);
    assert.equal(planInputs.rows(undefined), null);
});

test("the summary tells the draws asked for and the valid ones, and why a plan ends early", () => {
    assert.deepEqual(planInputs.summary(3, 3), { text: "计划追号期数：3期，有效期数：3期", note: "" });
    assert.equal(planInputs.summary(30, 12).note,
        "第13期起中奖已无法收回投入，或金额超出可计算的范围：计划到第12期为止。");
    assert.equal(planInputs.summary(5, 0).note, "没有可行的计划：请提高单注中奖金额或降低最低盈利金额。");
});

// What the betting-plan page reads and shows: the three inputs checked and turned into a
// "generatePlan" request, the grid rows of a reply, and the summary of a plan. No page
// dependency, so node can test it.
var planInputs = (function () {
    "use strict";

    var SINGLE_BET_PRICE = 2;
    // The program computes and shows amounts up to 2^31 - 1 yuan and plans of up to 10000 draws.
    var LARGEST_AMOUNT = 2147483647;
    var MAX_DRAWS = 10000;
    var FIELDS = [
        { key: "oneBonus", name: "单注中奖金额" },
        { key: "minBonus", name: "最低盈利金额" },
        { key: "qiShu", name: "计划追号期数" }
    ];
    var COLUMNS = ["qiHao", "rate", "benQiTouRu", "total", "revenue"];

    function refuse(field, message) {
        return { field: field, message: message };
    }

    // texts: { oneBonus, minBonus, qiShu } as typed. Gives { request } or { field, message }.
    function check(texts) {
        var values = {};
        for (var i = 0; i < FIELDS.length; ++i) {
            var field = FIELDS[i];
            var text = String(texts[field.key] === undefined || texts[field.key] === null ? "" : texts[field.key])
                .trim();
            if (text === "") {
                return refuse(field.key, "请输入" + field.name + "！");
            }
            if (!/^\d+$/.test(text)) {
                return refuse(field.key, field.name + "须为0或正整数！");
            }
            values[field.key] = Number(text);
        }
        if (values.oneBonus <= SINGLE_BET_PRICE) {
            return refuse("oneBonus", "单注中奖金额须大于单注投注金额" + SINGLE_BET_PRICE + "元！");
        }
        if (values.oneBonus > LARGEST_AMOUNT) {
            return refuse("oneBonus", "单注中奖金额最大为" + LARGEST_AMOUNT + "元！");
        }
        if (values.minBonus > LARGEST_AMOUNT) {
            return refuse("minBonus", "最低盈利金额最大为" + LARGEST_AMOUNT + "元！");
        }
        if (values.qiShu < 1 || values.qiShu > MAX_DRAWS) {
            return refuse("qiShu", "计划追号期数须在1到" + MAX_DRAWS + "期之间！");
        }
        return {
            request: { method: "generatePlan", oneBonus: values.oneBonus, minBonus: values.minBonus,
                       qiShu: values.qiShu }
        };
    }

    // The rows of a "generatePlan" reply, each the five column texts in the grid's order; null
    // when the reply is not a plan (an error reply, or none).
    function rows(reply) {
        if (!reply || !Array.isArray(reply.children)) {
            return null;
        }
        return reply.children.map(function (row) {
            return COLUMNS.map(function (key) {
                return row && row[key] !== undefined ? String(row[key]) : "";
            });
        });
    }

    // The line above the grid, and a note when the plan ends before the draws asked for.
    function summary(qiShu, rowCount) {
        var note = "";
        if (rowCount === 0) {
            note = "没有可行的计划：请提高单注中奖金额或降低最低盈利金额。";
        } else if (rowCount < qiShu) {
            note = "第" + (rowCount + 1) + "期起中奖已无法收回投入，或金额超出可计算的范围：计划到第" + rowCount +
                "期为止。";
        }
        return { text: "计划追号期数：" + qiShu + "期，有效期数：" + rowCount + "期", note: note };
    }

    return { check: check, rows: rows, summary: summary, MAX_DRAWS: MAX_DRAWS };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = planInputs;
}

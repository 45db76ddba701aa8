// The "Filter" request from the page's choices. The program reads its items in order: the data
// source, the old numbers (only when they are the source), the play type, the tolerance and the
// reduction come first, then one item per chosen condition. No page dependency, so node can test it.
var filterRequest = (function () {
    "use strict";

    function flag(value) {
        return value ? "true" : "false";
    }

    function joined(values) {
        return (values || []).join(",");
    }

    // One chosen condition as an item: name, chosen and unchosen values, 保留/排除, 容错, disabled,
    // the counts of "出现:" and, for the last-draw conditions, the last draw.
    function conditionItem(game, condition) {
        var item = {
            name: condition.name,
            chosenItem: joined(condition.chosen),
            unchosenItem: joined(condition.unchosen),
            canBeWrong: flag(condition.canBeWrong),
            forbidden: flag(condition.forbidden),
            calType: condition.calType || "baoLiu",
            allowNum: joined(condition.allowNum)
        };
        if (condition.name.indexOf("lastNum") >= 0) {
            item.lastLottery = gameRules.lastLotteryForRequest(game, condition.lastLottery || "");
        }
        return item;
    }

    // choices: { game, dataSource, oldNum, castType, maxWrong, rotateMatrix (a reduction of the lotto
    // games, "" for none), conditions: [{ name, chosen, unchosen,
    // canBeWrong, forbidden, calType, allowNum, lastLottery }] } with the conditions in page order.
    function build(choices) {
        var game = choices.game;
        var items = [{ name: "dataSource", chosenItem: choices.dataSource, cnName: "过滤类型" }];
        if (choices.dataSource === "dataSourceOld") {
            items.push({ name: "oldNum", chosenItem: gameRules.oldNumForRequest(game, choices.oldNum || ""),
                         cnName: "大底数据" });
        }
        items.push({ name: "castType", chosenItem: choices.castType, cnName: "投注方式" });
        items.push({ name: "maxWrong", chosenItem: String(choices.maxWrong || 0), cnName: "最大容错数" });
        if (choices.rotateMatrix) {
            items.push({ name: "rotateMatrix", chosenItem: choices.rotateMatrix, cnName: "旋转矩阵" });
        }
        (choices.conditions || []).forEach(function (condition) {
            items.push(conditionItem(game, condition));
        });
        return { method: "Filter", productName: game, items: items };
    }

    return { build: build };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = filterRequest;
}

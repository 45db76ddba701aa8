// The lines of the summary shown after a filter run: bets and cost before, after the conditions,
// after a rotation matrix, the final count, the cut-down rate and the money saved on a single
// bet of each (two yuan a bet). No page dependency, so node can test it.
var resultSummary = (function () {
    "use strict";

    var YUAN_PER_BET = 2;
    // A rotation matrix over more rows than this is not worth a line of its own.
    var MATRIX_LINE_LIMIT = 100000;

    function count(value) {
        var n = Number(value);
        return isFinite(n) && n > 0 ? Math.floor(n) : 0;
    }

    // reply: the page reply of "Filter"; matrixLabel: the chosen rotation matrix's label, or "".
    function lines(reply, matrixLabel) {
        var primary = count(reply && reply.primaryTotal);
        var total = count(reply && reply.total);
        var afterFilter = count(reply && reply.afterFilterLen) || total;
        var result = [
            { label: "过滤前", value: primary + "注，" + primary * YUAN_PER_BET + "元" },
            { label: "过滤后", value: afterFilter + "注" }
        ];
        if (matrixLabel && total < MATRIX_LINE_LIMIT) {
            result.push({ label: "旋转矩阵", value: matrixLabel + "，" + total + "注" });
        }
        result.push({ label: "最后结果", value: total + "注" });
        result.push({ label: "缩水率", value: String((reply && reply.cutDownRate) || "0.00%") });
        result.push({ label: "单倍投注节省", value: Math.max(0, primary - total) * YUAN_PER_BET + "元" });
        return result;
    }

    return { lines: lines };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = resultSummary;
}

// The lines of the summary shown after a filter run: bets and cost before, after the conditions,
// after a rotation matrix, the final count, the cut-down rate and the money saved on a single
// bet of each (two yuan a bet); when the list holds only the first rows of the result, a line
// that says so. No page dependency, so node can test it.
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
        // The bets of the result, as the cut-down rate counts them: more than the list holds when
        // the run kept only its first rows.
        var result = Math.max(total, count(reply && reply.countedTotal));
        var afterFilter = count(reply && reply.afterFilterLen) || total;
        var summary = [
            { label: "过滤前", value: primary + "注，" + primary * YUAN_PER_BET + "元" },
            { label: "过滤后", value: afterFilter + "注" }
        ];
        if (matrixLabel && total < MATRIX_LINE_LIMIT) {
            summary.push({ label: "旋转矩阵", value: matrixLabel + "，" + total + "注" });
        }
        summary.push({ label: "最后结果", value: result + "注" });
        summary.push({ label: "缩水率", value: String((reply && reply.cutDownRate) || "0.00%") });
        summary.push({ label: "单倍投注节省", value: Math.max(0, primary - result) * YUAN_PER_BET + "元" });
        if (result > total) {
            summary.push({ label: "结果列表", value: "只保留并保存前" + total + "注（共" + result + "注）" });
        }
        return summary;
    }

    return { lines: lines };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = resultSummary;
}

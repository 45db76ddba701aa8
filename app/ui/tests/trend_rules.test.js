// The trend page's rules (node --test): which tables a game has, the cells of a history table as
// markup the page builds itself (hostile texts shown as text), the draw and summary rows, the
// lines of a chart, the draw choices and paging.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");
const trendRules = require(path.join(__dirname, "..", "..", "standin", "pages", "html", "pageForPc", "js",
    "trend_rules.js"));

const BASE = "qel://base";
// A ball and two marked cells as the program writes them (the engine's styles).
const BALL = (colour, base) => "'display:inline-block;width:18px;height:18px;line-height:18px;" +
    `background-image:url(&quot;${base}/images/${colour}Ball18.png&quot;);color:white;margin-left:2px;` +
    "text-align:center;font-size:12px;'";
const BOX = "'display:inline-block;width:20px;height:16px;padding-top:1px;background:#067306;color:#ffffff;" +
    "text-align:center;'";
// As they stand in the rebuilt style attribute (its quotes written as character references).
const KEPT_BALL = (colour) => "display:inline-block;width:18px;height:18px;line-height:18px;" +
    `background-image:url(&#39;${BASE}/images/${colour}Ball18.png&#39;);color:white;margin-left:2px;` +
    "text-align:center;font-size:12px";
const KEPT_BOX = "display:inline-block;width:20px;height:16px;padding-top:1px;background:#067306;color:#ffffff;" +
    "text-align:center";

test("a game has the tables for which grid 20 holds columns beyond the draw's own", () => {
    const draw = [{ field: "qiHao" }, { field: "lotDate" }, { field: "lottery" }];
    const cases = [
        [{ size: "3", children: draw }, false],
        [{ size: "4", children: draw.concat({ field: "sum" }) }, true],
        [{ size: "4", children: draw.concat({ title: "和值分布", children: [{ field: "sum0" }] }) }, true],
        [{ size: "4", children: draw.concat({ title: "空组", children: [] }) }, false],
        [{ size: "0", children: [] }, false],
        [{ flag: "error", msg: "服务器连接失败！" }, false],
        [undefined, false],
    ];
    cases.forEach(([reply, has]) => assert.equal(trendRules.hasOwnColumns(reply), has, JSON.stringify(reply)));
});

test("every table type has its own tab label, and the label leads back to it", () => {
    const types = trendRules.tableTypes();
    const labels = types.map(trendRules.labelOf);
    assert.equal(new Set(labels).size, types.length);
    types.forEach((type) => assert.equal(trendRules.typeOfLabel(trendRules.labelOf(type)), type));
    assert.equal(trendRules.typeOfLabel("没有的表"), "");
    for (const type of ["base", "blue", "distribution", "pos0", "pos6", "heZhi", "span", "bigSmall", "oddEven",
        "zhiHe", "luShu", "threeArea", "wuXing", "lianHao", "sameTail", "sameNum", "other", "w5", "w6", "w7"]) {
        assert.ok(types.includes(type), type);
    }
});

test("the program's balls and marks are rebuilt with their style, series and line colour", () => {
    const cases = [
        [`<span style=${BALL("red", BASE)}>7</span>`,
            `<span class="trend-mark" data-color="#d0312d" style="${KEPT_BALL("red")}">7</span>`],
        [`<span style=${BALL("purple", BASE)}>5</span><span style=${BALL("blue", BASE)}>鼠</span>`,
            `<span class="trend-mark" data-color="#8e44ad" style="${KEPT_BALL("purple")}">5</span>` +
            `<span class="trend-mark" data-color="#2a62c4" style="${KEPT_BALL("blue")}">鼠</span>`],
        [`<span block='block0' style=${BOX}>19</span>`,
            `<span class="trend-mark" data-block="0" data-color="#067306" style="${KEPT_BOX}">19</span>`],
        // Without a blank before the style, and with two.
        [`<span block='block3'style=${BOX}>2</span>`,
            `<span class="trend-mark" data-block="3" data-color="#067306" style="${KEPT_BOX}">2</span>`],
        [`<span  style=${BOX}>07</span>`,
            `<span class="trend-mark" data-color="#067306" style="${KEPT_BOX}">07</span>`],
        ["<span block='block12' style='padding:1px 2px 0px 2px;background:#067306'>4:1</span>",
            "<span class=\"trend-mark\" data-block=\"12\" data-color=\"#067306\" " +
            "style=\"padding:1px 2px 0px 2px;background:#067306\">4:1</span>"],
    ];
    cases.forEach(([cell, html]) => assert.equal(trendRules.markup(cell, BASE), html, cell));
});

test("plain values are text, and anything else is shown as text or loses what it may not keep", () => {
    const cases = [
        ["2:1", "2:1"],
        ["大小大", "大小大"],
        ["", ""],
        [undefined, ""],
        ["∞", "∞"],
        ["<img src=x onerror=alert(1)>", "&lt;img src=x onerror=alert(1)&gt;"],
        ["<span style='color:white'>1</span>x", "&lt;span style=&#39;color:white&#39;&gt;1&lt;/span&gt;x"],
        ["<span style='color:white'>1</span><script>alert(1)</script>",
            "&lt;span style=&#39;color:white&#39;&gt;1&lt;/span&gt;&lt;script&gt;alert(1)&lt;/script&gt;"],
        // A mark keeps only its block and its allowed declarations.
        ["<span style='color:white' onclick='alert(1)'>1</span>",
            "<span class=\"trend-mark\" style=\"color:white\">1</span>"],
        ["<span block='x1' style='color:white'>1</span>", "<span class=\"trend-mark\" style=\"color:white\">1</span>"],
        ["<span style='width:expression(alert(1));color:red;position:fixed;top:0'>1</span>",
            "<span class=\"trend-mark\" style=\"\">1</span>"],
        ["<span style='background-image:url(&quot;http://elsewhere/images/redBall18.png&quot;)'>1</span>",
            "<span class=\"trend-mark\" style=\"\">1</span>"],
        [`<span style='background-image:url(&quot;${BASE}/images/../x.png&quot;)'>1</span>`,
            "<span class=\"trend-mark\" style=\"\">1</span>"],
        [`<span style='background-image:url(&quot;${BASE}/images/a.svg&quot;)'>1</span>`,
            "<span class=\"trend-mark\" style=\"\">1</span>"],
        // Entities in a mark's text stay text.
        ["<span style='color:white'>&lt;b&gt;&amp;</span>", "<span class=\"trend-mark\" style=\"color:white\">&lt;b&gt;&amp;</span>"],
    ];
    cases.forEach(([cell, html]) => assert.equal(trendRules.markup(cell, BASE), html, String(cell)));
    // Without the program's base address no picture is kept.
    assert.equal(trendRules.markup(`<span style=${BALL("red", "")}>7</span>`, ""),
        "<span class=\"trend-mark\" style=\"display:inline-block;width:18px;height:18px;line-height:18px;color:white;" +
        "margin-left:2px;text-align:center;font-size:12px\">7</span>");
});

test("a table's draws and its summary rows come apart; a summary row's name heads it", () => {
    const items = [
        { qiHao: "2024001", lotDate: "2024-01-01", lottery: "1", sum0: "" },
        { qiHao: "2024002", lotDate: "2024-01-02", lottery: "2", sum0: "<b>" },
        { name: "理论出现概率（%）", sum0: "0.1" },
        { name: "2期实际出现（期）", qiHao: "2", lotDate: "2", lottery: "2", sum0: "1" },
    ];
    const rows = trendRules.splitRows(items);
    assert.deepEqual(rows.draws.map((r) => r.qiHao), ["2024001", "2024002"]);
    assert.deepEqual(rows.summary.map((r) => r.name), ["理论出现概率（%）", "2期实际出现（期）"]);
    assert.deepEqual(trendRules.splitRows(undefined), { draws: [], summary: [] });
    assert.equal(trendRules.cellHtml(items[3], "qiHao", BASE), "2期实际出现（期）");
    assert.equal(trendRules.cellHtml(items[3], "sum0", BASE), "<span class=\"trend-sum\" title=\"1\">1</span>");
    assert.equal(trendRules.cellHtml(items[3], "sum1", BASE), "");
    assert.equal(trendRules.cellHtml({ name: "<i>", sum0: "<b>\"" }, "sum0", BASE),
        "<span class=\"trend-sum\" title=\"&lt;b&gt;&quot;\">&lt;b&gt;&quot;</span>");
    assert.equal(trendRules.cellHtml({ name: "<i>" }, "qiHao", BASE), "&lt;i&gt;");
    assert.equal(trendRules.cellHtml(items[1], "sum0", BASE), "&lt;b&gt;");
    assert.equal(trendRules.cellHtml(items[1], "missing", BASE), "");
});

test("the page tells the draws it shows", () => {
    assert.deepEqual(trendRules.describeDraws([]), { text: "所选范围没有开奖数据！", isError: true });
    assert.deepEqual(trendRules.describeDraws([{ qiHao: "2024001" }]),
        { text: "共1期：第2024001期至第2024001期", isError: false });
    assert.deepEqual(trendRules.describeDraws([{ qiHao: "2024001" }, { qiHao: "2024002" }, { qiHao: "2024003" }]),
        { text: "共3期：第2024001期至第2024003期", isError: false });
});

test("a range of draw numbers runs forwards", () => {
    const cases = [
        ["2024001", "2024002", ""],
        ["2024002", "2024002", ""],
        ["2024003", "2024002", "起始期号不能大于结束期号！"],
        ["999", "1000", ""],
        ["1000", "999", "起始期号不能大于结束期号！"],
        ["", "2024002", "请选择起始期号和结束期号！"],
        ["2024001", "", "请选择起始期号和结束期号！"],
    ];
    cases.forEach(([begin, end, problem]) => assert.equal(trendRules.rangeProblem(begin, end), problem,
        `${begin}-${end}`));
});

test("pages of draws carry the summary rows, and the last page holds the newest draws", () => {
    const draws = Array.from({ length: 120 }, (_, i) => ({ qiHao: String(i) }));
    const summary = [{ name: "a" }];
    const cases = [[0, 50, 1], [1, 50, 1], [50, 50, 1], [51, 50, 2], [120, 50, 3], [120, 30, 4]];
    cases.forEach(([total, size, last]) => assert.equal(trendRules.lastPage(total, size), last, `${total}/${size}`));
    const page = trendRules.pageReply(draws, summary, 3, 50);
    assert.deepEqual(page.items.map((d) => d.qiHao), draws.slice(100).map((d) => d.qiHao));
    assert.equal(page.total, 120);
    assert.equal(page.footer, summary);
    assert.deepEqual(trendRules.pageReply([], summary, 1, 50), { items: [], total: 0, footer: summary });
});

test("a chart's line joins the marks of one series in neighbouring rows that hold one each", () => {
    const mark = (row, series, x, colour) => ({ row, series, x, y: row * 10, colour });
    const lines = trendRules.chartLines([
        mark(0, 0, 5, "#067306"), mark(1, 0, 7, ""), mark(2, 0, 1, ""), // a line through three rows
        mark(0, 1, 50, ""), mark(1, 1, 60, ""), mark(1, 1, 70, ""), mark(2, 1, 80, ""), // two marks in row 1
        mark(0, 2, 100, "#d0312d"), mark(2, 2, 110, ""), // a row without a mark between
        mark(4, 3, 9, ""), // a lone mark
    ]);
    assert.deepEqual(lines, [
        { series: 0, colour: "#067306", x1: 5, y1: 0, x2: 7, y2: 10 },
        { series: 0, colour: "#067306", x1: 7, y1: 10, x2: 1, y2: 20 },
    ]);
    assert.deepEqual(trendRules.chartLines([mark(0, 4, 1, ""), mark(1, 4, 2, "#2a62c4")]),
        [{ series: 4, colour: "#2a62c4", x1: 1, y1: 0, x2: 2, y2: 10 }]);
    assert.deepEqual(trendRules.chartLines([]), []);
});

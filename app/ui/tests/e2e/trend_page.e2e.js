// The trend window against the real core and the stand-in data service: the main page's footer
// button opens it; for Magic3 it fetches the newest 30 sample draws and offers the game's table
// types; the sum table shows the draws' balls, the marks and lines of both charts and the six
// summary rows, all worked out here from the sample draws; every tab shows its table; draws are
// fetched by count (paged) and by a range of draw numbers; a refused range and a failing service
// leave the table as it was.
//   node trend_page.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
//                          --standin <qel-data-standin>
"use strict";

const path = require("node:path");
const { check } = require("./harness.js");
const { openMainPage, cancelLogin, requests } = require("./main_page_steps.js");
const { sampleDraws, runStandinSession } = require("./standin.js");
const { TREND_PAGE, SUMMARY_NAMES, summaryOf, openTrendPage, tabLabels, message, clickAndWait, selectTab, gridRows,
    lineCounts } = require("./trend_steps.js");

// Magic3's table types (grid 20 of the settings database), in the page's tab order.
const MAGIC3_TABS = ["基本走势", "定位分布", "和值", "跨度", "大小", "奇偶", "质合", "012路", "三区", "五行", "其他",
    "5码组合", "6码组合", "7码组合"];

const digitsOf = (draw) => draw.lottery.split(",").map(Number);
const sumOf = (draw) => digitsOf(draw).reduce((a, b) => a + b, 0);

// The chance in per cent that three ordered digits sum to s, one decimal.
function sumRate(s) {
    let count = 0;
    for (let v = 0; v < 1000; v += 1) {
        count += Math.floor(v / 100) + Math.floor(v / 10) % 10 + v % 10 === s ? 1 : 0;
    }
    return (count / 10).toFixed(1);
}

function sameList(seen, expected, what) {
    check(JSON.stringify(seen) === JSON.stringify(expected), what, { seen, expected });
}

// The sum table over the draws: balls, the marked sum and tail of every draw, the lines through
// them and the six summary rows.
async function checkSumTable(page, draws) {
    const rows = await gridRows(page);
    sameList(rows.map((r) => r.qiHao.text), draws.map((d) => d.qiHao), "the sum table's draws differ");
    rows.forEach((row, i) => {
        const draw = draws[i];
        const sum = sumOf(draw);
        sameList(row.lottery.marks.map((m) => m.text), draw.lottery.split(","), `draw ${draw.qiHao}: its balls`);
        check(row.lottery.marks.every((m) => /\/images\/redBall18\.png/.test(m.picture)),
            `draw ${draw.qiHao}: the balls lack their picture`, row.lottery.marks);
        check(row.sum.text === String(sum) && row.sumTail.text === String(sum % 10), `draw ${draw.qiHao}: sum`, row.sum);
        for (let s = 0; s <= 27; s += 1) {
            const marks = row[`sum${s}`].marks;
            sameList(marks.map((m) => [m.text, m.block]), s === sum ? [[String(sum), "0"]] : [],
                `draw ${draw.qiHao}: sum column ${s}`);
        }
        for (let t = 0; t <= 9; t += 1) {
            sameList(row[`sumTail${t}`].marks.map((m) => [m.text, m.block]), t === sum % 10 ? [[String(t), "1"]] : [],
                `draw ${draw.qiHao}: tail column ${t}`);
        }
    });
    // One line per series between neighbouring draws.
    sameList(await lineCounts(page), { 0: draws.length - 1, 1: draws.length - 1 }, "the charts' lines");

    const sums = Array.from({ length: 28 }, (_, s) => `sum${s}`);
    const tails = Array.from({ length: 10 }, (_, t) => `sumTail${t}`);
    const expected = summaryOf(draws, sums, sumOf, sums.map((_, s) => sumRate(s)));
    const tailExpected = summaryOf(draws, tails, (d) => sumOf(d) % 10, tails.map(() => "10"));
    const footer = await gridRows(page, "footer");
    sameList(footer.map((r) => r.qiHao.text), SUMMARY_NAMES(draws.length), "the summary rows' names");
    check(footer.every((r) => r.qiHao.colspan === 3 && !r.lotDate && !r.lottery),
        "a summary row's name does not stand across the draw's columns", footer[0].qiHao);
    footer.forEach((row, i) => {
        sums.concat(tails).forEach((column) => {
            const want = column.startsWith("sumTail") ? tailExpected[i][column] : expected[i][column];
            check(row[column].text === want, `summary row ${row.qiHao.text}, column ${column}`,
                { seen: row[column].text, want });
        });
    });
}

const magic3 = sampleDraws("Magic3");
const newest = (n) => magic3.slice(-n);

runStandinSession("trend page e2e", 110000, async (session, standin) => {
    const { host, page, status, artifacts } = session;
    await openMainPage(page, host);
    await cancelLogin(page);

    // The footer button opens the service's trend page in a modal window.
    await page.click("#footerBar [data-name='dataAnalysis']");
    const opened = (await status()).opened.pop();
    check(opened && opened.url === `${standin.address}${TREND_PAGE}` && opened.modal,
        "the footer button did not open the trend window", opened);

    const trend = await openTrendPage(session, opened.url);
    const t = trend.page;
    const sent = async (method) => (await requests(trend.calls, method)).map((c) => c.request);
    sameList(await tabLabels(t), MAGIC3_TABS, "the tabs are not Magic3's table types");
    sameList(await sent("GetDataAnalysis"),
        [{ method: "GetDataAnalysis", productName: "Magic3_Fc", type: "byQiShu", rowNumber: "30" }],
        "the first fetch is not the newest 30 draws");
    check((await message(t)) === `共30期：第${newest(30)[0].qiHao}期至第${newest(1)[0].qiHao}期`,
        "the page does not tell the draws it shows", await message(t));
    const base = await gridRows(t);
    check(base.length === 30 && base.every((row, i) => digitsOf(newest(30)[i]).every((d) =>
        row[`pos${d}`].marks.length === 1 && /purpleBall18\.png/.test(row[`pos${d}`].marks[0].picture))),
    "the base table does not mark each draw's digits with purple balls");

    // The sum table, its marks and lines and its six summary rows.
    await selectTab(t, "和值");
    await checkSumTable(t, newest(30));
    await t.screenshot({ path: path.join(artifacts, "trend-page-magic3-sum.png") });

    // Every tab shows its table over the same draws; all but "其他" have summary rows.
    for (const label of MAGIC3_TABS) {
        await selectTab(t, label);
        const rows = await gridRows(t);
        const footer = await gridRows(t, "footer");
        sameList(rows.map((r) => r.qiHao.text), newest(30).map((d) => d.qiHao), `tab ${label}: its draws`);
        sameList(footer.map((r) => r.qiHao.text), label === "其他" ? [] : SUMMARY_NAMES(30),
            `tab ${label}: its summary rows`);
        check(rows.every((r) => r.lottery.marks.length === 3), `tab ${label}: the draws lack their balls`);
    }
    await selectTab(t, "其他");
    const other = await gridRows(t);
    check(other.every((row, i) => {
        const [a, b, c] = digitsOf(newest(30)[i]);
        return row.he01.text === String(a + b) && row.cha12.text === String(Math.abs(c - b));
    }), "the other table's pair sums and differences differ");

    // By count: the newest 100 draws, 50 a page, the newest page first.
    await selectTab(t, "和值");
    await t.selectOption("#trendCount", "100");
    check((await clickAndWait(t, "#trendByCount")) ===
        `共100期：第${newest(100)[0].qiHao}期至第${newest(1)[0].qiHao}期`, "fetching 100 draws", await message(t));
    sameList((await sent("GetDataAnalysis")).pop(),
        { method: "GetDataAnalysis", productName: "Magic3_Fc", type: "byQiShu", rowNumber: "100" },
        "the request of 100 draws");
    sameList((await gridRows(t)).map((r) => r.qiHao.text), newest(50).map((d) => d.qiHao),
        "the first page shown is not the newest");
    await t.click("#trendGridArea .pagination-first");
    await t.waitForFunction((q) => document.querySelector("#trendGridArea .datagrid-body tr.datagrid-row td[field='qiHao']")
        .textContent === q, newest(100)[0].qiHao);
    sameList((await gridRows(t)).map((r) => r.qiHao.text), newest(100).slice(0, 50).map((d) => d.qiHao),
        "the first page");
    sameList((await gridRows(t, "footer")).map((r) => r.qiHao.text), SUMMARY_NAMES(100),
        "the summary rows do not count all 100 draws");

    // By draw numbers: the choices list the newest draws; a range shows exactly its draws.
    const choices = await t.evaluate(() => Array.from(document.querySelectorAll("#trendBegin option"), (o) => o.value));
    sameList(choices, magic3.slice().reverse().map((d) => d.qiHao), "the draw numbers offered");
    const from = magic3[40];
    const to = magic3[64];
    await t.selectOption("#trendBegin", from.qiHao);
    await t.selectOption("#trendEnd", to.qiHao);
    check((await clickAndWait(t, "#trendByRange")) === `共25期：第${from.qiHao}期至第${to.qiHao}期`,
        "fetching a range", await message(t));
    sameList((await sent("GetDataAnalysis")).pop(),
        { method: "GetDataAnalysis", productName: "Magic3_Fc", type: "byQiHao", beginQiHao: from.qiHao,
          endQiHao: to.qiHao }, "the request of a range");
    await checkSumTable(t, magic3.slice(40, 65));

    // A range that runs backwards is refused before anything is sent; a failing service
    // leaves the table shown.
    const fetches = (await sent("GetDataAnalysis")).length;
    await t.selectOption("#trendBegin", to.qiHao);
    await t.selectOption("#trendEnd", from.qiHao);
    check((await clickAndWait(t, "#trendByRange")) === "起始期号不能大于结束期号！", "a backward range",
        await message(t));
    await fetch(`${standin.address}/standin/fail?path=/lot/getDataAnalysis&mode=500`, { method: "POST" });
    check((await clickAndWait(t, "#trendByCount")) === "服务器连接失败！", "a failing service",
        await message(t));
    await fetch(`${standin.address}/standin/reset`, { method: "POST" });
    check((await sent("GetDataAnalysis")).length === fetches + 1, "the backward range was sent");
    await checkSumTable(t, magic3.slice(40, 65));
    await t.screenshot({ path: path.join(artifacts, "trend-page-magic3-range.png") });
    await trend.close();

    // A window opened while the service fails offers its tables, says why it shows no draws
    // and fetches them once the service answers again.
    await fetch(`${standin.address}/standin/fail?path=/lot/getDataAnalysis&mode=nonjson`, { method: "POST" });
    const again = await openTrendPage(session, opened.url);
    sameList(await tabLabels(again.page), MAGIC3_TABS, "the tabs of a window without draws");
    check((await message(again.page)) === "服务器连接失败！", "no word of the failing service",
        await message(again.page));
    check((await gridRows(again.page)).length === 0, "a window without draws shows rows");
    await fetch(`${standin.address}/standin/reset`, { method: "POST" });
    check((await clickAndWait(again.page, "#trendByCount")).startsWith("共30期"), "fetching again",
        await message(again.page));
    await again.close();
});

// The main page in headless Chromium against the real core and the real Magic3 plug-in: it loads
// with the game's panels, refuses a run without enough base numbers or with a bad old-number list,
// filters, pages and searches the result, saves a setting, and reads every reply as data.
//   node main_page.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const path = require("node:path");
const { runSession, check } = require("./harness.js");
const { openMainPage, cancelLogin, requests, expectMessage, menuItem, sent } = require("./main_page_steps.js");
const { parseReply } = require(path.join(__dirname, "..", "..", "pages", "js", "reply_parser.js"));
const expectedRun = require(path.join(__dirname, "..", "fixtures", "magic3_sum_run.json"));

// Every three-digit row whose digits sum to one of the sums, in the order the game enumerates them.
function rowsWithSums(sums) {
    const rows = [];
    for (let n = 0; n < 1000; n += 1) {
        const digits = String(n).padStart(3, "0").split("").map(Number);
        if (sums.includes(digits[0] + digits[1] + digits[2])) {
            rows.push(digits.join(""));
        }
    }
    return rows;
}

// The group-of-six search: the first row of each set of three different digits.
function groupsOfSix(rows) {
    const seen = new Set();
    return rows.filter((row) => {
        const set = row.split("").sort().join("");
        if (new Set(row).size !== 3 || seen.has(set)) {
            return false;
        }
        seen.add(set);
        return true;
    });
}

async function gridRows(page) {
    return page.evaluate(() => Array.from(document.querySelectorAll("#eastRegion .datagrid-btable tr"), (row) => ({
        rowNumber: row.querySelector("td[field='rowNumber']").textContent,
        number: row.querySelector("td[field='number']").textContent,
    })));
}

async function waitForGrid(page, firstNumber, count) {
    await page.waitForFunction(([first, n]) => {
        const cells = document.querySelectorAll("#eastRegion .datagrid-btable td[field='number']");
        return cells.length === n && cells[0].textContent === first;
    }, [firstNumber, count]);
}

async function choose(page, condition, values) {
    for (const value of values) {
        await page.click(`#cond-${condition} .choice[data-value='${value}']`);
    }
}

runSession("main page e2e", 110000, async ({ host, page, calls, screenshot, status }) => {
    await openMainPage(page, host);

    // The configuration comes first, then the libraries in their order, then the game's panels.
    const recorded = await calls();
    const first = JSON.parse(recorded[0].request);
    check(first.method === "GetSystemConfig", "the first call is not GetSystemConfig", first);
    const configuration = parseReply(recorded[0].reply);
    check(configuration.baseDir === `${host.address}/base`, "baseDir is not the host's base address", configuration);
    check(configuration.productName === "Magic3", "the seeded game is not Magic3", configuration.productName);
    const scripts = await page.evaluate(() =>
        Array.from(document.querySelectorAll("head script[src]"), (element) => new URL(element.src).pathname));
    const order = ["/base/js/lib/jquery-1.11.0.min.js", "/base/js/lib/json2.js",
        "/base/js/lib/jquery-easyui-1.5.21/js/jquery.easyui.min.js", "/res/js/main_page.js"];
    check(JSON.stringify(scripts.filter((p) => order.includes(p))) === JSON.stringify(order),
        "the scripts are not added in their load order", scripts);
    const components = await requests(calls, "GetComponentConfig");
    check(components.length === 1 && components[0].request.productName === "Magic3",
        "the page did not ask for Magic3's component configuration", components);

    const panels = await page.evaluate(() => ({
        balls: Array.from(document.querySelectorAll("#cond-baseNums .ball"), (b) => b.textContent).join(""),
        castTypes: Array.from(document.querySelectorAll("#cond-castType label"), (l) => l.textContent),
        tabs: Array.from(document.querySelectorAll("#conditionTabs .tabs-title"), (t) => t.textContent),
        positions: document.querySelectorAll("#dingWeiPanel .condition-ball").length,
        footer: document.querySelectorAll("#footerBar .footer-button").length,
        login: document.querySelector("#loginWindow") !== null,
        everyGameModel: ["Magic3", "Array5", "Quick3", "Hd5Of15", "L5Of11", "Ttl5Of22", "Fc4Of10", "Tc5Of20",
            "Fc6Of33", "Tc5Of35", "Fc7Of30", "Tc7Of33", "Fc5Of23", "Tc7Of10", "Fc6Of10"]
            .every((game) => typeof window.qel[game + "BaseNumsModel"] === "function" &&
                typeof window.qel[game + "FilterItemModel"] === "function"),
    }));
    check(panels.balls === "0123456789", "the base numbers are not the digits", panels);
    check(JSON.stringify(panels.castTypes) === JSON.stringify(["直选", "组六", "组三"]), "the play types differ", panels);
    check(JSON.stringify(panels.tabs) === JSON.stringify(["基本指标", "形态指标", "二位指标、号码组", "更多指标"]),
        "the condition tabs differ", panels);
    check(panels.positions === 3, "the per-position panel lacks its three positions", panels);
    check(panels.footer === 8, "the footer lacks the delivered buttons", panels);
    check(panels.login, "without a stored login the login window does not open");
    check(panels.everyGameModel, "a game lacks its page models");
    await screenshot("main-page-before-filter.png");

    // The login window asks for both fields and sends an e-mail address as such.
    await page.click("#loginWindow .my-window-buttons a:has-text('登录')");
    await expectMessage(page, "请输入用户名！");
    await page.fill("#loginUser", "player@example.org");
    await page.click("#loginWindow .my-window-buttons a:has-text('登录')");
    await expectMessage(page, "请输入密码！");
    await page.fill("#loginPassword", "secret");
    await page.click("#loginWindow .my-window-buttons a:has-text('登录')");
    const login = (await requests(calls, "logIn")).pop();
    check(JSON.stringify(login.request) === JSON.stringify({ method: "logIn", phone: "", email: "player@example.org",
        password: "secret" }), "the login request differs", login.request);
    await expectMessage(page, parseReply(login.reply).msg);
    await cancelLogin(page);

    // The checks before a run, each with its message, and no run.
    await page.click("#startFilter");
    await expectMessage(page, "请至少选择1个基础号码！");
    await page.click("#cond-castType input[value='zuLiu']");
    await choose(page, "baseNums", ["1", "2"]);
    await page.click("#startFilter");
    await expectMessage(page, "请至少选择3个基础号码！");
    await page.click("#cond-castType input[value='zuSan']");
    await choose(page, "baseNums", ["1", "2"]);
    await page.click("#startFilter");
    await expectMessage(page, "请至少选择2个基础号码！");
    await page.click("#cond-castType input[value='zhiXuan']");
    await page.click("#cond-dataSource input[value='dataSourceOld']");
    await page.click("#startFilter");
    await expectMessage(page, "请导入、粘贴或输入大底号码！");
    await page.fill("#oldNumText", "123,45 678");
    await page.click("#startFilter");
    await expectMessage(page, "大底号码格式不正确！");
    check((await requests(calls, "Filter")).length === 0, "a run was sent although a check failed");

    // An old-number run: the list goes second, its commas as row separators.
    await page.fill("#oldNumText", "123,456\n789");
    await page.click("#startFilter");
    await waitForGrid(page, "123", 3);
    let runs = await requests(calls, "Filter");
    check(JSON.stringify(runs[0].request.items.slice(0, 4).map((item) => [item.name, item.chosenItem])) ===
        JSON.stringify([["dataSource", "dataSourceOld"], ["oldNum", "123|456\n789"], ["castType", "zhiXuan"],
            ["maxWrong", "0"]]), "the old-number run's leading items differ", runs[0].request.items);

    // A run over every bet: base numbers all digits, sums 10 and 11.
    await page.click("#cond-dataSource input[value='dataSourceNew']");
    await page.click("#baseSelectAll");
    await choose(page, "heZhi", expectedRun.heZhi);
    await page.click("#startFilter");
    const allRows = rowsWithSums([10, 11]);
    check(JSON.stringify(expectedRun.firstPage) === JSON.stringify(allRows.slice(0, 100)) &&
        expectedRun.total === allRows.length, "the shared run fixture is not what the rows give");
    await waitForGrid(page, allRows[0], 100);
    runs = await requests(calls, "Filter");
    const items = runs[1].request.items;
    check(JSON.stringify(items.map((item) => item.name)) ===
        JSON.stringify(["dataSource", "castType", "maxWrong", "baseNums", "heZhi"]), "the run's items differ", items);
    check(items[3].chosenItem === "0,1,2,3,4,5,6,7,8,9" && items[4].chosenItem === "10,11" &&
        items[4].calType === "baoLiu" && items[4].canBeWrong === "false", "the conditions are sent wrong", items);
    let rows = await gridRows(page);
    check(JSON.stringify(rows.map((r) => r.number)) === JSON.stringify(expectedRun.firstPage),
        "the grid's first page is not the run's first 100 rows", rows);
    const summary = await page.textContent("#resultSummary");
    for (const line of ["过滤前：1000注，2000元", "过滤后：132注", "最后结果：132注", "缩水率：86.80%", "单倍投注节省：1736元"]) {
        check(summary.includes(line), `the summary lacks ${line}`, summary);
    }
    check((await page.textContent("#eastRegion .pagination-info")).includes("132"), "the pager does not count 132 rows");
    await screenshot("main-page-after-filter.png");

    // Paging: the second page holds the last 32 rows.
    await page.click("#eastRegion .pagination-next");
    await waitForGrid(page, allRows[100], 32);
    const paging = (await requests(calls, "GetResultByPage")).pop().request;
    check(paging.pageNum === 2 && paging.pageSize === 100 && paging.type === "", "the page request differs", paging);
    rows = await gridRows(page);
    check(rows[0].rowNumber === "101" && JSON.stringify(rows.map((r) => r.number)) === JSON.stringify(allRows.slice(100)),
        "the second page is not rows 101 to 132", rows);

    // Searching for the rows of three different digits.
    const groupOfSix = groupsOfSix(allRows);
    await menuItem(page, "#resultSearch", "组六");
    await waitForGrid(page, groupOfSix[0], groupOfSix.length);
    const search = (await requests(calls, "SearchResult")).pop().request;
    check(search.type === "zuLiu", "the search entry sent another type", search);
    rows = await gridRows(page);
    check(JSON.stringify(rows.map((r) => r.number)) === JSON.stringify(groupOfSix), "the search shows other rows", rows);

    // The settings tab saves a message setting; the page works with the configuration it gets back.
    await menuItem(page, "#menuOptions", "设置");
    await page.click("#settingsList li[data-name='message_setting']");
    await page.uncheck("#setting-showResultMsg");
    await page.click("#message_setting ~ .settings-buttons .settings-ok");
    await expectMessage(page, "保存成功！");
    const save = (await requests(calls, "SaveConfig")).pop().request;
    check(save.name === "message_setting" && JSON.stringify(save.rows) ===
        JSON.stringify([{ showTip: "true" }, { showResultMsg: "false" }, { showUpgradeMsg: "true" }]),
    "the message settings are sent wrong", save);
    const stored = await page.evaluate(() => [callCpp({ method: "GetSystemConfig" }).showResultMsg,
        window.baseConfig.showResultMsg]);
    check(stored[0] === "false" && stored[1] === "false", "the setting was not kept", stored);

    // The plug-in panel lists the plug-ins; a link switches one off.
    await page.click("#settingsList li[data-name='plugin_setting']");
    await page.waitForSelector("#plugin_setting td[field='pluginName'] >> text=Rules-Magic3");
    await page.click("#plugin_setting td[field='isUse'] a:has-text('禁用')");
    await sent(page, "ChangeState"); // a javascript: link runs after the click
    const change = (await requests(calls, "ChangeState")).pop().request;
    check(change.id === 1 && change.isUse === 0, "the switch sent another plug-in or state", change);
    await page.waitForSelector("#plugin_setting td[field='isUse'] >> text=已禁用");

    // Replies that are not data give undefined, never an exception.
    const unreadable = await page.evaluate(() => [callCpp({ method: "getLotDetailById" }),
        parseReply("{flag:alert(1)}"), parseReply("(function(){ return 1; })()"), parseReply("")]
        .map((value) => value === undefined));
    check(unreadable.every(Boolean), "an unreadable reply gave a value", unreadable);

    // "全部" goes back to the whole result; from 10000 rows on the editing buttons and the search
    // menu go.
    await menuItem(page, "#resultSearch", "全部");
    await waitForGrid(page, allRows[0], 100);
    const editing = await page.evaluate(() => {
        const shown = () => ["#resultAdd", "#resultDelete", "#resultClear", "#resultSearch"]
            .map((id) => window.jQuery(id).is(":visible"));
        const result = window.qel.controller.result;
        result.showCounts({ total: 10000 });
        const many = shown();
        result.showCounts({ total: 9999 });
        return { many, fewer: shown() };
    });
    check(editing.many.every((v) => !v) && editing.fewer.every(Boolean), "the editing buttons do not follow the count",
        editing);

    // Switching the game: the program keeps the choice and loads the page again, which then has
    // that game's models.
    await menuItem(page, "#switchGame", "全国彩票", "双色球");
    await page.waitForFunction(() => document.querySelector("#waiting .waiting-text").textContent ===
        "正在切换到双色球，请稍后...");
    await sent(page, "Toggle");
    const toggle = (await requests(calls, "Toggle")).pop().request;
    check(toggle.productName === "Fc6Of33" && toggle.flag === "Fc" && toggle.area === "1", "the switch differs", toggle);
    check((await status()).mainPage === "main.html", "the program did not load the main page again");
    await openMainPage(page, host);
    const tabs = await page.evaluate(() =>
        Array.from(document.querySelectorAll("#conditionTabs .tabs-title"), (t) => t.textContent));
    check(tabs.includes("区间、二位、号码组") && !tabs.includes("后区指标"), "the two-area game's tabs differ", tabs);
    await cancelLogin(page);
    await page.click("#startFilter");
    await expectMessage(page, "请至少选择6个红球！");

    // Its results are saved in a format the user picks; the pick is kept at once.
    await page.click("#resultSave");
    const examples = await page.evaluate(() =>
        Array.from(document.querySelectorAll("#saveFormatWindow .save-format-choice"), (c) => c.textContent));
    check(JSON.stringify(examples) === JSON.stringify(["格式一：01,02,03,04,05,06+07", "格式二：01 02 03 04 05 06:07",
        "格式三：01,02,03,04,05,06:07"]), "the save formats differ", examples);
    await page.check("#saveFormatWindow input[value='format1']");
    const format = (await requests(calls, "SaveConfig")).pop().request;
    check(JSON.stringify(format.rows) === JSON.stringify([{ lotFormat: "format1" }]), "the format was not kept", format);
    await page.click("#saveFormatWindow .my-window-buttons a:has-text('确定')");
    await page.waitForFunction(() => document.querySelector("#saveFormatWindow") === null);
    const saved = (await requests(calls, "SaveResult")).pop();
    check(saved.request.flag === "0" && saved.request.lotFormat === "format1", "the save request differs", saved.request);
    const answer = parseReply(saved.reply);
    await expectMessage(page, answer.msg);
});

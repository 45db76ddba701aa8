// The main page's files and row edits in headless Chromium against the real core and the real
// Magic3 plug-in: a scenario saved and opened again gives the same run, an old-number file fills
// the old-number list, typed rows are checked and added, rows are deleted and the result emptied.
//   node main_page_files.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { runSession, check } = require("./harness.js");
const { openMainPage, cancelLogin, requests, expectMessage, menuItem, sent } = require("./main_page_steps.js");

// The page host's dialogs choose these files: the scenario is saved to one, and what the test
// puts in the other is what the open dialogs give.
const folder = fs.mkdtempSync(path.join(os.tmpdir(), "qel-e2e-files-"));
const saved = path.join(folder, "plan.sc");
const opened = path.join(folder, "in.txt");

async function pagerTotal(page) {
    return page.evaluate(() => window.jQuery("#resultGrid").datagrid("getPager").pagination("options").total);
}

// The page's choices as the user sees them.
function choices(page) {
    return page.evaluate(() => {
        const selected = (name) => Array.from(document.querySelectorAll(`#cond-${name} .choice.selected`),
            (c) => c.getAttribute("data-value"));
        const ticked = (selector) => document.querySelector(selector).checked;
        return {
            castType: document.querySelector("#cond-castType input:checked").value,
            baseNums: selected("baseNums"),
            heZhi: selected("heZhi"),
            heZhiTolerant: ticked("#cond-heZhi .can-be-wrong"),
            kuaDu: selected("kuaDu"),
            kuaDuExcluded: ticked("#cond-kuaDu .cal-type[value='paiChu']"),
            maxWrong: document.querySelector("#maxWrong").value,
        };
    });
}

runSession("main page files e2e", 90000, async ({ host, page, calls }) => {
    await openMainPage(page, host);
    await cancelLogin(page);

    // A run of group-of-six bets with a tolerated sum and an excluded span.
    await page.click("#cond-castType input[value='zuLiu']");
    for (const n of ["1", "2", "3", "4", "5"]) {
        await page.click(`#cond-baseNums .choice[data-value='${n}']`);
    }
    await page.click("#cond-heZhi .choice[data-value='9']");
    await page.click("#cond-heZhi .choice[data-value='10']");
    await page.check("#cond-heZhi .can-be-wrong");
    await page.click("#cond-kuaDu .cal-type[value='paiChu']");
    await page.click("#cond-kuaDu .choice[data-value='4']");
    await page.selectOption("#maxWrong", "1");
    const before = await choices(page);
    check(before.maxWrong === "1" && before.kuaDuExcluded && before.heZhiTolerant, "the choices were not taken", before);
    await page.click("#startFilter");
    await sent(page, "Filter");

    // The preview lists the chosen conditions.
    await page.click("#conditionPreview");
    const preview = await page.textContent("#previewTable");
    check(preview.includes("和值") && preview.includes("9 10") && preview.includes("容错") && preview.includes("排除"),
        "the preview lacks a chosen condition", preview);
    await page.click("#previewWindow .my-window-buttons a:has-text('关闭')");

    await menuItem(page, "#menuFile", "保存方案");
    await expectMessage(page, "保存成功！");
    const scenario = JSON.parse(fs.readFileSync(saved, "utf8"));
    check(scenario.method === "SaveScenario" && scenario.productName === "Magic3" && scenario.castType === "zuLiu",
        "the scenario file lacks the choices", scenario);

    // Everything cleared, then the scenario opened again: the same choices and the same run.
    await page.click("#baseClearAll");
    await page.click("#conditionClearAll");
    await page.click("#cond-castType input[value='zhiXuan']");
    check((await choices(page)).baseNums.length === 0, "the choices were not cleared");
    fs.copyFileSync(saved, opened);
    await menuItem(page, "#menuFile", "导入方案");
    await expectMessage(page, "导入成功！");
    const after = await choices(page);
    check(JSON.stringify(after) === JSON.stringify(before), "the scenario did not restore the choices", { before, after });
    await page.click("#startFilter");
    await sent(page, "Filter", 2);
    const runs = (await requests(calls, "Filter")).map((call) => call.request);
    check(JSON.stringify(runs[1]) === JSON.stringify(runs[0]), "the opened scenario runs another filter", runs);
    const total = await pagerTotal(page);
    check(total > 0, "the run kept no rows");

    // Typed rows: a malformed one is refused, a good one is added at the end.
    await page.click("#resultAdd");
    await page.fill("#addRowText", "12");
    await page.click("#addRowWindow .my-window-buttons a:has-text('确定')");
    await expectMessage(page, "号码格式不正确！");
    await page.fill("#addRowText", "999");
    await page.click("#addRowWindow .my-window-buttons a:has-text('确定')");
    await page.waitForFunction((n) => window.jQuery("#resultGrid").datagrid("getPager").pagination("options").total === n,
        total + 1);
    check((await requests(calls, "AddRow")).pop().request.row === "9,9,9", "the typed row was sent in another form");

    // Deleting needs a selected row; the first row goes.
    await page.click("#resultDelete");
    await expectMessage(page, "请选择要删除的数据！");
    const firstRow = await page.textContent("#eastRegion .datagrid-btable tr td[field='number']");
    await page.click("#eastRegion .datagrid-btable tr td[field='number']");
    await page.click("#resultDelete");
    await page.waitForFunction((n) => window.jQuery("#resultGrid").datagrid("getPager").pagination("options").total === n,
        total);
    const deletion = (await requests(calls, "DeleteRows")).pop().request;
    check(deletion.rowNumber === 1 && deletion.type === "0", "the deletion request differs", deletion);
    const newFirst = await page.textContent("#eastRegion .datagrid-btable tr td[field='number']");
    check(newFirst !== firstRow, "the first row is still shown", newFirst);

    await page.click("#resultClear");
    await page.waitForFunction(() => window.jQuery("#resultGrid").datagrid("getPager").pagination("options").total === 0);

    // An old-number file: its rows fill the old-number list, which becomes the data source.
    fs.writeFileSync(opened, "123 456\r\n789\r\n");
    await menuItem(page, "#menuFile", "导入大底号码");
    await page.waitForFunction(() => document.querySelector("#oldNumText").value !== "");
    const oldNumbers = await page.evaluate(() => ({
        text: document.querySelector("#oldNumText").value,
        source: document.querySelector("#cond-dataSource input:checked").value,
        shown: window.jQuery("#baseOldArea").is(":visible"),
    }));
    check(oldNumbers.text === "123,456\n789\n" && oldNumbers.source === "dataSourceOld" && oldNumbers.shown,
        "the old-number file did not fill the list", oldNumbers);
}, {
    hostArgs: ["--open-file", opened, "--save-file", saved],
    cleanup: () => fs.rmSync(folder, { recursive: true, force: true }),
});

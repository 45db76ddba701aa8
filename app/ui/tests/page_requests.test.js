// Unit tests of the requests the main page writes (node --test): the "Filter" request, the
// login and settings forms and the footer buttons' actions.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

// The program's game table, as the build writes it for the pages.
global.gameTable = require(process.env.QEL_GAME_TABLE_JS);

const main = path.join(__dirname, "..", "pages", "js", "main");
global.gameRules = require(path.join(main, "game_rules.js"));
const filterRequest = require(path.join(main, "filter_request.js"));
const settingsForms = require(path.join(main, "settings_forms.js"));
const footerActions = require(path.join(main, "footer_actions.js"));

function condition(name, chosen, extra) {
    return Object.assign({ name, chosen, unchosen: [], canBeWrong: false, forbidden: false, calType: "baoLiu",
        allowNum: [] }, extra);
}

test("the global items come first, then one item per chosen condition", () => {
    const request = filterRequest.build({
        game: "Magic3", dataSource: "dataSourceNew", oldNum: "123", castType: "zuLiu", maxWrong: 1,
        conditions: [
            condition("baseNums", ["1", "2", "3"], { unchosen: ["0", "4"] }),
            condition("heZhi", ["6"], { canBeWrong: true, calType: "paiChu" }),
            condition("ziDingYi0", ["1"], { allowNum: ["0", "2"], forbidden: true }),
        ],
    });
    assert.equal(request.method, "Filter");
    assert.equal(request.productName, "Magic3");
    assert.deepEqual(request.items.slice(0, 3), [
        { name: "dataSource", chosenItem: "dataSourceNew", cnName: "过滤类型" },
        { name: "castType", chosenItem: "zuLiu", cnName: "投注方式" },
        { name: "maxWrong", chosenItem: "1", cnName: "最大容错数" },
    ]);
    assert.deepEqual(request.items.slice(3), [
        { name: "baseNums", chosenItem: "1,2,3", unchosenItem: "0,4", canBeWrong: "false", forbidden: "false",
          calType: "baoLiu", allowNum: "" },
        { name: "heZhi", chosenItem: "6", unchosenItem: "", canBeWrong: "true", forbidden: "false",
          calType: "paiChu", allowNum: "" },
        { name: "ziDingYi0", chosenItem: "1", unchosenItem: "", canBeWrong: "false", forbidden: "true",
          calType: "baoLiu", allowNum: "0,2" },
    ]);
});

test("old numbers go second, and the last draw goes with the last-draw conditions only", () => {
    const request = filterRequest.build({
        game: "Magic3", dataSource: "dataSourceOld", oldNum: "123,456\n789", castType: "zhiXuan", maxWrong: "0",
        conditions: [condition("lastNum", ["1"], { lastLottery: "3 5 8" }), condition("kuaDu", ["2"])],
    });
    assert.deepEqual(request.items.map((item) => item.name), ["dataSource", "oldNum", "castType", "maxWrong",
        "lastNum", "kuaDu"]);
    assert.deepEqual(request.items[1], { name: "oldNum", chosenItem: "123|456\n789", cnName: "大底数据" });
    assert.equal(request.items[4].lastLottery, "3,5,8");
    assert.ok(!("lastLottery" in request.items[5]));
});

test("a chosen reduction follows the tolerance; none sends no item", () => {
    const build = (rotateMatrix) => filterRequest.build({ game: "Tc5Of35", dataSource: "dataSourceNew",
        castType: "", maxWrong: 0, rotateMatrix, conditions: [condition("heZhi", ["60"])] });
    assert.deepEqual(build("_5bao4").items.map((item) => item.name),
        ["dataSource", "castType", "maxWrong", "rotateMatrix", "heZhi"]);
    assert.deepEqual(build("_5bao4").items[3], { name: "rotateMatrix", chosenItem: "_5bao4", cnName: "旋转矩阵" });
    assert.deepEqual(build("").items.map((item) => item.name), ["dataSource", "castType", "maxWrong", "heZhi"]);
});

test("values that hold quotes or separators stay values of the request text", () => {
    const request = filterRequest.build({ game: "Fc6Of33", dataSource: "dataSourceOld",
        oldNum: "01\",\"method\":\"Exit", castType: "", maxWrong: 0, conditions: [] });
    const parsed = JSON.parse(JSON.stringify(request));
    assert.equal(parsed.method, "Filter");
    assert.equal(parsed.items[1].chosenItem, "01\",\"method\":\"Exit");
});

test("the login window sends a phone number or an e-mail address", () => {
    assert.deepEqual(settingsForms.login("", "x"), { message: "请输入用户名！" });
    assert.deepEqual(settingsForms.login("13800000000", ""), { message: "请输入密码！" });
    assert.deepEqual(settingsForms.login(" 13800000000 ", "pw").request,
        { method: "logIn", phone: "13800000000", email: "", password: "pw" });
    assert.deepEqual(settingsForms.login("a.b@example.org", "pw").request,
        { method: "logIn", phone: "", email: "a.b@example.org", password: "pw" });
});

test("the network settings stand \"默认\" for the built-in server and port", () => {
    assert.equal(settingsForms.networkRows("默认", "默认", "h.example"), null);
    assert.deepEqual(settingsForms.networkRows("10.0.0.2", "默认", "h.example"), [{ host: "10.0.0.2" }, { port: "568" }]);
    assert.deepEqual(settingsForms.networkRows("默认", "8080", "h.example"), [{ host: "h.example" }, { port: "8080" }]);
    assert.equal(settingsForms.checkPort("8080"), null);
    assert.equal(settingsForms.checkPort("默认"), null);
    for (const bad of ["0", "65536", "80a", "-1"]) {
        assert.equal(settingsForms.checkPort(bad), "端口须为1～65535的整数！", bad);
    }
    assert.deepEqual(settingsForms.messageRows({ showTip: true, showResultMsg: false }),
        [{ showTip: "true" }, { showResultMsg: "false" }, { showUpgradeMsg: "false" }]);
});

test("footer buttons act by their entry's name", () => {
    const config = { productName: "Magic3", lotteryCategory: "Magic3_Fc" };
    const quick = { productName: "Quick3", lotteryCategory: "Quick3_Gp" };
    const cases = [
        [{ name: "newLottery" }, config, { kind: "request", request: { method: "GetNewLottery" } }],
        [{ name: "dataAnalysis" }, config, { kind: "request", request: { method: "GetDataAnalysis",
            productName: "Magic3_Fc", rowNumber: "30", type: "byQiShu" } }],
        [{ name: "dataAnalysisHot", webUrl: "http://x/t" }, quick, { kind: "open", url: "http://x/t" }],
        [{ name: "autoDan" }, config, { kind: "request", request: { method: "GetDanMa", lotteryCategory: "Magic3_Fc" } }],
        [{ name: "autoDan" }, quick, { kind: "refuse", message: "高频彩不支持智能荐胆！" }],
        [{ name: "luckLottery" }, config, { kind: "request", request: { method: "showLuckyWin" } }],
        [{ name: "zhuiHaoPlan" }, config, { kind: "request", request: { method: "showZhuiHaoPlanWin" } }],
        [{ name: "softwareProfile", webUrl: "http://x/p" }, config,
            { kind: "request", request: { method: "showProfileWin", src: "http://x/p" } }],
        [{ name: "video", webUrl: "http://x/v" }, config, { kind: "open", url: "http://x/v" }],
        [{ name: "lotNews" }, config, { kind: "none" }],
        [{ name: "forum" }, config, { kind: "forum" }],
        [{ name: "userCenter" }, config, { kind: "userCenter" }],
    ];
    for (const [entry, cfg, action] of cases) {
        assert.deepEqual(footerActions.actionFor(entry, cfg), action, entry.name);
    }
});

test("the forum address carries the stored login as query values", () => {
    const config = { niCheng: "李 四", email: "KVELMORAb@c19960723", phone: "", pswd: "x&y=z" };
    assert.equal(footerActions.forumAddress({ flag: "ok", loginUrl: "http://f/login" }, config),
        "http://f/login?xxn=%E6%9D%8E%20%E5%9B%9B&iie=KVELMORAb%40c19960723&llp=&iip=x%26y%3Dz");
    assert.equal(footerActions.forumAddress({ flag: "error", msg: "x" }, config), null);
    assert.equal(footerActions.forumAddress(undefined, config), null);
});

// Unit tests of the main page's game rules (node --test): the least base numbers of a run, the
// old-number and typed-row formats, the search entries and the grid tables of the games.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

// The program's game table, as the build writes it for the pages.
global.gameTable = require(process.env.QEL_GAME_TABLE_JS);

const rules = require(path.join(__dirname, "..", "pages", "js", "main", "game_rules.js"));

function counts(map) {
    return (key) => map[key] || 0;
}

test("a run needs the game's least base numbers, with the game's message", () => {
    const cases = [
        ["Magic3", "zhiXuan", { baseNums: 0 }, "请至少选择1个基础号码！"],
        ["Magic3", "zhiXuan", { baseNums: 1 }, null],
        ["Magic3", "zuLiu", { baseNums: 2 }, "请至少选择3个基础号码！"],
        ["Magic3", "zuLiu", { baseNums: 3 }, null],
        ["Magic3", "zuSan", { baseNums: 1 }, "请至少选择2个基础号码！"],
        ["Quick3", "zuSan", { baseNums: 1 }, "请至少选择2个基础号码！"],
        ["Fc4Of10", "zu24", { baseNums: 3 }, "请至少选择4个基础号码！"],
        ["Fc4Of10", "zu6", { baseNums: 2 }, null],
        ["Quick3", "zuXuan", { baseNums: 1 }, null],
        ["Array5", "zhiXuan", { baseNums: 0 }, "请至少选择1个基础号码！"],
        ["Tc7Of10", "zhiXuan", { baseNums: 1 }, null],
        ["Hd5Of15", "", { baseNums: 4 }, "请至少选择5个基础号码！"],
        ["Fc7Of30", "", { baseNums: 6 }, "请至少选择7个基础号码！"],
        ["L5Of11", "", { baseNums: 4 }, "请至少选择5个基础号码！"],
        ["Fc6Of33", "", { baseNums_red: 5, baseNums_blue: 1 }, "请至少选择6个红球！"],
        ["Fc6Of33", "", { baseNums_red: 6, baseNums_blue: 0 }, "请至少选择1个篮球！"],
        ["Fc6Of33", "", { baseNums_red: 6, baseNums_blue: 1 }, null],
        ["Tc5Of35", "", { baseNums_red: 5, baseNums_blue: 1 }, "请至少选择2个篮球！"],
        ["Fc6Of10", "", { baseNums_red: 0, baseNums_blue: 1 }, "请至少选择1个前区基础号码！"],
        ["Fc6Of10", "", { baseNums_red: 1, baseNums_blue: 0 }, "请至少选择1个生肖号码！"],
    ];
    for (const [game, castType, chosen, message] of cases) {
        assert.equal(rules.checkBaseNums(game, castType, counts(chosen)), message, `${game} ${castType}`);
    }
});

test("old-number lists are checked against the game's rows", () => {
    const cases = [
        ["Magic3", "", "请导入、粘贴或输入大底号码！"],
        ["Magic3", "  \n ", "请导入、粘贴或输入大底号码！"],
        ["Magic3", "123,456 789\n012", null],
        ["Magic3", "123,\r\n456,", null],
        ["Magic3", "123,45 678", "大底号码格式不正确！"],
        ["Magic3", "1234", "大底号码格式不正确！"],
        ["Magic3", "12a", "大底号码格式不正确！"],
        ["Quick3", "116 166", null],
        ["Quick3", "107", "大底号码格式不正确！"],
        ["Fc4Of10", "1234 5678", null],
        ["Fc4Of10", "123 456", "大底号码格式不正确！"],
        ["Array5", "12345,67890", null],
        ["Array5", "1234", "大底号码格式不正确！"],
        ["Fc6Of33", "01 02 03 04 05 06+07\n01,02,03,04,05,33:16", null],
        ["Fc6Of33", "01 02 03 04 05 06+17", "大底号码格式不正确！"],
        ["Tc5Of35", "01,02,03,04,05+06,07", null],
        ["Hd5Of15", "01 02 03 04 16", "大底号码格式不正确！"],
    ];
    for (const [game, text, message] of cases) {
        assert.equal(rules.checkOldNums(game, text), message, `${game} ${JSON.stringify(text)}`);
    }
});

test("a typed row is a bet of the game or nothing", () => {
    const cases = [
        ["Magic3", "123", "1,2,3"],
        ["Magic3", "1, 2 ,3", "1,2,3"],
        ["Magic3", "112", "1,1,2"],
        ["Magic3", "1234", null],
        ["Magic3", "12", null],
        ["Magic3", "1+23", null],
        ["Quick3", "167", null],
        ["Fc4Of10", "0099", "0,0,9,9"],
        ["Fc6Of10", "123456+12", "1,2,3,4,5,6,12"],
        ["Fc6Of10", "123456+13", null],
        ["Fc6Of33", "01 02 03 04 05 06+07", "1,2,3,4,5,6,7"],
        ["Fc6Of33", "01,02,03,04,05,06,07", "1,2,3,4,5,6,7"],
        ["Fc6Of33", "01 01 03 04 05 06+07", null],
        ["Fc6Of33", "01 02 03 04 05 34+07", null],
        ["Tc5Of35", "01,02,03,04,05:06,06", null],
        ["Tc5Of35", "0102030405:0607", "1,2,3,4,5,6,7"],
        ["Hd5Of15", "01 02 03 04 05+01", null],
        ["Unknown", "123", null],
    ];
    for (const [game, text, row] of cases) {
        assert.equal(rules.rowForRequest(game, text), row, `${game} ${JSON.stringify(text)}`);
    }
});

test("old numbers and the last draw are sent in the form the game's chain reads", () => {
    assert.equal(rules.oldNumForRequest("Magic3", "123,456\n789"), "123|456\n789");
    assert.equal(rules.oldNumForRequest("Array5", "12345,67890"), "12345|67890");
    assert.equal(rules.oldNumForRequest("Fc4Of10", "1234,5678"), "1234|5678");
    assert.equal(rules.oldNumForRequest("Tc7Of10", "1234567 7654321"), "1234567 7654321");
    assert.equal(rules.oldNumForRequest("Fc6Of10", "1 2 3 4 5 6+12\r\n\r\n6,5,4,3,2,1,1\n"),
        "1,2,3,4,5,6,12\n6,5,4,3,2,1,1");
    assert.equal(rules.lastLotteryForRequest("Fc4Of10", "1234"), "1,2,3,4");
    assert.equal(rules.lastLotteryForRequest("Magic3", " 1 2 3 "), "1,2,3");
    assert.equal(rules.lastLotteryForRequest("Array5", "12345"), "1,2,3,4,5");
    assert.equal(rules.lastLotteryForRequest("Ttl5Of22", " 01,02 "), "1,2");
    // The lotto games: each bet as its numbers joined by ",", one a line; the last draw's front.
    assert.equal(rules.oldNumForRequest("Tc5Of35", "01 02 03 04 05+06 07\r\n\n05,04,03,02,01:12,11 "),
        "1,2,3,4,5,6,7\n5,4,3,2,1,12,11");
    assert.equal(rules.oldNumForRequest("Fc7Of30", "01 02 03 04 05 06 07"), "1,2,3,4,5,6,7");
    assert.equal(rules.lastLotteryForRequest("Fc6Of33", "01,02,03,04,05,06+16"), "1,2,3,4,5,6");
    assert.equal(rules.lastLotteryForRequest("Tc5Of35", "03 12 19 25 31 04 11"), "3,12,19,25,31");
});

test("search entries follow the game and the play type", () => {
    const names = (game, castType) => rules.searchEntries(game, castType).map((e) => e.name);
    assert.deepEqual(names("Magic3", "zhiXuan"),
        ["zuLiu", "zuLiuZhiXuan", "zuSan", "zuSanZhiXuan", "baoZi", "zhiXuanToZuXuan"]);
    assert.deepEqual(names("Magic3", "zuSan"), ["zuSanToZhiXuan"]);
    assert.deepEqual(names("Fc4Of10", "zu12"), ["zu12ToZhiXuan"]);
    assert.equal(names("Fc4Of10", "zhiXuan").length, 10);
    assert.deepEqual(names("Quick3", "zhiXuan"),
        ["baoZi", "zuSan", "zuSanOrder", "zuLiu", "zuLiuOrder", "lianHao", "notLianHao"]);
    assert.deepEqual(names("Quick3", "zuSan"), ["baoZi", "zuSan", "zuLiu", "lianHao", "notLianHao"]);
    assert.deepEqual(names("Tc7Of10", "zhiXuan"), ["lianHao", "notLianHao", "chongMa", "notChongMa"]);
    assert.deepEqual(names("Fc7Of30", ""), ["lianHao", "notLianHao", "sameTail", "notSameTail"]);
    // A list handed out is the caller's: changing it changes no other.
    rules.searchEntries("Fc7Of30", "").pop();
    assert.equal(names("Fc7Of30", "").length, 4);
});

test("every game has its grid table, its tabs and its save formats", () => {
    // The grid tables are the game table's; a few of the settings database's numbers as written.
    assert.deepEqual(rules.GAME_KEYS, gameTable.map((entry) => entry.key));
    for (const entry of gameTable) {
        assert.ok(rules.tableId(entry.key) > 0, entry.key);
        assert.equal(rules.tableId(entry.key), entry.table, entry.key);
    }
    const tables = { Magic3: 1, Array5: 6, L5Of11: 7, Fc4Of10: 9, Fc6Of10: 11, Tc7Of10: 12, Tc5Of35: 13 };
    for (const [game, id] of Object.entries(tables)) {
        assert.equal(rules.tableId(game), id, game);
    }
    assert.equal(rules.tableId("NoSuchGame"), 0);
    const titles = (game) => rules.conditionTabs(game).map((tab) => tab.title);
    assert.deepEqual(titles("Magic3"), ["基本指标", "形态指标", "二位指标、号码组", "更多指标"]);
    assert.deepEqual(titles("Tc5Of35"), ["基本指标", "形态指标", "区间、二位、号码组", "更多指标", "后区指标"]);
    assert.deepEqual(titles("Fc6Of10"), ["基本指标", "形态指标", "二位指标、号码组", "更多指标"],
        "a zodiac label has no conditions of its own");
    // The blue number of the 6-of-33 game has no conditions of its own.
    assert.deepEqual(titles("Fc6Of33"), ["基本指标", "形态指标", "区间、二位、号码组", "更多指标"]);
    assert.deepEqual(rules.saveFormats("Tc5Of35").map((f) => f.example),
        ["01,02,03,04,05+06,07", "01 02 03 04 05:06 07", "01,02,03,04,05:06,07"]);
    assert.deepEqual(rules.saveFormats("Fc6Of33").map((f) => f.example),
        ["01,02,03,04,05,06+07", "01 02 03 04 05 06:07", "01,02,03,04,05,06:07"]);
    assert.ok(rules.needsSaveFormat("Fc6Of10") && !rules.needsSaveFormat("Magic3"));
});

test("a game of the table without page data of its own gets its kind's", () => {
    const rulesPath = path.join(__dirname, "..", "pages", "js", "main", "game_rules.js");
    const table = global.gameTable;
    global.gameTable = table.concat([
        { key: "Lotto6Of45", kind: "lotto", front: 6, back: 0, low: 1, high: 45, backHigh: 0, table: 6, flag: "Tc" },
        { key: "Digit4", kind: "digit", front: 4, back: 0, low: 0, high: 9, backHigh: 0, table: 9, flag: "Gp" },
    ]);
    delete require.cache[require.resolve(rulesPath)];
    try {
        const more = require(rulesPath);
        assert.equal(more.checkBaseNums("Lotto6Of45", "", counts({ baseNums: 5 })), "请至少选择6个基础号码！");
        assert.equal(more.checkBaseNums("Lotto6Of45", "", counts({ baseNums: 6 })), null);
        assert.deepEqual(more.searchEntries("Lotto6Of45", "").map((e) => e.name),
            ["lianHao", "notLianHao", "sameTail", "notSameTail"]);
        assert.equal(more.tableId("Lotto6Of45"), 6);
        assert.equal(more.isHighFrequency("Lotto6Of45"), false);
        assert.equal(more.oldNumForRequest("Lotto6Of45", "01 02 03 04 05 45"), "1,2,3,4,5,45");
        assert.equal(more.checkBaseNums("Digit4", "", counts({ baseNums: 0 })), "请至少选择1个基础号码！");
        assert.deepEqual(more.searchEntries("Digit4", "").map((e) => e.name),
            ["lianHao", "notLianHao", "chongMa", "notChongMa"]);
        assert.equal(more.isHighFrequency("Digit4"), true);
        assert.equal(more.oldNumForRequest("Digit4", "1234,5678"), "1234|5678");
    } finally {
        global.gameTable = table;
        delete require.cache[require.resolve(rulesPath)];
    }
});

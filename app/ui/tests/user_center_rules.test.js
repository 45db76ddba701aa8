// The user centre's checks before it asks the program, and how it reads the user's information.
"use strict";

const test = require("node:test");
const assert = require("node:assert");
const path = require("node:path");
const rules = require(path.join(__dirname, "..", "stage", "js", "user_center_rules.js"));
const { parseReply } = require(path.join(__dirname, "..", "pages", "js", "reply_parser.js"));

test("the user's information: the known members first, then the other plain ones, never a password", () => {
    const info = parseReply('{"email":"a@b.cn","level":"3","niCheng":"小明","password":"x","phone":"138",' +
        '"flag":"ok","nested":{"a":1},"regTime":""}');
    assert.deepStrictEqual(rules.userInfoRows(info), [
        { label: "昵称", value: "小明" },
        { label: "手机号码", value: "138" },
        { label: "电子邮箱", value: "a@b.cn" },
        { label: "level", value: "3" },
    ]);
    for (const notInfo of [undefined, null, "text", [1, 2]]) {
        assert.deepStrictEqual(rules.userInfoRows(notInfo), []);
    }
});

test("the password change needs the old password and the same new one twice", () => {
    const cases = [
        ["", "n", "n", "请输入原密码！"],
        ["o", "", "", "请输入新密码！"],
        ["o", "n1", "n2", "两次输入的新密码不一致！"],
    ];
    for (const [old, fresh, again, message] of cases) {
        assert.deepStrictEqual(rules.passwordChange(old, fresh, again), { message });
    }
    assert.deepStrictEqual(rules.passwordChange("o", "n&+%", "n&+%"),
        { request: { method: "changePassword", oldPswd: "o", newPswd: "n&+%" } });
});

test("feedback goes as it was typed, and not empty", () => {
    assert.deepStrictEqual(rules.feedback("bug", " \n "), { message: "请输入反馈内容！" });
    const text = "a & b + c = 100%\n第二行";
    assert.deepStrictEqual(rules.feedback("bug", text),
        { request: { method: "Feedback", type: "bug", content: text } });
});

test("a reply's outcome: its own message, the page's when it has none, a failed connection when unreadable", () => {
    assert.deepStrictEqual(rules.outcome(undefined, "好", "坏"), { ok: false, text: "服务器连接失败！" });
    assert.deepStrictEqual(rules.outcome({ flag: "ok" }, "好", "坏"), { ok: true, text: "好" });
    assert.deepStrictEqual(rules.outcome({ flag: "ok", msg: "改好了" }, "好", "坏"), { ok: true, text: "改好了" });
    assert.deepStrictEqual(rules.outcome({ flag: "no_user" }, "好", "坏"), { ok: false, text: "坏" });
    assert.deepStrictEqual(rules.outcome({ flag: "error", msg: "原密码错误！" }, "好", "坏"),
        { ok: false, text: "原密码错误！" });
});

// Unit tests of the page side's reply parser (node --test).
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

const { parseReply } = require(path.join(__dirname, "..", "pages", "js", "reply_parser.js"));

// The program's reply shapes, written as the program writes them, and the value a page must get.
const readable = [
    ["MsgReply", '{flag:"ok",msg:"done"}', { flag: "ok", msg: "done" }],
    ["MsgReply in Chinese", '{flag:"error",msg:"没有该方法！"}', { flag: "error", msg: "没有该方法！" }],
    ["MsgReply with empty message", '{flag:"no_data",msg:""}', { flag: "no_data", msg: "" }],
    ["MapReply", '{a:"1",b:"2",baseDir:"http://127.0.0.1:8080/base"}',
        { a: "1", b: "2", baseDir: "http://127.0.0.1:8080/base" }],
    ["empty MapReply", "{}", {}],
    ["ListReply", '{size:"2",items:[{a:"1",b:"2"},{qiHao:"2024001"}]}',
        { size: "2", items: [{ a: "1", b: "2" }, { qiHao: "2024001" }] }],
    ["ListReply without rows", '{size:"0",items:[]}', { size: "0", items: [] }],
    ["TreeReply", '{size:"2",children:[{items:[],name:"a"},{children:[{y:"2"}],id:"2",items:[{x:"1"},{}]}]}',
        {
            size: "2",
            children: [{ items: [], name: "a" }, { children: [{ y: "2" }], id: "2", items: [{ x: "1" }, {}] }]
        }],
    ["PageReply with bare numbers",
        '{size:"1",items:[{rowNumber:"1",number:"012"}],total:150,primaryTotal:1000,afterFilterLen:0,cutDownRate:"85.00%"}',
        {
            size: "1",
            items: [{ rowNumber: "1", number: "012" }],
            total: 150,
            primaryTotal: 1000,
            afterFilterLen: 0,
            cutDownRate: "85.00%"
        }],
    ["JSON object", '{"flag":"ok","rows":[1,2.5,-3,1e3],"on":true,"off":false,"none":null}',
        { flag: "ok", rows: [1, 2.5, -3, 1000], on: true, off: false, none: null }],
    ["JSON with white space", ' \r\n{ "a" : [ 1 , { "b" : "c" } ] }\n', { a: [1, { b: "c" }] }],
    ["escaped quote and backslash", '{msg:"say \\"hi\\" to C:\\\\dir"}', { msg: 'say "hi" to C:\\dir' }],
    ["escaped line ends", '{msg:"line1\\r\\nline2\\n"}', { msg: "line1\r\nline2\n" }],
    ["escaped controls and separators", '{msg:"a\\tb\\u0001\\u2028"}', { msg: "a\tb\u0001\u2028" }],
    ["a quoted brace is text", '{msg:"}{,:[]"}', { msg: "}{,:[]" }],
    ["a script inside a value is text", '{msg:"alert(1)"}', { msg: "alert(1)" }],
    ["bare string", '"text"', "text"],
    ["bare number", "42", 42],
    ["wrapped in parentheses", '({flag:"ok"})', { flag: "ok" }],
    ["single-quoted value", "{msg:'x'}", { msg: "x" }],
    ["trailing comma as a script allows", "{a:[1,2,],}", { a: [1, 2] }],
];

for (const [name, text, expected] of readable) {
    test(`reads ${name}`, () => {
        assert.deepStrictEqual(parseReply(text), expected);
    });
}

// Texts that are not data: each must give undefined without running anything or throwing.
const unreadable = [
    ["empty text", ""],
    ["only white space", "  \n"],
    ["a call", "alert(1)"],
    ["a function expression called", "(function(){ globalThis.ran = true; })()"],
    ["an identifier as a value", "{a:b}"],
    ["a script after the value", '{a:"x"};alert(1)'],
    ["a value then more text", '{a:"x"} {b:"y"}'],
    ["a call as a member value", '{a:alert(1)}'],
    ["an operator", "{a:1+1}"],
    ["a template literal", "{a:`x`}"],
    ["an unclosed object", '{flag:"ok"'],
    ["an unclosed string", '{msg:"x}'],
    ["a raw line end in a string", '{msg:"a\nb"}'],
    ["a missing colon", '{flag "ok"}'],
    ["two commas", "{a:1,,b:2}"],
    ["an unbalanced parenthesis", '({flag:"ok"}'],
    ["a new expression", "new Date()"],
    ["undefined as a value", "{a:undefined}"],
    ["a bad unicode escape", '{a:"\\u12"}'],
    ["an HTML page", "<html><body>502</body></html>"],
];

for (const [name, text] of unreadable) {
    test(`gives undefined for ${name}`, () => {
        globalThis.ran = false;
        assert.doesNotThrow(() => parseReply(text));
        assert.equal(parseReply(text), undefined);
        assert.equal(globalThis.ran, false);
    });
}

test("gives undefined for what is not a text", () => {
    for (const value of [undefined, null, 5, {}, ["{}"]]) {
        assert.equal(parseReply(value), undefined);
    }
});

test("keeps a member named __proto__ as an ordinary member", () => {
    const value = parseReply('{__proto__:{polluted:"yes"},a:"1"}');
    assert.equal(value.a, "1");
    assert.deepStrictEqual(Object.getOwnPropertyDescriptor(value, "__proto__").value, { polluted: "yes" });
    assert.equal(Object.getPrototypeOf(value), Object.prototype);
    assert.equal({}.polluted, undefined);
});

test("gives undefined for nesting deeper than any reply, without exhausting the stack", () => {
    const deep = "[".repeat(100000) + "]".repeat(100000);
    assert.equal(parseReply(deep), undefined);
    const fine = "[".repeat(50) + "]".repeat(50);
    assert.notEqual(parseReply(fine), undefined);
});

test("reads the nesting the program reads, and not one level more", () => {
    // 256 values from the outermost in, as the program's request reader (see json_util_test).
    const deepest = "[".repeat(255) + "1" + "]".repeat(255);
    assert.notEqual(parseReply(deepest), undefined);
    assert.equal(parseReply("[" + deepest + "]"), undefined);
    const objects = '{"a":'.repeat(255) + "{}" + "}".repeat(255);
    assert.notEqual(parseReply(objects), undefined);
    assert.equal(parseReply('{"a":' + objects + "}"), undefined);
});

test("reads a long reply", () => {
    const rows = [];
    for (let i = 0; i < 2000; i += 1) {
        rows.push(`{rowNumber:"${i + 1}",number:"${String(i % 1000).padStart(3, "0")}"}`);
    }
    const value = parseReply(`{size:"2000",items:[${rows.join(",")}],total:2000}`);
    assert.equal(value.items.length, 2000);
    assert.deepStrictEqual(value.items[1999], { rowNumber: "2000", number: "999" });
    assert.equal(value.total, 2000);
});

// Turns a reply text of the program into a value without ever running it.
//
// The program answers with object literals ({flag:"ok",msg:"x"}: bare member names, quoted
// values with \\ \" \r \n escapes, nested arrays and objects, bare numbers such as total:150) or
// with JSON, and some of those texts come from the remote data service through the program. So
// the text is read by a small parser for exactly that data grammar: anything else (a call, an
// operator, an identifier as a value, text after the value) makes the reply unreadable, and an
// unreadable reply is undefined, never an exception.
var parseReply = (function () {
    "use strict";

    var IDENTIFIER = /[A-Za-z_$][A-Za-z0-9_$]*/y;
    var NUMBER = /-?(?:0|[1-9][0-9]*)(?:\.[0-9]+)?(?:[eE][+-]?[0-9]+)?/y;
    var SIMPLE_ESCAPES = {
        '"': '"',
        "'": "'",
        "\\": "\\",
        "/": "/",
        b: "\b",
        f: "\f",
        n: "\n",
        r: "\r",
        t: "\t",
        v: "\v",
        0: "\0"
    };
    // The nesting the program itself accepts in a request (basekit's JSON reader: at most 256 values
    // on the way from the outermost value in), so that whatever the program reads and writes back (a
    // saved scenario) the page reads too; it keeps a hostile text from exhausting the stack.
    var MAX_DEPTH = 256;

    function Unreadable() {}

    function Reader(text) {
        this.text = text;
        this.at = 0;
    }

    Reader.prototype.fail = function () {
        throw new Unreadable();
    };

    Reader.prototype.skipSpace = function () {
        var text = this.text;
        while (this.at < text.length) {
            var c = text.charCodeAt(this.at);
            // space, tab, LF, CR, vertical tab, form feed, no-break space, BOM
            if (c === 32 || (c >= 9 && c <= 13) || c === 0xa0 || c === 0xfeff) {
                this.at += 1;
            } else {
                break;
            }
        }
    };

    Reader.prototype.peek = function () {
        return this.text.charAt(this.at);
    };

    Reader.prototype.expect = function (character) {
        if (this.text.charAt(this.at) !== character) {
            this.fail();
        }
        this.at += 1;
    };

    Reader.prototype.match = function (pattern) {
        pattern.lastIndex = this.at;
        var found = pattern.exec(this.text);
        if (!found) {
            return null;
        }
        this.at += found[0].length;
        return found[0];
    };

    Reader.prototype.readString = function () {
        var quote = this.text.charAt(this.at);
        this.at += 1;
        var parts = [];
        var text = this.text;
        while (true) {
            if (this.at >= text.length) {
                this.fail();
            }
            var c = text.charAt(this.at);
            if (c === quote) {
                this.at += 1;
                return parts.join("");
            }
            if (c === "\n" || c === "\r") {
                this.fail(); // a raw line end cannot stand inside a quoted value
            }
            if (c !== "\\") {
                parts.push(c);
                this.at += 1;
                continue;
            }
            var escaped = text.charAt(this.at + 1);
            this.at += 2;
            if (Object.prototype.hasOwnProperty.call(SIMPLE_ESCAPES, escaped)) {
                parts.push(SIMPLE_ESCAPES[escaped]);
            } else if (escaped === "u" || escaped === "x") {
                var width = escaped === "u" ? 4 : 2;
                var digits = text.substr(this.at, width);
                if (digits.length !== width || !/^[0-9A-Fa-f]+$/.test(digits)) {
                    this.fail();
                }
                parts.push(String.fromCharCode(parseInt(digits, 16)));
                this.at += width;
            } else if (escaped === "\r") {
                // a continued line: the escaped line end is no character
                if (text.charAt(this.at) === "\n") {
                    this.at += 1;
                }
            } else if (escaped === "\n") {
                // likewise
            } else if (escaped === "") {
                this.fail();
            } else {
                parts.push(escaped); // as a script reads "\q": the character itself
            }
        }
    };

    Reader.prototype.readKey = function () {
        var c = this.peek();
        if (c === '"' || c === "'") {
            return this.readString();
        }
        var name = this.match(IDENTIFIER);
        if (name !== null) {
            return name;
        }
        var number = this.match(NUMBER);
        if (number !== null && number.charAt(0) !== "-") {
            return String(Number(number));
        }
        return this.fail();
    };

    Reader.prototype.readObject = function (depth) {
        this.expect("{");
        // No prototype: a member named "__proto__" stays an ordinary member.
        var members = Object.create(null);
        this.skipSpace();
        while (this.peek() !== "}") {
            var key = this.readKey();
            this.skipSpace();
            this.expect(":");
            members[key] = this.readValue(depth + 1);
            this.skipSpace();
            if (this.peek() === ",") {
                this.at += 1;
                this.skipSpace();
            } else if (this.peek() !== "}") {
                this.fail();
            }
        }
        this.at += 1;
        return plainObject(members);
    };

    Reader.prototype.readArray = function (depth) {
        this.expect("[");
        var items = [];
        this.skipSpace();
        while (this.peek() !== "]") {
            items.push(this.readValue(depth + 1));
            this.skipSpace();
            if (this.peek() === ",") {
                this.at += 1;
                this.skipSpace();
            } else if (this.peek() !== "]") {
                this.fail();
            }
        }
        this.at += 1;
        return items;
    };

    Reader.prototype.readValue = function (depth) {
        if (depth >= MAX_DEPTH) { // depth counts from 0 at the outermost value
            this.fail();
        }
        this.skipSpace();
        var c = this.peek();
        if (c === "{") {
            return this.readObject(depth);
        }
        if (c === "[") {
            return this.readArray(depth);
        }
        if (c === '"' || c === "'") {
            return this.readString();
        }
        var number = this.match(NUMBER);
        if (number !== null) {
            return Number(number);
        }
        var word = this.match(IDENTIFIER);
        if (word === "true") {
            return true;
        }
        if (word === "false") {
            return false;
        }
        if (word === "null") {
            return null;
        }
        return this.fail();
    };

    // Gives the members an ordinary object, defining each one so that no member name (not even
    // "__proto__") reaches a setter.
    function plainObject(members) {
        var result = {};
        Object.keys(members).forEach(function (key) {
            Object.defineProperty(result, key, {
                value: members[key],
                enumerable: true,
                writable: true,
                configurable: true
            });
        });
        return result;
    }

    return function parseReply(text) {
        if (typeof text !== "string") {
            return undefined;
        }
        var reader = new Reader(text);
        try {
            reader.skipSpace();
            // The original pages wrapped the reply in parentheses; a reply may carry them itself.
            var wrapped = 0;
            while (reader.peek() === "(") {
                reader.at += 1;
                wrapped += 1;
                reader.skipSpace();
            }
            var value = reader.readValue(0);
            for (; wrapped > 0; wrapped -= 1) {
                reader.skipSpace();
                reader.expect(")");
            }
            reader.skipSpace();
            if (reader.at !== text.length) {
                return undefined;
            }
            return value;
        } catch (e) {
            return undefined;
        }
    };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = { parseReply: parseReply };
}

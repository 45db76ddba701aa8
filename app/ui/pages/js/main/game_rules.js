// What the main page knows of each game: the shape of a bet, the least base numbers a run needs,
// the form of old-number lists and typed rows, the search entries of the result grid and the grid's
// table. Games differ only in these data; the page's models read them from here. No page
// dependency, so node can test it.
var gameRules = (function () {
    "use strict";

    // Least base numbers of one area: the count and the message shown below it.
    function atLeast(count, message) {
        return { count: count, message: message || "请至少选择" + count + "个基础号码！" };
    }

    // The digit games with play types: a group type needs as many base digits as its groups hold
    // different digits; straight play (and a triple) one.
    var GROUP_DIGITS = { zuLiu: 3, zuSan: 2, zu24: 4, zu12: 3, zu6: 2, zu4: 2, zuXuan: 1 };

    function playTypeMinimum(castType) {
        return atLeast(GROUP_DIGITS[castType] || 1);
    }

    function fixed(minimum) {
        return function () {
            return minimum;
        };
    }

    function singleArea(minimum) {
        return [{ key: "baseNums", minimum: minimum }];
    }

    function twoAreas(front, back) {
        return [
            { key: "baseNums_red", minimum: fixed(front) },
            { key: "baseNums_blue", minimum: fixed(back) }
        ];
    }

    // What only the page needs of a game where it differs from its kind's: its base-number areas
    // with their minimums (by default one area of at least one digit, or of at least a bet's
    // numbers), whether the back area has conditions of its own.
    var PAGE_DATA = {
        Magic3: { baseAreas: singleArea(playTypeMinimum) },
        Quick3: { baseAreas: singleArea(playTypeMinimum) },
        Fc4Of10: { baseAreas: singleArea(playTypeMinimum) },
        Fc6Of10: {
            baseAreas: twoAreas(atLeast(1, "请至少选择1个前区基础号码！"), atLeast(1, "请至少选择1个生肖号码！"))
        },
        Fc6Of33: { baseAreas: twoAreas(atLeast(6, "请至少选择6个红球！"), atLeast(1, "请至少选择1个篮球！")) },
        Tc5Of35: {
            backConditions: true,
            baseAreas: twoAreas(atLeast(5, "请至少选择5个红球！"), atLeast(2, "请至少选择2个篮球！"))
        }
    };

    function kindBaseAreas(entry) {
        return singleArea(fixed(atLeast(entry.kind === "digit" ? 1 : entry.front)));
    }

    // The games of the program's game table (game_table.js): kind "digit" (a digit or die per
    // position, repeats allowed) or "lotto" (distinct numbers from a pool); front/back: numbers per
    // bet in each area; low/high: a front number's range; backHigh: a back number's largest value
    // (back numbers start at 1); table: the result grid's table; whether old numbers separated by
    // commas are one per entry ("oldNumPipes": the digit games of one area); whether it is a
    // high-frequency game; and the page's own data.
    var GAMES = {};
    gameTable.forEach(function (entry) {
        var game = { kind: entry.kind, front: entry.front, back: entry.back, low: entry.low, high: entry.high,
                     backHigh: entry.backHigh, table: entry.table, baseAreas: kindBaseAreas(entry),
                     oldNumPipes: entry.kind === "digit" && entry.back === 0, highFrequency: entry.flag === "Gp" };
        var page = PAGE_DATA[entry.key] || {};
        Object.keys(page).forEach(function (key) {
            game[key] = page[key];
        });
        GAMES[entry.key] = game;
    });

    var GAME_KEYS = Object.keys(GAMES);

    function game(key) {
        return GAMES[key] || null;
    }

    var RUNS_AND_REPEATS = ["lianHao", "notLianHao", "chongMa", "notChongMa"];
    var LOTTO_SEARCHES = ["lianHao", "notLianHao", "sameTail", "notSameTail"];

    // The labels of the result grid's searches (the page's texts); the searches a play type offers
    // are its description's (game_table.js). A game's own label comes before the common one; the
    // labels of a group's searches follow from the group's: "组六直选" its straight rows, "转为直选"
    // every ordering; a set search offered beside its ordered one ("zuSanOrder") reads "（无序）".
    var SEARCH_LABELS = {
        lianHao: "连号", notLianHao: "不连号", chongMa: "同号", notChongMa: "不同号", sameTail: "重尾",
        notSameTail: "不重尾", baoZi: "豹子", zhiXuanToZuXuan: "转为组选",
        zuLiu: "组六", zuSan: "组三", zu24: "组24", zu12: "组12", zu6: "组6", zu4: "组4"
    };
    var GAME_SEARCH_LABELS = { Quick3: { baoZi: "三同号", zuSan: "二同号", zuLiu: "三不同号" } };

    function plainLabel(key, name) {
        return (GAME_SEARCH_LABELS[key] || {})[name] || SEARCH_LABELS[name] || name;
    }

    function searchLabel(key, name, offered) {
        if (/ToZhiXuan$/.test(name)) {
            return "转为直选";
        }
        if (/.ZhiXuan$/.test(name)) {
            return plainLabel(key, name.replace(/ZhiXuan$/, "")) + "直选";
        }
        if (/.Order$/.test(name)) {
            return plainLabel(key, name.replace(/Order$/, "")) + "（有序）";
        }
        return plainLabel(key, name) + (offered.indexOf(name + "Order") >= 0 ? "（无序）" : "");
    }

    // The searches a game offers on the rows of that play type: those of the play type of that name
    // or, for another castType, of the play type such a run plays; a game without play types
    // searches runs and repeats (digit games) or runs and tails (lotto games).
    function searchNames(key, castType) {
        var entry = gameTable.filter(function (g) {
            return g.key === key;
        })[0];
        if (!entry) {
            return [];
        }
        if (!entry.playTypes) {
            return entry.kind === "lotto" ? LOTTO_SEARCHES : RUNS_AND_REPEATS;
        }
        var played = entry.playTypes.filter(function (type) {
            return type.name === castType;
        })[0] || entry.playTypes.filter(function (type) {
            return type.name === entry.otherPlayType;
        })[0];
        return played ? played.searches : [];
    }

    // The search entries of the result grid (the page puts "全部" first): name and label.
    function searchEntries(key, castType) {
        var names = searchNames(key, castType);
        return names.map(function (name) {
            return { name: name, label: searchLabel(key, name, names) };
        });
    }

    function tableId(key) {
        return game(key) ? game(key).table : 0;
    }

    // The base-number areas of a game with the least count each needs under that play type.
    function baseAreas(key, castType) {
        var g = game(key);
        return g ? g.baseAreas.map(function (area) {
            return { key: area.key, minimum: area.minimum(castType) };
        }) : [];
    }

    // The message of the first base-number area with too few numbers chosen, or null.
    // chosenCount(key) gives how many numbers the component of that key holds.
    function checkBaseNums(key, castType, chosenCount) {
        var areas = baseAreas(key, castType);
        for (var i = 0; i < areas.length; i += 1) {
            if (chosenCount(areas[i].key) < areas[i].minimum.count) {
                return areas[i].minimum.message;
            }
        }
        return null;
    }

    // The numbers of one area's text: separated by commas or white space, or, without separators,
    // one digit each (digit games) or two digits each (lotto games). Null when not numbers.
    function numbersOf(text, perNumber) {
        var trimmed = text.replace(/^[\s,]+|[\s,]+$/g, "");
        if (trimmed === "") {
            return [];
        }
        var pieces = /[\s,]/.test(trimmed) ? trimmed.split(/[\s,]+/) : trimmed.match(perNumber);
        if (!pieces || pieces.join("") !== trimmed.replace(/[\s,]+/g, "")) {
            return null;
        }
        var numbers = [];
        for (var i = 0; i < pieces.length; i += 1) {
            if (!/^\d{1,2}$/.test(pieces[i])) {
                return null;
            }
            numbers.push(parseInt(pieces[i], 10));
        }
        return numbers;
    }

    function inRange(numbers, low, high) {
        return numbers.every(function (n) {
            return n >= low && n <= high;
        });
    }

    function distinct(numbers) {
        return numbers.every(function (n, i) {
            return numbers.indexOf(n) === i;
        });
    }

    // An area of a row is good when it has the game's count of numbers in range; lotto numbers
    // and back numbers may not repeat within their area.
    function goodArea(numbers, count, low, high, mustDiffer) {
        return numbers !== null && numbers.length === count && inRange(numbers, low, high) &&
            (!mustDiffer || distinct(numbers));
    }

    // Reads one bet as typed ("123", "1,2,3", "01 02 03 04 05 06+07", "01,02,03,04,05:06,07") and
    // gives its numbers in order, front then back, or null when it is not a bet of the game.
    function parseRow(key, text) {
        var g = game(key);
        if (!g || typeof text !== "string") {
            return null;
        }
        var perNumber = g.kind === "digit" ? /\d/g : /\d\d/g;
        var front;
        var back = [];
        var areas = text.split(/[+:]/);
        if (areas.length > 2 || (areas.length === 2 && g.back === 0)) {
            return null;
        }
        if (areas.length === 2) {
            front = numbersOf(areas[0], perNumber);
            back = numbersOf(areas[1], /\d{1,2}/g);
        } else {
            var all = numbersOf(text, perNumber);
            if (all === null) {
                return null;
            }
            front = all.slice(0, g.front);
            back = all.slice(g.front);
        }
        var lottoFront = g.kind === "lotto";
        if (!goodArea(front, g.front, g.low, g.high, lottoFront) || !goodArea(back, g.back, 1, g.backHigh, true)) {
            return null;
        }
        return front.concat(back);
    }

    // The row text "AddRow" sends: the numbers joined by ",", or null for a malformed row.
    function rowForRequest(key, text) {
        var numbers = parseRow(key, text);
        return numbers ? numbers.join(",") : null;
    }

    // Digit games without a back area write old numbers as rows of exactly their length of digits
    // separated by commas or white space; the other games one bet per line.
    function wellFormedOldNums(key, text) {
        var g = game(key);
        if (!g) {
            return false;
        }
        if (g.kind === "digit" && g.back === 0) {
            var row = "[" + g.low + "-" + g.high + "]{" + g.front + "}";
            return new RegExp("^[\\s,]*" + row + "(?:[\\s,]+" + row + ")*[\\s,]*$").test(text);
        }
        var lines = text.split(/\r\n|\r|\n/).filter(function (line) {
            return line.trim() !== "";
        });
        return lines.length > 0 && lines.every(function (line) {
            return parseRow(key, line) !== null;
        });
    }

    // The message for an unusable old-number text, or null.
    function checkOldNums(key, text) {
        if (typeof text !== "string" || text.trim() === "") {
            return "请导入、粘贴或输入大底号码！";
        }
        return wellFormedOldNums(key, text) ? null : "大底号码格式不正确！";
    }

    // The old-number text as "Filter" sends it: for the digit games of one area every comma
    // becomes a row separator; the games with numbers of two areas or of a pool (the lotto games,
    // the labelled digit game) send each bet as its numbers joined by "," (front, then back), one a
    // line, whatever separators the user typed.
    function oldNumForRequest(key, text) {
        var g = game(key);
        if (g && g.oldNumPipes) {
            return text.replace(/,/g, "|");
        }
        if (g && (g.kind === "lotto" || g.back > 0)) {
            return text.split(/\r\n|\r|\n/).map(function (line) {
                return line.trim() === "" ? "" : rowForRequest(key, line) || line;
            }).filter(function (line) {
                return line !== "";
            }).join("\n");
        }
        return text;
    }

    // The last draw as "Filter" sends it: the same games send its digits joined by ","; the lotto
    // games the numbers of its front area (the back numbers are no numbers of a bet's front).
    function lastLotteryForRequest(key, text) {
        var g = game(key);
        var value = typeof text === "string" ? text.trim() : "";
        if (g && g.oldNumPipes) {
            return (value.match(/\d/g) || []).join(",");
        }
        if (g && g.kind === "lotto") {
            return (value.match(/\d+/g) || []).slice(0, g.front).map(function (n) {
                return String(parseInt(n, 10));
            }).join(",");
        }
        return value;
    }

    // The games whose result files name a number format ("格式选择").
    var SAVE_FORMAT_GAMES = ["Fc6Of33", "Tc5Of35", "Fc6Of10"];

    function needsSaveFormat(key) {
        return SAVE_FORMAT_GAMES.indexOf(key) >= 0;
    }

    var SAVE_FORMATS = [
        { value: "format0", label: "格式一", front: ",", between: "+" },
        { value: "format1", label: "格式二", front: " ", between: ":" },
        { value: "format2", label: "格式三", front: ",", between: ":" }
    ];

    function twoDigits(n) {
        return (n < 10 ? "0" : "") + n;
    }

    // The save formats with an example bet of the game (01,02,... in order) written in each.
    function saveFormats(key) {
        var g = game(key);
        var front = g ? g.front : 0;
        var back = g ? g.back : 0;
        return SAVE_FORMATS.map(function (format) {
            var numbers = [];
            for (var i = 1; i <= front + back; i += 1) {
                numbers.push(twoDigits(i));
            }
            var frontText = numbers.slice(0, front).join(format.front);
            var backText = numbers.slice(front).join(format.front);
            return { value: format.value, label: format.label,
                     example: backText ? frontText + format.between + backText : frontText };
        });
    }

    // The condition tabs of a game: flag and title, in order.
    function conditionTabs(key) {
        var g = game(key);
        var tabs = [
            { flag: "tabBase", title: "基本指标" },
            { flag: "tabShape", title: "形态指标" },
            { flag: "tabErWei", title: g && g.kind === "lotto" ? "区间、二位、号码组" : "二位指标、号码组" },
            { flag: "tabMore", title: "更多指标" }
        ];
        // Only a back area with conditions of its own has a tab (not a digit game's label, not the
        // single blue number of the 6-of-33 game).
        if (g && g.backConditions) {
            tabs.push({ flag: "tabBack", title: "后区指标" });
        }
        return tabs;
    }

    // High-frequency games have no banker suggestion and show trends on the service's site.
    function isHighFrequency(key) {
        var g = game(key);
        return Boolean(g && g.highFrequency);
    }

    return {
        GAME_KEYS: GAME_KEYS,
        game: game,
        tableId: tableId,
        searchEntries: searchEntries,
        baseAreas: baseAreas,
        checkBaseNums: checkBaseNums,
        parseRow: parseRow,
        rowForRequest: rowForRequest,
        checkOldNums: checkOldNums,
        oldNumForRequest: oldNumForRequest,
        lastLotteryForRequest: lastLotteryForRequest,
        needsSaveFormat: needsSaveFormat,
        saveFormats: saveFormats,
        conditionTabs: conditionTabs,
        isHighFrequency: isHighFrequency
    };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = gameRules;
}

// Random bets of the lucky-number page, by game key. No page dependency, so node can test it.
var luckyNumbers = (function () {
    "use strict";

    var ZODIAC = ["鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"];

    // The shape of a bet of the game, from the program's game table (game_table.js).
    function parameters(game) {
        var entry = gameTable.filter(function (g) {
            return g.key === game;
        })[0] || { kind: "lotto", front: 5, back: 0, low: 1, high: 10, backHigh: 0 };
        return {
            frontLow: entry.low,
            frontPool: entry.high - entry.low + 1,
            backPool: entry.backHigh,
            frontCount: entry.front,
            backCount: entry.back,
            digit: entry.kind === "digit",
            // A digit game's saved rows keep its own separator ("" runs the digits together); the
            // others, and a game whose save chooses its separator, join by ",".
            separator: typeof entry.separator === "string" ? entry.separator : ","
        };
    }

    // A whole number from 0 to limit - 1; random() gives a value in [0, 1).
    function below(limit, random) {
        return Math.min(limit - 1, Math.floor(random() * limit));
    }

    function distinctSorted(count, pool, random) {
        var left = [];
        for (var i = 0; i < pool; i += 1) {
            left.push(i);
        }
        var chosen = [];
        for (var n = 0; n < count && left.length > 0; n += 1) {
            chosen.push(left.splice(below(left.length, random), 1)[0]);
        }
        return chosen.sort(function (a, b) {
            return a - b;
        });
    }

    function twoDigits(value) {
        return (value < 10 ? "0" : "") + value;
    }

    // One bet: { front: [texts], back: [texts] } in the order they are shown and saved.
    function drawBet(game, random) {
        random = random || Math.random;
        var p = parameters(game);
        var front = [];
        var back = [];
        if (p.digit) {
            for (var i = 0; i < p.frontCount; i += 1) {
                front.push(String(below(p.frontPool, random) + p.frontLow));
            }
            for (var j = 0; j < p.backCount; j += 1) {
                back.push(String(below(p.backPool, random) + 1));
            }
        } else {
            front = distinctSorted(p.frontCount, p.frontPool, random).map(function (v) {
                return twoDigits(v + p.frontLow);
            });
            back = distinctSorted(p.backCount, p.backPool, random).map(function (v) {
                return twoDigits(v + 1);
            });
        }
        return { front: front, back: back };
    }

    // The label a back ball shows: the zodiac sign for that game, otherwise the value.
    function backLabel(game, value) {
        return game === "Fc6Of10" ? ZODIAC[Number(value) - 1] || value : value;
    }

    // The saved text: one line per bet, values joined by the game's separator.
    function saveText(game, bets) {
        var separator = parameters(game).separator;
        return bets
            .map(function (bet) {
                return bet.front.concat(bet.back).join(separator) + "\r\n";
            })
            .join("");
    }

    return { parameters: parameters, drawBet: drawBet, backLabel: backLabel, saveText: saveText };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = luckyNumbers;
}

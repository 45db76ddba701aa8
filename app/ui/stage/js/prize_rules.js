// The prize-check and betting-budget pages' games and the checks they make before asking the
// program: the numbers of a bet, and the counts of assumed hits. No page dependency, so node
// tests it (app/ui/tests/prize_rules.test.js).
var prizeRules = (function () {
    "use strict";

    var LEVEL_NAMES = ["一等奖", "二等奖", "三等奖", "四等奖", "五等奖", "六等奖", "七等奖", "八等奖", "九等奖"];

    // The games whose prize rules the program counts. firstEntry: the first count that names a
    // level (the seven-of-thirty rule's count 0, seven numbers and the special one, cannot occur).
    var GAMES = [
        { key: "Fc6Of33", name: "双色球", category: "Fc6Of33_Fc", frontPool: 33, frontPick: 6, backPool: 16,
          backPick: 1, lotNum: 6, backLotNum: 1, frontName: "红球", backName: "蓝球", firstEntry: 0 },
        { key: "Tc5Of35", name: "大乐透", category: "Tc5Of35_Tc", frontPool: 35, frontPick: 5, backPool: 12,
          backPick: 2, lotNum: 5, backLotNum: 2, frontName: "前区", backName: "后区", firstEntry: 0 },
        { key: "Fc7Of30", name: "七乐彩", category: "Fc7Of30_Fc", frontPool: 30, frontPick: 7, backPool: 0,
          backPick: 0, lotNum: 7, backLotNum: 1, frontName: "号码", backName: "特别号", firstEntry: 1,
          specialFromFront: true },
    ];

    function gameOf(keyOrCategory) {
        for (var i = 0; i < GAMES.length; i += 1) {
            if (GAMES[i].key === keyOrCategory || GAMES[i].category === keyOrCategory) {
                return GAMES[i];
            }
        }
        return null;
    }

    function pad(n) {
        return n < 10 ? "0" + n : String(n);
    }

    // The numbers of a text ("1 5,12，30"): { numbers } ascending, or { error }.
    function readNumbers(text, pool, label) {
        var pieces = String(text || "").split(/[\s,，]+/).filter(function (p) { return p !== ""; });
        var seen = {};
        var numbers = [];
        for (var i = 0; i < pieces.length; i += 1) {
            if (!/^\d{1,2}$/.test(pieces[i]) || Number(pieces[i]) < 1 || Number(pieces[i]) > pool) {
                return { error: label + "只能是1到" + pool + "之间的号码！" };
            }
            var n = Number(pieces[i]);
            if (seen[n]) {
                return { error: label + "号码" + pad(n) + "重复了！" };
            }
            seen[n] = true;
            numbers.push(n);
        }
        numbers.sort(function (a, b) { return a - b; });
        return { numbers: numbers };
    }

    function combinations(n, k) {
        if (k < 0 || k > n) {
            return 0;
        }
        var c = 1;
        for (var i = 1; i <= k; i += 1) {
            c = c * (n - k + i) / i;
        }
        return Math.round(c);
    }

    // A bet of the game: { redStr, blueStr, reds, blues, bets } with the lists written as the
    // program reads them (two digits, ascending), or { error }.
    function readBet(game, redText, blueText) {
        var red = readNumbers(redText, game.frontPool, game.frontName);
        if (red.error) {
            return red;
        }
        if (red.numbers.length < game.frontPick) {
            return { error: game.frontName + "至少选" + game.frontPick + "个号码！" };
        }
        var blue = game.backPick > 0 ? readNumbers(blueText, game.backPool, game.backName) : { numbers: [] };
        if (blue.error) {
            return blue;
        }
        if (blue.numbers.length < game.backPick) {
            return { error: game.backName + "至少选" + game.backPick + "个号码！" };
        }
        return {
            redStr: red.numbers.map(pad).join(","),
            blueStr: blue.numbers.map(pad).join(","),
            reds: red.numbers.length,
            blues: blue.numbers.length,
            bets: combinations(red.numbers.length, game.frontPick) * (game.backPick > 0 ?
                combinations(blue.numbers.length, game.backPick) : 1),
        };
    }

    // Whether the assumed hits fit the game and the bet: "" or the message.
    function budgetError(game, bet, zhongRedNum, zhongBlueNum) {
        if (!(zhongRedNum >= 0 && zhongRedNum <= Math.min(game.lotNum, bet.reds))) {
            return game.frontName + "中奖个数不能超过" + Math.min(game.lotNum, bet.reds) + "个！";
        }
        var backLimit = game.specialFromFront ? Math.min(game.backLotNum, bet.reds - zhongRedNum) :
            Math.min(game.backLotNum, bet.blues);
        if (!(zhongBlueNum >= 0 && zhongBlueNum <= backLimit)) {
            return game.backName + "中奖个数不能超过" + backLimit + "个！";
        }
        return "";
    }

    // The counts per level as rows { level, count }; levels: the service's levels of the game
    // ({ levelName }), when it gave them.
    function levelRows(game, counts, levels) {
        var rows = [];
        for (var i = game.firstEntry; i < counts.length; i += 1) {
            var index = i - game.firstEntry;
            var named = levels && levels[index] && levels[index].levelName;
            rows.push({ level: named || LEVEL_NAMES[index] || String(index + 1) + "等奖", count: counts[i] });
        }
        return rows;
    }

    return { GAMES: GAMES, gameOf: gameOf, readBet: readBet, budgetError: budgetError, levelRows: levelRows,
             combinations: combinations };
})();

if (typeof module !== "undefined") {
    module.exports = prizeRules;
}

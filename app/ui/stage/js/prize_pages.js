// The prize-check page (pageForCheck.html) and the betting-budget page (pageForCalc.html): a
// bet of a lotto game checked against a draw of the data service, or against the draw that hits
// as many of its numbers as the user assumes. Needs page.js, popup_page.js and prize_rules.js.
var prizePages = (function () {
    "use strict";

    function byId(id) {
        return document.getElementById(id);
    }

    // Fills the game choice (the current game first when it is one of them) and calls onChange
    // with the chosen game now and whenever it changes.
    function chooseGame(onChange) {
        var select = byId("game");
        var config = callCpp({ method: "getConfig" }) || {};
        popupPage.fillSelect(select, prizeRules.GAMES.map(function (game) {
            return { text: game.name, value: game.key };
        }));
        if (prizeRules.gameOf(config.productName)) {
            select.value = config.productName;
        }
        var changed = function () {
            var game = prizeRules.gameOf(select.value);
            byId("redLabel").textContent = game.frontName + "：";
            byId("blueLabel").textContent = game.backName + "：";
            byId("blueRow").style.display = game.backPick > 0 ? "" : "none";
            onChange(game);
        };
        select.addEventListener("change", changed);
        changed();
        return function () {
            return prizeRules.gameOf(select.value);
        };
    }

    // The service's prize levels of the game, or null.
    function levelsOf(game) {
        var reply = callCpp({ method: "getLotLevel", lotteryCategory: game.category });
        return reply && Array.isArray(reply.items) ? reply.items : null;
    }

    function showCounts(game, counts) {
        var result = byId("levels");
        result.textContent = "";
        var rows = prizeRules.levelRows(game, counts, levelsOf(game));
        result.appendChild(popupPage.table([
            { title: "奖级", cell: function (row) { return row.level; } },
            { title: "中奖注数", cell: function (row) { return row.count; } },
        ], rows));
    }

    // Shows why there is no result; the result of an earlier request goes.
    function refuse(text) {
        popupPage.message("message", text, true);
        ["draw", "levels"].forEach(function (id) {
            if (byId(id)) {
                byId(id).textContent = "";
            }
        });
    }

    // The bet of the form, or null after showing why it is not one.
    function formBet(game) {
        var bet = prizeRules.readBet(game, byId("red").value, game.backPick > 0 ? byId("blue").value : "");
        if (bet.error) {
            refuse(bet.error);
            return null;
        }
        return bet;
    }

    function startCheckPage() {
        popupPage.bar("中奖查询");
        var currentGame = chooseGame(function (game) {
            var select = byId("qiHao");
            popupPage.fillSelect(select, popupPage.drawNumbers(game.category, 30));
            if (!select.options.length) {
                popupPage.message("message", "获取期号失败：服务器连接失败！", true);
            }
        });
        byId("checkButton").addEventListener("click", function () {
            var game = currentGame();
            var bet = formBet(game);
            if (!bet) {
                return;
            }
            if (!byId("qiHao").value) {
                refuse("请选择期号！");
                return;
            }
            var reply = callCpp({ method: "zjCheck", lotteryCategory: game.category, qiHao: byId("qiHao").value,
                                  redStr: bet.redStr, blueStr: bet.blueStr });
            var failure = popupPage.failureOf(reply);
            if (failure || !Array.isArray(reply.zjZhuShu)) {
                refuse(failure || "查询失败！");
                return;
            }
            popupPage.message("message", "第" + reply.qiHao + "期，共" + bet.bets + "注", false);
            var draw = byId("draw");
            draw.textContent = "开奖号码：";
            draw.appendChild(popupPage.balls(reply.lottery, game.backPick || game.backLotNum));
            showCounts(game, reply.zjZhuShu);
        });
    }

    function fillCounts(id, largest) {
        var counts = [];
        for (var n = 0; n <= largest; n += 1) {
            counts.push({ text: String(n), value: String(n) });
        }
        popupPage.fillSelect(byId(id), counts);
    }

    function startCalcPage() {
        popupPage.bar("投注预算");
        var currentGame = chooseGame(function (game) {
            fillCounts("zhongRedNum", game.lotNum);
            fillCounts("zhongBlueNum", game.backLotNum);
            byId("zhongRedLabel").textContent = "中" + game.frontName + "：";
            byId("zhongBlueLabel").textContent = "中" + game.backName + "：";
        });
        byId("calcButton").addEventListener("click", function () {
            var game = currentGame();
            var bet = formBet(game);
            if (!bet) {
                return;
            }
            var zhongRedNum = Number(byId("zhongRedNum").value);
            var zhongBlueNum = Number(byId("zhongBlueNum").value);
            var error = prizeRules.budgetError(game, bet, zhongRedNum, zhongBlueNum);
            if (error) {
                refuse(error);
                return;
            }
            var newest = popupPage.drawNumbers(game.category, 1);
            var reply = callCpp({ method: "touZhuYuSuan", lotteryCategory: game.category,
                                  qiHao: newest.length ? newest[0].value : "", redStr: bet.redStr,
                                  blueStr: bet.blueStr, zhongRedNum: zhongRedNum, zhongBlueNum: zhongBlueNum,
                                  lotNum: game.lotNum, backLotNum: game.backLotNum });
            var failure = popupPage.failureOf(reply);
            if (failure || !Array.isArray(reply.zjZhuShu)) {
                refuse(failure || "计算失败！");
                return;
            }
            popupPage.message("message", "共" + bet.bets + "注，投注金额" + bet.bets * 2 + "元", false);
            showCounts(game, reply.zjZhuShu);
        });
    }

    return { startCheckPage: startCheckPage, startCalcPage: startCalcPage };
})();

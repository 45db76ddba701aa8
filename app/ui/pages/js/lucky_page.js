// The lucky-number page: random bets for the current game, shown ball by ball, kept for saving.
(function () {
    "use strict";

    var game = typeof baseConfig.productName === "string" ? baseConfig.productName : "";
    var generated = []; // every bet since the page opened, in order; it only grows
    var timers = [];

    function clearTimers() {
        timers.forEach(clearTimeout);
        timers = [];
    }

    function later(delay, action) {
        timers.push(setTimeout(action, delay));
    }

    // The ball pictures of the installation; the style sheet's colours stand in without them.
    var images = typeof baseConfig.baseDir === "string" ? baseConfig.baseDir + "/images/" : null;

    function ball(kind, label) {
        var element = document.createElement("span");
        element.className = "lucky-ball " + kind;
        element.textContent = label;
        if (images) {
            element.style.backgroundImage = "url(\"" + images + (kind === "red" ? "redBall22.png" : "blueBall22.png") + "\")";
        }
        return element;
    }

    // Adds one bet as a row whose balls appear one every ballDelay milliseconds.
    function showBet(bet, ballDelay) {
        var row = document.createElement("div");
        row.className = "lucky-bet";
        document.getElementById("bets").appendChild(row);
        var balls = bet.front.map(function (value) {
            return ball("red", value);
        }).concat(bet.back.map(function (value) {
            return ball("blue", luckyNumbers.backLabel(game, value));
        }));
        balls.forEach(function (element, i) {
            later(i * ballDelay, function () {
                row.appendChild(element);
                if (i === balls.length - 1) {
                    row.setAttribute("data-complete", "true");
                }
            });
        });
    }

    function draw(count, betDelay, ballDelay) {
        clearTimers();
        document.getElementById("bets").textContent = "";
        for (var i = 0; i < count; i += 1) {
            var bet = luckyNumbers.drawBet(game);
            generated.push(bet);
            (function (b, at) {
                later(at, function () {
                    showBet(b, ballDelay);
                });
            })(bet, i * betDelay);
        }
    }

    document.getElementById("luckyOne").onclick = function () {
        draw(1, 0, 130);
    };
    document.getElementById("luckyFive").onclick = function () {
        draw(5, 200, 50);
    };
    document.getElementById("save").onclick = function () {
        var reply = callCpp({ method: "SaveLuckyNum", productName: game,
                              luckyNum: luckyNumbers.saveText(game, generated) });
        var message = document.getElementById("saveMessage");
        message.textContent = reply && typeof reply.msg === "string" ? reply.msg : "";
    };
    document.getElementById("close").onclick = function () {
        callCpp({ method: "exit" });
    };
    startWindowBar(baseConfig, "luckyClose");
})();

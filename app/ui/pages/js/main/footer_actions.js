// What a footer button does, from its advertisement entry: a request to the program, a web
// address to open, a refusal, or one of the two exchanges that need more than one step (the
// forum and the user centre). No page dependency, so node can test it.
var footerActions = (function () {
    "use strict";

    // Entries that open a window of the program by a request of their own name.
    var WINDOW_REQUESTS = {
        luckLottery: "showLuckyWin",
        castWebsite: "getCastWebsite",
        zhuiHaoPlan: "showZhuiHaoPlanWin",
        check: "showCheckWin",
        calc: "showCalcWin",
        donar: "showDonarWin",
        phoneClient: "showPhoneClientWin"
    };

    function request(body) {
        return { kind: "request", request: body };
    }

    function open(url) {
        return url ? { kind: "open", url: url } : { kind: "none" };
    }

    // entry: { name, webUrl, ... } of "GetAdvertisement"; config: the runtime configuration.
    function actionFor(entry, config) {
        var name = String(entry.name || "");
        var game = config.productName;
        var highFrequency = gameRules.isHighFrequency(game);
        if (name === "newLottery") {
            return request({ method: "GetNewLottery" });
        }
        if (name.indexOf("dataAnalysis") >= 0) {
            return highFrequency ? open(entry.webUrl) :
                request({ method: "GetDataAnalysis", productName: config.lotteryCategory, rowNumber: "30",
                          type: "byQiShu" });
        }
        if (name === "autoDan") {
            return highFrequency ? { kind: "refuse", message: "高频彩不支持智能荐胆！" } :
                request({ method: "GetDanMa", lotteryCategory: config.lotteryCategory });
        }
        if (WINDOW_REQUESTS[name]) {
            return request({ method: WINDOW_REQUESTS[name] });
        }
        if (name === "softwareProfile" || name === "declaration") {
            return request({ method: "showProfileWin", src: entry.webUrl || "" });
        }
        if (name === "forum") {
            return { kind: "forum" };
        }
        if (name === "userCenter") {
            return { kind: "userCenter" };
        }
        // The web pages ("lotNews", "skills", "video", "useDoc") and any other entry: its address.
        return open(entry.webUrl);
    }

    // The forum's sign-in address: the reply's loginUrl with the stored nickname and credentials
    // (in their stored, scrambled form), each written as one query value. Null without loginUrl.
    function forumAddress(reply, config) {
        if (!reply || typeof reply.loginUrl !== "string" || reply.loginUrl === "") {
            return null;
        }
        var value = function (key) {
            return encodeURIComponent(config[key] || "");
        };
        return reply.loginUrl + "?xxn=" + value("niCheng") + "&iie=" + value("email") + "&llp=" +
            value("phone") + "&iip=" + value("pswd");
    }

    return { actionFor: actionFor, forumAddress: forumAddress };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = footerActions;
}

// The stand-in service's pages of the program's windows: the newest draws, a draw's detail,
// the banker advice, more cast websites, the apps and the notice window. They talk to the
// program through its page protocol (the pop-up window's method table) and look like its pages.
var servicePages = (function () {
    "use strict";

    var el = popupPage.element;
    var SAMPLE = "样例数据，非真实开奖结果";

    function body() {
        return document.getElementById("content");
    }

    function notice(text) {
        body().appendChild(el("div", "popup-notice", text || SAMPLE));
    }

    // Numbers of the back area per lottery category, for the blue balls.
    function backCount(category) {
        var counts = { Fc6Of33_Fc: 1, Tc5Of35_Tc: 2, Fc7Of30_Fc: 1, Fc6Of10_Fc: 1 };
        return counts[category] || 0;
    }

    function failed(reply) {
        var failure = popupPage.failureOf(reply);
        if (failure) {
            body().appendChild(el("div", "popup-message", failure));
            return true;
        }
        return false;
    }

    function newestDraws() {
        popupPage.bar("最新开奖");
        var reply = callCpp({ method: "GetNewLottery" });
        if (failed(reply)) {
            return;
        }
        notice(reply.notice);
        var items = Array.isArray(reply.items) ? reply.items : [];
        body().appendChild(popupPage.table([
            { title: "彩种", cell: function (d) { return d.productCnName; } },
            { title: "期号", cell: function (d) { return d.qiHao; } },
            { title: "开奖日期", cell: function (d) { return d.lotDate; } },
            { title: "开奖号码", cell: function (d) { return popupPage.balls(d.lottery, backCount(d.lotteryCategory)); } },
            { title: "详情", cell: function (d) {
                var link = el("a", "draw-detail", "详情");
                link.addEventListener("click", function () {
                    callCpp({ method: "ShowLotDetail", lotCategoryId: d.lotCategoryId, qiHao: d.qiHao,
                              lotteryCategory: d.lotteryCategory });
                });
                return link;
            } },
        ], items));
    }

    function drawDetail() {
        var category = popupPage.query("lotteryCategory");
        popupPage.bar("开奖详情");
        var reply = callCpp({ method: "getLotDetailById", lotCategoryId: popupPage.query("lotCategoryId"),
                              qiHao: popupPage.query("qiHao") });
        if (failed(reply)) {
            return;
        }
        notice(reply.notice);
        var draw = Array.isArray(reply.items) && reply.items.length ? reply.items[0] : null;
        if (!draw) {
            body().appendChild(el("div", "popup-message", "没有该期开奖数据"));
            return;
        }
        var line = el("div", "form-row", draw.productCnName + " 第" + draw.qiHao + "期 " + draw.lotDate + "：");
        line.appendChild(popupPage.balls(draw.lottery, backCount(category || draw.lotteryCategory)));
        body().appendChild(line);
        var levels = callCpp({ method: "getLotLevel", lotteryCategory: category || draw.lotteryCategory });
        var rows = levels && Array.isArray(levels.items) ? levels.items : [];
        body().appendChild(popupPage.table([
            { title: "奖级", cell: function (l) { return l.levelName; } },
            { title: "单注奖金（元）", cell: function (l) { return l.bonus; } },
        ], rows));
    }

    function bankerAdvice() {
        popupPage.bar("胆码推荐");
        var reply = callCpp({ method: "getDanMa" });
        if (failed(reply)) {
            return;
        }
        notice();
        body().appendChild(el("div", "form-row", "推荐胆码：" + (reply.danMa || "")));
        if (reply.lottery) {
            var last = el("div", "form-row", "上期（第" + (reply.qiHao || "") + "期）开奖：");
            last.appendChild(popupPage.balls(reply.lottery, 0));
            body().appendChild(last);
        }
    }

    function castWebsites() {
        popupPage.bar("更多投注网站");
        var reply = callCpp({ method: "getCastWebsite" });
        if (failed(reply)) {
            return;
        }
        notice();
        var items = Array.isArray(reply.items) ? reply.items : [];
        body().appendChild(popupPage.table([
            { title: "网站", cell: function (s) { return s.name; } },
            { title: "地址", cell: function (s) { return s.url || "（样例，无地址）"; } },
        ], items));
    }

    function apps() {
        popupPage.bar("手机客户端");
        notice("样例服务：没有可下载的手机客户端。");
        var reply = callCpp({ method: "getLotCategory" });
        if (failed(reply)) {
            return;
        }
        var items = Array.isArray(reply.items) ? reply.items : [];
        body().appendChild(el("div", "form-row", "支持的彩种：" + items.map(function (c) {
            return c.productCnName;
        }).join("、")));
    }

    function adviceForYou() {
        popupPage.bar("公告");
        notice("这是样例数据服务，开奖号码为生成的样例数据，不是真实开奖结果。");
    }

    return { newestDraws: newestDraws, drawDetail: drawDetail, bankerAdvice: bankerAdvice,
             castWebsites: castWebsites, apps: apps, adviceForYou: adviceForYou };
})();

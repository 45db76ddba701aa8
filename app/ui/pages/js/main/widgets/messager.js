// Messager: the page's messages. Short notices slide in at the top centre and go by themselves
// (not while the pointer rests on one); questions wait for the user. Texts are always shown as
// text, never as markup.
(function (qel, $) {
    "use strict";

    var TITLES = { info: "提示", ok: "提示", warning: "警告", error: "错误" };
    var NOTICE_MS = 3000;
    var FADE_MS = 600;
    // A notice that goes by itself leaves the place where its close box was to what lies below
    // (the lottery bar): a press the player aimed at the box just as it went would land there.
    // For this long after a notice has gone, a press where it stood is not passed on.
    var VACATED_MS = 1000;

    // The places of notices that went by themselves: [{ rect, until }] (until: performance.now()).
    var vacated = [];

    function escapeText(text) {
        return $("<div>").text(String(text === undefined ? "" : text)).html();
    }

    // A path in a message ("/home/…/sys.db") is kept on one line where it fits, and breaks
    // only within itself where it does not: the browser would otherwise break it right after
    // its leading "/" and leave the slash alone at the end of a line.
    function markedText(text) {
        return escapeText(text).replace(/(^|[\s：:（(])(\/[^\s（）()]+)/g, "$1<span class=\"message-path\">$2</span>");
    }

    function inside(rect, x, y) {
        return x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
    }

    function swallowPressOnVacatedPlace(event) {
        var now = performance.now();
        vacated = vacated.filter(function (place) {
            return place.until > now;
        });
        // A notice shown since, or a drop-down opened since, is what the press was aimed at.
        if (!vacated.length || $(event.target).closest(".top-center-notice, .menu, .combo-panel").length) {
            return;
        }
        var aimed = vacated.some(function (place) {
            return inside(place.rect, event.clientX, event.clientY);
        });
        if (aimed) {
            event.preventDefault();
            event.stopPropagation();
        }
    }

    ["mousedown", "mouseup", "click", "dblclick"].forEach(function (type) {
        document.addEventListener(type, swallowPressOnVacatedPlace, true);
    });

    function Messager() {}

    // kind: "info", "ok", "warning" or "error".
    Messager.prototype.showTopCenterMsg = function (kind, text) {
        var box = $.messager.show({
            title: TITLES[kind] || TITLES.info,
            msg: "<div class=\"message message-" + escapeText(kind) + "\">" + markedText(text) + "</div>",
            showType: "fade",
            showSpeed: FADE_MS,
            // It goes by the timer below, which knows that it went by itself.
            timeout: 0,
            width: 300,
            height: "auto",
            style: { right: "", bottom: "", top: 8 }
        });
        var frame = box.dialog("dialog").addClass("top-center-notice");
        var hovered = false;
        var timer = null;
        var goBySelf = function () {
            if (hovered || !box.data("dialog")) {
                return;
            }
            vacated.push({ rect: frame[0].getBoundingClientRect(),
                           until: performance.now() + FADE_MS + VACATED_MS });
            box.dialog("close");
        };
        var wait = function () {
            window.clearTimeout(timer);
            timer = window.setTimeout(goBySelf, NOTICE_MS);
        };
        frame.hover(function () {
            hovered = true;
        }, function () {
            hovered = false;
            wait();
        });
        wait();
    };

    // The message of a reply: its "msg" as a notice of its flag's kind; an unreadable reply is an
    // error with the given fallback text.
    Messager.prototype.showReply = function (reply, fallback) {
        if (!reply || typeof reply !== "object") {
            this.showTopCenterMsg("error", fallback || "操作失败！");
            return;
        }
        this.showTopCenterMsg(reply.flag === "ok" ? "ok" : "error", reply.msg || fallback || "");
    };

    Messager.prototype.confirm = function (text, then) {
        $.messager.confirm(TITLES.info, escapeText(text), function (yes) {
            if (yes) {
                then();
            }
        });
    };

    qel.Messager = Messager;
})(window.qel = window.qel || {}, window.jQuery);

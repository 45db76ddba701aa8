// Messager: the page's messages. Short notices slide in at the top centre and go by themselves;
// questions wait for the user. Texts are always shown as text, never as markup.
(function (qel, $) {
    "use strict";

    var TITLES = { info: "提示", ok: "提示", warning: "警告", error: "错误" };
    var NOTICE_MS = 3000;

    function escapeText(text) {
        return $("<div>").text(String(text === undefined ? "" : text)).html();
    }

    function Messager() {}

    // kind: "info", "ok", "warning" or "error".
    Messager.prototype.showTopCenterMsg = function (kind, text) {
        $.messager.show({
            title: TITLES[kind] || TITLES.info,
            msg: "<div class=\"message message-" + escapeText(kind) + "\">" + escapeText(text) + "</div>",
            showType: "fade",
            timeout: NOTICE_MS,
            width: 300,
            height: "auto",
            style: { right: "", bottom: "", top: 8 }
        });
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

// Page helpers shared by the program's own pages until the full page script lands.
var qelPage = (function () {
    "use strict";

    // Reply texts are object literals ({flag:"ok",msg:"..."}) or JSON. They are read as data,
    // never evaluated: bare member names are quoted, then the text goes through JSON.parse.
    function readReply(text) {
        if (typeof text !== "string" || text === "") {
            return undefined;
        }
        try {
            return JSON.parse(text);
        } catch (e) {
            // not plain JSON: try the object-literal form
        }
        try {
            return JSON.parse(text.replace(/([{,]\s*)([A-Za-z_$][\w$]*)\s*:/g, '$1"$2":'));
        } catch (e) {
            return undefined;
        }
    }

    function callCpp(request) {
        var text = typeof request === "string" ? request : JSON.stringify(request);
        var reply = window.external && window.external.execute ? window.external.execute(text) : "";
        return { text: reply, value: readReply(reply) };
    }

    function show(id, text) {
        var element = document.getElementById(id);
        if (element) {
            element.textContent = text;
        }
    }

    return { readReply: readReply, callCpp: callCpp, show: show };
})();

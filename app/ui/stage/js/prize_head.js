// The head of the prize-check and budget pages: the program's style sheet and page protocol
// (staged in css/ and js/qel/), the games' rules and the pages' script. Written while the head
// is parsed, so the scripts run in order before the body's.
(function () {
    "use strict";
    var scripts = ["../js/qel/reply_parser.js", "../js/qel/page.js", "../js/qel/popup_page.js",
        "../js/prize_rules.js", "../js/prize_pages.js"];
    document.write("<link rel=\"icon\" href=\"data:,\"><link rel=\"stylesheet\" href=\"../css/style.css\">" +
        scripts.map(function (src) { return "<script src=\"" + src + "\"></" + "script>"; }).join(""));
})();

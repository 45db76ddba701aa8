// The head of the stand-in service's pages: the program's style sheet and page protocol (served
// below "/qel/"), then the pages' own script. Written while the head is parsed, so the scripts
// run in order before the body's.
(function () {
    "use strict";
    var scripts = ["/qel/js/reply_parser.js", "/qel/js/page.js", "/qel/js/popup_page.js", "js/service_pages.js"];
    document.write("<link rel=\"icon\" href=\"data:,\"><link rel=\"stylesheet\" href=\"/qel/css/style.css\">" +
        scripts.map(function (src) { return "<script src=\"" + src + "\"></" + "script>"; }).join(""));
})();

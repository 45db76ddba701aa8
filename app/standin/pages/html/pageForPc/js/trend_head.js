// The trend page's head, after service_head.js: the window's configuration ("getConfig"), then,
// from its base address as the main page loads them, jQuery and jQuery EasyUI with its Chinese
// texts; the main page's grid and tab widgets and the page's own scripts. Written while the head
// is parsed, so the scripts run in order before the body's.
var trendConfig = callCpp({ method: "getConfig" }) || {};
(function () {
    "use strict";
    var attribute = function (text) {
        return String(text).replace(/&/g, "&amp;").replace(/"/g, "&quot;").replace(/</g, "&lt;");
    };
    var base = typeof trendConfig.baseDir === "string" ? trendConfig.baseDir : "";
    var easyui = base + "/js/lib/jquery-easyui-1.5.21";
    var head = [];
    var scripts = [];
    if (base) {
        head.push("<link rel=\"stylesheet\" href=\"" + attribute(easyui + "/css/easyui.css") + "\">");
        scripts.push(base + "/js/lib/jquery-1.11.0.min.js", easyui + "/js/jquery.easyui.min.js",
            easyui + "/locale/easyui-lang-zh_CN.js");
    }
    scripts.push("/qel/js/main/widgets/my_table.js", "/qel/js/main/widgets/my_tabs.js", "js/trend_rules.js",
        "js/trend_page.js");
    document.write(head.join("") + scripts.map(function (src) {
        return "<script charset=\"utf-8\" src=\"" + attribute(src) + "\"></" + "script>";
    }).join(""));
})();

// The head of the program's small pages (start, about, lucky numbers): the configuration read
// once through the given request ("GetSystemConfig" in the main window, "getConfig" in a pop-up),
// then jQuery and json2 from its base address, then the style sheet. Needs loader.js and page.js.
function startSmallPage(configMethod) {
    "use strict";
    var config = callCpp({ method: configMethod }) || {};
    if (typeof config.baseDir === "string" && config.baseDir !== "") {
        dynamicImport({ cssOrJs: "js", type: "text/javascript", path: config.baseDir + "/js/lib/jquery-1.11.0.min.js" });
        dynamicImport({ cssOrJs: "js", type: "text/javascript", path: config.baseDir + "/js/lib/json2.js" });
    }
    dynamicImport({ cssOrJs: "css", type: "text/css", path: "css/style.css" });
    return config;
}

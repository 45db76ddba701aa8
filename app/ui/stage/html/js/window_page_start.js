// The head of the installation's pop-up pages, joined after the page protocol, the head of the
// small pages and the title bar into js/window_page.js: the configuration through "getConfig",
// the libraries and both style sheets, and the title bar, named by the page's title, put at the
// top of the page once it is read. Returns the configuration.
function startWindowPage() {
    "use strict";
    var config = startSmallPage("getConfig");
    dynamicImport({ cssOrJs: "css", type: "text/css", path: "css/pages.css" });
    document.addEventListener("DOMContentLoaded", function () {
        var bar = document.createElement("div");
        var title = document.createElement("span");
        var close = document.createElement("img");
        bar.className = "window-bar";
        title.textContent = document.title;
        close.className = "window-close";
        close.id = "windowClose";
        close.alt = "关闭";
        close.title = "关闭";
        bar.appendChild(title);
        bar.appendChild(close);
        document.body.insertBefore(bar, document.body.firstChild);
        document.body.classList.add("window-page");
        startWindowBar(config, "windowClose");
    });
    return config;
}

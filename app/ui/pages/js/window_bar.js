// The title bar of a pop-up page: its close image (with the hover image) sends "exit", and the
// page has no context menu. config is the runtime configuration, whose baseDir addresses the
// images. Needs page.js.
function startWindowBar(config, closeId) {
    "use strict";
    var images = (config && typeof config.baseDir === "string" ? config.baseDir : "") + "/images/";
    var close = document.getElementById(closeId);
    close.src = images + "closeMainWin.png";
    close.onmouseenter = function () { close.src = images + "closeMainWin1.png"; };
    close.onmouseleave = function () { close.src = images + "closeMainWin.png"; };
    close.onclick = function () { callCpp({ method: "exit" }); };
    document.oncontextmenu = function () { return false; };
}

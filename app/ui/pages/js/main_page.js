// The main page script (a placeholder until the full main page lands): it shows that the
// configuration arrived and that the game's component configuration is answered, and marks the
// page title with the outcome, which the gui test reads.
(function () {
    "use strict";

    function start() {
        var configured = typeof baseConfig.productName === "string" && baseConfig.productName !== "";
        showText("systemConfig", JSON.stringify(baseConfig, null, 1));
        var productName = configured ? baseConfig.productName : "Magic3";
        showText("productName", productName);
        var components = callCpp({ method: "GetComponentConfig", productName: productName });
        showText("componentConfig", components === undefined ? "" : JSON.stringify(components));

        var answered = configured && components !== undefined;
        var status = document.getElementById("status");
        status.textContent = answered ? "桥接正常" : "桥接无答复";
        status.className = answered ? "status-ok" : "status-error";
        document.title = answered ? "bridge ok" : "bridge failed";

        document.getElementById("close").onclick = function () {
            callCpp({ method: "Exit" });
        };
    }

    // jQuery is there when the libraries were staged; the page still works without them.
    if (window.jQuery) {
        window.jQuery(start);
    } else if (document.readyState === "loading") {
        document.addEventListener("DOMContentLoaded", start);
    } else {
        start();
    }
})();

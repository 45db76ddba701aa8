// Installed by the shell at document start in every page and frame: the pages call the program
// through window.external.execute(text), as they did with the original HTML control. Each call is
// one synchronous POST to the window's bridge address; the shell writes the address in below.
(function () {
    "use strict";
    var address = "@QEL_BRIDGE_ADDRESS@";

    function execute(text) {
        try {
            var request = new XMLHttpRequest();
            request.open("POST", address, false);
            request.send(String(text));
            return request.status === 200 ? request.responseText : "";
        } catch (e) {
            // A failed call answers nothing, which the pages treat as no answer.
            return "";
        }
    }

    var external = { execute: execute };
    try {
        Object.defineProperty(window, "external", {
            value: external,
            configurable: true,
            writable: true
        });
    } catch (e) {
        window.external = external;
    }
})();

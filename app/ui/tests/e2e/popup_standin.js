"use strict";

// The pop-up pages run in pop-ups, whose own table answers "getConfig", "SaveLuckyNum" and "exit";
// the page host serves the main window only, so this stand-in answers those: the main window's
// real configuration with the game of the page address, a plain success for the save, and
// nothing for "exit".
const POPUP_STANDIN = `(() => {
    const send = window.external.execute;
    const game = new URLSearchParams(location.search).get("game") || "Magic3";
    window.external.execute = function (text) {
        let request = {};
        try { request = JSON.parse(text); } catch (e) {}
        if (request.method === "getConfig") {
            return send(JSON.stringify({ method: "GetSystemConfig" }))
                .replace(/productName:"[^"]*"/, 'productName:"' + game + '"');
        }
        if (request.method === "SaveLuckyNum") {
            return '{flag:"ok",msg:"保存成功！"}';
        }
        if (request.method === "exit") {
            return "";
        }
        return send(text);
    };
})();`;

module.exports = { POPUP_STANDIN };

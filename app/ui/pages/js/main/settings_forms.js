// The requests of the login window and of the settings tab, from what the user typed, with the
// message for what cannot be sent. No page dependency, so node can test it.
var settingsForms = (function () {
    "use strict";

    var DEFAULT_TEXT = "默认";
    var DEFAULT_PORT = "568";
    var EMAIL = /^[^\s@]+@[^\s@]+\.[^\s@]+$/;

    // { message } when a field is missing, else { request } of "logIn": a user name that looks like
    // an e-mail address goes as "email", anything else as "phone".
    function login(userName, password) {
        var user = String(userName || "").trim();
        if (user === "") {
            return { message: "请输入用户名！" };
        }
        if (!password) {
            return { message: "请输入密码！" };
        }
        var byEmail = EMAIL.test(user);
        return { request: { method: "logIn", phone: byEmail ? "" : user, email: byEmail ? user : "",
                            password: String(password) } };
    }

    // The network settings: null while both fields still read "默认"; otherwise the rows of
    // "SaveConfig", where "默认" stands for the built-in server and port.
    function networkRows(host, port, defaultHost) {
        var h = String(host || "").trim();
        var p = String(port || "").trim();
        if (h === DEFAULT_TEXT && p === DEFAULT_TEXT) {
            return null;
        }
        return [{ host: h === DEFAULT_TEXT || h === "" ? defaultHost : h },
                { port: p === DEFAULT_TEXT || p === "" ? DEFAULT_PORT : p }];
    }

    // A port must be a whole number from 1 to 65535 (or "默认").
    function checkPort(port) {
        var p = String(port || "").trim();
        if (p === DEFAULT_TEXT || p === "") {
            return null;
        }
        var n = Number(p);
        return /^\d+$/.test(p) && n >= 1 && n <= 65535 ? null : "端口须为1～65535的整数！";
    }

    var MESSAGE_SETTINGS = [
        { name: "showTip", label: "鼠标滑过指标名称时显示术语解释" },
        { name: "showResultMsg", label: "显示过滤结果信息" },
        { name: "showUpgradeMsg", label: "启动时，显示版本升级提示" }
    ];

    // One row per message setting, "true" or "false".
    function messageRows(checked) {
        return MESSAGE_SETTINGS.map(function (setting) {
            var row = {};
            row[setting.name] = checked[setting.name] ? "true" : "false";
            return row;
        });
    }

    return {
        DEFAULT_TEXT: DEFAULT_TEXT,
        MESSAGE_SETTINGS: MESSAGE_SETTINGS,
        login: login,
        networkRows: networkRows,
        checkPort: checkPort,
        messageRows: messageRows
    };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = settingsForms;
}

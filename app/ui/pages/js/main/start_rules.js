// The decisions of the main page's start: whether to switch the upgrade notice back on, whether a
// login is stored, whether a newer version is announced and whether this start shows the
// information window. No page dependency, so node can test it.
var startRules = (function () {
    "use strict";

    // Monday, Wednesday and Saturday switch the upgrade notice back on.
    var NOTICE_DAYS = [1, 3, 6];

    function switchUpgradeNoticeOn(date, config) {
        return NOTICE_DAYS.indexOf(date.getDay()) >= 0 && config.showUpgradeMsg !== "true";
    }

    // A login is stored when a phone number or an e-mail address and a password are.
    function hasStoredLogin(config) {
        return Boolean((config.phone || config.email) && config.pswd);
    }

    // Compares dotted version texts part by part as numbers ("1.10" is newer than "1.9").
    function isNewer(candidate, current) {
        var a = String(candidate || "").split(".");
        var b = String(current || "").split(".");
        for (var i = 0; i < Math.max(a.length, b.length); i += 1) {
            var x = parseInt(a[i], 10) || 0;
            var y = parseInt(b[i], 10) || 0;
            if (x !== y) {
                return x > y;
            }
        }
        return false;
    }

    function showUpgradeNotice(config) {
        return config.showUpgradeMsg === "true" && isNewer(config.maxProVersion, config.mainProVersion);
    }

    // Every third start shows the information window.
    function showInformationWindow(config) {
        var starts = parseInt(config.switchTimes, 10);
        return starts > 0 && starts % 3 === 0;
    }

    return {
        switchUpgradeNoticeOn: switchUpgradeNoticeOn,
        hasStoredLogin: hasStoredLogin,
        isNewer: isNewer,
        showUpgradeNotice: showUpgradeNotice,
        showInformationWindow: showInformationWindow
    };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = startRules;
}

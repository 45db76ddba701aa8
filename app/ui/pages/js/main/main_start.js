// The start of the main page, once the document and the libraries are there: the constants of
// the game, the page's controller, the upgrade notice's weekly reminder, the login window or the
// version notice, and every third start the information window.
(function (qel, $) {
    "use strict";

    var NOTICE_DELAY_MS = 1000;

    // The upgrade notice: a newer version was announced; the user may fetch it at once.
    function offerUpgrade(controller, config) {
        controller.messager.confirm("发现新版本" + config.maxProVersion + "，是否立即升级？", function () {
            controller.menu.checkVersion();
        });
    }

    function start() {
        document.oncontextmenu = function () {
            return false;
        };
        var constants = qel.ConstantModel.load(window.baseConfig || {});
        var controller = new qel.Controller(constants);
        qel.controller = controller;
        controller.build();

        if (startRules.switchUpgradeNoticeOn(new Date(), constants.config)) {
            controller.saveConfig("message_setting", [{ showUpgradeMsg: "true" }]);
        }
        var config = constants.config;
        if (!startRules.hasStoredLogin(config)) {
            controller.footer.openLogin();
        } else if (startRules.showUpgradeNotice(config)) {
            window.setTimeout(function () {
                offerUpgrade(controller, config);
            }, NOTICE_DELAY_MS);
        }
        window.setTimeout(function () {
            if (startRules.showInformationWindow(config)) {
                qel.ConService.call("showQelInfoWin");
            }
        }, NOTICE_DELAY_MS);
        document.documentElement.setAttribute("data-ready", "true");
        document.title = "Varnel - " + (config.productCnName || constants.game);
    }

    $(start);
})(window.qel = window.qel || {}, window.jQuery);

// FooterModel: the south bar of the main page, one button per advertisement entry of the game,
// the login window ("用户登录") and the detail window of a draw.
(function (qel, $) {
    "use strict";

    function FooterModel(controller) {
        this.controller = controller;
    }

    FooterModel.prototype.config = function () {
        return this.controller.constants.config;
    };

    FooterModel.prototype.render = function (region) {
        var self = this;
        var config = this.config();
        var bar = $("<div class=\"footer-bar\" id=\"footerBar\">").appendTo(region);
        var reply = qel.ConService.getAdvertisement(config);
        var base = typeof config.baseDir === "string" ? config.baseDir : "";
        (reply && Array.isArray(reply.children) ? reply.children : []).forEach(function (entry) {
            var button = new qel.HotImageButton({
                image: base + "/images/footerBtn/" + (entry.logo || ""),
                label: entry.advertisement || "",
                className: "footer-button",
                onClick: function () {
                    self.act(entry);
                }
            });
            button.element.attr("data-name", entry.name || "");
            bar.append(button.element);
        });
    };

    // What a footer button does (footerActions has the rules).
    FooterModel.prototype.act = function (entry) {
        var messager = this.controller.messager;
        var action = footerActions.actionFor(entry, this.config());
        if (action.kind === "request") {
            var reply = qel.ConService.call(action.request.method, action.request);
            // Window requests answer nothing; a request the program cannot serve says why.
            if (reply && reply.flag === "error") {
                messager.showReply(reply);
            }
        } else if (action.kind === "open") {
            qel.ConService.openShell(action.url);
        } else if (action.kind === "refuse") {
            messager.showTopCenterMsg("warning", action.message);
        } else if (action.kind === "forum") {
            this.openForum();
        } else if (action.kind === "userCenter") {
            this.openUserCenter();
        }
    };

    FooterModel.prototype.openForum = function () {
        var reply = qel.ConService.getForumInfo();
        var address = footerActions.forumAddress(reply, this.config());
        if (address) {
            qel.ConService.openShell(address);
        } else {
            this.controller.messager.showReply(reply, "服务器连接失败！");
        }
    };

    // The user centre for a stored login, else the login window.
    FooterModel.prototype.openUserCenter = function () {
        var reply = qel.ConService.getUserInfo();
        if (reply && (reply.flag === "no_user" || reply.flag === "noLocalUserInfo")) {
            this.openLogin();
        } else if (reply && Array.isArray(reply.items) && reply.items.length) {
            this.showUserCenter(reply.items[0]);
        } else {
            this.controller.messager.showReply(reply, "服务器连接失败！");
        }
    };

    FooterModel.prototype.showUserCenter = function (userInfo) {
        qel.ConService.call("showUserCenterWin", { userInfo: toJson(userInfo) });
    };

    FooterModel.prototype.openLogin = function () {
        var self = this;
        var messager = this.controller.messager;
        var body = $("<div class=\"login-form\">");
        var line = function (label, input) {
            $("<div class=\"login-line\">").append($("<label>").text(label), input).appendTo(body);
            return input;
        };
        var user = line("用户名：", $("<input type=\"text\" id=\"loginUser\">"));
        var password = line("密　码：", $("<input type=\"password\" id=\"loginPassword\">"));
        new qel.MyWindow({ id: "loginWindow", title: "用户登录", width: 320, content: body,
                           buttons: [{ text: "登录", handler: function () {
                               var form = settingsForms.login(user.val(), password.val());
                               if (form.message) {
                                   messager.showTopCenterMsg("warning", form.message);
                                   return;
                               }
                               var reply = qel.ConService.logIn(form.request);
                               if (reply && reply.flag === "ok") {
                                   this.close();
                                   self.showUserCenter(Array.isArray(reply.items) && reply.items.length ?
                                       reply.items[0] : reply);
                               } else {
                                   messager.showReply(reply, "服务器连接失败！");
                               }
                           } }, { text: "取消", handler: function () {
                               this.close();
                           } }] });
    };

    // The prize table of a draw of the current game.
    FooterModel.prototype.showDrawDetail = function (draw) {
        qel.ConService.call("getLotLevel", { lotCategoryId: draw.lotCategoryId || "", qiHao: draw.qiHao || "",
                                             lotteryCategory: this.config().lotteryCategory || "" });
    };

    qel.FooterModel = FooterModel;
})(window.qel = window.qel || {}, window.jQuery);

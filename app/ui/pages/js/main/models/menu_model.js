// MenuModel: the north bar of the main page: the product's name and version, the lottery bar with
// the current game, the game menu and the last draw, the system buttons (minimise, close) and the
// menus "文件" and "选项".
(function (qel, $) {
    "use strict";

    function MenuModel(controller) {
        this.controller = controller;
        this.config = controller.constants.config;
    }

    function imageAddress(config, file) {
        return (typeof config.baseDir === "string" ? config.baseDir : "") + "/images/" + file;
    }

    // A menu button over a menu of items: [{ id, text, action }]. Each item's action may make a
    // synchronous call that opens a dialog or a pop-up; it runs once the page has painted the
    // menu closed, so that the menu is not left drawn behind what the call opens.
    function menuButton(id, text, items, parent) {
        var menu = $("<div class=\"main-menu\">").attr("id", id + "Items").appendTo("body");
        items.forEach(function (item) {
            $("<div>").attr("id", item.id).text(item.text).appendTo(menu);
        });
        var actions = {};
        items.forEach(function (item) {
            actions[item.id] = item.action;
        });
        menu.menu({ onClick: function (item) {
            var action = actions[$(item.target).attr("id")];
            if (action) {
                menu.menu("hide");
                afterPaint(action);
            }
        } });
        $("<a href=\"javascript:void(0)\" class=\"menu-bar-button\">").attr("id", id).text(text).appendTo(parent)
            .menubutton({ menu: menu, plain: true });
    }

    MenuModel.prototype.render = function (region) {
        var config = this.config;
        var bar = $("<div class=\"north-bar\">").appendTo(region);
        var brand = $("<div class=\"brand\">").appendTo(bar);
        $("<img class=\"brand-logo\" alt=\"\">").attr("src", imageAddress(config, "logo/logo.png")).appendTo(brand);
        $("<span class=\"brand-name\">").text("Varnel").appendTo(brand);
        $("<span class=\"brand-version\">").text("v" + (config.mainProVersion || "")).appendTo(brand);
        $("<span class=\"brand-slogan\">").text("---- 全民玩彩必备！").appendTo(brand);
        this.renderLotteryBar($("<div class=\"lottery-bar\" id=\"lotteryBar\">").appendTo(bar));
        this.renderSystemButtons($("<div class=\"system-buttons\">").appendTo(bar));
        this.renderMenus($("<div class=\"menu-bar\" id=\"menuBar\">").appendTo(bar));
    };

    MenuModel.prototype.renderLotteryBar = function (bar) {
        var controller = this.controller;
        $("<span class=\"current-game\" id=\"currentGame\">").text(this.config.productCnName || controller.game)
            .appendTo(bar);
        this.renderGameMenu(bar);
        var draw = controller.lastDraw;
        var text = draw ? "第" + draw.qiHao + "期开奖：" + draw.lottery : "上期开奖：--";
        $("<a href=\"javascript:void(0)\" class=\"last-draw\" id=\"lastDraw\">").text(text).appendTo(bar)
            .on("click", function () {
                if (draw) {
                    controller.footer.showDrawDetail(draw);
                }
            });
    };

    // The games in use, by area, from the product tree; choosing one switches to it.
    MenuModel.prototype.renderGameMenu = function (bar) {
        var self = this;
        var reply = qel.ConService.getProductList();
        var menu = $("<div class=\"main-menu\" id=\"gameMenu\">").appendTo("body");
        var products = {};
        var addNodes = function (nodes, parent) {
            nodes.forEach(function (node) {
                if (node.productName) {
                    products[node.productName] = node;
                    $("<div>").attr("data-game", node.productName).text(node.productCnName).appendTo(parent);
                } else if (Array.isArray(node.children) && node.children.length) {
                    var item = $("<div>").append($("<span>").text(node.text)).appendTo(parent);
                    addNodes(node.children, $("<div>").appendTo(item));
                }
            });
        };
        addNodes(reply && Array.isArray(reply.children) ? reply.children : [], menu);
        menu.menu({ onClick: function (item) {
            var product = products[$(item.target).attr("data-game")];
            if (product) {
                self.switchTo(product);
            }
        } });
        $("<a href=\"javascript:void(0)\" id=\"switchGame\">切换彩种</a>").appendTo(bar)
            .menubutton({ menu: menu, plain: true });
    };

    // Switching the game: the program keeps the choice and loads the main page again.
    MenuModel.prototype.switchTo = function (product) {
        var controller = this.controller;
        if (product.productName === controller.game) {
            return;
        }
        controller.waiting.show("正在切换到" + product.productCnName + "，请稍后...");
        window.setTimeout(function () {
            var reply = qel.ConService.toggle(product);
            if (!reply || reply.flag === "error") {
                controller.waiting.hide();
                controller.messager.showReply(reply, "切换失败！");
            }
        }, 30);
    };

    MenuModel.prototype.renderSystemButtons = function (box) {
        var config = this.config;
        [["minimize", "最小化", "minMainWin"], ["close", "关闭", "closeMainWin"]].forEach(function (button) {
            box.append(new qel.HotImageButton({
                image: imageAddress(config, button[2] + ".png"),
                hoverImage: imageAddress(config, button[2] + "1.png"),
                title: button[1],
                className: "system-button system-" + button[0],
                onClick: function () {
                    qel.ConService.systemEvent(button[0]);
                }
            }).element);
        });
    };

    MenuModel.prototype.renderMenus = function (bar) {
        var controller = this.controller;
        var config = this.config;
        menuButton("menuFile", "文件", [
            { id: "menuSaveResult", text: "保存过滤结果", action: function () {
                controller.result.save();
            } },
            { id: "menuSaveScenario", text: "保存方案", action: controller.saveScenario.bind(controller) },
            { id: "menuOpenScenario", text: "导入方案", action: controller.openScenario.bind(controller) },
            { id: "menuOpenOldNum", text: "导入大底号码", action: controller.importOldNumbers.bind(controller) },
            { id: "menuExit", text: "退出", action: function () {
                qel.ConService.exit();
            } }
        ], bar);
        menuButton("menuOptions", "选项", [
            { id: "menuSettings", text: "设置", action: function () {
                controller.settings.open();
            } },
            { id: "menuProfile", text: "软件介绍", action: function () {
                qel.ConService.call("showProfileWin", { src: (config.website || "") + "/html/pageForPc/pageForProfile.html" });
            } },
            { id: "menuKnowledge", text: "缩水教程", action: function () {
                qel.ConService.call("showKnowledgeWin");
            } },
            { id: "menuVideo", text: "视频教程", action: this.openVideo.bind(this) },
            { id: "menuUpgrade", text: "软件升级", action: this.checkVersion.bind(this) },
            { id: "menuAbout", text: "关于", action: function () {
                qel.ConService.call("aboutQel");
            } }
        ], bar);
    };

    MenuModel.prototype.openVideo = function () {
        var reply = qel.ConService.getVideoUrl();
        if (reply && typeof reply.videoUrl === "string" && reply.videoUrl) {
            qel.ConService.openShell(reply.videoUrl);
            return;
        }
        this.controller.messager.showReply(reply, "服务器连接失败！");
    };

    // Asks the data service for a newer version and opens its download address.
    MenuModel.prototype.checkVersion = function () {
        var messager = this.controller.messager;
        var reply = qel.ConService.checkNewClienVersion();
        if (!reply || reply.flag === "error") {
            messager.showTopCenterMsg("error", "服务器连接失败！");
        } else if (reply.flag === "noNewVersion") {
            messager.showTopCenterMsg("info", "当前版本已是最新版本！");
        } else if (typeof reply.downloadUrl === "string" && reply.downloadUrl) {
            qel.ConService.openShell(reply.downloadUrl);
        }
    };

    qel.MenuModel = MenuModel;
})(window.qel = window.qel || {}, window.jQuery);

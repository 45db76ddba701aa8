// MenuModelSetting: the closable tab "设置" that the menu item "设置" adds to the condition tabs.
// A list on its left picks the panel: "网络" (the data service's server and port), "消息" (which
// messages the page shows) and "插件" (the game plug-ins, switched on and off). Every panel
// closes the tab with "关闭".
(function (qel, $) {
    "use strict";

    var TAB_TITLE = "设置";
    var PANELS = [
        { entry: "网络", name: "net_setting", title: "网络设置" },
        { entry: "消息", name: "message_setting", title: "消息设置" },
        { entry: "插件", name: "plugin_setting", title: "插件管理" }
    ];

    function MenuModelSetting(controller) {
        this.controller = controller;
    }

    MenuModelSetting.prototype.tabs = function () {
        return this.controller.filterItems.tabs;
    };

    MenuModelSetting.prototype.open = function () {
        var tabs = this.tabs();
        if (tabs.exists(TAB_TITLE)) {
            tabs.select(TAB_TITLE);
            return;
        }
        var self = this;
        var content = $("<div class=\"settings\" id=\"settingsTab\">");
        var list = $("<ul class=\"settings-list\" id=\"settingsList\">").appendTo(content);
        var area = $("<div class=\"settings-panel\">").appendTo(content);
        PANELS.forEach(function (panel) {
            $("<li>").attr("data-name", panel.name).text(panel.entry).appendTo(list).on("click", function () {
                list.children().removeClass("active");
                $(this).addClass("active");
                self.show(panel, area);
            });
        });
        tabs.add(TAB_TITLE, content, true, "tab-settings");
        tabs.select(TAB_TITLE);
        list.children().first().trigger("click");
    };

    MenuModelSetting.prototype.close = function () {
        this.tabs().close(TAB_TITLE);
    };

    MenuModelSetting.prototype.show = function (panel, area) {
        area.empty();
        var body = $("<div class=\"settings-body\">").attr("id", panel.name);
        $("<div class=\"settings-title\">").text(panel.title).appendTo(area);
        area.append(body);
        var buttons = $("<div class=\"settings-buttons\">");
        if (panel.name === "net_setting") {
            this.network(body, buttons);
        } else if (panel.name === "message_setting") {
            this.messages(body, buttons);
        } else {
            this.plugins(body);
        }
        $("<a href=\"javascript:void(0)\" class=\"settings-close\">关闭</a>").appendTo(buttons).linkbutton()
            .on("click", this.close.bind(this));
        area.append(buttons);
    };

    function field(body, label, id) {
        var line = $("<div class=\"settings-field\">").appendTo(body);
        $("<label>").attr("for", id).text(label).appendTo(line);
        return $("<input type=\"text\">").attr("id", id).val(settingsForms.DEFAULT_TEXT).appendTo(line);
    }

    function okButton(buttons, action) {
        $("<a href=\"javascript:void(0)\" class=\"settings-ok\">确定</a>").appendTo(buttons).linkbutton()
            .on("click", action);
    }

    // Server and port; "默认" stands for the built-in ones. With the "debug" setting off the
    // configuration's host is the built-in one.
    MenuModelSetting.prototype.network = function (body, buttons) {
        var controller = this.controller;
        var host = field(body, "服务器：", "settingHost");
        var port = field(body, "端口：", "settingPort");
        okButton(buttons, function () {
            var rows = settingsForms.networkRows(host.val(), port.val(), controller.constants.config.host || "");
            if (!rows) {
                return;
            }
            var problem = settingsForms.checkPort(port.val());
            if (problem) {
                controller.messager.showTopCenterMsg("warning", problem);
                return;
            }
            if (controller.saveConfig("net_setting", rows)) {
                controller.messager.showTopCenterMsg("ok", "保存成功！");
            }
        });
    };

    MenuModelSetting.prototype.messages = function (body, buttons) {
        var controller = this.controller;
        var boxes = {};
        settingsForms.MESSAGE_SETTINGS.forEach(function (setting) {
            var line = $("<div class=\"settings-check\">").appendTo(body);
            boxes[setting.name] = $("<input type=\"checkbox\">").attr("id", "setting-" + setting.name)
                .prop("checked", controller.constants.config[setting.name] === "true");
            $("<label>").append(boxes[setting.name], setting.label).appendTo(line);
        });
        okButton(buttons, function () {
            var checked = {};
            Object.keys(boxes).forEach(function (name) {
                checked[name] = boxes[name].prop("checked");
            });
            if (controller.saveConfig("message_setting", settingsForms.messageRows(checked))) {
                controller.messager.showTopCenterMsg("ok", "保存成功！");
            }
        });
    };

    MenuModelSetting.prototype.plugins = function (body) {
        var controller = this.controller;
        var holder = $("<div class=\"plugin-grid\">").appendTo(body);
        // The panel is narrower than the columns' widths: they share it, but for the state with
        // its enable or disable link, which keeps its room.
        var table = new qel.MyTable($("<table id=\"pluginGrid\">").appendTo(holder), {
            pagination: false,
            fitColumns: true,
            keepWidth: function (entry) {
                return entry.field === "isUse";
            }
        });
        var titles = qel.ConService.getTableTitle(controller.game, 100, "", "");
        table.setColumns(titles && Array.isArray(titles.children) ? titles.children : []);
        var load = function () {
            var reply = qel.ConService.getPluginList();
            var rows = reply && Array.isArray(reply.children) ? reply.children : [];
            table.loadReply({ items: rows, total: rows.length }, 1);
        };
        load();
        // The plug-in list's enable and disable links call changeState(id, state).
        window.changeState = function (id, state) {
            controller.messager.showReply(qel.ConService.changeState(id, state), "操作失败！");
            load();
        };
    };

    qel.MenuModelSetting = MenuModelSetting;
})(window.qel = window.qel || {}, window.jQuery);

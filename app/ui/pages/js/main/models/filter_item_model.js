// FilterItemModel: the centre region of the main page. The condition tabs ("基本指标", "形态指标",
// the two-digit and number-group tab, "更多指标", "后区指标" for games with a back area) hold the
// game's conditions; the toolbar below offers "最大容错数", "条件预览", "全部清除" and "开始过滤". It
// checks a run's choices and writes its "Filter" request. Every game has its model class
// (Magic3FilterItemModel ...); they differ only in the game data of gameRules.
(function (qel, $) {
    "use strict";

    function FilterItemModel(controller, game) {
        this.controller = controller;
        this.game = game;
        this.constants = controller.constants;
        this.controls = new qel.Map();
    }

    FilterItemModel.prototype.render = function (region) {
        var self = this;
        var tabsElement = $("<div id=\"conditionTabs\">").appendTo($("<div class=\"condition-tabs-area\">")
            .appendTo(region));
        this.tabs = new qel.MyTabs(tabsElement, { fit: true });
        gameRules.conditionTabs(this.game).forEach(function (tab) {
            var page = $("<div class=\"condition-page\">").attr("id", tab.flag);
            self.constants.componentsOf(tab.flag).forEach(function (config) {
                var control = qel.controlFactory(config, self.controller.controlContext());
                if (control) {
                    self.controls.put(config.moduleName, control);
                    page.append(control.render());
                }
            });
            if (!page.children().length) {
                $("<div class=\"condition-empty\">").text("该彩种暂无此类指标").appendTo(page);
            }
            self.tabs.add(tab.title, page, false, "tab-" + tab.flag);
        });
        this.tabs.select(gameRules.conditionTabs(this.game)[0].title);
        this.renderToolbar($("<div class=\"condition-toolbar\" id=\"conditionToolbar\">").appendTo(region));
    };

    FilterItemModel.prototype.renderToolbar = function (bar) {
        var self = this;
        $("<span>").text("最大容错数：").appendTo(bar);
        this.maxWrong = $("<select id=\"maxWrong\">").appendTo(bar).on("change", function () {
            self.controller.params.put("maxWrong", this.value);
        });
        this.refreshMaxWrong();
        $("<a href=\"javascript:void(0)\" id=\"conditionPreview\">条件预览</a>").appendTo(bar).linkbutton()
            .on("click", this.preview.bind(this));
        $("<a href=\"javascript:void(0)\" id=\"conditionClearAll\">全部清除</a>").appendTo(bar).linkbutton()
            .on("click", this.clearAll.bind(this));
        bar.append(new qel.BigButton("startFilter", "开始过滤", function () {
            self.controller.startFilter();
        }).element);
    };

    FilterItemModel.prototype.leaves = function () {
        return this.controls.values().reduce(function (all, control) {
            return all.concat(control.leaves());
        }, []);
    };

    // "最大容错数" offers 0 up to the number of chosen conditions marked "容错".
    FilterItemModel.prototype.refreshMaxWrong = function () {
        if (!this.maxWrong) {
            return;
        }
        var tolerant = this.controller.leaves().filter(function (leaf) {
            return leaf.isTolerant();
        }).length;
        var current = Math.min(parseInt(this.controller.params.get("maxWrong"), 10) || 0, tolerant);
        this.maxWrong.empty();
        for (var n = 0; n <= tolerant; n += 1) {
            $("<option>").attr("value", n).text(n).appendTo(this.maxWrong);
        }
        this.maxWrong.val(String(current));
        this.controller.params.put("maxWrong", String(current));
    };

    FilterItemModel.prototype.showCastType = function (castType) {
        this.controls.values().forEach(function (control) {
            control.showFor(castType);
        });
    };

    // The message that stops a run, or null.
    FilterItemModel.prototype.check = function () {
        var params = this.controller.params;
        return this.controller.baseNums.check(params.get("castType"), params.get("dataSource"));
    };

    // The "Filter" request of the page's choices: the global choices, then the chosen conditions
    // that apply to the play type and the data source, in the order of their panels.
    FilterItemModel.prototype.request = function () {
        var params = this.controller.params;
        var castType = params.get("castType");
        var dataSource = params.get("dataSource");
        var baseNums = this.controller.baseNums;
        var conditions = this.controller.chosen.values().filter(function (leaf) {
            return leaf.appliesTo(castType) && baseNums.usedWith(leaf, dataSource);
        }).reduce(function (all, leaf) {
            return all.concat(leaf.items());
        }, []);
        return filterRequest.build({
            game: this.game,
            dataSource: dataSource,
            oldNum: baseNums.oldNumText(),
            castType: castType,
            maxWrong: params.get("maxWrong"),
            rotateMatrix: params.get("rotateMatrix"),
            conditions: conditions
        });
    };

    // "条件预览": the chosen conditions as the next run would take them.
    FilterItemModel.prototype.preview = function () {
        var params = this.controller.params;
        var castType = params.get("castType");
        var list = $("<table class=\"preview-table\" id=\"previewTable\">");
        var row = function (label, value) {
            $("<tr>").append($("<th>").text(label), $("<td>").text(value)).appendTo(list);
        };
        row("过滤类型", this.controller.choiceLabel("dataSource"));
        // A game without play types (the lotto games) plays each row as it is: no line for it.
        if (this.constants.component("castType")) {
            row("投注方式", this.controller.choiceLabel("castType"));
        }
        row("最大容错数", params.get("maxWrong"));
        if (params.get("rotateMatrix")) {
            row("旋转矩阵", this.controller.choiceLabel("rotateMatrix"));
        }
        var chosen = this.controller.chosen.values().filter(function (leaf) {
            return leaf.appliesTo(castType);
        });
        chosen.forEach(function (leaf) {
            var notes = [leaf.calType === "paiChu" ? "排除" : "保留"];
            if (leaf.canBeWrong) {
                notes.push("容错");
            }
            if (leaf.forbidden) {
                notes.push("禁用");
            }
            row(leaf.label, leaf.describe() + "（" + notes.join("，") + "）");
        });
        if (!chosen.length) {
            row("条件", "未选择任何条件");
        }
        new qel.MyWindow({ id: "previewWindow", title: "条件预览", width: 460,
                           content: $("<div class=\"preview-body\">").append(list),
                           buttons: [{ text: "关闭", handler: function () {
                               this.close();
                           } }] });
    };

    FilterItemModel.prototype.clearAll = function () {
        this.controls.values().forEach(function (control) {
            control.clear();
        });
    };

    gameRules.GAME_KEYS.forEach(function (key) {
        var Model = function (controller) {
            FilterItemModel.call(this, controller, key);
        };
        qel[key + "FilterItemModel"] = qel.inherit(Model, FilterItemModel);
    });

    qel.FilterItemModel = FilterItemModel;
})(window.qel = window.qel || {}, window.jQuery);

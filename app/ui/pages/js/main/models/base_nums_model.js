// BaseNumsModel: the west region of the main page. Panel "过滤设置" holds the play type (the lotto
// games: the rotation matrix that reduces a run's rows), panel
// "基本号" the data source ("全新号码" or "大底号码") with the base numbers and the other choices of
// the base area, or the old-number list; panel "定位选号" the per-position numbers. It checks that a
// run has enough base numbers or a well-formed old-number list. Every game has its model class
// (Magic3BaseNumsModel ...); they differ only in the game data of gameRules.
(function (qel, $) {
    "use strict";

    function BaseNumsModel(controller, game) {
        this.controller = controller;
        this.game = game;
        this.constants = controller.constants;
        this.controls = new qel.Map(); // the controls of the region by component name
    }

    function panel(title, id) {
        var element = $("<div class=\"west-panel\">").attr("id", id);
        $("<div class=\"west-panel-title\">").text(title).appendTo(element);
        return { element: element, body: $("<div class=\"west-panel-body\">").appendTo(element) };
    }

    BaseNumsModel.prototype.add = function (config, parent) {
        var control = qel.controlFactory(config, this.controller.controlContext());
        if (control) {
            this.controls.put(config.moduleName, control);
            parent.append(control.render());
        }
        return control;
    };

    BaseNumsModel.prototype.render = function (region) {
        var self = this;
        var constants = this.constants;

        var settings = panel("过滤设置", "filterSettings");
        ["castType", "rotateMatrix"].forEach(function (name) {
            var config = constants.component(name);
            if (config) {
                self.add(config, settings.body);
            }
        });
        region.append(settings.element);

        var base = panel("基本号", "baseNumbers");
        var dataSource = constants.component("dataSource");
        if (dataSource) {
            this.add(dataSource, base.body);
        }
        this.newArea = $("<div class=\"base-new\" id=\"baseNewArea\">").appendTo(base.body);
        this.oldArea = $("<div class=\"base-old\" id=\"baseOldArea\">").appendTo(base.body);
        constants.componentsOf("base").forEach(function (config) {
            self.add(config, config.type === "old" ? self.oldArea : self.newArea);
        });
        region.append(base.element);

        var positions = constants.componentsOf("dingWei");
        if (positions.length) {
            var dingWei = panel("定位选号", "dingWeiPanel");
            positions.forEach(function (config) {
                self.add(config, dingWei.body);
            });
            region.append(dingWei.element);
        }

        var buttons = $("<div class=\"west-buttons\">").appendTo(region);
        $("<a href=\"javascript:void(0)\" id=\"baseSelectAll\">全选</a>").appendTo(buttons).linkbutton()
            .on("click", this.selectAll.bind(this));
        $("<a href=\"javascript:void(0)\" id=\"baseClearAll\">全部清除</a>").appendTo(buttons).linkbutton()
            .on("click", this.clearAll.bind(this));
        this.showDataSource(this.controller.params.get("dataSource"));
    };

    // The leaf conditions of the region, in page order.
    BaseNumsModel.prototype.leaves = function () {
        return this.controls.values().reduce(function (all, control) {
            return all.concat(control.leaves());
        }, []);
    };

    BaseNumsModel.prototype.control = function (name) {
        return this.controls.get(name) || null;
    };

    // Shows the base numbers for "dataSourceNew" and the old-number list for "dataSourceOld".
    BaseNumsModel.prototype.showDataSource = function (dataSource) {
        var old = dataSource === "dataSourceOld";
        this.newArea.toggle(!old);
        this.oldArea.toggle(old);
        var control = this.control("dataSource");
        if (control) {
            control.setValue(dataSource);
        }
    };

    BaseNumsModel.prototype.showCastType = function (castType) {
        this.controls.values().forEach(function (control) {
            control.showFor(castType);
        });
        var control = this.control("castType");
        if (control) {
            control.setValue(castType);
        }
    };

    BaseNumsModel.prototype.oldNumText = function () {
        var control = this.control("oldNum");
        return control ? control.text() : "";
    };

    BaseNumsModel.prototype.setOldNumText = function (text) {
        var control = this.control("oldNum");
        if (control) {
            control.setText(text);
        }
    };

    // Whether the condition takes part in a run from this data source: base numbers only count
    // when every bet is generated.
    BaseNumsModel.prototype.usedWith = function (leaf, dataSource) {
        return dataSource !== "dataSourceOld" || leaf.name.indexOf("baseNums") !== 0;
    };

    // The message that stops a run, or null: too few base numbers, or an unusable old-number list.
    BaseNumsModel.prototype.check = function (castType, dataSource) {
        if (dataSource === "dataSourceOld") {
            return gameRules.checkOldNums(this.game, this.oldNumText());
        }
        var self = this;
        return gameRules.checkBaseNums(this.game, castType, function (key) {
            var control = self.control(key);
            return control ? control.chosenCount() : 0;
        });
    };

    // "全选": every base number of every area.
    BaseNumsModel.prototype.selectAll = function () {
        var self = this;
        gameRules.baseAreas(this.game, this.controller.params.get("castType")).forEach(function (area) {
            var control = self.control(area.key);
            if (control) {
                control.selectAll();
            }
        });
    };

    BaseNumsModel.prototype.clearAll = function () {
        this.controls.values().forEach(function (control) {
            control.clear();
        });
    };

    // One model class per game; those of Quick3 (three dice) and Fc4Of10 (four digits) derive
    // from Magic3's.
    var BASE_OF = { Quick3: "Magic3", Fc4Of10: "Magic3" };
    gameRules.GAME_KEYS.forEach(function (key) {
        var Parent = BASE_OF[key] ? qel[BASE_OF[key] + "BaseNumsModel"] : BaseNumsModel;
        var Model = function (controller) {
            BaseNumsModel.call(this, controller, key);
        };
        qel[key + "BaseNumsModel"] = qel.inherit(Model, Parent);
    });

    qel.BaseNumsModel = BaseNumsModel;
})(window.qel = window.qel || {}, window.jQuery);

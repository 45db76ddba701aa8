// Controller: one per main page, for the game of the runtime configuration. It lays out the page,
// builds the game's models into its regions, keeps the global choices (data source, play type,
// rotation matrix, tolerance) and the chosen conditions, and runs the filter.
(function (qel, $) {
    "use strict";

    function modelOf(kind, game) {
        return qel[game + kind] || qel[kind];
    }

    function Controller(constants) {
        var self = this;
        this.constants = constants;
        this.game = constants.game;
        this.messager = new qel.Messager();
        this.waiting = new qel.Waiting();
        this.tips = new qel.TipService(function () {
            return self.constants.config.showTip === "true";
        });
        this.params = new qel.Map(); // dataSource, castType, rotateMatrix, maxWrong
        this.chosen = new qel.TreeMap(); // the chosen conditions by name, in the order of their panels
        this.lastDraw = null;
    }

    Controller.prototype.defaultCastType = function () {
        var config = this.constants.component("castType");
        var first = config ? conditionChoices.of(config)[0] : null;
        return this.constants.defaultOf("castType", first ? first.value : "zhiXuan");
    };

    Controller.prototype.build = function () {
        this.params.put("dataSource", this.constants.defaultOf("dataSource", "dataSourceNew"));
        this.params.put("castType", this.defaultCastType());
        this.params.put("rotateMatrix", this.constants.defaultOf("rotateMatrix", ""));
        this.params.put("maxWrong", "0");
        this.lastDraw = this.loadLastDraw();

        this.menu = new qel.MenuModel(this);
        this.baseNums = new (modelOf("BaseNumsModel", this.game))(this);
        this.filterItems = new (modelOf("FilterItemModel", this.game))(this);
        this.result = new qel.ResultModel(this);
        this.footer = new qel.FooterModel(this);
        this.settings = new qel.MenuModelSetting(this);

        var layout = $("#mainLayout");
        layout.layout({ fit: true });
        this.menu.render($("#northRegion"));
        this.baseNums.render($("#westRegion"));
        this.filterItems.render($("#centerRegion"));
        this.result.render($("#eastRegion"));
        this.footer.render($("#southRegion"));
        this.showCastType(this.params.get("castType"));
        // The regions take their sizes once all of them are filled; the tabs measure again.
        layout.layout("resize");
        this.filterItems.tabs.resize();
        var self = this;
        $(window).on("resize", function () {
            layout.layout("resize");
            self.filterItems.tabs.resize();
            self.result.resize();
        });
    };

    // The last draw of the game from the data service: { qiHao, lottery, lotCategoryId }, or null.
    Controller.prototype.loadLastDraw = function () {
        var reply = qel.ConService.getLastLottery(this.constants.config.lotteryCategory || "");
        if (!reply || reply.flag === "error") {
            return null;
        }
        var draw = Array.isArray(reply.items) && reply.items.length ? reply.items[0] : reply;
        return typeof draw.lottery === "string" && draw.lottery ? draw : null;
    };

    // What the condition controls need of the page.
    Controller.prototype.controlContext = function () {
        var self = this;
        if (!this.context) {
            this.context = {
                constants: this.constants,
                messager: this.messager,
                tips: this.tips,
                lastDraw: function () {
                    return self.lastDraw ? self.lastDraw.lottery : "";
                },
                castType: function () {
                    return self.params.get("castType");
                },
                quickSelect: this.quickSelect.bind(this),
                onChange: this.conditionChanged.bind(this),
                onSelect: this.select.bind(this),
                onImported: function () {
                    self.setDataSource("dataSourceOld");
                }
            };
        }
        return this.context;
    };

    // The entries of a quick-select list ({ text, value }) for the play type; each list is asked
    // for once per play type.
    Controller.prototype.quickSelect = function (name) {
        var key = name + "|" + this.params.get("castType");
        this.quickSelects = this.quickSelects || {};
        if (!Object.prototype.hasOwnProperty.call(this.quickSelects, key)) {
            var reply = qel.ConService.getComboboxData(this.game, name, this.params.get("castType"));
            this.quickSelects[key] = reply && Array.isArray(reply.children) ? reply.children : [];
        }
        return this.quickSelects[key];
    };

    Controller.prototype.leaves = function () {
        return this.baseNums.leaves().concat(this.filterItems.leaves());
    };

    Controller.prototype.conditionChanged = function (control) {
        if (control.leaves().indexOf(control) >= 0) {
            if (control.isChosen()) {
                this.chosen.put(control.name, control.rank, control);
            } else {
                this.chosen.remove(control.name);
            }
        }
        if (this.filterItems) {
            this.filterItems.refreshMaxWrong();
        }
    };

    // A global choice made by the user.
    Controller.prototype.select = function (name, value) {
        if (name === "dataSource") {
            this.setDataSource(value);
        } else if (name === "castType") {
            this.showCastType(value);
            this.result.refreshTitle();
        } else {
            this.params.put(name, value);
        }
    };

    // The label of the chosen value of a global choice ("castType", "rotateMatrix") as its
    // component offers it; "" when the game has no such choice or none is chosen.
    Controller.prototype.choiceLabel = function (name) {
        var value = this.params.get(name);
        var config = this.constants.component(name);
        if (!value || !config) {
            return "";
        }
        var chosen = conditionChoices.of(config).filter(function (choice) {
            return choice.value === value;
        });
        return chosen.length ? chosen[0].label : value;
    };

    Controller.prototype.setDataSource = function (dataSource) {
        this.params.put("dataSource", dataSource);
        this.baseNums.showDataSource(dataSource);
    };

    Controller.prototype.showCastType = function (castType) {
        this.params.put("castType", castType);
        this.baseNums.showCastType(castType);
        this.filterItems.showCastType(castType);
    };

    // "开始过滤": checks the choices, then runs the filter under the waiting cover.
    Controller.prototype.startFilter = function () {
        var problem = this.filterItems.check();
        if (problem) {
            this.messager.showTopCenterMsg("warning", problem);
            return;
        }
        var request = this.filterItems.request();
        var result = this.result;
        this.waiting.during("正在过滤，请稍后...", function () {
            result.showRun(qel.ConService.filter(request));
        });
    };

    // Saves settings; the program answers the configuration anew, which the page then works with.
    Controller.prototype.saveConfig = function (name, rows) {
        var reply = qel.ConService.saveConfig(name, this.game, rows);
        if (!reply || typeof reply !== "object" || reply.flag === "error" || !reply.productName) {
            this.messager.showReply(reply, "保存失败！");
            return false;
        }
        window.baseConfig = reply;
        this.constants.config = reply;
        return true;
    };

    // The page's choices as a scenario file keeps them.
    Controller.prototype.scenario = function () {
        var params = this.params;
        return {
            productName: this.game,
            dataSource: params.get("dataSource"),
            castType: params.get("castType"),
            maxWrong: params.get("maxWrong"),
            rotateMatrix: params.get("rotateMatrix"),
            oldNum: this.baseNums.oldNumText(),
            conditions: this.chosen.values().map(function (leaf) {
                return leaf.state();
            })
        };
    };

    Controller.prototype.saveScenario = function () {
        this.messager.showReply(qel.ConService.saveScenario(this.scenario()), "保存失败！");
    };

    Controller.prototype.openScenario = function () {
        var reply = qel.ConService.openScenario();
        if (!reply || typeof reply !== "object") {
            this.messager.showTopCenterMsg("error", "方案文件格式不正确！");
        } else if (reply.flag) {
            this.messager.showTopCenterMsg(reply.flag === "cancel" ? "info" : "error", reply.msg || "");
        } else if (reply.productName !== this.game) {
            this.messager.showTopCenterMsg("warning", "该方案不是当前彩种的方案！");
        } else {
            this.restore(reply);
            this.messager.showTopCenterMsg("ok", "导入成功！");
        }
    };

    // Puts the choices of a scenario back on the page.
    Controller.prototype.restore = function (scenario) {
        var states = {};
        (Array.isArray(scenario.conditions) ? scenario.conditions : []).forEach(function (state) {
            if (state && typeof state.name === "string") {
                states[state.name] = state;
            }
        });
        // Another play type has other grid columns, and the grid empties for it; the same one
        // keeps the rows of the run on show.
        if (typeof scenario.castType === "string" && scenario.castType !== this.params.get("castType") &&
            this.baseNums.control("castType") && this.baseNums.control("castType").setValue(scenario.castType)) {
            this.select("castType", scenario.castType);
        }
        var matrix = this.baseNums.control("rotateMatrix");
        if (typeof scenario.rotateMatrix === "string" && matrix && matrix.setValue(scenario.rotateMatrix)) {
            this.params.put("rotateMatrix", scenario.rotateMatrix);
        }
        if (scenario.dataSource === "dataSourceOld" || scenario.dataSource === "dataSourceNew") {
            this.setDataSource(scenario.dataSource);
        }
        this.baseNums.setOldNumText(typeof scenario.oldNum === "string" ? scenario.oldNum : "");
        this.leaves().forEach(function (leaf) {
            if (states[leaf.name]) {
                leaf.restore(states[leaf.name]);
            } else {
                leaf.clear();
            }
        });
        this.params.put("maxWrong", String(scenario.maxWrong || "0"));
        this.filterItems.refreshMaxWrong();
    };

    Controller.prototype.importOldNumbers = function () {
        var control = this.baseNums.control("oldNum");
        if (control) {
            control.importFile();
        }
    };

    qel.Controller = Controller;
})(window.qel = window.qel || {}, window.jQuery);

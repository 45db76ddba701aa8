// ConditionControl: what every condition control of the page shares. It shows one condition of
// the component configuration: its title (with the term's explanation under the mouse), the
// values to choose, and where the condition offers them "过滤方式:" (保留/排除), "容错", the switch
// that disables it, "出现:" counts, the last draw and the rule-out of past draws. It knows its
// choices and gives them as the condition items of a "Filter" request.
(function (qel, $) {
    "use strict";

    var CAL_TYPES = [{ value: "baoLiu", label: "保留" }, { value: "paiChu", label: "排除" }];
    var RULE_OUT_DEFAULT = 100;
    var RULE_OUT_MAX = 180;

    // context: { constants (ConstantModel), messager, tips (TipService), lastDraw(), castType(),
    // quickSelect(name), onChange(control), onSelect(name, value), onImported(control) }; rank:
    // the position among the conditions ([panel sort, sort]).
    function ConditionControl(config, context, rank) {
        this.config = config;
        this.context = context;
        this.rank = rank;
        this.name = config.moduleName;
        this.label = config.moduleText || config.moduleName;
        this.choices = conditionChoices.of(config);
        this.selected = {};
        this.calType = config.calType === "paiChu" ? "paiChu" : "baoLiu";
        this.canBeWrong = false;
        this.forbidden = false;
        this.allowed = {};
        // Conditions tested under the tolerance rule offer 保留/排除, 容错 and the disable switch.
        this.tolerable = config.use === "1";
        this.counts = this.name.indexOf("ziDingYi") >= 0 ? conditionChoices.labels(config.areaText) : [];
        this.parent = null;
        // The panel's class (ballPanelBlue: the back numbers' blue balls).
        this.element = $("<div class=\"condition\">").attr({ id: "cond-" + this.name, "data-name": this.name })
            .addClass("condition-" + (config.type || "filter")).addClass(config.ballPanelCss || "");
    }

    ConditionControl.prototype.changed = function () {
        this.element.toggleClass("chosen", this.isChosen());
        if (this.parent) {
            this.parent.childChanged(this);
        }
        if (this.context.onChange) {
            this.context.onChange(this);
        }
    };

    // Builds the whole control; the subclass fills in its values with renderChoices.
    ConditionControl.prototype.render = function () {
        this.renderHead();
        var body = $("<div class=\"condition-body\">").appendTo(this.element);
        this.renderChoices(body);
        this.renderExtras(body);
        return this.element;
    };

    ConditionControl.prototype.renderHead = function () {
        var head = $("<div class=\"condition-head\">").appendTo(this.element);
        var title = $("<span class=\"condition-title\">").text(this.label).appendTo(head);
        if (this.context.tips) {
            this.context.tips.attach(title, this.config.id);
        }
        var tools = $("<span class=\"condition-tools\">").appendTo(head);
        if (this.config.quickSelect) {
            this.renderQuickSelect(tools);
        }
        $("<a href=\"javascript:void(0)\" class=\"condition-clear\" title=\"清除\">清</a>").appendTo(tools)
            .on("click", this.clear.bind(this));
        if (this.tolerable) {
            this.renderTolerance(tools);
        }
    };

    ConditionControl.prototype.renderTolerance = function (tools) {
        var self = this;
        var line = $("<span class=\"condition-options\">").appendTo(tools);
        $("<span>").text("过滤方式:").appendTo(line);
        CAL_TYPES.forEach(function (type) {
            var input = $("<input type=\"radio\" class=\"cal-type\">")
                .attr({ name: "calType-" + self.name, value: type.value }).prop("checked", self.calType === type.value)
                .on("change", function () {
                    self.setCalType(type.value, true);
                });
            $("<label>").append(input, type.label).appendTo(line);
        });
        var wrong = $("<input type=\"checkbox\" class=\"can-be-wrong\">").on("change", function () {
            self.canBeWrong = this.checked;
            self.changed();
        });
        $("<label>").append(wrong, "容错").appendTo(line);
        var off = $("<input type=\"checkbox\" class=\"forbidden\">").on("change", function () {
            self.forbidden = this.checked;
            self.element.toggleClass("forbidden", self.forbidden);
            self.changed();
        });
        $("<label>").append(off, "禁用").appendTo(line);
    };

    // A choice of the game's quick-select list replaces the selection with its values.
    ConditionControl.prototype.renderQuickSelect = function (tools) {
        var self = this;
        var select = $("<select class=\"quick-select\">").appendTo(tools);
        this.quickSelectBox = select;
        this.fillQuickSelect();
        select.on("change", function () {
            var values = conditionChoices.labels(this.value);
            this.value = "";
            if (values.length) {
                self.setSelection(values);
            }
        });
    };

    // The quick-select entries of the current play type (kept while the play type stays).
    ConditionControl.prototype.fillQuickSelect = function () {
        var castType = this.context.castType();
        if (this.quickSelectCastType === castType) {
            return;
        }
        this.quickSelectCastType = castType;
        var select = this.quickSelectBox;
        select.empty();
        $("<option value=\"\">快选</option>").appendTo(select);
        this.context.quickSelect(this.config.quickSelect).forEach(function (entry) {
            $("<option>").attr("value", entry.value).text(entry.text).appendTo(select);
        });
    };

    ConditionControl.prototype.renderExtras = function (body) {
        if (this.counts.length) {
            this.renderCounts(body);
        }
        if (this.name.indexOf("lastNum") >= 0) {
            this.renderLastDraw(body);
        }
        if (this.name === "ruleOutOldData") {
            this.renderRuleOut(body);
        }
    };

    // "出现:" with a check box per count: how many of the group's numbers a row may hold.
    ConditionControl.prototype.renderCounts = function (body) {
        var self = this;
        var line = $("<div class=\"condition-counts\">").append($("<span>").text("出现:")).appendTo(body);
        this.counts.forEach(function (count) {
            var input = $("<input type=\"checkbox\" class=\"allow-num\">").attr("value", count).on("change", function () {
                self.allowed[count] = this.checked;
                self.changed();
            });
            $("<label>").append(input, count + "个").appendTo(line);
        });
    };

    ConditionControl.prototype.renderLastDraw = function (body) {
        var line = $("<div class=\"condition-last\">").append($("<span>").text("上期号码：")).appendTo(body);
        this.lastDrawInput = $("<input type=\"text\" class=\"last-lottery\">").val(this.context.lastDraw() || "")
            .appendTo(line);
        if (!this.context.lastDraw()) {
            $("<span class=\"hint-error\">").text("获取上期开奖号失败，请手动输入！").appendTo(line);
        }
    };

    ConditionControl.prototype.renderRuleOut = function (body) {
        var self = this;
        var line = $("<div class=\"condition-rule-out\">").appendTo(body);
        $("<span>").text("排除最近").appendTo(line);
        this.ruleOutInput = $("<input type=\"text\" class=\"rule-out-count\">").val(RULE_OUT_DEFAULT).appendTo(line);
        $("<span>").text("期").appendTo(line);
        $("<a href=\"javascript:void(0)\" class=\"rule-out-load\">加载</a>").appendTo(line).on("click", function () {
            self.loadRuleOut();
        });
        this.ruleOutStatus = $("<span class=\"rule-out-status\">").appendTo(line);
    };

    // Asks the program for the most recent draws that the rule-out condition tests against.
    ConditionControl.prototype.loadRuleOut = function () {
        var text = String(this.ruleOutInput.val()).trim();
        if (!/^\d+$/.test(text) || Number(text) <= 0) {
            this.context.messager.showTopCenterMsg("warning", "请输入大于0的整数！");
            return;
        }
        if (Number(text) > RULE_OUT_MAX) {
            this.context.messager.showTopCenterMsg("warning", "暂时最大支持180期，推荐100以内为宜！");
            return;
        }
        var reply = qel.ConService.installOldDataForRuleOut(this.context.constants.config.lotteryCategory, text);
        var loaded = reply && reply.flag !== "error";
        this.ruleOutStatus.text(loaded ? "已从服务器加载历史数据！" : "历史数据加载失败，该将指标无效！")
            .toggleClass("hint-ok", Boolean(loaded)).toggleClass("hint-error", !loaded);
    };

    // Draws the values as clickable choices, colNum a line.
    ConditionControl.prototype.renderChoices = function (body) {
        this.choiceBox = this.choiceGrid(this.choices, body, "choice");
    };

    ConditionControl.prototype.choiceGrid = function (choices, parent, className, onToggle) {
        var self = this;
        var grid = $("<div class=\"choices\">").appendTo(parent);
        var columns = parseInt(this.config.colNum, 10);
        if (columns > 0) {
            grid.css("grid-template-columns", "repeat(" + columns + ", max-content)");
        }
        choices.forEach(function (choice) {
            $("<span>").addClass(className).attr({ "data-value": choice.value, title: choice.label })
                .text(choice.label).appendTo(grid)
                .on("click", function () {
                    if (onToggle) {
                        onToggle(choice.value, $(this));
                    } else {
                        self.toggle(choice.value);
                    }
                });
        });
        return grid;
    };

    ConditionControl.prototype.toggle = function (value) {
        this.selected[value] = !this.selected[value];
        this.refresh();
        this.changed();
    };

    ConditionControl.prototype.setSelection = function (values) {
        var self = this;
        this.selected = {};
        values.forEach(function (value) {
            self.selected[value] = true;
        });
        this.refresh();
        this.changed();
    };

    ConditionControl.prototype.refresh = function () {
        var selected = this.selected;
        if (this.choiceBox) {
            this.choiceBox.children().each(function () {
                $(this).toggleClass("selected", Boolean(selected[$(this).attr("data-value")]));
            });
        }
    };

    ConditionControl.prototype.setCalType = function (calType, save) {
        this.calType = calType === "paiChu" ? "paiChu" : "baoLiu";
        this.element.find(".cal-type[value=\"" + this.calType + "\"]").prop("checked", true);
        if (save) {
            var reply = qel.ConService.saveCalType(this.config.id, this.calType);
            if (!reply || reply.flag !== "ok") {
                this.context.messager.showReply(reply, "保存失败！");
            }
        }
        this.changed();
    };

    ConditionControl.prototype.values = function (wanted) {
        var selected = this.selected;
        return this.choices.filter(function (choice) {
            return Boolean(selected[choice.value]) === wanted;
        }).map(function (choice) {
            return choice.value;
        });
    };

    ConditionControl.prototype.chosenCount = function () {
        return this.values(true).length;
    };

    ConditionControl.prototype.isChosen = function () {
        return this.chosenCount() > 0;
    };

    // A chosen condition counts towards the largest tolerance when 容错 is ticked and it is on.
    ConditionControl.prototype.isTolerant = function () {
        return this.isChosen() && this.canBeWrong && !this.forbidden;
    };

    ConditionControl.prototype.allowNum = function () {
        var allowed = this.allowed;
        return this.counts.filter(function (count) {
            return allowed[count];
        });
    };

    // The conditions of this control as "Filter" sends them; none while nothing is chosen.
    ConditionControl.prototype.items = function () {
        if (!this.isChosen()) {
            return [];
        }
        return [{
            name: this.name,
            chosen: this.values(true),
            unchosen: this.values(false),
            canBeWrong: this.canBeWrong,
            forbidden: this.forbidden,
            calType: this.calType,
            allowNum: this.allowNum(),
            lastLottery: this.lastDrawInput ? String(this.lastDrawInput.val()) : ""
        }];
    };

    // The chosen values as the user reads them, for the condition preview.
    ConditionControl.prototype.describe = function () {
        var selected = this.selected;
        var labels = this.choices.filter(function (choice) {
            return selected[choice.value];
        }).map(function (choice) {
            return choice.label;
        });
        return labels.join(" ");
    };

    // The leaf controls: a condition is its own leaf; groups list their children's.
    ConditionControl.prototype.leaves = function () {
        return [this];
    };

    ConditionControl.prototype.clear = function () {
        this.selected = {};
        this.refresh();
        this.changed();
    };

    ConditionControl.prototype.selectAll = function () {
        this.setSelection(this.choices.map(function (choice) {
            return choice.value;
        }));
    };

    // What a scenario file keeps of this control.
    ConditionControl.prototype.state = function () {
        return { name: this.name, chosen: this.values(true), calType: this.calType, canBeWrong: this.canBeWrong,
                 forbidden: this.forbidden, allowNum: this.allowNum(),
                 lastLottery: this.lastDrawInput ? String(this.lastDrawInput.val()) : "" };
    };

    ConditionControl.prototype.restore = function (state) {
        var self = this;
        var known = this.choices.map(function (choice) {
            return choice.value;
        });
        this.selected = {};
        (Array.isArray(state.chosen) ? state.chosen : []).forEach(function (value) {
            if (known.indexOf(String(value)) >= 0) {
                self.selected[String(value)] = true;
            }
        });
        this.calType = state.calType === "paiChu" ? "paiChu" : "baoLiu";
        this.element.find(".cal-type[value=\"" + this.calType + "\"]").prop("checked", true);
        this.canBeWrong = state.canBeWrong === true;
        this.element.find(".can-be-wrong").prop("checked", this.canBeWrong);
        this.forbidden = state.forbidden === true;
        this.element.find(".forbidden").prop("checked", this.forbidden);
        this.element.toggleClass("forbidden", this.forbidden);
        this.allowed = {};
        (Array.isArray(state.allowNum) ? state.allowNum : []).forEach(function (count) {
            self.allowed[String(count)] = true;
        });
        this.element.find(".allow-num").each(function () {
            this.checked = Boolean(self.allowed[this.value]);
        });
        if (this.lastDrawInput && typeof state.lastLottery === "string") {
            this.lastDrawInput.val(state.lastLottery);
        }
        this.refresh();
        this.changed();
    };

    // Whether the condition applies to a play type (and so does the group it belongs to).
    ConditionControl.prototype.appliesTo = function (castType) {
        return qel.ConstantModel.appliesTo(this.config, castType) &&
            (!this.parent || this.parent.appliesTo(castType));
    };

    // Shows the control only for the play types it applies to.
    ConditionControl.prototype.showFor = function (castType) {
        this.element.toggle(qel.ConstantModel.appliesTo(this.config, castType));
        if (this.quickSelectBox) {
            this.fillQuickSelect();
        }
    };

    qel.ConditionControl = ConditionControl;
})(window.qel = window.qel || {}, window.jQuery);

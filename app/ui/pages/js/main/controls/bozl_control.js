// BOZLControl: a class chosen per position (big/small, odd/even, prime/composite, routes, areas,
// five elements of the hundreds, tens and units). The item lists, per position, the chosen
// values written together ("1", "01", "" for any), the positions separated by ",".
(function (qel, $) {
    "use strict";

    function BOZLControl(config, context, rank) {
        qel.ConditionControl.call(this, config, context, rank);
        this.positions = conditionChoices.labels(config.areaText);
        this.selected = this.positions.map(function () {
            return {};
        });
    }
    qel.inherit(BOZLControl, qel.ConditionControl);

    BOZLControl.prototype.renderChoices = function (body) {
        var self = this;
        this.rows = this.positions.map(function (position, at) {
            var line = $("<div class=\"bozl-row\">").attr("data-position", at).appendTo(body);
            $("<span class=\"bozl-position\">").text(position).appendTo(line);
            return self.choiceGrid(self.choices, line, "choice item", function (value) {
                self.selected[at][value] = !self.selected[at][value];
                self.refresh();
                self.changed();
            });
        });
    };

    BOZLControl.prototype.refresh = function () {
        var selected = this.selected;
        (this.rows || []).forEach(function (grid, at) {
            grid.children().each(function () {
                $(this).toggleClass("selected", Boolean(selected[at][$(this).attr("data-value")]));
            });
        });
    };

    BOZLControl.prototype.positionValues = function (at, wanted) {
        var selected = this.selected[at];
        return this.choices.filter(function (choice) {
            return Boolean(selected[choice.value]) === wanted;
        }).map(function (choice) {
            return choice.value;
        }).join("");
    };

    BOZLControl.prototype.perPosition = function (wanted) {
        var self = this;
        return this.positions.map(function (position, at) {
            return self.positionValues(at, wanted);
        });
    };

    BOZLControl.prototype.chosenCount = function () {
        return this.perPosition(true).join("").length;
    };

    BOZLControl.prototype.items = function () {
        if (!this.isChosen()) {
            return [];
        }
        return [{ name: this.name, chosen: this.perPosition(true), unchosen: this.perPosition(false),
                  canBeWrong: this.canBeWrong, forbidden: this.forbidden, calType: this.calType, allowNum: [] }];
    };

    BOZLControl.prototype.describe = function () {
        var self = this;
        return this.positions.map(function (position, at) {
            var labels = self.choices.filter(function (choice) {
                return self.selected[at][choice.value];
            }).map(function (choice) {
                return choice.label;
            });
            return labels.length ? position + ":" + labels.join("") : "";
        }).filter(Boolean).join(" ");
    };

    BOZLControl.prototype.setSelection = function (values) {
        var self = this;
        this.selected = this.positions.map(function () {
            var row = {};
            values.forEach(function (value) {
                row[value] = true;
            });
            return row;
        });
        self.refresh();
        self.changed();
    };

    BOZLControl.prototype.clear = function () {
        this.setSelection([]);
    };

    BOZLControl.prototype.state = function () {
        var state = qel.ConditionControl.prototype.state.call(this);
        state.chosen = this.perPosition(true);
        return state;
    };

    BOZLControl.prototype.restore = function (state) {
        var self = this;
        var chosen = Array.isArray(state.chosen) ? state.chosen : [];
        qel.ConditionControl.prototype.restore.call(this, $.extend({}, state, { chosen: [] }));
        this.selected = this.positions.map(function (position, at) {
            var row = {};
            String(chosen[at] || "").split("").forEach(function (value) {
                row[value] = true;
            });
            return row;
        });
        self.refresh();
        self.changed();
    };

    qel.BOZLControl = BOZLControl;
})(window.qel = window.qel || {}, window.jQuery);

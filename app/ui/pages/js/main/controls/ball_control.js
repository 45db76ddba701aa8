// BallControl: numbers shown as balls (base numbers, banker groups, per-position digits, number
// groups). Besides the quick-select list it offers a random pick of up to "randomMaxNum" numbers.
(function (qel, $) {
    "use strict";

    function BallControl(config, context, rank) {
        qel.ConditionControl.call(this, config, context, rank);
    }
    qel.inherit(BallControl, qel.ConditionControl);

    BallControl.prototype.renderChoices = function (body) {
        this.choiceBox = this.choiceGrid(this.choices, body, "choice ball");
        var most = Math.min(parseInt(this.config.randomMaxNum, 10) || 0, this.choices.length);
        if (most > 0) {
            this.renderRandomPick(this.element.find(".condition-tools"), most);
        }
    };

    BallControl.prototype.renderRandomPick = function (tools, most) {
        var self = this;
        var select = $("<select class=\"random-pick\">").prependTo(tools);
        $("<option value=\"\">机选</option>").appendTo(select);
        for (var n = 1; n <= most; n += 1) {
            $("<option>").attr("value", n).text(n + "个").appendTo(select);
        }
        select.on("change", function () {
            var count = parseInt(this.value, 10);
            this.value = "";
            if (count > 0) {
                self.pickRandomly(count);
            }
        });
    };

    BallControl.prototype.pickRandomly = function (count) {
        var left = this.choices.map(function (choice) {
            return choice.value;
        });
        var picked = [];
        while (picked.length < count && left.length) {
            picked.push(left.splice(Math.floor(Math.random() * left.length), 1)[0]);
        }
        this.setSelection(picked);
    };

    qel.BallControl = BallControl;
})(window.qel = window.qel || {}, window.jQuery);

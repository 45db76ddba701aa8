// FilterItemControl: a condition whose values are listed as buttons (sums, spans, ratios,
// shapes, codes).
(function (qel) {
    "use strict";

    function FilterItemControl(config, context, rank) {
        qel.ConditionControl.call(this, config, context, rank);
    }
    qel.inherit(FilterItemControl, qel.ConditionControl);

    FilterItemControl.prototype.renderChoices = function (body) {
        this.choiceBox = this.choiceGrid(this.choices, body, "choice item");
    };

    qel.FilterItemControl = FilterItemControl;
})(window.qel = window.qel || {});

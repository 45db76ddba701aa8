// SingleSelectControl: one value of a few (the data source, the play type), as radio buttons.
(function (qel, $) {
    "use strict";

    // context.onSelect(name, value) hears every change the user makes.
    function SingleSelectControl(config, context, rank) {
        qel.ConditionControl.call(this, config, context, rank);
        this.value = config.calType || (this.choices[0] ? this.choices[0].value : "");
    }
    qel.inherit(SingleSelectControl, qel.ConditionControl);

    SingleSelectControl.prototype.render = function () {
        var self = this;
        this.element.addClass("single-select");
        $("<span class=\"single-select-title\">").text(this.label + "：").appendTo(this.element);
        this.choices.forEach(function (choice) {
            var input = $("<input type=\"radio\">").attr({ name: "single-" + self.name, value: choice.value })
                .prop("checked", choice.value === self.value)
                .on("change", function () {
                    self.value = choice.value;
                    if (self.context.onSelect) {
                        self.context.onSelect(self.name, choice.value);
                    }
                });
            $("<label>").append(input, choice.label).appendTo(self.element);
        });
        return this.element;
    };

    SingleSelectControl.prototype.setValue = function (value) {
        var known = this.choices.some(function (choice) {
            return choice.value === value;
        });
        if (known) {
            this.value = value;
            this.element.find("input[value=\"" + value + "\"]").prop("checked", true);
        }
        return known;
    };

    SingleSelectControl.prototype.isChosen = function () {
        return false;
    };

    SingleSelectControl.prototype.items = function () {
        return [];
    };

    SingleSelectControl.prototype.leaves = function () {
        return [];
    };

    SingleSelectControl.prototype.clear = function () {};

    SingleSelectControl.prototype.selectAll = function () {};

    qel.SingleSelectControl = SingleSelectControl;
})(window.qel = window.qel || {}, window.jQuery);

// FilterItemListControl: a group of conditions under one title, shown one below the other; each
// child is a condition of its own and is sent as an item of its own.
(function (qel, $) {
    "use strict";

    function FilterItemListControl(config, context, rank) {
        qel.ConditionControl.call(this, config, context, rank);
        var self = this;
        var sort = parseFloat(config.sort) || 0;
        this.children = (config.children || []).map(function (child) {
            return qel.controlFactory(child, context, [sort, parseFloat(child.sort) || 0]);
        }).filter(Boolean);
        this.children.forEach(function (child) {
            child.parent = self;
        });
        this.element.addClass("condition-group");
    }
    qel.inherit(FilterItemListControl, qel.ConditionControl);

    FilterItemListControl.prototype.render = function () {
        var head = $("<div class=\"condition-head group-head\">").appendTo(this.element);
        var title = $("<span class=\"condition-title\">").text(this.label).appendTo(head);
        if (this.context.tips) {
            this.context.tips.attach(title, this.config.id);
        }
        this.renderChildren($("<div class=\"condition-group-body\">").appendTo(this.element));
        return this.element;
    };

    FilterItemListControl.prototype.renderChildren = function (body) {
        this.children.forEach(function (child) {
            body.append(child.render());
        });
    };

    FilterItemListControl.prototype.childChanged = function () {
        this.element.toggleClass("chosen", this.isChosen());
    };

    FilterItemListControl.prototype.leaves = function () {
        return this.children.reduce(function (all, child) {
            return all.concat(child.leaves());
        }, []);
    };

    FilterItemListControl.prototype.isChosen = function () {
        return this.children.some(function (child) {
            return child.isChosen();
        });
    };

    FilterItemListControl.prototype.items = function () {
        return this.children.reduce(function (all, child) {
            return all.concat(child.items());
        }, []);
    };

    FilterItemListControl.prototype.clear = function () {
        this.children.forEach(function (child) {
            child.clear();
        });
    };

    FilterItemListControl.prototype.selectAll = function () {
        this.children.forEach(function (child) {
            child.selectAll();
        });
    };

    FilterItemListControl.prototype.showFor = function (castType) {
        qel.ConditionControl.prototype.showFor.call(this, castType);
        this.children.forEach(function (child) {
            child.showFor(castType);
        });
    };

    qel.FilterItemListControl = FilterItemListControl;
})(window.qel = window.qel || {}, window.jQuery);

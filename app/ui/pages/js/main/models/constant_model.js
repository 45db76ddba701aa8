// ConstantModel: what the page reads once at its start and keeps: the runtime configuration, the
// game's component configuration (its condition panels, each with its conditions under
// "children") and the dictionary of value names.
(function (qel) {
    "use strict";

    function ConstantModel(config, components, dict) {
        this.config = config;
        this.game = typeof config.productName === "string" ? config.productName : "";
        this.components = components || [];
        this.dict = dict || {};
    }

    // Reads the component configuration and the dictionary of the configuration's game.
    ConstantModel.load = function (config) {
        var game = typeof config.productName === "string" ? config.productName : "";
        var tree = qel.ConService.getComponentConfig(game);
        var dict = qel.ConService.getDict(game);
        var components = tree && Array.isArray(tree.children) ? tree.children : [];
        return new ConstantModel(config, components, dict && typeof dict === "object" ? dict : {});
    };

    // The top-level component of that name, or null.
    ConstantModel.prototype.component = function (name) {
        for (var i = 0; i < this.components.length; i += 1) {
            if (this.components[i].moduleName === name) {
                return this.components[i];
            }
        }
        return null;
    };

    // The top-level components of a tab (or of "global", "base", "dingWei"), in their order.
    ConstantModel.prototype.componentsOf = function (tabIndex) {
        return this.components.filter(function (component) {
            return component.tabIndex === tabIndex;
        });
    };

    ConstantModel.prototype.dictName = function (code) {
        return Object.prototype.hasOwnProperty.call(this.dict, code) ? this.dict[code] : code;
    };

    // The default of a global choice: its component's "calType".
    ConstantModel.prototype.defaultOf = function (name, fallback) {
        var component = this.component(name);
        return component && component.calType ? component.calType : fallback;
    };

    // Whether a condition applies to a play type: "classification" lists the play types it is
    // for, or is empty for all.
    ConstantModel.appliesTo = function (config, castType) {
        var kinds = conditionChoices.labels(config.classification);
        return kinds.length === 0 || kinds.indexOf(castType) >= 0;
    };

    qel.ConstantModel = ConstantModel;
})(window.qel = window.qel || {});

// controlFactory: the control of one entry of the component configuration, by its "type". The
// types "danMa" and "killNum" have no control of their own (their conditions come as groups of
// balls), so an entry of those or of any unknown type gives none and the page leaves it out.
(function (qel) {
    "use strict";

    function hasChildren(config) {
        return Array.isArray(config.children) && config.children.length > 0;
    }

    var CONTROLS = {
        ball: function () {
            return qel.BallControl;
        },
        filter: function () {
            return qel.FilterItemControl;
        },
        old: function () {
            return qel.OldPanelControl;
        },
        // A per-position panel with conditions of its own is a group of them.
        BOZL: function (config) {
            return hasChildren(config) ? qel.FilterItemListControl : qel.BOZLControl;
        },
        singleSel: function () {
            return qel.SingleSelectControl;
        },
        filterList: function () {
            return qel.FilterItemListControl;
        },
        filterListTabs: function () {
            return qel.FilterItemListControlTabs;
        }
    };

    // rank: the control's place among the conditions ([panel sort] or [panel sort, sort]).
    qel.controlFactory = function (config, context, rank) {
        var kind = Object.prototype.hasOwnProperty.call(CONTROLS, config.type) ? CONTROLS[config.type] : null;
        if (!kind) {
            return null;
        }
        var Control = kind(config);
        return new Control(config, context, rank || [parseFloat(config.sort) || 0]);
    };
})(window.qel = window.qel || {});

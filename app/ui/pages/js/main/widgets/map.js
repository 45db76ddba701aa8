// Map: values by text key, kept in the order the keys were first put. The page keeps its global
// choices and the controls of each panel in one.
(function (qel) {
    "use strict";

    function Map() {
        this.order = [];
        this.entries = {};
    }

    Map.prototype.put = function (key, value) {
        if (!Object.prototype.hasOwnProperty.call(this.entries, key)) {
            this.order.push(key);
        }
        this.entries[key] = value;
    };

    Map.prototype.get = function (key) {
        return Object.prototype.hasOwnProperty.call(this.entries, key) ? this.entries[key] : undefined;
    };

    Map.prototype.values = function () {
        var entries = this.entries;
        return this.order.map(function (key) {
            return entries[key];
        });
    };

    qel.Map = Map;
})(window.qel = window.qel || {});

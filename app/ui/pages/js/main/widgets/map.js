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

    Map.prototype.has = function (key) {
        return Object.prototype.hasOwnProperty.call(this.entries, key);
    };

    Map.prototype.remove = function (key) {
        if (this.has(key)) {
            delete this.entries[key];
            this.order.splice(this.order.indexOf(key), 1);
        }
    };

    Map.prototype.keys = function () {
        return this.order.slice();
    };

    Map.prototype.values = function () {
        var entries = this.entries;
        return this.order.map(function (key) {
            return entries[key];
        });
    };

    Map.prototype.size = function () {
        return this.order.length;
    };

    Map.prototype.each = function (visit) {
        var entries = this.entries;
        this.order.forEach(function (key) {
            visit(key, entries[key]);
        });
    };

    qel.Map = Map;
})(window.qel = window.qel || {});

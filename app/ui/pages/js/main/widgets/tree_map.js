// TreeMap: values by text key, kept in the order of a rank given with each value. The page keeps
// the condition controls in one, ranked by their panel's and their own "sort", so a request
// lists the conditions in the order of the panels whatever order they were chosen in.
(function (qel) {
    "use strict";

    // Ranks are arrays of numbers, compared element by element.
    function compareRanks(a, b) {
        for (var i = 0; i < Math.max(a.length, b.length); i += 1) {
            var x = i < a.length ? a[i] : -Infinity;
            var y = i < b.length ? b[i] : -Infinity;
            if (x !== y) {
                return x < y ? -1 : 1;
            }
        }
        return 0;
    }

    function TreeMap() {
        this.items = []; // { key, rank, value }, sorted by rank
    }

    TreeMap.prototype.put = function (key, rank, value) {
        this.remove(key);
        var at = 0;
        while (at < this.items.length && compareRanks(this.items[at].rank, rank) <= 0) {
            at += 1;
        }
        this.items.splice(at, 0, { key: key, rank: rank, value: value });
    };

    TreeMap.prototype.indexOf = function (key) {
        for (var i = 0; i < this.items.length; i += 1) {
            if (this.items[i].key === key) {
                return i;
            }
        }
        return -1;
    };

    TreeMap.prototype.remove = function (key) {
        var at = this.indexOf(key);
        if (at >= 0) {
            this.items.splice(at, 1);
        }
    };

    TreeMap.prototype.values = function () {
        return this.items.map(function (item) {
            return item.value;
        });
    };

    qel.TreeMap = TreeMap;
})(window.qel = window.qel || {});

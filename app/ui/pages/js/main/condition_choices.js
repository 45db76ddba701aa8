// The values a condition offers, from its row of the component configuration: the listed
// "options" ("value" or "value=label", comma-separated), or else the whole numbers from
// "optionBegin" on, "itemsNumber" of them, written with a leading zero below 10 where
// "add0IfLess10" says so. No page dependency, so node can test it.
var conditionChoices = (function () {
    "use strict";

    function listed(options) {
        return options.split(",").filter(function (piece) {
            return piece !== "";
        }).map(function (piece) {
            var at = piece.indexOf("=");
            return at < 0 ? { value: piece, label: piece } :
                { value: piece.substring(0, at), label: piece.substring(at + 1) };
        });
    }

    function counted(begin, count, padded) {
        var choices = [];
        for (var n = begin; n < begin + count; n += 1) {
            var text = padded && n >= 0 && n < 10 ? "0" + n : String(n);
            choices.push({ value: text, label: text });
        }
        return choices;
    }

    function of(config) {
        if (config.options) {
            return listed(String(config.options));
        }
        var count = parseInt(config.itemsNumber, 10);
        var begin = parseInt(config.optionBegin, 10);
        if (isNaN(count) || count <= 0) {
            return [];
        }
        return counted(isNaN(begin) ? 0 : begin, count, config.add0IfLess10 === "1");
    }

    // The labels of a comma-separated list ("百位,十位,个位"), without empty pieces.
    function labels(text) {
        return String(text || "").split(",").filter(function (piece) {
            return piece !== "";
        });
    }

    return { of: of, labels: labels };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = conditionChoices;
}

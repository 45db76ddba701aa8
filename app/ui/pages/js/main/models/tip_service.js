// TipService: the explanation of a condition's term under the mouse, while the setting
// "showTip" is on. Explanations are asked for once per condition.
(function (qel, $) {
    "use strict";

    function TipService(isOn) {
        this.isOn = isOn;
        this.cache = {};
        this.box = $("<div class=\"tip-box\">").hide().appendTo("body");
    }

    TipService.prototype.textOf = function (id) {
        if (!Object.prototype.hasOwnProperty.call(this.cache, id)) {
            var reply = qel.ConService.getTip(id);
            var row = reply && Array.isArray(reply.children) && reply.children[0] ? reply.children[0] : {};
            this.cache[id] = [row.explanation, row.example ? "例：" + row.example : "", row.remarks]
                .filter(Boolean);
        }
        return this.cache[id];
    };

    // Shows the explanation of condition id beside element while the mouse is over it.
    TipService.prototype.attach = function (element, id) {
        var self = this;
        if (!id) {
            return;
        }
        $(element).addClass("has-tip").on("mouseenter", function () {
            if (!self.isOn()) {
                return;
            }
            var lines = self.textOf(id);
            if (!lines.length) {
                return;
            }
            var at = $(this).offset();
            self.box.empty();
            lines.forEach(function (line) {
                $("<div>").text(line).appendTo(self.box);
            });
            self.box.css({ left: at.left, top: at.top + $(this).outerHeight() + 4 }).show();
        }).on("mouseleave", function () {
            self.box.hide();
        });
    };

    qel.TipService = TipService;
})(window.qel = window.qel || {}, window.jQuery);

// Waiting: covers the page with a message while the program works (a filter run, a switch of
// game). The program's calls block the page, so the cover is painted before the work starts.
(function (qel, $) {
    "use strict";

    function Waiting() {
        this.element = $("<div id=\"waiting\" class=\"waiting\"><div class=\"waiting-text\"></div></div>")
            .hide().appendTo("body");
    }

    Waiting.prototype.show = function (text) {
        this.element.find(".waiting-text").text(text);
        this.element.show();
    };

    Waiting.prototype.hide = function () {
        this.element.hide();
    };

    // Shows the cover, lets the page paint it, then runs work and takes the cover away.
    Waiting.prototype.during = function (text, work) {
        var self = this;
        this.show(text);
        window.setTimeout(function () {
            try {
                work();
            } finally {
                self.hide();
            }
        }, 30);
    };

    qel.Waiting = Waiting;
})(window.qel = window.qel || {}, window.jQuery);

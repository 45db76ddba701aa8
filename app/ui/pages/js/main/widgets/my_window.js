// MyWindow: a modal window inside the page (the save format, the login, the condition preview,
// a typed row). It is built when opened and removed when closed.
(function (qel, $) {
    "use strict";

    // options: { id, title, width, height, content (element or jQuery), buttons: [{ text, handler }],
    // onClose }
    function MyWindow(options) {
        var self = this;
        this.element = $("<div class=\"my-window\">").attr("id", options.id || null).appendTo("body");
        this.element.append(options.content);
        if (options.buttons && options.buttons.length) {
            var bar = $("<div class=\"my-window-buttons\">").appendTo(this.element);
            options.buttons.forEach(function (button) {
                $("<a href=\"javascript:void(0)\" class=\"my-window-button\">").text(button.text)
                    .appendTo(bar).linkbutton().on("click", function () {
                        button.handler.call(self);
                    });
            });
        }
        this.element.window({
            title: options.title,
            width: options.width || 400,
            height: options.height || "auto",
            modal: true,
            collapsible: false,
            minimizable: false,
            maximizable: false,
            resizable: false,
            onClose: function () {
                $(window).off("resize", recentre);
                if (options.onClose) {
                    options.onClose.call(self);
                }
                self.element.window("destroy");
            }
        });
        // The page may be laid out before its window has its size (a window not shown yet): the
        // window keeps to the centre as the page's size changes.
        var recentre = function () {
            self.element.window("center");
        };
        $(window).on("resize", recentre);
        recentre();
    }

    MyWindow.prototype.find = function (selector) {
        return this.element.find(selector);
    };

    MyWindow.prototype.close = function () {
        this.element.window("close");
    };

    qel.MyWindow = MyWindow;
})(window.qel = window.qel || {}, window.jQuery);

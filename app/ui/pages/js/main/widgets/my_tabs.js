// MyTabs: tabs filling their region (the condition tabs and the closable settings tab, the tabs
// of a tabbed condition group).
(function (qel, $) {
    "use strict";

    // options: { fit, plain, onSelect }
    function MyTabs(element, options) {
        this.element = $(element);
        this.element.tabs({
            fit: options && options.fit !== undefined ? options.fit : true,
            border: false,
            plain: Boolean(options && options.plain),
            onSelect: options && options.onSelect
        });
    }

    // Adds a tab holding content; returns the tab's panel.
    MyTabs.prototype.add = function (title, content, closable, id) {
        this.element.tabs("add", { title: title, content: "", closable: Boolean(closable), id: id || null,
                                   selected: false });
        var panel = this.element.tabs("getTab", title);
        panel.append(content);
        return panel;
    };

    MyTabs.prototype.exists = function (title) {
        return this.element.tabs("exists", title);
    };

    MyTabs.prototype.select = function (title) {
        this.element.tabs("select", title);
    };

    MyTabs.prototype.close = function (title) {
        if (this.exists(title)) {
            this.element.tabs("close", title);
        }
    };

    // Fits the tabs to their region again. A strip measured while the page had no size yet may
    // stay scrolled although every tab fits now; once the library has laid it out again, it
    // scrolls back.
    MyTabs.prototype.resize = function () {
        var element = this.element;
        element.tabs("resize");
        window.setTimeout(function () {
            if (element.find(".tabs-scroller-left").first().css("display") === "none") {
                element.find(".tabs-wrap").first().scrollLeft(0);
            }
        }, 0);
    };

    qel.MyTabs = MyTabs;
})(window.qel = window.qel || {}, window.jQuery);

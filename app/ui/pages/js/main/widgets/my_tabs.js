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

    // Fits the tabs to their region again. Selecting a tab scrolls the strip to it with an
    // animation; a tab selected while the strip had no width yet (at the page's first layout)
    // starts one that would still run past this layout and leave the strip scrolled, its first
    // tab cut, although every tab fits now. So the animation is ended here, and a strip that
    // needs no scrolling is put back at its start.
    MyTabs.prototype.resize = function () {
        this.element.tabs("resize");
        var wrap = this.element.children(".tabs-header").children(".tabs-wrap");
        wrap.stop(true, true);
        if (this.element.children(".tabs-header").children(".tabs-scroller-left").css("display") === "none") {
            wrap.scrollLeft(0);
        }
    };

    qel.MyTabs = MyTabs;
})(window.qel = window.qel || {}, window.jQuery);

// FilterItemListControlTabs: a group of conditions shown one at a time under tabs (banker groups,
// number groups, two-digit codes); a tab whose condition is chosen is marked.
(function (qel, $) {
    "use strict";

    function FilterItemListControlTabs(config, context, rank) {
        qel.FilterItemListControl.call(this, config, context, rank);
        this.element.addClass("condition-tabs");
    }
    qel.inherit(FilterItemListControlTabs, qel.FilterItemListControl);

    FilterItemListControlTabs.prototype.renderChildren = function (body) {
        var strip = $("<div class=\"group-tab-strip\">").appendTo(body);
        var pages = $("<div class=\"group-tab-pages\">").appendTo(body);
        this.tabButtons = this.children.map(function (child, at) {
            var page = $("<div class=\"group-tab-page\">").append(child.render()).toggle(at === 0).appendTo(pages);
            return $("<a href=\"javascript:void(0)\" class=\"group-tab\">").text(child.label)
                .toggleClass("active", at === 0).appendTo(strip)
                .on("click", function () {
                    strip.children().removeClass("active");
                    $(this).addClass("active");
                    pages.children().hide();
                    page.show();
                });
        });
    };

    FilterItemListControlTabs.prototype.childChanged = function () {
        var self = this;
        qel.FilterItemListControl.prototype.childChanged.call(this);
        (this.tabButtons || []).forEach(function (button, at) {
            button.toggleClass("chosen", self.children[at].isChosen());
        });
    };

    qel.FilterItemListControlTabs = FilterItemListControlTabs;
})(window.qel = window.qel || {}, window.jQuery);

// BigButton: the page's large action button ("开始过滤").
(function (qel, $) {
    "use strict";

    function BigButton(id, label, onClick) {
        this.element = $("<a href=\"javascript:void(0)\" class=\"big-button\">").attr("id", id).text(label)
            .on("click", function (event) {
                event.preventDefault();
                onClick();
            });
    }

    qel.BigButton = BigButton;
})(window.qel = window.qel || {}, window.jQuery);

// HotImageButton: a picture button that changes its picture under the mouse (the system
// buttons) or a picture with a label under it (the footer buttons).
(function (qel, $) {
    "use strict";

    // options: { image, hoverImage, label, title, className, onClick }
    function HotImageButton(options) {
        var image = $("<img alt=\"\">").attr("src", options.image);
        this.element = $("<a href=\"javascript:void(0)\" class=\"hot-image-button\">")
            .addClass(options.className || "").attr("title", options.title || options.label || "")
            .append(image)
            .on("click", function (event) {
                event.preventDefault();
                options.onClick();
            });
        if (options.hoverImage) {
            this.element.on("mouseenter", function () {
                image.attr("src", options.hoverImage);
            }).on("mouseleave", function () {
                image.attr("src", options.image);
            });
        }
        if (options.label) {
            $("<span class=\"hot-image-label\">").text(options.label).appendTo(this.element);
        }
    }

    qel.HotImageButton = HotImageButton;
})(window.qel = window.qel || {}, window.jQuery);

// TextEditor: a text area for number lists (old numbers) that counts its non-empty lines.
(function (qel, $) {
    "use strict";

    // options: { id, placeholder, onChange }
    function TextEditor(options) {
        var self = this;
        this.element = $("<div class=\"text-editor\">");
        this.area = $("<textarea spellcheck=\"false\">").attr({ id: options.id || null,
                                                                placeholder: options.placeholder || "" })
            .appendTo(this.element);
        this.counter = $("<div class=\"text-editor-count\">").appendTo(this.element);
        this.area.on("input", function () {
            self.refresh();
            if (options.onChange) {
                options.onChange(self.value());
            }
        });
        this.refresh();
    }

    TextEditor.prototype.value = function () {
        return this.area.val();
    };

    TextEditor.prototype.setValue = function (text) {
        this.area.val(text);
        this.refresh();
    };

    TextEditor.prototype.lineCount = function () {
        return this.value().split(/\r\n|\r|\n/).filter(function (line) {
            return line.trim() !== "";
        }).length;
    };

    TextEditor.prototype.refresh = function () {
        this.counter.text("共" + this.lineCount() + "行");
    };

    qel.TextEditor = TextEditor;
})(window.qel = window.qel || {}, window.jQuery);

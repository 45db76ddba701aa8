// OldPanelControl: the old-number list ("大底号码") that a run filters instead of every bet:
// typed or pasted into a text area, or imported from a file. It is not a condition of its own:
// the list goes with the data source at the head of the "Filter" items.
(function (qel, $) {
    "use strict";

    function OldPanelControl(config, context, rank) {
        qel.ConditionControl.call(this, config, context, rank);
        this.choices = [];
    }
    qel.inherit(OldPanelControl, qel.ConditionControl);

    OldPanelControl.prototype.renderHead = function () {
        var head = $("<div class=\"condition-head\">").appendTo(this.element);
        $("<span class=\"condition-title\">").text(this.label).appendTo(head);
        var tools = $("<span class=\"condition-tools\">").appendTo(head);
        $("<a href=\"javascript:void(0)\" class=\"old-import\">导入</a>").appendTo(tools)
            .on("click", this.importFile.bind(this));
        $("<a href=\"javascript:void(0)\" class=\"condition-clear\" title=\"清除\">清</a>").appendTo(tools)
            .on("click", this.clear.bind(this));
    };

    OldPanelControl.prototype.renderChoices = function (body) {
        var self = this;
        this.editor = new qel.TextEditor({ id: "oldNumText", placeholder: "每行一注，或以逗号、空格分隔",
                                           onChange: function () {
                                               self.changed();
                                           } });
        body.append(this.editor.element);
    };

    // Reads an old-number file chosen by the user: the program answers its rows separated by "|".
    OldPanelControl.prototype.importFile = function () {
        var reply = qel.ConService.openOldNum();
        if (reply && typeof reply.oldNum === "string") {
            this.setText(reply.oldNum.split("|").join("\n"));
            if (this.context.onImported) {
                this.context.onImported(this);
            }
            return;
        }
        this.context.messager.showTopCenterMsg(reply && reply.flag === "cancel" ? "info" : "error",
            reply && reply.msg ? reply.msg : "文件不存在或文件格式不正确或已损坏！");
    };

    OldPanelControl.prototype.text = function () {
        return this.editor.value();
    };

    OldPanelControl.prototype.setText = function (text) {
        this.editor.setValue(text);
        this.changed();
    };

    OldPanelControl.prototype.isChosen = function () {
        return false;
    };

    OldPanelControl.prototype.items = function () {
        return [];
    };

    OldPanelControl.prototype.leaves = function () {
        return [];
    };

    OldPanelControl.prototype.clear = function () {
        this.setText("");
    };

    OldPanelControl.prototype.selectAll = function () {};

    qel.OldPanelControl = OldPanelControl;
})(window.qel = window.qel || {}, window.jQuery);

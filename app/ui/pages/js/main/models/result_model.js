// ResultModel: the east region of the main page, "过滤结果". The grid shows the run's rows a page at
// a time (100 by default); its toolbar saves the result ("保存", with "格式选择" for the games with
// a back area), adds a typed row ("增加"), deletes the selected row ("删除"), empties the result
// ("清空") and searches it (the search menu, "全部" first). From 10000 rows on the editing buttons
// and the search menu are hidden. After a run a summary tells the counts.
(function (qel, $) {
    "use strict";

    var PAGE_SIZE = 100;
    var EDIT_LIMIT = 10000;
    var ALL = { name: "all", label: "全部" };

    function ResultModel(controller) {
        this.controller = controller;
        this.game = controller.game;
        this.searchType = ""; // the pressed search entry, "" for the whole result
        this.total = 0;
    }

    ResultModel.prototype.render = function (region) {
        var self = this;
        this.summary = $("<div class=\"result-summary\" id=\"resultSummary\">").hide().appendTo(region);
        this.toolbar = $("<div class=\"result-toolbar\" id=\"resultToolbar\">").appendTo(region);
        this.button("resultSave", "保存", this.save);
        this.button("resultAdd", "增加", this.openAddRow, true);
        this.button("resultDelete", "删除", this.deleteSelected, true);
        this.button("resultClear", "清空", this.clearAll, true);
        this.searchButton = $("<a href=\"javascript:void(0)\" id=\"resultSearch\" class=\"result-edit\">查询</a>")
            .appendTo(this.toolbar);
        this.searchMenu = $("<div id=\"resultSearchMenu\" class=\"result-search-menu\">").appendTo("body");
        this.searchButton.menubutton({ menu: this.searchMenu, plain: true });
        this.searchLabel = $("<span class=\"result-search-label\" id=\"resultSearchLabel\">").appendTo(this.toolbar);

        var gridArea = $("<div class=\"result-grid-area\">").appendTo(region);
        this.table = new qel.MyTable($("<table id=\"resultGrid\">").appendTo(gridArea), {
            pagination: true,
            pageSize: PAGE_SIZE,
            pageList: [50, 100, 150, 200],
            emptyMsg: "没有数据",
            fetchPage: function (pageNumber, pageSize) {
                return self.fetchPage(pageNumber, pageSize);
            },
            onLoaded: function (reply) {
                self.showCounts(reply);
            }
        });
        this.refreshTitle();
        this.table.startPaging();
    };

    ResultModel.prototype.button = function (id, label, action, editing) {
        var self = this;
        $("<a href=\"javascript:void(0)\">").attr("id", id).text(label).toggleClass("result-edit", Boolean(editing))
            .appendTo(this.toolbar).linkbutton({ plain: true })
            .on("click", function () {
                action.call(self);
            });
    };

    // The grid's columns for the game and play type, and the search entries of the play type.
    ResultModel.prototype.refreshTitle = function () {
        var castType = this.controller.params.get("castType");
        var reply = qel.ConService.getTableTitle(this.game, gameRules.tableId(this.game), castType, "");
        this.table.setColumns(reply && Array.isArray(reply.children) ? reply.children : []);
        this.refreshSearchMenu(castType);
        this.leaveSearch();
        this.showCounts({ total: 0 });
    };

    ResultModel.prototype.refreshSearchMenu = function (castType) {
        var self = this;
        var menu = this.searchMenu;
        menu.children(".menu-item").each(function () {
            menu.menu("removeItem", this);
        });
        [ALL].concat(gameRules.searchEntries(this.game, castType)).forEach(function (entry) {
            menu.menu("appendItem", { text: entry.label, name: entry.name, onclick: function () {
                self.search(entry);
            } });
        });
    };

    // Back to the whole result: no search entry pressed.
    ResultModel.prototype.leaveSearch = function () {
        this.searchType = "";
        this.searchLabel.text("");
    };

    ResultModel.prototype.listFlag = function () {
        return this.searchType ? "1" : "0";
    };

    ResultModel.prototype.fetchPage = function (pageNumber, pageSize) {
        return qel.ConService.getResultByPage(pageNumber, pageSize, this.searchType);
    };

    // Shows a page reply of the program as page pageNumber; an unreadable or error reply is told.
    ResultModel.prototype.showPage = function (reply, pageNumber, fallback) {
        if (!reply || !Array.isArray(reply.items)) {
            this.controller.messager.showReply(reply, fallback);
            return false;
        }
        this.table.loadReply(reply, pageNumber);
        this.showCounts(reply);
        return true;
    };

    // The first page of a new run, with its summary.
    ResultModel.prototype.showRun = function (reply) {
        this.leaveSearch();
        if (this.showPage(reply, 1, "过滤失败！")) {
            this.showSummary(reply);
        }
    };

    ResultModel.prototype.showCounts = function (reply) {
        var total = Number(reply.total) || 0;
        if (!this.searchType) {
            this.total = total;
        }
        this.toolbar.find(".result-edit").toggle(this.total < EDIT_LIMIT);
    };

    ResultModel.prototype.showSummary = function (reply) {
        this.summary.empty();
        if (this.controller.constants.config.showResultMsg !== "true") {
            this.summary.hide();
            this.resize();
            return;
        }
        var matrixLabel = this.controller.choiceLabel("rotateMatrix");
        var table = $("<table>").appendTo(this.summary);
        resultSummary.lines(reply, matrixLabel).forEach(function (line) {
            $("<tr>").append($("<th>").text(line.label + "："), $("<td>").text(line.value)).appendTo(table);
        });
        this.summary.show();
        this.resize();
    };

    ResultModel.prototype.search = function (entry) {
        if (entry.name === ALL.name) {
            this.leaveSearch();
            this.showPage(qel.ConService.getResultByPage(1, this.table.page().pageSize, ""), 1, "查询失败！");
            return;
        }
        this.searchType = entry.name;
        this.searchLabel.text(entry.label);
        this.showPage(qel.ConService.searchResult(entry.name), 1, "查询失败！");
    };

    ResultModel.prototype.save = function () {
        if (gameRules.needsSaveFormat(this.game)) {
            this.openSaveFormat();
            return;
        }
        this.saveAs("");
    };

    ResultModel.prototype.saveAs = function (lotFormat) {
        var reply = qel.ConService.saveResult(this.listFlag(), lotFormat);
        this.controller.messager.showReply(reply, "保存失败！");
    };

    // "格式选择": the number format of the result file; a choice is kept at once.
    ResultModel.prototype.openSaveFormat = function () {
        var self = this;
        var config = this.controller.constants.config;
        var chosen = config.lotFormat || "format0";
        var body = $("<div class=\"save-format\">");
        $("<p>").text("请根据您的投注平台选择保存格式：").appendTo(body);
        gameRules.saveFormats(this.game).forEach(function (format) {
            var input = $("<input type=\"radio\" name=\"lotFormat\">").attr("value", format.value)
                .prop("checked", format.value === chosen)
                .on("change", function () {
                    chosen = format.value;
                    self.controller.saveConfig("", [{ lotFormat: chosen }]);
                });
            $("<label class=\"save-format-choice\">")
                .append(input, $("<span>").text(format.label + "：" + format.example)).appendTo(body);
        });
        new qel.MyWindow({ id: "saveFormatWindow", title: "格式选择", width: 360, content: body,
                           buttons: [{ text: "确定", handler: function () {
                               this.close();
                               self.saveAs(chosen);
                           } }] });
    };

    ResultModel.prototype.openAddRow = function () {
        var self = this;
        var body = $("<div class=\"add-row\">");
        $("<label>").text("号码：").appendTo(body);
        var input = $("<input type=\"text\" id=\"addRowText\">").appendTo(body);
        new qel.MyWindow({ id: "addRowWindow", title: "增加号码", width: 320, content: body,
                           buttons: [{ text: "确定", handler: function () {
                               if (self.addRow(String(input.val()))) {
                                   this.close();
                               }
                           } }, { text: "取消", handler: function () {
                               this.close();
                           } }] });
        input.trigger("focus");
    };

    // Adds a typed row after checking it against the game's bet; true when it was sent.
    ResultModel.prototype.addRow = function (text) {
        var row = gameRules.rowForRequest(this.game, text);
        if (row === null) {
            this.controller.messager.showTopCenterMsg("warning", "号码格式不正确！");
            return false;
        }
        this.leaveSearch();
        this.showPage(qel.ConService.addRow(row), 1, "增加失败！");
        return true;
    };

    ResultModel.prototype.deleteSelected = function () {
        var row = this.table.selected();
        if (!row) {
            this.controller.messager.showTopCenterMsg("warning", "请选择要删除的数据！");
            return;
        }
        var page = this.table.page();
        var reply = qel.ConService.deleteRows(Number(row.rowNumber), this.listFlag(), page.pageSize, page.pageNumber);
        this.showPage(reply, page.pageNumber, "删除失败！");
    };

    ResultModel.prototype.clearAll = function () {
        this.leaveSearch();
        this.summary.hide();
        this.resize();
        this.showPage(qel.ConService.deleteAll(), 1, "清空失败！");
    };

    ResultModel.prototype.resize = function () {
        this.table.resize();
    };

    qel.ResultModel = ResultModel;
})(window.qel = window.qel || {}, window.jQuery);

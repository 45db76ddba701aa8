// MyTable: a grid whose columns come from a table-title reply of the program and whose rows come
// from page replies ({ items, total }). Paging asks the owner for the page.
(function (qel, $) {
    "use strict";

    function number(text, fallback) {
        var n = parseInt(text, 10);
        return isNaN(n) ? fallback : n;
    }

    function column(entry, rowspan) {
        var result = {
            field: entry.field,
            title: (entry.titlePrex || "") + (entry.title || ""),
            width: number(entry.width, 60),
            align: entry.align || "center",
            halign: "center"
        };
        if (rowspan > 1) {
            result.rowspan = rowspan;
        }
        return result;
    }

    // The grid's header rows from the columns of a table-title reply: a first-level column with
    // columns below it spans them; the others span both header rows.
    function headerRows(columns) {
        var nested = columns.some(function (entry) {
            return entry.children && entry.children.length;
        });
        var first = [];
        var second = [];
        columns.forEach(function (entry) {
            if (entry.children && entry.children.length) {
                first.push({ title: (entry.titlePrex || "") + (entry.title || ""), colspan: entry.children.length,
                             align: "center" });
                entry.children.forEach(function (child) {
                    second.push(column(child, 1));
                });
            } else {
                first.push(column(entry, nested ? 2 : 1));
            }
        });
        return nested ? [first, second] : [first];
    }

    // options: { pagination, pageSize, pageList, fetchPage(pageNumber, pageSize) -> reply or
    // undefined, onLoaded(reply) }
    function MyTable(element, options) {
        var self = this;
        this.element = $(element);
        this.options = options;
        // The grid asks for rows when it is built or given columns; only the pager's asking goes
        // to the owner.
        this.paging = false;
        this.element.datagrid({
            fit: true,
            border: false,
            singleSelect: true,
            striped: true,
            columns: [[]],
            pagination: Boolean(options.pagination),
            pageSize: options.pageSize || 100,
            pageList: options.pageList || [50, 100, 150, 200],
            emptyMsg: options.emptyMsg || "",
            onBeforeLoad: function () {
                return self.paging;
            },
            loader: function (param, success, failure) {
                if (!options.fetchPage) {
                    return false;
                }
                var reply = options.fetchPage(param.page, param.rows);
                if (!reply || !$.isArray(reply.items)) {
                    failure();
                    return false;
                }
                success(self.rowsOf(reply));
                if (options.onLoaded) {
                    options.onLoaded(reply);
                }
                return true;
            }
        });
    }

    // Built: from now on the pager's page changes ask the owner for rows.
    MyTable.prototype.startPaging = function () {
        this.paging = true;
    };

    MyTable.prototype.rowsOf = function (reply) {
        var total = Number(reply.total);
        return { total: isFinite(total) ? total : reply.items.length, rows: reply.items };
    };

    // Sets the columns from the "children" of a table-title reply and empties the grid.
    MyTable.prototype.setColumns = function (columns) {
        var paging = this.paging;
        this.paging = false;
        this.element.datagrid({ columns: headerRows(columns || []) });
        this.paging = paging;
        this.clear();
    };

    MyTable.prototype.clear = function () {
        this.loadReply({ items: [], total: 0 }, 1);
    };

    // Shows a page reply as page pageNumber.
    MyTable.prototype.loadReply = function (reply, pageNumber) {
        var opts = this.element.datagrid("options");
        opts.pageNumber = pageNumber || 1;
        if (opts.pagination) {
            this.element.datagrid("getPager").pagination({ pageNumber: opts.pageNumber, pageSize: opts.pageSize });
        }
        this.element.datagrid("loadData", this.rowsOf(reply));
    };

    MyTable.prototype.selected = function () {
        return this.element.datagrid("getSelected");
    };

    MyTable.prototype.page = function () {
        var opts = this.element.datagrid("options");
        return { pageNumber: opts.pageNumber || 1, pageSize: opts.pageSize };
    };

    MyTable.prototype.resize = function () {
        this.element.datagrid("resize");
    };

    qel.MyTable = MyTable;
})(window.qel = window.qel || {}, window.jQuery);

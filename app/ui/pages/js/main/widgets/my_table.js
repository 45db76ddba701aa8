// MyTable: a grid whose columns come from a table-title reply of the program and whose rows come
// from page replies ({ items, total }). Paging asks the owner for the page.
(function (qel, $) {
    "use strict";

    function number(text, fallback) {
        var n = parseInt(text, 10);
        return isNaN(n) ? fallback : n;
    }

    function column(entry, rowspan, options) {
        var formatter = options.formatter;
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
        if (formatter) {
            result.formatter = function (value, row) {
                return formatter(row, entry.field);
            };
        }
        if (options.keepWidth && options.keepWidth(entry)) {
            result.fixed = true;
        }
        return result;
    }

    // The grid's header rows from the columns of a table-title reply: a first-level column with
    // columns below it spans them; the others span both header rows. Columns without columns
    // below them for which frozen(entry) holds stay in place while the others scroll
    // (frozenColumns). formatter(row, field) gives a cell's markup, when given.
    function headerRows(columns, options) {
        var frozen = options.frozen || function () {
            return false;
        };
        var nested = columns.some(function (entry) {
            return entry.children && entry.children.length;
        });
        var still = [];
        var first = [];
        var second = [];
        columns.forEach(function (entry) {
            if (entry.children && entry.children.length) {
                first.push({ title: (entry.titlePrex || "") + (entry.title || ""), colspan: entry.children.length,
                             align: "center" });
                entry.children.forEach(function (child) {
                    second.push(column(child, 1, options));
                });
            } else {
                (frozen(entry) ? still : first).push(column(entry, nested ? 2 : 1, options));
            }
        });
        var rows = { columns: nested ? [first, second] : [first] };
        if (options.frozen) {
            // As many header rows as the others, so that a still column spans them too.
            rows.frozenColumns = nested ? [still, []] : [still];
        }
        return rows;
    }

    // options: { pagination, pageSize, pageList, fetchPage(pageNumber, pageSize) -> reply or
    // undefined, onLoaded(reply), frozen(column entry) and formatter(row, field) (headerRows),
    // showFooter (a reply's "footer" rows stay under every page), onRendered() (after the
    // grid has shown rows), fitColumns (the columns share the grid's width instead of scrolling
    // it) with keepWidth(column entry) (columns that keep their own width meanwhile) }
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
            showFooter: Boolean(options.showFooter),
            fitColumns: Boolean(options.fitColumns),
            onLoadSuccess: function () {
                if (options.onRendered) {
                    options.onRendered();
                }
            },
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
        var rows = { total: isFinite(total) ? total : reply.items.length, rows: reply.items };
        if (this.options.showFooter) {
            rows.footer = Array.isArray(reply.footer) ? reply.footer : [];
        }
        return rows;
    };

    // Sets the columns from the "children" of a table-title reply and empties the grid.
    MyTable.prototype.setColumns = function (columns) {
        var paging = this.paging;
        this.paging = false;
        this.element.datagrid(headerRows(columns || [], this.options));
        this.paging = paging;
        this.clear();
    };

    MyTable.prototype.clear = function () {
        this.loadReply({ items: [], total: 0 }, 1);
    };

    // Shows a page reply as page pageNumber.
    MyTable.prototype.loadReply = function (reply, pageNumber) {
        var opts = this.element.datagrid("options");
        var rows = this.rowsOf(reply);
        opts.pageNumber = pageNumber || 1;
        if (opts.pagination) {
            // With the new total: a pager that still counts fewer pages would take the page back to
            // its last one, and the grid would ask for that page instead.
            this.element.datagrid("getPager").pagination({ pageNumber: opts.pageNumber, pageSize: opts.pageSize,
                                                          total: rows.total });
        }
        this.element.datagrid("loadData", rows);
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

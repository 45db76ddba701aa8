// The trend window's page ("走势图表", opened by the main window's "GetDataAnalysis"): it fetches
// the current game's past draws from the data service into the window's chain ("GetDataAnalysis",
// by count or by a range of draw numbers), offers every table type the game has as a tab, and
// shows the chosen table ("GetTableTitle" of grid 20, "GetDetailedData") in a paged grid: the
// draws with their balls and marks, a line through the marks of each chart, and the six summary
// rows under every page. Needs popup_page.js, trend_rules.js, jQuery EasyUI and the main page's
// MyTable and MyTabs.
var trendPage = (function ($) {
    "use strict";

    var HISTORY_GRID = 20;
    var DRAW_NUMBERS = 200; // the draw numbers offered for a range, newest first
    var RANGE_DRAWS = 30; // the range offered first: the newest 30 draws
    var PAGE_SIZE = 50;
    var SVG = "http://www.w3.org/2000/svg";

    var config = {};
    var imageBase = "";
    var titles = {}; // the columns of each table type the game has
    var current = ""; // the table type of the selected tab
    var fetched = false; // the window's chain holds draws
    var rows = { draws: [], summary: [] }; // the shown table's rows
    var table = null;
    var tabs = null;

    function byId(id) {
        return document.getElementById(id);
    }

    function message(text, isError) {
        popupPage.message("trendMessage", text, isError);
    }

    function enable(ids, enabled) {
        ids.forEach(function (id) {
            var element = byId(id);
            if (element.tagName === "SELECT") {
                element.disabled = !enabled;
            } else {
                element.classList.toggle("disabled", !enabled);
            }
        });
    }

    // The table types of the game: those for which grid 20 holds columns of the game's own.
    function offeredTypes() {
        return trendRules.tableTypes().filter(function (type) {
            var reply = callCpp({ method: "GetTableTitle", productName: config.productName,
                                  flag: config.productName, tab: type, tableId: HISTORY_GRID });
            if (!trendRules.hasOwnColumns(reply)) {
                return false;
            }
            titles[type] = reply.children;
            return true;
        });
    }

    // The newest draw numbers of the game for a range; the range is left out when the service
    // gives none.
    function fillDrawNumbers() {
        var numbers = popupPage.drawNumbers(config.lotteryCategory, DRAW_NUMBERS);
        popupPage.fillSelect(byId("trendBegin"), numbers);
        popupPage.fillSelect(byId("trendEnd"), numbers);
        if (!numbers.length) {
            enable(["trendBegin", "trendEnd", "trendByRange"], false);
            byId("trendByRange").title = "期号列表获取失败";
            return;
        }
        byId("trendBegin").selectedIndex = Math.min(RANGE_DRAWS, numbers.length) - 1;
        byId("trendEnd").selectedIndex = 0;
    }

    // Fetches draws into the window's chain; on success the selected table shows them, on
    // failure the table shown stays and the page says why.
    function fetchDraws(request) {
        var reply = callCpp(request);
        var failure = popupPage.failureOf(reply);
        if (failure) {
            message(failure, true);
            return false;
        }
        fetched = true;
        showTable(current);
        return true;
    }

    function fetchByCount() {
        return fetchDraws({ method: "GetDataAnalysis", productName: config.lotteryCategory, type: "byQiShu",
                            rowNumber: byId("trendCount").value });
    }

    function fetchByRange() {
        var begin = byId("trendBegin").value;
        var end = byId("trendEnd").value;
        var problem = trendRules.rangeProblem(begin, end);
        if (problem) {
            message(problem, true);
            return false;
        }
        return fetchDraws({ method: "GetDataAnalysis", productName: config.lotteryCategory, type: "byQiHao",
                            beginQiHao: begin, endQiHao: end });
    }

    // Shows the table of that type over the fetched draws, at the page of the newest draws.
    function showTable(type) {
        table.setColumns(titles[type]);
        var reply = callCpp({ method: "GetDetailedData", productName: config.productName, tab: type });
        if (!reply || !Array.isArray(reply.items)) {
            rows = { draws: [], summary: [] };
            message("走势数据读取失败！", true);
            return;
        }
        rows = trendRules.splitRows(reply.items);
        var last = trendRules.lastPage(rows.draws.length, table.page().pageSize);
        table.loadReply(pageOf(last, table.page().pageSize), last);
        var described = trendRules.describeDraws(rows.draws);
        message(described.text, described.isError);
    }

    function pageOf(pageNumber, pageSize) {
        return trendRules.pageReply(rows.draws, rows.summary, pageNumber, pageSize);
    }

    // The name of a summary row stands across the draw's own columns (those that stay in place).
    function mergeSummaryNames() {
        var grid = table.element;
        var still = grid.datagrid("options").frozenColumns[0] || [];
        if (still.length < 2) {
            return;
        }
        rows.summary.forEach(function (row, index) {
            grid.datagrid("mergeCells", { index: index, field: still[0].field, colspan: still.length, type: "footer" });
        });
    }

    // A line through the marks of each chart (the cells the program marks as one series),
    // drawn behind the marks over the scrolling part of the grid.
    function drawLines() {
        var body = table.element.datagrid("getPanel").find(".datagrid-view2 .datagrid-body").first();
        if (!body.length) {
            return;
        }
        body.children("svg.trend-lines").remove();
        var origin = body[0].getBoundingClientRect();
        var left = body[0].scrollLeft - origin.left;
        var top = body[0].scrollTop - origin.top;
        var marks = body.find("tr.datagrid-row span[data-block]").map(function () {
            var box = this.getBoundingClientRect();
            return { row: Number($(this).closest("tr.datagrid-row").attr("datagrid-row-index")),
                     series: Number(this.getAttribute("data-block")), colour: this.getAttribute("data-color") || "",
                     x: box.left + box.width / 2 + left, y: box.top + box.height / 2 + top };
        }).get();
        var lines = trendRules.chartLines(marks);
        if (!lines.length) {
            return;
        }
        var svg = document.createElementNS(SVG, "svg");
        svg.setAttribute("class", "trend-lines");
        svg.setAttribute("width", String(body[0].scrollWidth));
        svg.setAttribute("height", String(body[0].scrollHeight));
        lines.forEach(function (line) {
            var element = document.createElementNS(SVG, "line");
            element.setAttribute("x1", String(line.x1));
            element.setAttribute("y1", String(line.y1));
            element.setAttribute("x2", String(line.x2));
            element.setAttribute("y2", String(line.y2));
            element.setAttribute("stroke", line.colour);
            element.setAttribute("data-series", String(line.series));
            svg.appendChild(element);
        });
        body[0].appendChild(svg);
    }

    function buildTable() {
        table = new qel.MyTable(byId("trendGrid"), {
            pagination: true,
            pageSize: PAGE_SIZE,
            pageList: [30, 50, 100, 200],
            emptyMsg: "没有开奖数据",
            showFooter: true,
            frozen: function (entry) {
                return trendRules.isDrawField(entry.field);
            },
            formatter: function (row, field) {
                return trendRules.cellHtml(row, field, imageBase);
            },
            fetchPage: pageOf,
            onRendered: function () {
                mergeSummaryNames();
                drawLines();
            }
        });
        table.startPaging();
    }

    function buildTabs(types) {
        tabs = new qel.MyTabs(byId("trendTabs"), {
            fit: false,
            onSelect: function (label) {
                var type = trendRules.typeOfLabel(label);
                if (type && type !== current) {
                    current = type;
                    if (fetched) {
                        showTable(type);
                    }
                }
            }
        });
        types.forEach(function (type) {
            tabs.add(trendRules.labelOf(type), $("<div>"), false, "trendTab-" + type);
        });
        current = types[0];
        tabs.select(trendRules.labelOf(current));
    }

    function buildChoices() {
        popupPage.fillSelect(byId("trendCount"), trendRules.DRAW_COUNTS.map(function (count) {
            return { text: String(count), value: String(count) };
        }));
        fillDrawNumbers();
        $("#trendByCount").on("click", fetchByCount);
        $("#trendByRange").on("click", function () {
            if (!$(this).hasClass("disabled")) {
                fetchByRange();
            }
        });
        $(window).on("resize", function () {
            tabs.resize();
            table.resize();
            drawLines();
        });
    }

    function start(windowConfig) {
        config = windowConfig || {};
        imageBase = typeof config.baseDir === "string" ? config.baseDir : "";
        popupPage.bar("走势图表" + (config.productCnName ? " - " + config.productCnName : ""));
        if (!$ || !$.fn.datagrid || !window.qel || !qel.MyTable || !config.productName) {
            message("走势图表无法打开：页面组件或彩种设置缺失！", true);
            return;
        }
        var types = offeredTypes();
        if (!types.length) {
            enable(["trendCount", "trendByCount", "trendBegin", "trendEnd", "trendByRange"], false);
            message("该彩种暂无走势图表！", true);
            return;
        }
        buildTable();
        buildTabs(types);
        // The first table's columns stand even when its draws cannot be fetched.
        table.setColumns(titles[current]);
        buildChoices();
        fetchByCount();
    }

    return { start: start };
})(window.jQuery);

// What the trend page works out without a page, so that node can test it: the table types a
// window may offer and their tab labels, which of them a game has (from the columns of grid 20),
// the cells of a history table as markup the page builds itself, the draw rows and the summary
// rows, the lines of a chart, and the checks of the draw choices.
var trendRules = (function () {
    "use strict";

    // Every table type the program's history tables answer, in tab order, with its tab label.
    var TABLE_TYPES = [
        { type: "base", label: "基本走势" },
        { type: "blue", label: "后区走势" },
        { type: "distribution", label: "定位分布" },
        { type: "pos0", label: "第1位" },
        { type: "pos1", label: "第2位" },
        { type: "pos2", label: "第3位" },
        { type: "pos3", label: "第4位" },
        { type: "pos4", label: "第5位" },
        { type: "pos5", label: "第6位" },
        { type: "pos6", label: "第7位" },
        { type: "pos7", label: "第8位" },
        { type: "pos8", label: "第9位" },
        { type: "pos9", label: "第10位" },
        { type: "heZhi", label: "和值" },
        { type: "span", label: "跨度" },
        { type: "bigSmall", label: "大小" },
        { type: "oddEven", label: "奇偶" },
        { type: "zhiHe", label: "质合" },
        { type: "luShu", label: "012路" },
        { type: "threeArea", label: "三区" },
        { type: "wuXing", label: "五行" },
        { type: "lianHao", label: "连号" },
        { type: "sameTail", label: "同尾" },
        { type: "sameNum", label: "重号" },
        { type: "other", label: "其他" },
        { type: "w5", label: "5码组合" },
        { type: "w6", label: "6码组合" },
        { type: "w7", label: "7码组合" },
    ];

    // The columns of the draw itself, which head every table of every game.
    var DRAW_FIELDS = ["qiHao", "lotDate", "lottery"];

    // The draw counts the page offers, the first being the one it opens with.
    var DRAW_COUNTS = [30, 50, 100, 150, 200];

    // The colours of the lines of a chart whose marks are balls, by the ball's picture.
    var BALL_COLOURS = { red: "#d0312d", blue: "#2a62c4", green: "#2e8b57", gold: "#d4a017", purple: "#8e44ad" };

    var LENGTH = /^\d{1,3}(?:px)?(?: \d{1,3}(?:px)?){0,3}$/;
    var COLOUR = /^(?:#[0-9a-fA-F]{3}|#[0-9a-fA-F]{6}|white|black)$/;
    // The declarations a mark's style may keep, each with the values it may have.
    var STYLE_RULES = {
        display: /^inline-block$/,
        width: LENGTH,
        height: LENGTH,
        "line-height": LENGTH,
        "margin-left": LENGTH,
        padding: LENGTH,
        "padding-top": LENGTH,
        "font-size": LENGTH,
        color: COLOUR,
        background: COLOUR,
        "background-color": COLOUR,
        "text-align": /^(?:center|left|right)$/,
    };
    var MARK = /\s*<span((?:\s*[A-Za-z-]+='[^'<>]*')*)\s*>([^<>]*)<\/span>/y;
    var ATTRIBUTE = /([A-Za-z-]+)='([^'<>]*)'/g;
    var PICTURE = /^url\((["']?)([^"'()\s]+)\1\)$/;

    function tableTypes() {
        return TABLE_TYPES.map(function (entry) {
            return entry.type;
        });
    }

    function labelOf(type) {
        var found = TABLE_TYPES.filter(function (entry) {
            return entry.type === type;
        })[0];
        return found ? found.label : type;
    }

    function typeOfLabel(label) {
        var found = TABLE_TYPES.filter(function (entry) {
            return entry.label === label;
        })[0];
        return found ? found.type : "";
    }

    function isDrawField(field) {
        return DRAW_FIELDS.indexOf(field) >= 0;
    }

    // Whether a "GetTableTitle" reply of grid 20 holds columns of a table beyond the draw's own:
    // the game has that table.
    function hasOwnColumns(reply) {
        var columns = reply && Array.isArray(reply.children) ? reply.children : [];
        return columns.some(function (column) {
            if (Array.isArray(column.children) && column.children.length > 0) {
                return true;
            }
            return typeof column.field === "string" && column.field !== "" && !isDrawField(column.field);
        });
    }

    function escapeHtml(value) {
        return String(value === undefined || value === null ? "" : value).replace(/&/g, "&amp;")
            .replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;").replace(/'/g, "&#39;");
    }

    function decodeEntities(text) {
        return text.replace(/&quot;/g, "\"").replace(/&#39;|&apos;/g, "'").replace(/&lt;/g, "<")
            .replace(/&gt;/g, ">").replace(/&amp;/g, "&");
    }

    // A mark's style rebuilt from the declarations it may keep: a ball picture only from the
    // program's own pictures below imageBase. Gives { style, colour } (the colour of its lines).
    function cleanStyle(text, imageBase) {
        var kept = [];
        var colour = "";
        decodeEntities(text).split(";").forEach(function (declaration) {
            var colon = declaration.indexOf(":");
            if (colon < 0) {
                return;
            }
            var name = declaration.slice(0, colon).trim().toLowerCase();
            var value = declaration.slice(colon + 1).trim();
            if (name === "background-image") {
                var picture = PICTURE.exec(value);
                var prefix = imageBase + "/images/";
                var file = picture && imageBase && picture[2].indexOf(prefix) === 0 ?
                    picture[2].slice(prefix.length) : "";
                var ball = /^([a-z]+)Ball\d*\.png$/.exec(file);
                if (/^[A-Za-z0-9_-]+\.png$/.test(file)) {
                    kept.push("background-image:url('" + prefix + file + "')");
                    colour = colour || (ball && BALL_COLOURS[ball[1]]) || "";
                }
            } else if (STYLE_RULES[name] && STYLE_RULES[name].test(value)) {
                kept.push(name + ":" + value);
                if (name === "background" || name === "background-color") {
                    colour = colour || value;
                }
            }
        });
        return { style: kept.join(";"), colour: colour };
    }

    // The marks of a cell as the program writes them (spans with a style and, for the cells of a
    // chart's line, block='block<n>'), or null when the text is anything else.
    function readMarks(text) {
        var marks = [];
        MARK.lastIndex = 0;
        while (MARK.lastIndex < text.length) {
            var start = MARK.lastIndex;
            var match = MARK.exec(text);
            if (!match) {
                return /^\s*$/.test(text.slice(start)) && marks.length ? marks : null;
            }
            var mark = { series: null, style: "", text: decodeEntities(match[2]) };
            var attribute;
            ATTRIBUTE.lastIndex = 0;
            while ((attribute = ATTRIBUTE.exec(match[1])) !== null) {
                var block = /^block(\d{1,2})$/.exec(attribute[2]);
                if (attribute[1] === "block" && block) {
                    mark.series = Number(block[1]);
                } else if (attribute[1] === "style") {
                    mark.style = attribute[2];
                }
            }
            marks.push(mark);
        }
        return marks;
    }

    // A cell of a draw row as markup the page may show: the program's marks rebuilt (their
    // series and the colour of their lines as data attributes), any other text as text.
    function markup(value, imageBase) {
        var text = value === undefined || value === null ? "" : String(value);
        var marks = text.indexOf("<") >= 0 ? readMarks(text) : null;
        if (!marks) {
            return escapeHtml(text);
        }
        return marks.map(function (mark) {
            var style = cleanStyle(mark.style, imageBase);
            return "<span class=\"trend-mark\"" +
                (mark.series === null ? "" : " data-block=\"" + mark.series + "\"") +
                (style.colour ? " data-color=\"" + escapeHtml(style.colour) + "\"" : "") +
                " style=\"" + escapeHtml(style.style) + "\">" + escapeHtml(mark.text) + "</span>";
        }).join("");
    }

    // A summary row (one of the six under a table) carries its name.
    function isSummary(row) {
        return Boolean(row) && typeof row.name === "string";
    }

    // The markup of one cell of the grid: a summary row's name stands in its first column, its
    // values carry their text as a tip as well (a column may be narrower than a value).
    function cellHtml(row, field, imageBase) {
        if (isSummary(row)) {
            if (field === DRAW_FIELDS[0]) {
                return escapeHtml(row.name);
            }
            var value = escapeHtml(row[field]);
            return value === "" ? "" : "<span class=\"trend-sum\" title=\"" + value + "\">" + value + "</span>";
        }
        return markup(row ? row[field] : "", imageBase);
    }

    // The rows of a table reply: the draws (oldest first) and the summary rows under them.
    function splitRows(items) {
        var rows = Array.isArray(items) ? items : [];
        return {
            draws: rows.filter(function (row) {
                return !isSummary(row);
            }),
            summary: rows.filter(isSummary),
        };
    }

    // What the page says about the draws it shows: { text, isError }.
    function describeDraws(draws) {
        if (!draws.length) {
            return { text: "所选范围没有开奖数据！", isError: true };
        }
        return { text: "共" + draws.length + "期：第" + draws[0].qiHao + "期至第" + draws[draws.length - 1].qiHao +
            "期", isError: false };
    }

    function compareDrawNumbers(a, b) {
        if (/^\d+$/.test(a) && /^\d+$/.test(b) && a.length !== b.length) {
            return a.length - b.length;
        }
        return a < b ? -1 : (a > b ? 1 : 0);
    }

    // Why a range of draw numbers cannot be fetched, or "".
    function rangeProblem(begin, end) {
        if (!begin || !end) {
            return "请选择起始期号和结束期号！";
        }
        return compareDrawNumbers(String(begin), String(end)) > 0 ? "起始期号不能大于结束期号！" : "";
    }

    function lastPage(total, pageSize) {
        return Math.max(1, Math.ceil(total / pageSize));
    }

    // Page pageNumber of the draws as a page reply of the grid, with the summary rows under it.
    function pageReply(draws, summary, pageNumber, pageSize) {
        var first = (pageNumber - 1) * pageSize;
        return { items: draws.slice(first, first + pageSize), total: draws.length, footer: summary };
    }

    // The lines of the charts: marks [{ row, series, x, y, colour }] give one segment per series
    // between neighbouring rows that each hold exactly one mark of that series.
    function chartLines(marks) {
        var bySeries = {};
        marks.forEach(function (mark) {
            var rows = bySeries[mark.series] = bySeries[mark.series] || {};
            (rows[mark.row] = rows[mark.row] || []).push(mark);
        });
        var lines = [];
        Object.keys(bySeries).map(Number).sort(function (a, b) {
            return a - b;
        }).forEach(function (series) {
            var rows = bySeries[series];
            Object.keys(rows).map(Number).sort(function (a, b) {
                return a - b;
            }).forEach(function (row) {
                var next = rows[row + 1];
                if (rows[row].length === 1 && next && next.length === 1) {
                    var from = rows[row][0];
                    var to = next[0];
                    lines.push({ series: series, colour: from.colour || to.colour || "#067306", x1: from.x, y1: from.y,
                                 x2: to.x, y2: to.y });
                }
            });
        });
        return lines;
    }

    return {
        DRAW_COUNTS: DRAW_COUNTS,
        tableTypes: tableTypes,
        labelOf: labelOf,
        typeOfLabel: typeOfLabel,
        isDrawField: isDrawField,
        hasOwnColumns: hasOwnColumns,
        escapeHtml: escapeHtml,
        markup: markup,
        isSummary: isSummary,
        cellHtml: cellHtml,
        splitRows: splitRows,
        describeDraws: describeDraws,
        rangeProblem: rangeProblem,
        lastPage: lastPage,
        pageReply: pageReply,
        chartLines: chartLines,
    };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = trendRules;
}

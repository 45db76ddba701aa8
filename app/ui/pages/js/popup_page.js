// What the pop-up pages share (the prize check, the betting budget and the data service's
// windows): their bar with the close link, draws shown as balls, tables and messages. Texts from
// replies are always set as text, never as markup. Needs page.js.
var popupPage = (function () {
    "use strict";

    function element(tag, className, text) {
        var node = document.createElement(tag);
        if (className) {
            node.className = className;
        }
        if (text !== undefined && text !== null) {
            node.textContent = String(text);
        }
        return node;
    }

    // The window's bar: its title and a close link that asks the program to close the window.
    function bar(title) {
        var top = element("div", "popup-bar");
        top.appendChild(element("span", "popup-title", title));
        var close = element("a", "popup-close", "×");
        close.id = "popupClose";
        close.title = "关闭";
        close.addEventListener("click", function () {
            callCpp({ method: "exit" });
        });
        top.appendChild(close);
        document.body.insertBefore(top, document.body.firstChild);
    }

    // A draw's numbers as balls: the last backCount of them blue.
    function balls(lottery, backCount) {
        var box = element("span", "draw-balls");
        var numbers = String(lottery || "").split(",").filter(function (n) { return n !== ""; });
        numbers.forEach(function (number, index) {
            var blue = index >= numbers.length - (backCount || 0);
            box.appendChild(element("span", "lucky-ball " + (blue ? "blue" : "red"), number));
        });
        return box;
    }

    // A table of the rows: columns [{ title, cell(row) -> text or node }].
    function table(columns, rows) {
        var node = element("table", "data-table");
        var head = element("tr");
        columns.forEach(function (column) {
            head.appendChild(element("th", "", column.title));
        });
        node.appendChild(head);
        rows.forEach(function (row) {
            var line = element("tr");
            columns.forEach(function (column) {
                var value = column.cell(row);
                var cell = element("td");
                if (value && value.nodeType) {
                    cell.appendChild(value);
                } else {
                    cell.textContent = value === undefined || value === null ? "" : String(value);
                }
                line.appendChild(cell);
            });
            node.appendChild(line);
        });
        return node;
    }

    // Shows the message in the element of that id, red for an error.
    function message(id, text, isError) {
        var node = document.getElementById(id);
        if (node) {
            node.textContent = text;
            node.style.color = isError ? "#d00000" : "#2d7d32";
        }
    }

    // The reply's text for the user when it is an error reply or unreadable, else "".
    function failureOf(reply) {
        if (!reply) {
            return "服务器连接失败！";
        }
        return reply.flag === "error" ? String(reply.msg || "服务器连接失败！") : "";
    }

    // The newest draw numbers of a lottery category, newest first: [{ text, value }], [] when the
    // service does not answer.
    function drawNumbers(category, count) {
        var reply = callCpp({ method: "getQiHaoList", lotteryCategory: category, lastest: String(count) });
        return reply && Array.isArray(reply.items) ? reply.items : [];
    }

    // Fills a choice list with the entries [{ text, value }] instead of what it held.
    function fillSelect(select, entries) {
        select.textContent = "";
        entries.forEach(function (entry) {
            var option = element("option", "", entry.text);
            option.value = String(entry.value === undefined || entry.value === null ? "" : entry.value);
            select.appendChild(option);
        });
    }

    // The values of the page address's query.
    function query(name) {
        var match = new RegExp("[?&]" + name + "=([^&#]*)").exec(window.location.search);
        return match ? decodeURIComponent(match[1].replace(/\+/g, " ")) : "";
    }

    return { element: element, bar: bar, balls: balls, table: table, message: message, failureOf: failureOf,
             drawNumbers: drawNumbers, fillSelect: fillSelect, query: query };
})();

// The betting-plan page: the inputs are checked here, the program computes the plan
// ("generatePlan") and saves the one it computed last ("savePlan"). Needs window_page.js,
// plan_inputs.js and baseConfig.
(function () {
    "use strict";

    var message = document.getElementById("planMessage");
    var grid = document.getElementById("planRows");

    function say(text, kind) {
        message.textContent = text;
        message.className = "plan-message" + (kind ? " " + kind : "");
    }

    function inputText(id) {
        return document.getElementById(id).value;
    }

    function fillGrid(rows) {
        var body = document.createDocumentFragment();
        rows.forEach(function (cells) {
            var line = document.createElement("tr");
            cells.forEach(function (text) {
                var cell = document.createElement("td");
                cell.textContent = text;
                line.appendChild(cell);
            });
            body.appendChild(line);
        });
        grid.textContent = "";
        grid.appendChild(body);
    }

    function generate() {
        var checked = planInputs.check({
            oneBonus: inputText("oneBonus"), minBonus: inputText("minBonus"), qiShu: inputText("qiShu")
        });
        if (!checked.request) {
            say(checked.message, "error");
            document.getElementById(checked.field).focus();
            return;
        }
        var reply = callCpp(checked.request);
        var rows = planInputs.rows(reply);
        if (!rows) {
            say(reply && typeof reply.msg === "string" ? reply.msg : "生成计划失败！", "error");
            return;
        }
        fillGrid(rows);
        var summary = planInputs.summary(checked.request.qiShu, rows.length);
        showText("planSummary", summary.text);
        say(summary.note, summary.note ? "error" : "");
    }

    function save() {
        var reply = callCpp({ method: "savePlan" });
        var ok = reply && reply.flag === "ok";
        say(reply && typeof reply.msg === "string" ? reply.msg : "保存失败！", ok ? "ok" : "error");
    }

    document.getElementById("savePlan").onclick = save;
    // The button "生成计划" submits the form, as Enter in a field does.
    document.getElementById("planForm").onsubmit = function () {
        generate();
        return false;
    };
})();

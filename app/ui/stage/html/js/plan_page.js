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

    // A plan of many periods takes a while to compute and show, and the page is held meanwhile:
    // the word of work is painted first, and the buttons stay off until it is done.
    var running = false;
    var runEnded = -Infinity;

    function setRunning(on) {
        running = on;
        document.body.classList.toggle("plan-running", on);
        ["generatePlan", "savePlan"].forEach(function (id) {
            document.getElementById(id).disabled = on;
        });
        if (!on) {
            runEnded = performance.now();
        }
    }

    // A press made while a plan was computed reaches the page only once it is shown; it asked for
    // nothing new, so it is dropped. An input event's time is when it was made, on the clock of
    // performance.now().
    function dropPressMadeWhileRunning(event) {
        if (running || event.timeStamp <= runEnded) {
            event.preventDefault();
            event.stopPropagation();
        }
    }

    function compute(request) {
        try {
            var reply = callCpp(request);
            var rows = planInputs.rows(reply);
            if (!rows) {
                say(reply && typeof reply.msg === "string" ? reply.msg : "生成计划失败！", "error");
                return;
            }
            fillGrid(rows);
            var summary = planInputs.summary(request.qiShu, rows.length);
            showText("planSummary", summary.text);
            say(summary.note, summary.note ? "error" : "");
        } finally {
            // Laying out thousands of rows takes longer than computing them: the run is over once
            // they are on the screen.
            afterPaint(function () {
                setRunning(false);
            });
        }
    }

    // A press while a plan runs never gets here (dropPressMadeWhileRunning).
    function generate() {
        var checked = planInputs.check({
            oneBonus: inputText("oneBonus"), minBonus: inputText("minBonus"), qiShu: inputText("qiShu")
        });
        if (!checked.request) {
            say(checked.message, "error");
            document.getElementById(checked.field).focus();
            return;
        }
        setRunning(true);
        say("正在生成计划，请稍候……", "busy");
        afterPaint(function () {
            compute(checked.request);
        });
    }

    function save() {
        var reply = callCpp({ method: "savePlan" });
        var ok = reply && reply.flag === "ok";
        say(reply && typeof reply.msg === "string" ? reply.msg : "保存失败！", ok ? "ok" : "error");
    }

    var form = document.getElementById("planForm");
    form.addEventListener("click", dropPressMadeWhileRunning, true);
    form.addEventListener("keydown", dropPressMadeWhileRunning, true);
    document.getElementById("savePlan").onclick = save;
    // The button "生成计划" submits the form, as Enter in a field does.
    form.onsubmit = function () {
        generate();
        return false;
    };
})();

#!/usr/bin/env bash
# The real program under a virtual X server (run through xvfb-run), in its test mode
# (QEL_TEST_MODE=1, see app/gtk/test_mode.h):
#   the splash shows, then the main window with its page, which is answered through the bridge
#   and shows the game's panels; a filter run chosen on the page fills the result grid with the
#   first page that the run fixture holds (the e2e test checks the same run in Chromium); switching
#   to "Tc5Of35" loads the page again for it, and a run of its red and blue base numbers fills the
#   grid with its rows;
#   a modal pop-up opened by the page runs its own page and closes by its own request, after
#   which the main page's call returns; the betting-plan window, an installation page, makes a
#   plan; "Exit" sent by the page ends the program with status 0.
# Screenshots of the main window (before and after the run) and of the pop-ups are kept in the
# artefact folder.
# The program runs from a scratch copy of its stage folder: it writes its settings database
# (sys.db), and so do the pages' scripts; WebKit's data and caches go to that copy as well.
# Usage: gui_test.sh <staged qel> <artefact folder> <run fixture (json)>
set -uo pipefail
fixture="$3"

# shellcheck source=gui_steps.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_steps.sh"
begin_test main "$1" "$2"
start_qel

expect '^qel-test: main window shown id=([0-9]+) xid=(0x[0-9a-f]+)$'
main="${BASH_REMATCH[1]}" main_xid="${BASH_REMATCH[2]}"
saw '^qel-test: splash shown$' || fail "the main window came without the splash"
saw '^qel-test: page title Varnel - ' || expect '^qel-test: page title Varnel - '
saw 'request=\{"method":"GetSystemConfig"\} reply-bytes=[1-9]' || fail "GetSystemConfig was not answered"
run_script "$main" 'return Array.from(document.querySelectorAll("#cond-baseNums .ball"), (b) => b.textContent).join("") + "|" + document.querySelectorAll("#conditionTabs .tabs-title").length'
[[ "$RESULT" == '"0123456789|4"' ]] || fail "the main page lacks the game's panels: $RESULT"
screenshot "$main_xid" qel-main-window.png

# The run of the fixture, chosen as a user would: every base number, the fixture's sums.
sums=$(node -e 'console.log(JSON.stringify(require(process.argv[1]).heZhi))' "$fixture") ||
  fail "the run fixture $fixture does not read"
run_script "$main" 'const click = (selector) => document.querySelector(selector).click(); const cancel = Array.from(document.querySelectorAll("#loginWindow .my-window-buttons a")).pop(); if (cancel) { cancel.click(); } click("#baseSelectAll"); for (const sum of '"$sums"') { click(`#cond-heZhi .choice[data-value="${sum}"]`); } click("#startFilter"); for (let i = 0; i < 600; i += 1) { const cells = document.querySelectorAll("#eastRegion .datagrid-btable td[field=number]"); if (cells.length && cells[0].textContent !== "") { return Array.from(cells, (cell) => cell.textContent); } await new Promise((done) => setTimeout(done, 100)); } return null;'
node -e '
  const shown = JSON.parse(process.argv[2]);
  const wanted = require(process.argv[1]).firstPage;
  if (JSON.stringify(shown) !== JSON.stringify(wanted)) {
    console.error("shown: " + JSON.stringify(shown));
    process.exit(1);
  }' "$fixture" "$RESULT" || fail "the first page of the run is not the fixture's"
screenshot "$main_xid" qel-main-window-after-filter.png

# Switching the game: the program keeps the choice and loads the main page again for that game,
# the seven-digit game, which then filters over its own plug-in: base digits 0, 1, 5, 9, sums 27
# and 28, span 9 keep 385 of the 4^7 rows, 0000999 first.
run_script "$main" 'window.qel.controller.menu.switchTo({ productName: "Tc7Of10", productCnName: "七星彩", flag: "Tc", area: "1" }); return true;'
expect '^qel-test: page title Varnel - 七星彩$'
saw 'request=\{"method":"GetComponentConfig","productName":"Tc7Of10"\} reply-bytes=[1-9]' ||
  fail "the seven-digit game's panels were not answered"
run_script "$main" 'for (let i = 0; i < 600 && document.documentElement.getAttribute("data-ready") !== "true"; i += 1) { await new Promise((done) => setTimeout(done, 100)); } const click = (selector) => document.querySelector(selector).click(); const cancel = Array.from(document.querySelectorAll("#loginWindow .my-window-buttons a")).pop(); if (cancel) { cancel.click(); } for (const [name, values] of [["baseNums", [0, 1, 5, 9]], ["heZhi", [27, 28]], ["kuaDu", [9]]]) { for (const v of values) { click(`#cond-${name} .choice[data-value="${v}"]`); } } click("#startFilter"); for (let i = 0; i < 600; i += 1) { const cells = document.querySelectorAll("#eastRegion .datagrid-btable td[field=number]"); if (cells.length && cells[0].textContent !== "") { return cells[0].textContent + "|" + document.querySelector("#eastRegion .pagination-info").textContent; } await new Promise((done) => setTimeout(done, 100)); } return null;'
[[ "$RESULT" == '"0000999|'*'385'* ]] || fail "the seven-digit game's run showed $RESULT"
screenshot "$main_xid" qel-main-window-tc7of10.png

# And to the five-plus-two lotto game, whose run of red and blue base numbers fills the grid with its
# rows (front numbers 1 to 7, back pairs of 1 to 3, front-major: the first row 01..05 with 01 and
# 02, the 63 rows of C(7,5) × 3).
run_script "$main" 'window.qel.controller.menu.switchTo({ productName: "Tc5Of35", productCnName: "大乐透", flag: "Tc", area: "1" }); return true;'
expect '^qel-test: page title Varnel - 大乐透$'
run_script "$main" 'for (let i = 0; i < 600 && !(window.qel && window.qel.controller && document.querySelector("#cond-baseNums_red")); i += 1) { await new Promise((done) => setTimeout(done, 100)); } const click = (selector) => document.querySelector(selector).click(); const cancel = Array.from(document.querySelectorAll("#loginWindow .my-window-buttons a")).pop(); if (cancel) { cancel.click(); } for (const n of ["01", "02", "03", "04", "05", "06", "07"]) { click(`#cond-baseNums_red .choice[data-value="${n}"]`); } for (const n of ["01", "02", "03"]) { click(`#cond-baseNums_blue .choice[data-value="${n}"]`); } click("#startFilter"); for (let i = 0; i < 600; i += 1) { const cells = document.querySelectorAll("#eastRegion .datagrid-btable td[field=redNumber]"); if (cells.length && cells[0].textContent !== "") { const blue = document.querySelector("#eastRegion .datagrid-btable td[field=blueNumber]").textContent; return cells[0].textContent + "+" + blue + "|" + cells.length; } await new Promise((done) => setTimeout(done, 100)); } return null;'
[[ "$RESULT" == '"0102030405+0102|63"' ]] || fail "the Tc5Of35 run shows other rows: $RESULT"
screenshot "$main_xid" qel-main-window-tc5of35-after-filter.png

open_window "$main" aboutQel 'qel://res/about\.html'
screenshot "$window_xid" qel-about-window.png
close_window "$window" "$main" aboutQel

# The betting-plan window: an installation page below html/, which loads its scripts from there
# through the base address, computes a plan in its own pop-up and shows it in its grid.
open_window "$main" showZhuiHaoPlanWin 'qel://base/html/pageForPlan\.html'
run_script "$window" 'const set = (id, value) => { document.getElementById(id).value = value; }; set("oneBonus", "1000"); set("minBonus", "100"); set("qiShu", "3"); document.getElementById("generatePlan").click(); for (let i = 0; i < 100 && !document.querySelector("#planRows tr"); i += 1) { await new Promise((done) => setTimeout(done, 100)); } return Array.from(document.querySelectorAll("#planRows tr"), (row) => row.cells[4].textContent).join(",");'
[[ "$RESULT" == '"998,996,994"' ]] || fail "the plan window showed $RESULT, not the plan's profits"
screenshot "$window_xid" qel-plan-window.png
close_window "$window" "$main" showZhuiHaoPlanWin

exit_program "$main"

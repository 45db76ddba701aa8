#!/usr/bin/env bash
# The real program under a virtual X server (through xvfb-run) against the stand-in data
# service, as scripts/run.sh --standin starts it: the main page's lottery bar shows the
# stand-in's last draw; the newest-draws window opens the service's page, which lists the
# newest draw of every game; the trend window opens the service's trend page, which shows the
# current game's tables over the newest 30 draws, their ball pictures from the program's base
# and the lines of the sum chart. The windows' screenshots are kept in the artefact folder.
# Usage: gui_data_service_test.sh <staged qel> <artefact folder> <build dir> <source root>
set -uo pipefail

# shellcheck source=gui_steps.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_steps.sh"
begin_standin_test data-service "$@"
start_qel

main_window_shown

newest=$(node -e 'const d = require(process.argv[1]).draws.pop(); console.log(JSON.stringify(`第${d.qiHao}期开奖：${d.lottery}`))' \
  "$source_root/app/standin/fixtures/draws/Magic3.json") || fail "the sample draws do not read"
run_script "$main" 'for (let i = 0; i < 100; i += 1) { const bar = document.querySelector("#lastDraw"); if (bar) { return bar.textContent; } await new Promise((done) => setTimeout(done, 100)); } return null;'
[[ "$RESULT" == "$newest" ]] || fail "the lottery bar shows $RESULT, not $newest"

service_page="http://127\\.0\\.0\\.1:$standin_port/html/pageForPc"
open_window "$main" GetNewLottery "$service_page/pageForNewLottery\\.html"
run_script "$window" 'for (let i = 0; i < 100; i += 1) { const rows = document.querySelectorAll(".data-table tr"); if (rows.length) { return rows.length - 1; } await new Promise((done) => setTimeout(done, 100)); } return 0;'
[[ "$RESULT" == "12" ]] || fail "the newest-draws window lists $RESULT games, not 12"
screenshot "$window_xid" qel-newest-draws-window.png
close_window "$window" "$main" GetNewLottery

open_window "$main" GetDataAnalysis "$service_page/pageForTrend3_2\\.html"
# The base table's draws, summary rows and a ball picture; then the sum table's lines.
run_script "$window" 'const body = (part) => document.querySelectorAll(`#trendGridArea .datagrid-view2 .datagrid-${part} tr.datagrid-row`).length; for (let i = 0; i < 150 && !document.querySelector("#trendGridArea .trend-mark"); i += 1) { await new Promise((done) => setTimeout(done, 100)); } const mark = document.querySelector("#trendGridArea .trend-mark"); if (!mark) { return null; } const image = new Image(); image.src = /url\("?([^")]*)"?\)/.exec(getComputedStyle(mark).backgroundImage)[1]; await image.decode(); const base = [body("body"), body("footer"), image.naturalWidth > 0]; $("#trendTabs").tabs("select", "和值"); return base.concat(document.querySelectorAll("#trendGridArea svg.trend-lines line").length);'
[[ "$RESULT" == "[30,6,true,58]" ]] || fail "the trend window shows $RESULT, not 30 draws, 6 summary rows, a ball picture and 58 lines"
screenshot "$window_xid" qel-trend-window.png
close_window "$window" "$main" GetDataAnalysis

exit_program "$main"

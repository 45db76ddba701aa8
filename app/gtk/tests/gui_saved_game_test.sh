#!/usr/bin/env bash
# The real program under a virtual X server (run through xvfb-run), started once with each game
# in use as the stored game (every enabled product of the settings database whose plug-in is in
# the stage), as a player finds it the next time: the page loads while the splash shows and the
# main window takes its size only then. For each game, once the page has settled:
#   the condition tabs' strip is not left scrolled: the first tab shows its whole title, which is
#   the game's first tab;
#   no choice of a single-choice row (play type, data source, rotation matrix) is broken within
#   its label.
# With the last game the settings tab's plug-in list shows every row's state with its enable or
# disable link whole, without scrolling. Screenshots of the seven-number game's main window (its
# rotation-matrix choices) and of the plug-in list are kept in the artefact folder.
# Usage: gui_saved_game_test.sh <staged qel> <artefact folder>
set -uo pipefail

# shellcheck source=gui_steps.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_steps.sh"
begin_test saved-game "$1" "$2"
database="$scratch/stage/sys.db"

# A game is stored as the menu stores it: its key, area and flag. The start count stays low, so
# that the information window of every third start does not cover the screenshots.
games=()
declare -A stored
while IFS='|' read -r key plugin area flag; do
  [[ -f "$scratch/stage/Plugin/$plugin.so" ]] || continue
  games+=("$key")
  stored[$key]="update systeminfo set parameterValue = case parameterName when 'currentProduct' then '$key'
    when 'currentArea' then '$area' when 'currentFlag' then '$flag' else '0' end
    where parameterName in ('currentProduct', 'currentArea', 'currentFlag', 'switchTimes')"
done < <(sqlite3 "$database" "select productName, pluginName, area, flag from products where abled = 1 order by id")
((${#games[@]} >= 12)) || fail "only ${#games[@]} games in use have their plug-in in the stage: ${games[*]}"

settled='for (let i = 0; i < 600 && document.documentElement.getAttribute("data-ready") !== "true"; i += 1) { await new Promise((done) => setTimeout(done, 100)); } await new Promise((done) => setTimeout(done, 1500));'
# The first tab's title against the strip it shows in, the strip's scroll, and the labels of the
# single-choice rows that take more than one line.
layout='const wrap = document.querySelector("#conditionTabs .tabs-wrap").getBoundingClientRect(); const title = document.querySelector("#conditionTabs .tabs-title"); const box = title.getBoundingClientRect(); const broken = Array.from(document.querySelectorAll(".single-select label")).filter((label) => { const text = Array.from(label.childNodes).find((node) => node.nodeType === Node.TEXT_NODE); const range = document.createRange(); range.selectNodeContents(text); return range.getClientRects().length > 1; }).map((label) => label.textContent); return { title: title.textContent === gameRules.conditionTabs(window.qel.controller.game)[0].title ? "first" : title.textContent, whole: box.left >= wrap.left && box.right <= wrap.right, scrolled: document.querySelector("#conditionTabs .tabs-wrap").scrollLeft, broken };'

for key in "${games[@]}"; do
  sqlite3 "$database" "${stored[$key]}" || fail "cannot store $key as the game"
  seen=()
  start_qel
  main_window_shown
  run_script "$main" "$settled $layout"
  [[ "$RESULT" == '{"title":"first","whole":true,"scrolled":0,"broken":[]}' ]] ||
    fail "$key: the condition tabs or the choices are cut: $RESULT"
  if [[ "$key" == Fc7Of30 ]]; then
    screenshot "$main_xid" qel-saved-game-fc7of30.png
  fi
  if [[ "$key" != "${games[-1]}" ]]; then
    exit_program "$main"
  fi
done

# The plug-in list, as 设置 → 插件 shows it.
run_script "$main" 'const cancel = Array.from(document.querySelectorAll("#loginWindow .my-window-buttons a")).pop(); if (cancel) { cancel.click(); } window.qel.controller.settings.open(); document.querySelector("#settingsList li[data-name=plugin_setting]").click(); for (let i = 0; i < 50 && !document.querySelector("#plugin_setting .datagrid-btable td[field=isUse] a"); i += 1) { await new Promise((done) => setTimeout(done, 100)); } const body = document.querySelector("#plugin_setting .datagrid-view2 .datagrid-body"); const cells = Array.from(document.querySelectorAll("#plugin_setting .datagrid-btable td[field=isUse] .datagrid-cell")); const cut = cells.filter((cell) => cell.scrollWidth > cell.clientWidth).map((cell) => cell.textContent); return { rows: cells.length, links: cells.filter((cell) => cell.querySelector("a")).length, cut, scrolls: body.scrollWidth > body.clientWidth };'
[[ "$RESULT" =~ ^\{\"rows\":([0-9]+),\"links\":([0-9]+),\"cut\":\[\],\"scrolls\":false\}$ ]] &&
  ((BASH_REMATCH[1] >= ${#games[@]} && BASH_REMATCH[2] == BASH_REMATCH[1])) ||
  fail "the plug-in list cuts its states or scrolls: $RESULT"
screenshot "$main_xid" qel-plugin-list.png
exit_program "$main"

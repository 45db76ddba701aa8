#!/usr/bin/env bash
# The installed program, as a user of a machine-wide install starts it (run through xvfb-run):
#   `cmake --install` with DESTDIR lays out a scratch prefix, whose desktop entry passes
#   desktop-file-validate and names a program and an icon that are there; the tree is then made
#   read-only, and the program is started through <prefix>/bin/varnel from another working
#   directory by a user who cannot write it (nobody, when the test runs as root), with a scratch
#   HOME and XDG folders; in test mode (see gui_test.sh) it shows its main window, a Magic3 run
#   of every base digit and the sum 27 keeps the one row 999, it switches to Tc5Of35 and back;
# then the user's settings database is in the scratch XDG_DATA_HOME, that user's only, holding
# the start that was counted; a second start finds and uses it; and not one file of the
# installed tree changed (checksums of every file, and the list of entries, before and after).
# The main window's screenshot is kept in the artefact folder.
# Usage: gui_install_test.sh <cmake> <build dir> <artefact folder>
set -uo pipefail
cmake="$1"
build="$2"
artefacts="$3"
mkdir -p "$artefacts"
log="$artefacts/qel-gui-install-output.log"
: >"$log"
qel_stderr="$artefacts/qel-gui-install-stderr.log"

# shellcheck source=gui_steps.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_steps.sh"
# shellcheck source=gui_pointer.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_pointer.sh"
cleanup_extra() { chmod -R u+w "$scratch" 2>/dev/null; }

scratch="$(mktemp -d)" || exit 1
chmod 755 "$scratch"
prefix=/opt/varnel
dest="$scratch/dest"
tree="$dest$prefix"
DESTDIR="$dest" "$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$scratch/install.log")"

entry="$tree/share/applications/com.dorn_tech.Varnel.desktop"
desktop-file-validate "$entry" || fail "the installed desktop entry does not validate"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[[ -x "$tree/bin/${exec_line%% *}" ]] || fail "the desktop entry starts '$exec_line', which is not in $prefix/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16x16 48x48 256x256; do
  [[ "$(identify -format %wx%h "$tree/share/icons/hicolor/$size/apps/$icon.png")" == "$size" ]] ||
    fail "no $size icon $icon in the hicolor theme"
done
[[ -f "$tree/share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "no scalable icon $icon"

# The seed is nobody's to write, root's run included; and, as a distribution installs it, nobody but
# root may change the tree.
[[ "$(stat -c %a "$tree/lib/varnel/sys.db")" == "444" ]] || fail "the installed seed database may be written"
chmod -R a-w "$dest"
home="$scratch/home"
mkdir -p "$scratch/elsewhere"
qel_home="$home"
player_home "$home"
qel_launcher=("${player_launcher[@]}")
as_user() { "${qel_launcher[@]}" "$@"; }
[[ -z "$(as_user find "$dest" -writable -print -quit)" ]] || fail "the user may write the installed tree"

tree_state() {
  (
    cd "$dest" || exit 1
    find . -printf '%y %m %U %p %l\n' | LC_ALL=C sort
    find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum
  )
}
tree_state >"$scratch/before" || fail "cannot take the installed tree's checksums"

qel="$tree/bin/varnel"
copy="$home/data/Qel/sys.db"
stored() { sqlite3 "$copy" "select parameterValue from systeminfo where parameterName = '$1'"; }

cd "$scratch/elsewhere" || exit 1
start_qel
expect '^qel-test: main window shown id=([0-9]+) xid=(0x[0-9a-f]+)$'
main="${BASH_REMATCH[1]}" main_xid="${BASH_REMATCH[2]}"
saw '^qel-test: page title Varnel - 福彩3D$' || expect '^qel-test: page title Varnel - 福彩3D$'

wait_ready='for (let i = 0; i < 600 && !(document.documentElement.getAttribute("data-ready") === "true" && document.querySelector("#startFilter")); i += 1) { await new Promise((done) => setTimeout(done, 100)); }'
dismiss_login='const cancel = Array.from(document.querySelectorAll("#loginWindow .my-window-buttons a")).pop(); if (cancel) { cancel.click(); }'
run_script "$main" "$wait_ready $dismiss_login"' const click = (selector) => document.querySelector(selector).click(); click("#baseSelectAll"); click(`#cond-heZhi .choice[data-value="27"]`); click("#startFilter"); for (let i = 0; i < 600; i += 1) { const cells = document.querySelectorAll("#eastRegion .datagrid-btable td[field=number]"); if (cells.length && cells[0].textContent !== "") { return Array.from(cells, (cell) => cell.textContent).join(","); } await new Promise((done) => setTimeout(done, 100)); } return null;'
[[ "$RESULT" == '"999"' ]] || fail "the Magic3 run of the sum 27 showed $RESULT, not the one row 999"
screenshot "$main_xid" qel-installed-main-window-after-filter.png

# Every save dialog starts in the user's own folder (the installed program's folder, the working
# directory, is nobody's to write), and a bare file name saves there: the result and a scenario by
# the "文件" menu, lucky numbers and a plan from their windows. The open dialog starts there too:
# the scenario opens by its bare name.
# notice_text: a script giving the text of the newest notice not yet forgotten (forget_notices).
notice_text() { echo "return Array.from(document.querySelectorAll(\".top-center-notice:not([data-seen]) .message\"), (m) => m.textContent).pop() || \"\";"; }
forget_notices() { run_script "$main" 'document.querySelectorAll(".top-center-notice").forEach((n) => n.setAttribute("data-seen", "")); return true;'; }
saved() { [[ -s "$home/$1" ]] || fail "$2 was not saved as $home/$1"; }
forget_notices
menu_item menuFile 保存过滤结果
save_in_dialog ssq.txt
wait_for_script "$main" "$(notice_text)" '"保存成功！"' "保存过滤结果"
[[ "$(cat "$home/ssq.txt")" == "999" ]] || fail "the saved result is not the row 999: $(cat "$home/ssq.txt")"
forget_notices
menu_item menuFile 保存方案
save_in_dialog mine.sc
wait_for_script "$main" "$(notice_text)" '"保存成功！"' "保存方案"
saved mine.sc "the scenario"
forget_notices
menu_item menuFile 导入方案
open_in_dialog mine.sc
wait_for_script "$main" "$(notice_text)" '"导入成功！"' "导入方案"
# The scenario's play type is the one on show: the grid keeps the run's row.
run_script "$main" 'return Array.from(document.querySelectorAll("#eastRegion .datagrid-btable td[field=number]"), (cell) => cell.textContent).join(",");'
[[ "$RESULT" == '"999"' ]] || fail "importing the scenario emptied the result grid: $RESULT"
footer_button luckLottery
popup_opened 'qel://res/lucky\.html$'
click "$window" "$window_xid" 'document.getElementById("luckyOne")'
click "$window" "$window_xid" 'document.getElementById("save")'
save_in_dialog lucky.txt
wait_for_script "$window" 'return document.getElementById("saveMessage").textContent;' '"保存成功！"' "the lucky numbers' 保存"
saved lucky.txt "the lucky numbers"
close_by_box "$window" "$main" showLuckyWin
footer_button zhuiHaoPlan
popup_opened 'qel://base/html/pageForPlan\.html$'
fill_plan "$window" 1000 100 3
click "$window" "$window_xid" 'document.getElementById("generatePlan")'
wait_for_script "$window" 'return document.querySelectorAll("#planRows tr").length;' 3 "生成计划"
click "$window" "$window_xid" 'document.getElementById("savePlan")'
save_in_dialog plan.txt
wait_for_script "$window" 'return document.getElementById("planMessage").textContent;' '"保存成功！"' "保存计划"
saved plan.txt "the plan"
close_by_box "$window" "$main" showZhuiHaoPlanWin

# A save that cannot be written says which file and why, and is kept in a screenshot.
chmod 555 "$home" || fail "cannot make the user's folder read-only"
forget_notices
menu_item menuFile 保存方案
save_in_dialog refused.sc
wait_for_script "$main" "$(notice_text)" "\"保存失败：文件无法写入：$home/refused.sc（Permission denied）\"" "a save that fails"
screenshot "$main_xid" qel-installed-save-failure.png
chmod 755 "$home" || fail "cannot give the user's folder back"
[[ ! -e "$home/refused.sc" ]] || fail "the refused save left a file"

run_script "$main" 'window.qel.controller.menu.switchTo({ productName: "Tc5Of35", productCnName: "大乐透", flag: "Tc", area: "1" }); return true;'
expect '^qel-test: page title Varnel - 大乐透$'
run_script "$main" 'for (let i = 0; i < 600 && !document.querySelector("#cond-baseNums_red"); i += 1) { await new Promise((done) => setTimeout(done, 100)); } return document.querySelectorAll("#cond-baseNums_red .choice").length;'
[[ "$RESULT" == "35" ]] || fail "the Tc5Of35 page shows $RESULT red numbers"
[[ "$(stored currentProduct)" == "Tc5Of35" ]] || fail "the switch was not kept in the user's settings database"

run_script "$main" 'window.qel.controller.menu.switchTo({ productName: "Magic3", productCnName: "福彩3D", flag: "Fc", area: "1" }); return true;'
expect '^qel-test: page title Varnel - 福彩3D$'
run_script "$main" "$wait_ready"' return Array.from(document.querySelectorAll("#cond-baseNums .ball"), (b) => b.textContent).join("");'
[[ "$RESULT" == '"0123456789"' ]] || fail "back on Magic3 the page shows the base numbers $RESULT"
screenshot "$main_xid" qel-installed-main-window.png
exit_program "$main"

[[ -f "$copy" ]] || fail "no settings database was made in the user's XDG_DATA_HOME ($copy)"
[[ "$(stat -c %a "$copy")" == "600" ]] || fail "the user's settings database has mode $(stat -c %a "$copy")"
if ((EUID == 0)); then
  [[ "$(stat -c %u "$copy")" == "65534" ]] || fail "the user's settings database is not the user's"
fi
[[ "$(stored currentProduct)" == "Magic3" && "$(stored switchTimes)" == "1" ]] ||
  fail "the user's settings database holds $(stored currentProduct) after $(stored switchTimes) starts"

# A later start finds the copy and goes on counting in it.
seen=()
start_qel
expect '^qel-test: main window shown id=([0-9]+) xid=(0x[0-9a-f]+)$'
exit_program "${BASH_REMATCH[1]}"
[[ "$(stored switchTimes)" == "2" ]] || fail "the second start counted $(stored switchTimes) starts"

tree_state >"$scratch/after" || fail "cannot take the installed tree's checksums"
diff "$scratch/before" "$scratch/after" >&2 || fail "the program changed its installed tree"
echo "PASS: installed program, user's settings database $copy"

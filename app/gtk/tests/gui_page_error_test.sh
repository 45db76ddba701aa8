#!/usr/bin/env bash
# The real program under a virtual X server (through xvfb-run) against the stand-in data
# service, which has no page for "软件介绍": the service's 404 is a failed load, so the pop-up
# shows the failure page ("页面加载失败", with its close link), not a blank window, and standard
# error says which page failed and why. The failure page's screenshot is kept in the artefact
# folder.
# Usage: gui_page_error_test.sh <staged qel> <artefact folder> <build dir> <source root>
set -uo pipefail

# shellcheck source=gui_steps.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_steps.sh"
begin_standin_test page-error "$@"
qel_stderr="$artefacts/qel-gui-page-error-stderr.log"
start_qel

main_window_shown

profile="http://127.0.0.1:$standin_port/html/pageForPc/pageForProfile.html"

# "选项" > "软件介绍", as the menu's click runs it, once the menu item is there.
run_script "$main" 'for (let i = 0; i < 100 && !document.getElementById("menuProfile"); i += 1) { await new Promise((done) => setTimeout(done, 100)); } return Boolean(document.getElementById("menuProfile"));'
[[ "$RESULT" == "true" ]] || fail "the main page has no menu item 软件介绍"
run_holding "$main" '$("#menuOptions").click(); $("#menuProfile").trigger("click"); return true;'
expect '^qel-test: page loaded window=([0-9]+) xid=(0x[0-9a-f]+) uri=qel://base/html/error2\.html$'
window="${BASH_REMATCH[1]}" window_xid="${BASH_REMATCH[2]}"
[[ "$window" != "$main" ]] || fail "the failure page opened in the main window"

run_script "$window" 'for (let i = 0; i < 50 && !document.querySelector(".window-bar"); i += 1) { await new Promise((done) => setTimeout(done, 100)); } const bar = document.querySelector(".window-bar"); return [document.title, document.querySelector(".box h2").textContent, Array.from(document.querySelectorAll("a"), (a) => a.textContent).includes("关闭"), bar ? bar.textContent : null, Boolean(document.querySelector("#windowClose"))];'
[[ "$RESULT" == '["页面加载失败","页面加载失败",true,"页面加载失败",true]' ]] || fail "the pop-up does not show the failure page: $RESULT"
screenshot "$window_xid" qel-page-error-404-window.png

grep -qF "qel: page failed to load: $profile: HTTP status 404" "$qel_stderr" ||
  fail "standard error does not name the page and its status: $(cat "$qel_stderr")"

# Its close link's request closes it; the menu's request, which named the service's page, ends.
send "execute $window {\"method\":\"exit\"}"
expect "^qel-test: bridge window=$window request=\\{\"method\":\"exit\"\\} reply-bytes=0$"
expect "^qel-test: bridge window=$main request=\\{\"method\":\"showProfileWin\",\"src\":\"${profile//./\\.}\"\\} reply-bytes=0$"
exit_program "$main"

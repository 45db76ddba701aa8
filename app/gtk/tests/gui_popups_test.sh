#!/usr/bin/env bash
# The program's pop-up windows used with the mouse, as a player does: the real program under a
# virtual X server (through xvfb-run) against the stand-in data service, every click a real
# pointer event (xdotool) at the control's place on the screen. Each footer button and menu item
# that opens a pop-up is clicked, and the lottery bar's last draw; each pop-up shows its bar with
# its close box in its title strip (the top 36 pixels, which drag the window) and no other control
# there; each of its buttons is clicked and does what it says (rows appear, a request goes out, a
# message shows, the save dialog saves the file); the close box or the page's own close button
# closes it, upon which the opener's call returns. The lucky-number window is also dragged by its
# bar. The windows that no seeded footer entry opens, and the notice window, are opened by their
# requests and checked the same way. A screenshot of the lucky-number window after "幸运5注" is
# kept in the artefact folder.
# Usage: gui_popups_test.sh <staged qel> <artefact folder> <build dir> <source root>
set -uo pipefail

# shellcheck source=gui_steps.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_steps.sh"
# shellcheck source=gui_pointer.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_pointer.sh"
begin_standin_test popups "$@"
service_page="http://127\\.0\\.0\\.1:$standin_port/html/pageForPc"
start_qel

main_window_shown

# popup_opened <address pattern>: the pop-up whose page loads from there; sets window, window_xid.
popup_opened() {
  expect "^qel-test: page loaded window=([0-9]+) xid=(0x[0-9a-f]+) uri=$1"
  window="${BASH_REMATCH[1]}" window_xid="${BASH_REMATCH[2]}"
  [[ "$window" != "$main" ]] || fail "the page $1 opened in the main window"
}
# call_returned <window> <method>: that window's request of the method has answered "" (the
# pop-up it opened has closed).
call_returned() {
  expect "^qel-test: bridge window=$1 request=\\{\"method\":\"$2\"[,}].* reply-bytes=0$"
}
# request_sent <window> <method>: the window's page sent a request of that method.
request_sent() {
  expect "^qel-test: bridge window=$1 request=\\{\"method\":\"$2\"[,}]"
}
footer_button() {
  click "$main" "$main_xid" "document.querySelector(\"#footerBar .footer-button[data-name='$1']\")"
}
# menu_item <menu button id> <item text>: the pointer rests on the menu button until its menu has
# opened and is on top, then clicks the item.
menu_item() {
  local item="Array.from(document.querySelectorAll(\".menu-item\")).find((e) => e.offsetParent && e.textContent.trim() === \"$2\")"
  element_centre "$main" "document.getElementById(\"$1\")"
  window_place "$main_xid"
  xdotool mousemove --sync $((window_x + centre_x)) $((window_y + centre_y)) || fail "xdotool did not move"
  wait_for_script "$main" "const e = $item; if (!e) { return false; } const r = e.getBoundingClientRect(); return !jQuery(e.closest(\".menu\")).is(\":animated\") && e.contains(document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2));" true "the menu $1"
  click "$main" "$main_xid" "$item"
}
# close_by_box <pop-up> <opener> <method>: the close box closes the pop-up (whose X11 window is
# window_xid), and the opener's call answers.
close_by_box() {
  click_close_box "$1" "$window_xid"
  call_returned "$2" "$3"
}
text_of() { echo "document.querySelector(\"$1\").textContent"; }

# Without a stored login the page starts with its login window; cancelled for now.
wait_for_script "$main" 'return Boolean(document.querySelector("#loginWindow .my-window-buttons a"));' true "the login window"
click "$main" "$main_xid" 'Array.from(document.querySelectorAll("#loginWindow .my-window-buttons a")).find((a) => a.textContent === "取消")'
wait_for_script "$main" 'return window.jQuery("#loginWindow").is(":visible");' false "the login window after 取消"

# The lucky-number window: five bets, one bet, a save, a drag by its bar, then its own close
# button.
footer_button luckLottery
popup_opened 'qel://res/lucky\.html$'
lucky="$window"
check_title_strip "$lucky"
click "$lucky" "$window_xid" 'document.getElementById("luckyFive")'
wait_for_script "$lucky" 'return document.querySelectorAll(".lucky-bet[data-complete]").length;' 5 "幸运5注"
screenshot "$window_xid" qel-lucky-window-five-bets.png
click "$lucky" "$window_xid" 'document.getElementById("luckyOne")'
wait_for_script "$lucky" 'return document.querySelectorAll(".lucky-bet[data-complete]").length;' 1 "幸运1注"
click "$lucky" "$window_xid" 'document.getElementById("save")'
save_in_dialog lucky.txt
request_sent "$lucky" SaveLuckyNum
wait_for_script "$lucky" "return $(text_of "#saveMessage");" '"保存成功！"' "保存"
[[ $(wc -l <"$scratch/stage/lucky.txt") -eq 6 ]] ||
  fail "the saved lucky numbers are not the six bets: $(cat "$scratch/stage/lucky.txt")"
window_place "$window_xid"
before="$window_x,$window_y"
drag_title "$window_xid" 60 40
for _ in $(seq 20); do
  window_place "$window_xid"
  [[ "$window_x,$window_y" == "$before" ]] || break
  sleep 0.25
done
[[ "$window_x,$window_y" != "$before" ]] || fail "the lucky-number window did not move when dragged by its bar ($before)"
click "$lucky" "$window_xid" 'document.getElementById("close")'
request_sent "$lucky" exit
call_returned "$main" showLuckyWin

# The lucky-number window again, closed by its close box.
footer_button luckLottery
popup_opened 'qel://res/lucky\.html$'
close_by_box "$window" "$main" showLuckyWin

# The newest draws: a draw's detail opens over it; both close by their close boxes.
footer_button newLottery
popup_opened "$service_page/pageForNewLottery\\.html$"
newest="$window" newest_xid="$window_xid"
wait_for_script "$newest" 'return document.querySelectorAll(".data-table tr").length;' 13 "the newest draws"
check_title_strip "$newest"
click "$newest" "$newest_xid" 'document.querySelector(".data-table a.draw-detail")'
popup_opened "$service_page/pageForLotDetail\\.html\\?"
wait_for_script "$window" 'return document.querySelectorAll(".data-table tr").length > 1;' true "the draw's detail"
check_title_strip "$window"
close_by_box "$window" "$newest" ShowLotDetail
window_xid="$newest_xid"
close_by_box "$newest" "$main" GetNewLottery

# The trend window: both queries ask for draws again, a tab shows its table.
footer_button dataAnalysis
popup_opened "$service_page/pageForTrend3_2\\.html$"
trend="$window"
wait_for_script "$trend" 'return Boolean(document.querySelector("#trendGridArea .trend-mark"));' true "the trend tables"
check_title_strip "$trend"
click "$trend" "$window_xid" 'document.getElementById("trendByCount")'
request_sent "$trend" GetDataAnalysis
click "$trend" "$window_xid" 'document.getElementById("trendByRange")'
request_sent "$trend" GetDataAnalysis
click "$trend" "$window_xid" 'Array.from(document.querySelectorAll("#trendTabs .tabs-title")).find((t) => t.textContent === "和值")'
wait_for_script "$trend" 'return document.querySelectorAll("#trendGridArea svg.trend-lines line").length > 0;' true "the sum tab"
close_by_box "$trend" "$main" GetDataAnalysis

# The banker advice shows the service's advice.
footer_button autoDan
popup_opened "$service_page/pageForAutoAdvice\\.html$"
wait_for_script "$window" "return $(text_of "#content").includes(\"推荐胆码\");" true "the banker advice"
check_title_strip "$window"
close_by_box "$window" "$main" GetDanMa

# The betting plan: a plan of three draws, saved.
footer_button zhuiHaoPlan
popup_opened 'qel://base/html/pageForPlan\.html$'
plan="$window"
check_title_strip "$plan"
run_script "$plan" 'const set = (id, value) => { document.getElementById(id).value = value; }; set("oneBonus", "1000"); set("minBonus", "100"); set("qiShu", "3"); return true;'
click "$plan" "$window_xid" 'document.getElementById("generatePlan")'
wait_for_script "$plan" 'return Array.from(document.querySelectorAll("#planRows tr"), (row) => row.cells[4].textContent).join(",");' '"998,996,994"' "生成计划"
click "$plan" "$window_xid" 'document.getElementById("savePlan")'
save_in_dialog plan.txt
wait_for_script "$plan" "return $(text_of "#planMessage");" '"保存成功！"' "保存计划"
grep -q '^3 ' "$scratch/stage/plan.txt" || fail "the saved plan lacks its third draw: $(cat "$scratch/stage/plan.txt")"
close_by_box "$plan" "$main" showZhuiHaoPlanWin

# The prize check of the newest draw.
footer_button check
popup_opened 'qel://base/html/pageForCheck\.html$'
prize="$window"
wait_for_script "$prize" 'return document.getElementById("qiHao").options.length > 0;' true "the draw numbers"
check_title_strip "$prize"
run_script "$prize" 'document.getElementById("red").value = "1,2,3"; return true;'
click "$prize" "$window_xid" 'document.getElementById("checkButton")'
wait_for_script "$prize" "return $(text_of "#message") !== \"\";" true "查询"
close_by_box "$prize" "$main" showCheckWin

# The betting budget.
footer_button calc
popup_opened 'qel://base/html/pageForCalc\.html$'
budget="$window"
check_title_strip "$budget"
click "$budget" "$window_xid" 'document.getElementById("calcButton")'
wait_for_script "$budget" "return $(text_of "#message") !== \"\";" true "计算"
close_by_box "$budget" "$main" showCalcWin

# The user centre, after signing in from the footer's login window: both its forms answer.
footer_button userCenter
wait_for_script "$main" 'return window.jQuery("#loginWindow").is(":visible");' true "the footer's login window"
run_script "$main" 'document.querySelector("#loginUser").value = "13800138000"; document.querySelector("#loginPassword").value = "sample-pass"; return true;'
click "$main" "$main_xid" 'Array.from(document.querySelectorAll("#loginWindow .my-window-buttons a")).find((a) => a.textContent === "登录")'
popup_opened 'qel://base/html/pageForUserCenter\.html\?userInfo='
center="$window"
wait_for_script "$center" 'return document.querySelectorAll("#userInfo td").length > 0;' true "the user centre"
check_title_strip "$center"
click "$center" "$window_xid" 'document.getElementById("changePasswordButton")'
wait_for_script "$center" "return $(text_of "#passwordMessage") !== \"\";" true "修改密码"
run_script "$center" 'document.getElementById("feedbackContent").value = "窗口能用鼠标操作了"; return true;'
click "$center" "$window_xid" 'document.getElementById("feedbackButton")'
request_sent "$center" Feedback
wait_for_script "$center" "return $(text_of "#feedbackMessage");" '"反馈成功！"' "提交反馈"
close_by_box "$center" "$main" showUserCenterWin

# The menu's windows: the tutorial and the about window.
menu_item menuOptions 缩水教程
popup_opened 'qel://base/html/pageForKnowledge\.html$'
check_title_strip "$window"
close_by_box "$window" "$main" showKnowledgeWin
menu_item menuOptions 关于
popup_opened 'qel://res/about\.html$'
check_title_strip "$window"
close_by_box "$window" "$main" aboutQel
# The service's profile page: the stand-in has none, so the window shows what the program shows
# for a page that does not load (the answer as it came, or the failure page); its close box still
# closes it.
menu_item menuOptions 软件介绍
popup_opened "($service_page/pageForProfile\\.html|qel://base/html/error2\\.html)$"
close_by_box "$window" "$main" showProfileWin

# The last draw in the lottery bar opens its detail.
click "$main" "$main_xid" 'document.getElementById("lastDraw")'
popup_opened "$service_page/pageForLotDetail\\.html\\?"
wait_for_script "$window" 'return document.querySelectorAll(".data-table tr").length > 1;' true "the last draw's detail"
check_title_strip "$window"
close_by_box "$window" "$main" getLotLevel

# The pop-ups that other footer entries of the service open (none in the seeded footer), by their
# requests: each shows its bar and closes by its close box. The sharing window's address is
# selected by a click.
for entry in "showDonarWin qel://base/html/pageForDonar\\.html" "showQQWin qel://base/html/pageForQQ\\.html" \
  "showShareWin qel://base/html/pageForShare\\.html" "getCastWebsite $service_page/pageForMoreCastWebsite\\.html" \
  "showPhoneClientWin $service_page/pageForApps\\.html"; do
  send "execute $main {\"method\":\"${entry%% *}\"}"
  popup_opened "${entry#* }$"
  check_title_strip "$window"
  if [[ "${entry%% *}" == showShareWin ]]; then
    click "$window" "$window_xid" 'document.getElementById("shareAddress")'
    wait_for_script "$window" 'const a = document.getElementById("shareAddress"); return a.value !== "" && a.selectionEnd - a.selectionStart === a.value.length;' true "the sharing address"
  fi
  close_by_box "$window" "$main" "${entry%% *}"
done

# The notice window is modeless: the main page's call has answered at once, and the close box
# closes the window, which then runs no script.
send "execute $main {\"method\":\"showQelInfoWin\"}"
popup_opened "$service_page/pageForAdviceForYou\\.html$"
check_title_strip "$window"
click_close_box "$window" "$window_xid"
for _ in $(seq 20); do
  send "run $window return 1;"
  expect "^qel-test: (result window=$window (.*)|no such window .*)$"
  [[ "${BASH_REMATCH[2]}" == 1 ]] || break
  sleep 0.25
done
[[ "${BASH_REMATCH[2]}" != 1 ]] || fail "the notice window did not close by its close box"

exit_program "$main"

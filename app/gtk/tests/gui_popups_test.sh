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
[[ $(wc -l <"$scratch/lucky.txt") -eq 6 ]] ||
  fail "the saved lucky numbers are not the six bets: $(cat "$scratch/lucky.txt")"
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
# A plan of 10000 draws takes a while: the page says it is working, and a second press of
# "生成计划" meanwhile asks for nothing more.
fill_plan "$plan" 1000000 100 10000
click "$plan" "$window_xid" 'document.getElementById("generatePlan")'
sleep 0.3
import -window "$window_xid" "$artefacts/qel-plan-window-working.png" || fail "no screenshot of the plan window"
xdotool click 1 || fail "xdotool did not click"
wait_for_script "$plan" 'return document.querySelectorAll("#planRows tr").length === 10000 && !document.getElementById("generatePlan").disabled;' true "the plan of 10000 draws"
sleep 1
run_script "$plan" 'return 1;'
plans=$(printf '%s\n' "${seen[@]}" | grep -c "^qel-test: bridge window=$plan request={\"method\":\"generatePlan\"")
((plans == 1)) || fail "a press while the plan was computed asked for it again ($plans requests)"
fill_plan "$plan" 1000 100 3
click "$plan" "$window_xid" 'document.getElementById("generatePlan")'
wait_for_script "$plan" 'return Array.from(document.querySelectorAll("#planRows tr"), (row) => row.cells[4].textContent).join(",");' '"998,996,994"' "生成计划"
click "$plan" "$window_xid" 'document.getElementById("savePlan")'
save_in_dialog plan.txt
wait_for_script "$plan" "return $(text_of "#planMessage");" '"保存成功！"' "保存计划"
grep -q '^3 ' "$scratch/plan.txt" || fail "the saved plan lacks its third draw: $(cat "$scratch/plan.txt")"
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
# closes it. The menu is gone from the screen while the window is up, though the main page waits
# in its call meanwhile and paints nothing: the main window shows there what it showed before the
# menu opened (but for a few pixels the pointer may light up).
xdotool mousemove --sync 0 0 || fail "xdotool did not move"
import -window "$main_xid" "$scratch/menu-before.png" || fail "no screenshot of the main window"
menu_item menuOptions 软件介绍
popup_opened "($service_page/pageForProfile\\.html|qel://base/html/error2\\.html)$"
sleep 1
import -window "$main_xid" "$artefacts/qel-main-window-under-profile.png" || fail "no screenshot of the main window"
changed=$(compare -metric AE -fuzz 10% "$scratch/menu-before.png[$menu_rect]" \
  "$artefacts/qel-main-window-under-profile.png[$menu_rect]" null: 2>&1)
[[ "$changed" =~ ^[0-9]+$ ]] || fail "the screenshots do not compare: $changed"
area=$((${menu_rect%%x*} * $(cut -d+ -f1 <<<"${menu_rect#*x}")))
((changed * 20 < area)) || fail "the menu stays drawn behind its pop-up ($changed of $area pixels of its place differ)"
close_by_box "$window" "$main" showProfileWin

# A notice that goes by itself: a press where it stood over the lottery bar's last draw, made just
# after it went, opens nothing there; the same press a little later opens the draw's detail.
xdotool mousemove --sync 0 0 || fail "xdotool did not move"
run_script "$main" 'window.qel.controller.messager.showTopCenterMsg("error", "保存失败：文件无法写入：/home/player/ssq.txt（Permission denied）"); await new Promise((done) => setTimeout(done, 1000)); const notice = document.querySelector(".top-center-notice"); const box = notice.querySelector(".panel-tool-close").getBoundingClientRect(); const draw = document.getElementById("lastDraw").getBoundingClientRect(); const stood = notice.getBoundingClientRect(); notice.style.visibility = "hidden"; const under = (x, y) => Boolean(document.elementFromPoint(x, y) && document.elementFromPoint(x, y).closest("#lastDraw")); let x = box.left + box.width / 2; let y = box.top + box.height / 2; if (!under(x, y)) { x = (Math.max(stood.left, draw.left) + Math.min(stood.right, draw.right)) / 2; y = (Math.max(stood.top, draw.top) + Math.min(stood.bottom, draw.bottom)) / 2; } const found = under(x, y); notice.style.visibility = ""; if (!found) { return null; } for (let i = 0; i < 300 && notice.isConnected && notice.style.display !== "none"; i += 1) { await new Promise((done) => setTimeout(done, 20)); } return [Math.round(x), Math.round(y)].join(" ");'
[[ "$RESULT" =~ ^\"([0-9]+)\ ([0-9]+)\"$ ]] || fail "no place of the notice lies over the last draw: $RESULT"
notice_x="${BASH_REMATCH[1]}" notice_y="${BASH_REMATCH[2]}"
pointer_click "$main_xid" "$notice_x" "$notice_y"
sleep 1
send "run $main return 1;"
expect "^qel-test: (result window=$main 1|page loaded window=[0-9]+ xid=0x[0-9a-f]+ uri=.*pageForLotDetail.*)$"
[[ "${BASH_REMATCH[1]}" == "result window=$main 1" ]] || fail "a press aimed at the notice as it went opened the draw's detail"
sleep 2
pointer_click "$main_xid" "$notice_x" "$notice_y"
popup_opened "$service_page/pageForLotDetail\\.html\\?"
close_by_box "$window" "$main" getLotLevel

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

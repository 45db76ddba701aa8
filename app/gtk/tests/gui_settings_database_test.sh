#!/usr/bin/env bash
# The real program under a virtual X server (run through xvfb-run), in its test mode, started by
# a player whom the file system denies the settings database:
#   a database the player cannot read: a message in front of every other window names the file
#   and the reason, standard error says the same, and OK ends the program with status 1;
#   a database the player can read but not write: the same kind of message at start, then the
#   main window; switching the game answers the failure on the page, which keeps showing the
#   game that is stored, and standard error says why.
# Screenshots of the screen with the messages are kept in the artefact folder, with the
# program's standard error of each case.
# The program runs from a scratch copy of its stage. Run as root, the player is the unprivileged
# user "nobody" (setpriv), for whom the copy is readable and the database only as each case
# says (root's own access is never refused); run as another user, the database's mode does it.
# Usage: gui_settings_database_test.sh <staged qel> <artefact folder>
set -uo pipefail

# shellcheck source=gui_steps.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_steps.sh"
begin_test settings-database "$1" "$2"
database="$scratch/stage/sys.db"

home="$scratch/home"
mkdir -p "$home/run" "$home/cache" "$home/config" || exit 1
chmod 700 "$home/run"
player_home "$home"
# The data folder is the player's too, but cannot be written: no copy of the database made
# there can stand in for the one below the program's folder.
data="$scratch/data"
mkdir -p "$data" || exit 1
if ((EUID == 0)); then
  chmod 755 "$scratch" || exit 1
fi
chmod 555 "$data"

# start_as_player <standard error file>: the copied program as a coprocess, as the player.
start_as_player() {
  local errors="$1"
  watch_stderr "$errors"
  coproc QEL {
    exec "${player_launcher[@]}" env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="$home/.Xauthority" HOME="$home" \
      XDG_DATA_HOME="$data" XDG_CACHE_HOME="$home/cache" XDG_CONFIG_HOME="$home/config" \
      XDG_RUNTIME_DIR="$home/run" QEL_TEST_MODE=1 "$qel" 2>"$errors"
  }
  qel_pid=$QEL_PID
  exec {to_qel}>&"${QEL[1]}" {from_qel}<&"${QEL[0]}"
  seen=()
}

# await <pattern> [seconds]: as expect, where a message box is what is waited for.
await() {
  local pattern="$1" wait="${2:-60}" line
  while IFS= read -r -t "$wait" line <&"$from_qel"; do
    echo "$line" >>"$log"
    seen+=("$line")
    [[ "$line" =~ $pattern ]] && return 0
  done
  fail "no line matching: $pattern"
}

# The window in front (X lists the screen's windows from the top down): the message box, a
# "Varnel" window smaller than the splash (600 by 500) and the main window.
message_in_front() {
  local id
  for id in $(xwininfo -root -children | awk '/^ +0x[0-9a-f]+ /{print $1}'); do
    xwininfo -id "$id" | grep -q 'Map State: IsViewable' || continue
    local info width
    info=$(xwininfo -id "$id")
    width=$(awk '/Width:/{print $2}' <<<"$info")
    grep -q '"Varnel"' <<<"$info" && ((width < 600)) && return 0
    echo "in front: $(head -2 <<<"$info" | tail -1)" >&2
    return 1
  done
  return 1
}

# check_message <case> <message pattern> <standard error file>: the message is up, in front,
# shown in a screenshot of the screen, and was written on standard error.
check_message() {
  local name="$1" pattern="$2" errors="$3"
  await "^qel-test: message ($pattern)$"
  local message="${BASH_REMATCH[1]}"
  sleep 1 # let it map and paint
  message_in_front || fail "$name: the message is not the window in front"
  screenshot root "qel-settings-database-$name.png"
  grep -qF "qel: settings database: $message" "$errors" || fail "$name: standard error lacks the message: $(cat "$errors")"
}

reason_unreadable='unable to open database file \(Permission denied\)'
reason_unwritable='attempt to write a readonly database'
file_pattern="${database//./\\.}"

# 1. A database the player cannot read.
errors="$artefacts/qel-settings-database-unreadable-stderr.log"
chmod 600 "$database"
((EUID == 0)) || chmod 000 "$database"
start_as_player "$errors"
check_message unreadable "设置数据库无法读取：$file_pattern（$reason_unreadable）。程序无法运行，将退出。" "$errors"
saw '^qel-test: main window shown' && fail "unreadable: the main window came up"
send answer
while IFS= read -r -t 30 line <&"$from_qel"; do echo "$line" >>"$log"; done
wait "$qel_pid"
status=$?
qel_pid=
[[ $status -eq 1 ]] || fail "unreadable: the program ended with status $status, not 1"

# 2. A database the player can read but not write (nor the folder it is in).
errors="$artefacts/qel-settings-database-read-only-stderr.log"
chmod 644 "$database"
((EUID == 0)) || chmod 444 "$database"
start_as_player "$errors"
check_message read-only "设置数据库无法写入：$file_pattern（$reason_unwritable）。更改的设置将不会保存。" "$errors"
send answer
expect '^qel-test: main window shown id=([0-9]+) xid=(0x[0-9a-f]+)$'
main="${BASH_REMATCH[1]}" main_xid="${BASH_REMATCH[2]}"
saw '^qel-test: page title Varnel - 福彩3D$' || expect '^qel-test: page title Varnel - 福彩3D$'
# Switching the game as the menu does: the page says why it failed and stays on the stored game.
run_script "$main" 'for (let i = 0; i < 600 && document.documentElement.getAttribute("data-ready") !== "true"; i += 1) { await new Promise((done) => setTimeout(done, 100)); } const cancel = Array.from(document.querySelectorAll("#loginWindow .my-window-buttons a")).pop(); if (cancel) { cancel.click(); } window.qel.controller.menu.switchTo({ productName: "Tc7Of10", productCnName: "七星彩", flag: "Tc", area: "1" }); for (let i = 0; i < 100; i += 1) { const shown = document.querySelector(".message-error"); if (shown) { return shown.textContent; } await new Promise((done) => setTimeout(done, 50)); } return null;'
[[ "$RESULT" == *"切换失败！设置数据库无法写入："*"$reason_unwritable"* ]] ||
  fail "read-only: the page did not say why switching failed: $RESULT"
# The path in it is whole: on one line of its own, not broken after its leading "/".
run_script "$main" 'const path = document.querySelector(".message-error .message-path"); if (!path) { return null; } const range = document.createRange(); range.selectNodeContents(path); return [path.textContent, range.getClientRects().length];'
[[ "$RESULT" == "[\"$database\",1]" ]] || fail "read-only: the message breaks the path: $RESULT"
# Once it has faded in, before it goes by itself (a notice stays three seconds).
shot="$artefacts/qel-settings-database-read-only-switch.png"
sleep 1
import -window "$main_xid" "$shot" || fail "no screenshot of the main window"
echo "screenshot: $shot"
run_script "$main" 'return document.title + "|" + JSON.stringify(window.external.execute(JSON.stringify({ method: "GetSystemConfig" })).match(/productName:"[^"]*"/)[0]);'
[[ "$RESULT" == '"Varnel - 福彩3D|\"productName:\\\"Magic3\\\"\""' ]] ||
  fail "read-only: the page or the stored game changed: $RESULT"
loads=$(printf '%s\n' "${seen[@]}" | grep -c "^qel-test: page loaded window=$main ")
[[ $loads -eq 1 ]] || fail "read-only: the main page was loaded $loads times, again for a game that was not stored"
grep -q "qel: settings database: 切换失败！设置数据库无法写入：$file_pattern（$reason_unwritable）" "$errors" ||
  fail "read-only: standard error lacks the failed switch: $(cat "$errors")"
exit_program "$main"

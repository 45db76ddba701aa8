#!/usr/bin/env bash
# The real program under a virtual X server (run through xvfb-run), in its test mode
# (QEL_TEST_MODE=1, see app/gtk/test_mode.h):
#   the splash shows, then the main window with its page, which is answered through the bridge;
#   a modal pop-up opened by the page runs its own page and closes by its own request, after
#   which the main page's call returns; "Exit" sent by the page ends the program with status 0.
# Screenshots of the main window and of the pop-up are kept in the artefact folder.
# Usage: gui_test.sh <staged qel> <artefact folder>
set -uo pipefail
qel="$1"
artefacts="$2"
mkdir -p "$artefacts"
log="$artefacts/qel-gui-output.log"
: >"$log"

fail() {
  echo "FAIL: $*" >&2
  echo "--- program output ($log) ---" >&2
  cat "$log" >&2
  [[ -n "${qel_pid:-}" ]] && kill "$qel_pid" 2>/dev/null
  exit 1
}

coproc QEL { QEL_TEST_MODE=1 exec "$qel" 2>"$artefacts/qel-gui-stderr.log"; }
# bash forgets the coprocess's variables once it ends, so they are kept here.
qel_pid=$QEL_PID
exec {to_qel}>&"${QEL[1]}" {from_qel}<&"${QEL[0]}"

seen=()
# Reads the program's lines until one matches the pattern (a bash regular expression); its
# groups are left in BASH_REMATCH. Lines read on the way are kept in seen.
expect() {
  local pattern="$1" line
  while IFS= read -r -t 60 line <&"$from_qel"; do
    echo "$line" >>"$log"
    seen+=("$line")
    [[ "$line" == "qel-test: page title bridge failed" ]] && fail "the page got no answer through the bridge"
    [[ "$line" == "qel-test: message "* ]] && fail "the program shows a message: ${line#qel-test: message }"
    [[ "$line" =~ $pattern ]] && return 0
  done
  fail "no line matching: $pattern"
}
saw() {
  local line
  for line in "${seen[@]}"; do [[ "$line" =~ $1 ]] && return 0; done
  return 1
}
send() { echo "$*" >&"$to_qel"; }
screenshot() {
  local xid="$1" file="$artefacts/$2" colours
  [[ "$xid" != "0x0" ]] || fail "no X11 window for $2"
  sleep 2 # let the page paint
  import -window "$xid" "$file" || fail "no screenshot of window $xid"
  colours=$(convert "$file" -format %k info:) || fail "the screenshot $file does not read back"
  ((colours > 1)) || fail "the screenshot $file is blank"
  echo "screenshot: $file ($colours colours)"
}

expect '^qel-test: main window shown id=([0-9]+) xid=(0x[0-9a-f]+)$'
main="${BASH_REMATCH[1]}" main_xid="${BASH_REMATCH[2]}"
saw '^qel-test: splash shown$' || fail "the main window came without the splash"
saw '^qel-test: page title bridge ok$' || expect '^qel-test: page title bridge ok$'
saw 'request=\{"method":"GetSystemConfig"\} reply-bytes=[1-9]' || fail "GetSystemConfig was not answered"
screenshot "$main_xid" qel-main-window.png

send "execute $main {\"method\":\"aboutQel\"}"
expect '^qel-test: page loaded window=([0-9]+) xid=(0x[0-9a-f]+) uri=qel://res/about.html$'
popup="${BASH_REMATCH[1]}" popup_xid="${BASH_REMATCH[2]}"
[[ "$popup" != "$main" ]] || fail "the about page opened in the main window"
screenshot "$popup_xid" qel-about-window.png
send "execute $popup {\"method\":\"exit\"}"
expect "^qel-test: bridge window=$popup request=\\{\"method\":\"exit\"\\} reply-bytes=0$"
expect "^qel-test: bridge window=$main request=\\{\"method\":\"aboutQel\"\\} reply-bytes=0$"

send "execute $main {\"method\":\"Exit\"}"
expect "^qel-test: bridge window=$main request=\\{\"method\":\"Exit\"\\}"
while IFS= read -r -t 60 line <&"$from_qel"; do echo "$line" >>"$log"; done
wait "$qel_pid"
status=$?
[[ $status -eq 0 ]] || fail "the program ended with status $status"
echo "PASS"

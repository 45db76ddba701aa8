#!/usr/bin/env bash
# The real program under a virtual X server (run through xvfb-run), in its test mode
# (QEL_TEST_MODE=1, see app/gtk/test_mode.h):
#   the splash shows, then the main window with its page, which is answered through the bridge
#   and shows the game's panels; a filter run chosen on the page fills the result grid with the
#   first page that the run fixture holds (the e2e test checks the same run in Chromium); switching
#   to "Tc5Of35" loads the page again for it, and a run of its red and blue base numbers fills the
#   grid with its rows;
#   a modal pop-up opened by the page runs its own page and closes by its own request, after
#   which the main page's call returns; "Exit" sent by the page ends the program with status 0.
# Screenshots of the main window (before and after the run) and of the pop-up are kept in the
# artefact folder.
# The program runs from a scratch copy of its stage folder: it writes its settings database
# (sys.db), and so do the pages' scripts; WebKit's data and caches go to that copy as well.
# Usage: gui_test.sh <staged qel> <artefact folder> <run fixture (json)>
set -uo pipefail
stage="$(dirname "$1")"
artefacts="$2"
fixture="$3"
mkdir -p "$artefacts"
log="$artefacts/qel-gui-output.log"
: >"$log"

scratch="$(mktemp -d)" || exit 1
finish() {
  if [[ -n "${qel_pid:-}" ]] && kill "$qel_pid" 2>/dev/null; then
    wait "$qel_pid" 2>/dev/null
  fi
  rm -rf "$scratch"
}
trap finish EXIT
# -a keeps the libraries' links; the program finds them through its $ORIGIN run path.
cp -a "$stage" "$scratch/stage" || exit 1
qel="$scratch/stage/$(basename "$1")"

fail() {
  echo "FAIL: $*" >&2
  echo "--- program output ($log) ---" >&2
  cat "$log" >&2
  exit 1
}

if ldd "$qel" | grep -q 'not found'; then
  ldd "$qel" >&2
  fail "the copied program does not find its libraries"
fi

coproc QEL {
  QEL_TEST_MODE=1 XDG_DATA_HOME="$scratch/data" XDG_CACHE_HOME="$scratch/cache" \
    exec "$qel" 2>"$artefacts/qel-gui-stderr.log"
}
# bash forgets the coprocess's variables once it ends, so they are kept here.
qel_pid=$QEL_PID
exec {to_qel}>&"${QEL[1]}" {from_qel}<&"${QEL[0]}"

seen=()
# Reads the program's lines until one matches the pattern (a bash regular expression); its
# groups are left in BASH_REMATCH. Lines read on the way are kept in seen. Waits up to the
# given seconds (default 60) for each line.
expect() {
  local pattern="$1" wait="${2:-60}" line
  while IFS= read -r -t "$wait" line <&"$from_qel"; do
    echo "$line" >>"$log"
    seen+=("$line")
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
# run_script <window> <script> [seconds]: runs the script (one line, the body of an async
# function) in the window's page and leaves the JSON text of its return value in RESULT; a
# script that throws fails the test. The page may compute for a while: the result is awaited
# up to the given seconds (default 120; the whole test has ctest's TIMEOUT).
run_script() {
  local window="$1" script="$2" wait="${3:-120}"
  send "run $window $script"
  expect "^qel-test: result window=$window (.*)$" "$wait"
  RESULT="${BASH_REMATCH[1]}"
  [[ "$RESULT" != "error "* ]] || fail "the script in window $window threw: ${RESULT#error }"
}
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
# whose run of red and blue base numbers fills the grid with its rows (front numbers 1 to 7, back
# pairs of 1 to 3, front-major: the first row 01..05 with 01 and 02, the 63 rows of C(7,5) × 3).
run_script "$main" 'window.qel.controller.menu.switchTo({ productName: "Tc5Of35", productCnName: "大乐透", flag: "Tc", area: "1" }); return true;'
expect '^qel-test: page title Varnel - 大乐透$'
run_script "$main" 'for (let i = 0; i < 600 && !(window.qel && window.qel.controller && document.querySelector("#cond-baseNums_red")); i += 1) { await new Promise((done) => setTimeout(done, 100)); } const click = (selector) => document.querySelector(selector).click(); const cancel = Array.from(document.querySelectorAll("#loginWindow .my-window-buttons a")).pop(); if (cancel) { cancel.click(); } for (const n of ["01", "02", "03", "04", "05", "06", "07"]) { click(`#cond-baseNums_red .choice[data-value="${n}"]`); } for (const n of ["01", "02", "03"]) { click(`#cond-baseNums_blue .choice[data-value="${n}"]`); } click("#startFilter"); for (let i = 0; i < 600; i += 1) { const cells = document.querySelectorAll("#eastRegion .datagrid-btable td[field=redNumber]"); if (cells.length && cells[0].textContent !== "") { const blue = document.querySelector("#eastRegion .datagrid-btable td[field=blueNumber]").textContent; return cells[0].textContent + "+" + blue + "|" + cells.length; } await new Promise((done) => setTimeout(done, 100)); } return null;'
[[ "$RESULT" == '"0102030405+0102|63"' ]] || fail "the Tc5Of35 run shows other rows: $RESULT"
screenshot "$main_xid" qel-main-window-tc5of35-after-filter.png

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

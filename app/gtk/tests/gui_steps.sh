# Steps the gui tests share: the program from a scratch copy of its stage, in test mode, driven
# through its standard input and read through its standard output. Source it, then begin a test
# with begin_test or begin_standin_test, or set `log` (the program's output is copied there) and
# `artefacts` (screenshots) yourself.
#   copy_stage <stage dir> <program name>: the scratch copy; sets scratch and qel
#   begin_test <name> <staged qel> <artefact folder>: sets artefacts and log
#     (qel-gui-<name>-output.log, begun empty), then copy_stage
#   begin_standin_test <name> <staged qel> <artefact folder> <build dir> <source root>: the same
#     as begin_test, with the copy pointed at the stand-in data service
#   start_qel: starts the copied program (or the one in qel) as a coprocess
#   main_window_shown: waits for the main window and its page; sets main and main_xid
#   player_home <folder>: the HOME of an unprivileged player; sets player_launcher
#   expect, saw, send, run_script, screenshot, open_window, close_window: see below
#   watch_stderr <file>: the program's standard error goes there; the test fails when it holds a
#     GTK warning (start_qel watches its own file)
# A test may define cleanup_extra, which runs when the test ends, before the copy goes.

# The program's standard error files of this test. A GTK warning or critical in one means a
# widget was used wrongly, whatever the windows showed: the test fails.
stderr_files=()
watch_stderr() { stderr_files+=("$1"); }
gtk_warnings() {
  local file
  for file in ${stderr_files[@]+"${stderr_files[@]}"}; do
    [[ -f "$file" ]] && grep -H -a -E 'Gtk-(CRITICAL|WARNING)' "$file"
  done
}

finish() {
  local status=$?
  if [[ -n "${qel_pid:-}" ]] && kill "$qel_pid" 2>/dev/null; then
    wait "$qel_pid" 2>/dev/null
  fi
  if declare -F cleanup_extra >/dev/null; then
    cleanup_extra
  fi
  [[ -z "${standin_pid:-}" ]] || kill "$standin_pid" 2>/dev/null
  [[ -z "${scratch:-}" ]] || rm -rf "$scratch"
  if gtk_warnings >&2; then
    echo "FAIL: GTK warned on the program's standard error (above)" >&2
    exit 1
  fi
  exit "$status"
}
trap finish EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- program output ($log) ---" >&2
  cat "$log" >&2
  exit 1
}

copy_stage() {
  scratch="$(mktemp -d)" || exit 1
  # -a keeps the libraries' links; the program finds them through its $ORIGIN run path.
  cp -a "$1" "$scratch/stage" || exit 1
  qel="$scratch/stage/$2"
  if ldd "$qel" | grep -q 'not found'; then
    ldd "$qel" >&2
    fail "the copied program does not find its libraries"
  fi
}

begin_test() {
  artefacts="$3"
  mkdir -p "$artefacts"
  log="$artefacts/qel-gui-$1-output.log"
  : >"$log"
  copy_stage "$(dirname "$2")" "$(basename "$2")"
}

# The start of a test against the stand-in data service, which starts now and stops when the
# test ends: begin_test, then the copy's settings point at the service. Sets build, source_root
# and standin_port besides.
begin_standin_test() {
  begin_test "$1" "$2" "$3"
  build="$4" source_root="$5"
  # shellcheck source=../../../scripts/lib/standin.sh
  source "$source_root/scripts/lib/standin.sh"
  start_standin "$build" "$source_root" "$scratch/standin.log" || fail "the stand-in did not start"
  point_stage_at_standin "$scratch/stage" "$standin_port" || fail "the copy's settings were not changed"
}

# The folder becomes the HOME of the player the program runs as, with a copy of the X server's
# cookie. Root, whom no permission stops, cannot try what a player may not do: when the tests run
# as root the player is nobody, who owns only that folder. Sets player_launcher, the command
# prefix that runs a command as the player.
player_home() {
  local home="$1"
  mkdir -p "$home" || fail "cannot make the player's home $home"
  if [[ -n "${XAUTHORITY:-}" ]]; then
    cp "$XAUTHORITY" "$home/.Xauthority" || fail "cannot copy the X server's authority file"
  fi
  player_launcher=(env HOME="$home" XAUTHORITY="$home/.Xauthority")
  if ((EUID == 0)); then
    chown -R 65534:65534 "$home" || fail "cannot give the player's home to nobody"
    player_launcher+=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  fi
}

# A test may set qel_launcher (a command that runs the program: as another user, say), qel_home
# (the player's home, which holds the program's XDG folders and where its file dialogs start; the
# scratch folder when unset) and qel_stderr (the log's name with "stderr" for "output" when unset).
start_qel() {
  local home="${qel_home:-$scratch}" errors="${qel_stderr:-${log%-output.log}-stderr.log}"
  watch_stderr "$errors"
  # No session bus here: GTK's settings are kept in memory rather than warned about.
  coproc QEL {
    QEL_TEST_MODE=1 HOME="$home" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" \
      XDG_CONFIG_HOME="$home/config" GSETTINGS_BACKEND=memory \
      exec ${qel_launcher[@]+"${qel_launcher[@]}"} "$qel" 2>"$errors"
  }
  # bash forgets the coprocess's variables once it ends, so they are kept here.
  qel_pid=$QEL_PID
  exec {to_qel}>&"${QEL[1]}" {from_qel}<&"${QEL[0]}"
}

seen=()
# Reads the program's lines until one matches the pattern (a bash regular expression); its
# groups are left in BASH_REMATCH. Lines read on the way are kept in seen. Waits up to the
# given seconds (default 60) for each line.
main_window_shown() {
  expect '^qel-test: main window shown id=([0-9]+) xid=(0x[0-9a-f]+)$'
  main="${BASH_REMATCH[1]}" main_xid="${BASH_REMATCH[2]}"
  saw '^qel-test: page title Varnel - ' || expect '^qel-test: page title Varnel - '
}

expect() {
  local pattern="$1" wait="${2:-60}" line
  while IFS= read -r -t "$wait" line <&"$from_qel"; do
    echo "$line" >>"$log"
    seen+=("$line")
    [[ "$line" == "qel-test: message "* ]] && fail "the program shows a message: ${line#qel-test: message }"
    [[ "$line" == "qel-test: gtk "* ]] && fail "GTK warned: ${line#qel-test: gtk }"
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
# run_holding <window> <script>: runs a script whose click starts a call that holds the page until
# the pop-up it opens closes (the menu's and the footer's synchronous requests). Its result can
# come only after the pop-up has closed, or not at all when the page is held before it is sent,
# so it is not awaited: check what the script needs with run_script first.
run_holding() { send "run $1 $2"; }
screenshot() {
  local xid="$1" file="$artefacts/$2" colours
  [[ "$xid" != "0x0" ]] || fail "no X11 window for $2"
  sleep 2 # let the page paint
  import -window "$xid" "$file" || fail "no screenshot of window $xid"
  colours=$(convert "$file" -format %k info:) || fail "the screenshot $file does not read back"
  ((colours > 1)) || fail "the screenshot $file is blank"
  echo "screenshot: $file ($colours colours)"
}

# open_window <main window> <method> <address pattern>: the main window's request of that method
# opens a pop-up whose page loads from an address matching the pattern (a bash regular
# expression); sets window and window_xid.
open_window() {
  send "execute $1 {\"method\":\"$2\"}"
  expect "^qel-test: page loaded window=([0-9]+) xid=(0x[0-9a-f]+) uri=$3$"
  window="${BASH_REMATCH[1]}" window_xid="${BASH_REMATCH[2]}"
  [[ "$window" != "$1" ]] || fail "the page of $2 opened in the main window"
}
# close_window <pop-up> <main window> <method>: "exit" closes the pop-up, and the main window's
# request that opened it answers "".
close_window() {
  send "execute $1 {\"method\":\"exit\"}"
  expect "^qel-test: bridge window=$1 request=\\{\"method\":\"exit\"\\} reply-bytes=0$"
  expect "^qel-test: bridge window=$2 request=\\{\"method\":\"$3\"\\} reply-bytes=0$"
}

# exit_program <main window>: "Exit" from the main window; the program must end with status 0.
exit_program() {
  local main="$1" line status
  send "execute $main {\"method\":\"Exit\"}"
  expect "^qel-test: bridge window=$main request=\\{\"method\":\"Exit\"\\}"
  while IFS= read -r -t 60 line <&"$from_qel"; do echo "$line" >>"$log"; done
  wait "$qel_pid"
  status=$?
  [[ $status -eq 0 ]] || fail "the program ended with status $status"
  echo "PASS"
}

# Real pointer events in the program's windows (xdotool on the virtual X server), for the gui
# tests that use a window as a person does. Source it after gui_steps.sh.
#   click <window> <xid> <element>: a left click at the centre of the element that the script
#     expression <element> names in that window's page (the page's rectangle plus the window's
#     place on the screen)
#   click_close_box <window> <xid>: a left click on the pop-up's close box in its title strip
#   drag_title <xid> <dx> <dy>: presses in the pop-up's title strip and moves by dx, dy
#   window_place <xid>: sets window_x, window_y
#   check_title_strip <window>: the pop-up's title strip shows its close box where the shell
#     closes the window, and no other control of the page
#   wait_for_script <window> <script> <expected JSON> [what]: runs the script (the body of an
#     async function) until it returns the expected value, for up to ten seconds
#   menu_item <menu button id> <item text>: opens a menu of the main window ($main, $main_xid) and
#     clicks one of its items; the open menu's rectangle in the page is left in menu_rect
#     ("<width>x<height>+<left>+<top>", as ImageMagick writes a crop)
#   footer_button <name>: clicks the main window's footer button of that data-name
#   popup_opened, call_returned, request_sent, close_by_box: see below
#   fill_plan <window> <prize> <least profit> <draws>: sets the betting-plan window's inputs
#   save_in_dialog <name>: answers the program's save dialog with that file name
#   open_in_dialog <name>: answers the program's open dialog with that file name

# The shell's pop-up rules (app/gtk/hit_test.h): the top 36 pixels drag, except the close box 6 to
# 30 pixels from the right edge.
title_strip_height=36
close_box_near=6
close_box_far=30

window_place() {
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$1") || fail "no geometry for window $1"
  [[ "$geometry" =~ X=([0-9-]+).*Y=([0-9-]+) ]] || fail "unreadable geometry of window $1: $geometry"
  window_x="${BASH_REMATCH[1]}" window_y="${BASH_REMATCH[2]}"
}

# pointer_click <xid> <x> <y>: a press and release at that point of the window.
pointer_click() {
  window_place "$1"
  xdotool mousemove --sync $((window_x + $2)) $((window_y + $3)) click 1 || fail "xdotool did not click"
}

# element_centre <window> <element>: sets centre_x, centre_y (in the page, which fills its
# window); the element is scrolled into view first.
element_centre() {
  run_script "$1" "const e = ($2); if (!e) { return null; } e.scrollIntoView({ block: \"nearest\" }); const r = e.getBoundingClientRect(); if (!r.width || !r.height) { return null; } return [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)].join(\" \");"
  [[ "$RESULT" =~ ^\"([0-9-]+)\ ([0-9-]+)\"$ ]] || fail "no element to click in window $1: $2"
  centre_x="${BASH_REMATCH[1]}" centre_y="${BASH_REMATCH[2]}"
}

click() {
  element_centre "$1" "$3"
  pointer_click "$2" "$centre_x" "$centre_y"
}

click_close_box() {
  local window="$1" xid="$2"
  run_script "$window" 'return window.innerWidth;'
  pointer_click "$xid" $((RESULT - (close_box_near + close_box_far) / 2)) $((title_strip_height / 2))
}

drag_title() {
  local xid="$1" dx="$2" dy="$3" x y
  window_place "$xid"
  x=$((window_x + 40)) y=$((window_y + title_strip_height / 2))
  # The shell moves the window once it has taken the press: the pointer moves only after a pause.
  xdotool mousemove --sync "$x" "$y" mousedown 1 sleep 0.5 mousemove --sync $((x + dx / 2)) $((y + dy / 2)) \
    sleep 0.2 mousemove --sync $((x + dx)) $((y + dy)) sleep 0.2 mouseup 1 || fail "xdotool did not drag"
}

check_title_strip() {
  run_script "$1" "const strip = $title_strip_height; const width = window.innerWidth; const shown = (e) => { const r = e.getBoundingClientRect(); return r.width > 0 && r.height > 0 && getComputedStyle(e).visibility !== \"hidden\"; }; const closes = Array.from(document.querySelectorAll(\".window-close, .about-close, .popup-close\")).filter(shown); const controls = Array.from(document.querySelectorAll(\"a, button, input, select, textarea, label, [onclick], .tabs li\")).filter((e) => shown(e) && !closes.includes(e) && e.getBoundingClientRect().top < strip); const box = closes.length === 1 ? closes[0].getBoundingClientRect() : null; return { closeBox: box !== null && box.top >= 0 && box.bottom <= strip && width - box.right >= $close_box_near && width - box.left <= $close_box_far, controlsInStrip: controls.map((e) => e.id || e.textContent.trim() || e.tagName) };"
  [[ "$RESULT" == '{"closeBox":true,"controlsInStrip":[]}' ]] ||
    fail "the title strip of window $1 is not its bar with its close box alone: $RESULT"
}

wait_for_script() {
  local window="$1" script="$2" expected="$3" what="${4:-the page}"
  run_script "$window" "for (let i = 0; i < 100; i += 1) { const value = await (async () => { $script })(); if (JSON.stringify(value) === JSON.stringify($expected)) { return value; } await new Promise((done) => setTimeout(done, 100)); } return (async () => { $script })();"
  [[ "$RESULT" == "$(node -e 'console.log(JSON.stringify(JSON.parse(process.argv[1])))' "$expected")" ]] ||
    fail "$what shows $RESULT, not $expected"
}

# The pointer rests on the menu button until its menu has opened and is on top, then clicks the
# item.
menu_item() {
  local item="Array.from(document.querySelectorAll(\".menu-item\")).find((e) => e.offsetParent && e.textContent.trim() === \"$2\")"
  element_centre "$main" "document.getElementById(\"$1\")"
  window_place "$main_xid"
  xdotool mousemove --sync $((window_x + centre_x)) $((window_y + centre_y)) || fail "xdotool did not move"
  wait_for_script "$main" "const e = $item; if (!e) { return false; } const r = e.getBoundingClientRect(); return !jQuery(e.closest(\".menu\")).is(\":animated\") && e.contains(document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2));" true "the menu $1"
  run_script "$main" "const r = ($item).closest(\".menu\").getBoundingClientRect(); return [r.width, r.height, r.left, r.top].map(Math.round).join(\" \");"
  [[ "$RESULT" =~ ^\"([0-9]+)\ ([0-9]+)\ ([0-9]+)\ ([0-9]+)\"$ ]] || fail "no rectangle of the menu $1: $RESULT"
  menu_rect="${BASH_REMATCH[1]}x${BASH_REMATCH[2]}+${BASH_REMATCH[3]}+${BASH_REMATCH[4]}"
  click "$main" "$main_xid" "$item"
}

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
# footer_button <name>: the footer button of that data-name in the main window ($main, $main_xid).
footer_button() {
  click "$main" "$main_xid" "document.querySelector(\"#footerBar .footer-button[data-name='$1']\")"
}
# close_by_box <pop-up> <opener> <method>: the close box closes the pop-up (whose X11 window is
# window_xid), and the opener's call answers.
close_by_box() {
  click_close_box "$1" "$window_xid"
  call_returned "$2" "$3"
}
fill_plan() {
  run_script "$1" "const set = (id, value) => { document.getElementById(id).value = value; }; set(\"oneBonus\", \"$2\"); set(\"minBonus\", \"$3\"); set(\"qiShu\", \"$4\"); return true;"
}

# The save dialog ("保存") takes the file name typed into its name field, and its button "保存(S)"
# by its mnemonic, as a person would; the file goes to the folder the dialog shows: the one last
# used, else the player's home (start_qel's HOME). (A typed path would open the field's
# completion list.)
save_in_dialog() {
  local dialog
  dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^保存$' | head -n 1)
  [[ -n "$dialog" ]] || fail "no save dialog opened"
  sleep 0.5 # let it take its size and focus its name field
  xdotool windowfocus --sync "$dialog" key --clearmodifiers ctrl+a type --delay 20 "$1" ||
    fail "xdotool did not type into the save dialog"
  sleep 0.5
  xdotool key --window "$dialog" --clearmodifiers alt+s || fail "xdotool did not press Alt+S"
}

# The open dialog ("打开") takes the file name typed into its location field (Ctrl+L shows it, as
# a person would type a name rather than search for it) and opens it from the folder it shows.
open_in_dialog() {
  local dialog
  dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^打开$' | head -n 1)
  [[ -n "$dialog" ]] || fail "no open dialog opened"
  sleep 0.5
  xdotool windowfocus --sync "$dialog" key --clearmodifiers ctrl+l type --delay 20 "$1" ||
    fail "xdotool did not type into the open dialog"
  sleep 0.5
  xdotool key --window "$dialog" --clearmodifiers Return || fail "xdotool did not press Return"
}

#!/usr/bin/env bash
# On Wayland Qt draws the title bar, maximise button and all, and weston maximises whatever asks:
# maximise the main window and a message box by a click on that button, as a person would, and
# find the program alive with its values. Runs under with_compositor.sh; weston tells where its
# windows are (weston-debug, the compositor's own scene graph).
#   real_maximise_test.sh CANDELOR
set -u
app=$1
source "$(dirname "$0")/x11_helpers.sh"
export XDG_RUNTIME_DIR
"$app" 2>/dev/null & pid=$!
trap 'kill $pid 2>/dev/null' EXIT

# "x1 y1 x2 y2" of the top-level window with the title, once weston shows it.
place() {
  for _ in $(seq 100); do
    local at
    at=$(timeout 5 weston-debug scene-graph 2>/dev/null |
      grep -A1 "top-level window '$1'" | grep -o 'position: ([0-9, ]*) -> ([0-9, ]*)' |
      tr -c '0-9\n' ' ' | head -n 1)
    [ -n "$at" ] && { echo $at; return 0; }
    sleep 0.1
  done
  return 1
}
# A click on the maximise button Qt draws 40 pixels from the right of the title bar.
maximise() {
  local x1 y1 x2 y2
  read -r x1 y1 x2 y2 <<<"$(place "$1")" || fail "no window '$1'"
  xdotool mousemove 0 0 sleep 0.2 mousemove 1023 767 sleep 0.2  # weston's pointer lined up
  xdotool mousemove $((x2 - 40)) $((y1 + 15)) sleep 0.3 mousemove $((x2 - 39)) $((y1 + 16)) \
    sleep 0.3 click 1
  for _ in $(seq 50); do
    [ "$(place "$1")" = "0 0 1024 768" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "maximising '$1' ended the program"
    sleep 0.1
  done
  fail "'$1' was not maximised: $(place "$1")"
}

title="Candelor - Zonal Cavity Method"
place "$title" >/dev/null || fail "the main window did not appear"
xdotool type --delay 100 12
maximise "$title"
# A room width of 0 is refused with a message.
xdotool key Tab type 0
maximise "Data Input error. Verify"
xdotool key Return
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the program ended"
# The values are still those typed: the report says so. Shift+Tab from the room length reaches
# the report button.
xdotool key shift+Tab sleep 0.3 key shift+Tab sleep 0.3 key Return
place "Pasting Calculation to Clipboard" >/dev/null || fail "no report confirmation"
xdotool key Return
for _ in $(seq 50); do
  wl-paste 2>/dev/null | grep -q "Room Length = 12 Ft" && break
  sleep 0.1
done
wl-paste 2>/dev/null | grep -q "Room Length = 12 Ft" || fail "the report says: $(wl-paste 2>&1)"
echo "Wayland: the main window and a message box maximised, the program alive with its values"

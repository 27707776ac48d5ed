#!/usr/bin/env bash
# weston draws no title bars: the calculator draws its own, without Qt's (whose question starts
# EGL). Move the main window by its title, maximise it by its button, close a message box by its
# close button, as a person would, and find the program alive with its values and no EGL mapped.
# Runs under with_compositor.sh; weston tells where its windows are (weston-debug, the
# compositor's own scene graph).
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
shown() { timeout 5 weston-debug scene-graph 2>/dev/null | grep -q "top-level window '$1'"; }
# Waits for the window to be at "x1 y1 x2 y2".
await_place() {
  for _ in $(seq 50); do
    [ "$(place "$1")" = "$2" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "'$1' ended the program"
    sleep 0.1
  done
  fail "'$1' is at $(place "$1"), not $2"
}
# Presses the title bar's button BACK pixels from the window's right edge (the close button 16,
# maximise 40), or with a DRAG the title itself, and lets go that far further on.
press_title() {
  local x1 y1 x2 y2
  read -r x1 y1 x2 y2 <<<"$(place "$1")" || fail "no window '$1'"
  xdotool mousemove 0 0 sleep 0.2 mousemove 1023 767 sleep 0.2  # weston's pointer lined up
  xdotool mousemove $((x2 - $2)) $((y1 + 15)) sleep 0.3 mousemove $((x2 - $2 + 1)) $((y1 + 16)) \
    sleep 0.3 mousedown 1 sleep 0.3 mousemove_relative -- "${3:-0}" "${3:-0}" sleep 0.3 mouseup 1
}

title="Candelor - Zonal Cavity Method"
place "$title" >/dev/null || fail "the main window did not appear"
xdotool type --delay 100 12
read -r x1 y1 x2 y2 <<<"$(place "$title")"
press_title "$title" 200 40
await_place "$title" "$((x1 + 40)) $((y1 + 40)) $((x2 + 40)) $((y2 + 40))"
press_title "$title" 40
await_place "$title" "0 0 1024 768"
egl=$(egl_mapped $pid)
[ -z "$egl" ] || fail "EGL started for a title bar: $egl"
# A room width of 0 is refused with a message, which its close button answers.
xdotool key Tab type 0
press_title "Data Input error. Verify" 16
for _ in $(seq 50); do shown "Data Input error. Verify" || break; sleep 0.1; done
shown "Data Input error. Verify" && fail "the message box was not closed"
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
echo "Wayland: the main window moved and maximised, a message box closed by the drawn title bar"

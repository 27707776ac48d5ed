#!/usr/bin/env bash
# The information windows in a real X window (run under xvfb-run, bare or with a window manager):
# the how-to and the disclaimer are windows of their own that the main window may cover, every
# window is centred by its outer frame, a click on a window's text leaves it open while a click
# on its background closes it, and the disclaimer's title is blank rather than the program's name.
# As a Wayland client (under with_compositor.sh), where the compositor places and stacks windows:
# each window is a top-level of its own, takes the keyboard, closes with Enter and gives the
# keyboard back to the main window.
set -u
app=$1
export XDG_RUNTIME_DIR=$(mktemp -d)
log=$(mktemp)
trap 'kill $calc 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR" "$log"' EXIT
source "$(dirname "$0")/x11_helpers.sh"

if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  WAYLAND_DEBUG=client "$app" 2>"$log" & calc=$!
  wait_for_keyboard "$log" 1 || fail "the main window never had the keyboard"
  sleep 1  # the window takes the keyboard before it is active and its menu bar listens
  focused=1
  for entry in "h|How to calculate using Zonal Cavity Method" "r| "; do
    # Alt+H is let go once the menu is asked for, as fingers are: weston grants a menu only for
    # the latest key press.
    menus=$(grep -c 'get_popup(' "$log")
    xdotool keydown alt+h
    wait_for_log "$log" 'get_popup(' $((menus + 1)) || fail "the Help menu did not open"
    xdotool keyup alt+h
    xdotool key "${entry%%|*}"
    title=${entry#*|}
    wait_for_log "$log" "set_title(\"$title\")" 1 || fail "no window titled '$title'"
    toplevel=$(grep -o "xdg_toplevel@[0-9]*\.set_title(\"$title\")" "$log" | tail -n 1 | cut -d. -f1)
    grep -q -- "-> $toplevel\.set_parent(xdg_toplevel" "$log" &&
      fail "the window '$title' is kept above the main window"
    wait_for_keyboard "$log" $((focused + 1)) || fail "the window '$title' never had the keyboard"
    xdotool key Return
    wait_for_log "$log" "-> $toplevel\.destroy()" 1 || fail "Enter left the window '$title' open"
    wait_for_keyboard "$log" $((focused + 2)) || fail "the keyboard did not come back after '$title'"
    focused=$((focused + 2))
  done
  echo "Wayland window: information windows independent, focused, closed with Enter"
  exit 0
fi

# Outer geometry "x y width height" of a top-level window: its inner one grown by the frame the
# window manager drew (none without one).
outer() {
  local info x y w h extents l r t b
  info=$(xwininfo -id "$1")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/^  Width/ {print $2}' <<<"$info")
  h=$(awk '/^  Height/ {print $2}' <<<"$info")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
  read -r l r t b <<<"${extents:-0 0 0 0}"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
# Twice the centre of a window's outer frame, "x y", to keep halves whole; 6 of these is 3 px,
# well below the half title bar (10 px) a window centred by its inner size is off by.
centre2() { read -r x y w h <<<"$(outer "$1")"; echo "$((2 * x + w)) $((2 * y + h))"; }
near() { [ "${1#-}" -le "$3" ] 2>/dev/null && [ "${2#-}" -le "$3" ] 2>/dev/null; }
menu() { xdotool windowfocus --sync "$main" 2>/dev/null; xdotool key --clearmodifiers "$@"; }

"$app" & calc=$!
main=$(find_window "Candelor - Zonal Cavity Method") || fail "the main window did not appear"
read -r sw sh <<<"$(xwininfo -root | awk '/^  Width/ {w=$2} /^  Height/ {h=$2} END {print w, h}')"
# A window manager frames the window, and the calculator centres it again: on a busy machine
# that takes a while.
for _ in $(seq 30); do
  sleep 0.1
  read -r mx my <<<"$(centre2 "$main")"
  near $((mx - sw)) $((my - sh)) 6 && break
done
near $((mx - sw)) $((my - sh)) 6 || fail "the main window is not centred on the screen: $(outer "$main")"

menu alt+h h
howto=$(find_window "How to calculate using Zonal Cavity Method") || fail "no how-to window"
sleep 0.3
xprop -id "$howto" WM_TRANSIENT_FOR | grep -q "not found" ||
  fail "the how-to window is kept above the main window: $(xprop -id "$howto" WM_TRANSIENT_FOR)"
read -r hx hy <<<"$(centre2 "$howto")"
near $((hx - mx)) $((hy - my)) 6 ||
  fail "the how-to window is not centred over the main one: $(outer "$howto") over $(outer "$main")"

if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  # A click on the main window's title bar (its left end, beside the taller how-to window) puts
  # it in front of the how-to window.
  read -r x y w h <<<"$(outer "$main")"
  xdotool mousemove $((x + 2)) $((y + 8)) click 1
  sleep 0.3
  stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
  last=""
  for id in $stacking; do [ $((id)) = "$main" ] && last=main; [ $((id)) = "$howto" ] && last=howto; done
  [ "$last" = main ] || fail "a click on the main window left the how-to window in front ($stacking)"
fi

# The how-to's text: a click on it leaves the window open; one on its background closes it.
read -r x y w h <<<"$(xwininfo -id "$howto" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}')"
xdotool mousemove $((x + 60)) $((y + 20)) click 1
sleep 0.3
[ "$(count_windows "How to calculate using Zonal Cavity Method")" = 1 ] || fail "a click on the how-to's text closed it"
xdotool mousemove $((x + 6)) $((y + h - 6)) click 1
for _ in $(seq 30); do [ "$(count_windows "How to calculate using Zonal Cavity Method")" = 0 ] && break; sleep 0.1; done
[ "$(count_windows "How to calculate using Zonal Cavity Method")" = 0 ] || fail "a click on the how-to's background left it open"

# The disclaimer's title bar is blank, not the program's name.
menu alt+h r
discl=$(find_window " ") || fail "no disclaimer window with a blank title ($(xdotool search --pid $calc --name . getwindowname %@ 2>/dev/null | tr '\n' '|'))"
xprop -id "$discl" _NET_WM_NAME WM_NAME | grep -q Candelor && fail "the disclaimer's title names the program"
echo "real window: information windows independent, centred by their frames, closed only on their background"

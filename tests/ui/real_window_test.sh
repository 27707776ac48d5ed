#!/usr/bin/env bash
# The built calculator in a real X window (run under xvfb-run): a second start shows
# "<name> Already running " and ends while the first keeps running; the close box ends the first.
# As a Wayland client (under with_compositor.sh) the windows are known from the programs' Wayland
# logs, the window's size is fixed by what the compositor is told, and the close box, which Qt
# draws itself there, is left out.
set -u
app=$1
closer=$2
export XDG_RUNTIME_DIR=$(mktemp -d)
log1=$(mktemp)
log2=$(mktemp)
trap 'kill $first 2>/dev/null; kill $second 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR" "$log1" "$log2"' EXIT

source "$(dirname "$0")/x11_helpers.sh"

WAYLAND_DEBUG=client "$app" 2>"$log1" & first=$!
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  wait_for_keyboard "$log1" 1 || fail "the main window never had the keyboard"
  # The compositor is told the window's least size, and no greatest: a maximised window must
  # take the whole screen (real_maximise_test.sh).
  least=$(grep -o 'set_min_size([0-9, ]*)' "$log1" | tail -n 1 | tr -dc '0-9,')
  most=$(grep -o 'set_max_size([0-9, ]*)' "$log1" | tail -n 1 | tr -dc '0-9,')
  [ -n "$least" ] && [ "$least" != "0,0" ] && [ "${most:-0,0}" = "0,0" ] ||
    fail "the window's least and greatest size: $least to $most"
else
  main=$(find_window "Candelor - Zonal Cavity Method") || fail "the main window did not appear"
fi

WAYLAND_DEBUG=client "$app" 2>"$log2" & second=$!
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  wait_for_log "$log2" 'set_title("TavrinGroup")' 1 || fail "the second start showed no message"
  wait_for_keyboard "$log2" 1 || fail "the second start's message never had the keyboard"
else
  box=$(find_window "TavrinGroup") || fail "the second start showed no message"
  [ "$(xdotool getwindowpid "$box")" = "$second" ] || fail "the message is not the second process's"
  xdotool windowfocus --sync "$box" 2>/dev/null
fi
kill -0 "$first" 2>/dev/null || fail "the first instance ended"

# Answer the message with Enter: the second process ends, the first keeps running.
xdotool key Return
if ! wait_gone "$second"; then
  # Under load a key that reaches the toolkit as its box takes the keyboard can be lost; a
  # person whose Enter did nothing presses it again.
  echo "note: the message did not take Enter; pressed again"
  xdotool key Return
  wait_gone "$second" || fail "the second instance is still running"
fi
wait "$second" || fail "the second instance did not end cleanly"
kill -0 "$first" 2>/dev/null || fail "the first instance ended with the second"
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  grep -q 'set_title("Candelor - Zonal Cavity Method")' "$log2" &&
    fail "the second start opened a main window"
  echo "Wayland window: single instance works"
  exit 0
fi
[ "$(count_windows "Candelor - Zonal Cavity Method")" = 1 ] ||
  fail "there is not exactly one main window"

# The close box ends the program at once.
"$closer" "$main"
wait_gone "$first" || fail "the close box did not end the program"
wait "$first" || fail "the program did not end cleanly"
echo "real window: single instance and close box work"

#!/usr/bin/env bash
# The report on the real clipboard (run under xvfb-run): a value changed with real key presses,
# "Paste to Clipboard" and OK pressed with real keys, and the clipboard read by another program
# (xclip; wl-paste when run as a Wayland client under with_compositor.sh).
set -u
app=$1
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR" "$out" "$log"' EXIT
out=$(mktemp)
log=$(mktemp)
source "$(dirname "$0")/x11_helpers.sh"

if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  copy() { wl-copy; }
  paste() { wl-paste -n; }
else
  copy() { xclip -selection clipboard; }
  paste() { xclip -o -selection clipboard; }
fi
printf 'before' | copy
WAYLAND_DEBUG=client "$app" 2>"$log" & pid=$!
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  wait_for_keyboard "$log" 1 || fail "the main window never had the keyboard"
else
  main=$(find_window "Candelor - Zonal Cavity Method") || fail "the main window did not appear"
  xdotool windowfocus --sync "$main"
fi
sleep 0.3
# Room length is focused with its text selected: type 12, wait for a tick, then Tab to the button.
xdotool type --delay 50 "12"
sleep 0.3
for _ in $(seq 13); do xdotool key Tab; done
xdotool key Return
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  wait_for_log "$log" 'set_title("Pasting Calculation to Clipboard")' 1 ||
    fail "no confirmation was asked"
  wait_for_keyboard "$log" 2 || fail "the confirmation never had the keyboard"
else
  box=$(find_window "Pasting Calculation to Clipboard") || fail "no confirmation was asked"
  xdotool windowfocus --sync "$box" 2>/dev/null
fi
xdotool key Return
for _ in $(seq 50); do
  paste > "$out" 2>/dev/null
  grep -q '^Lighting Calculations' "$out" && break
  sleep 0.1
done

expected=$(printf '%s\r\n' \
  "Job Name/Room Name: Job and/or Room Name" \
  "=============================================================" \
  $'Room Length = 12 Ft\t|Width = 10 Ft\t|Area = 120 SqFt' \
  $'Room Cavity Height = 6 Ft\t|RCR = 5.5' \
  "Luminaire COU = 0.55" \
  $'Light Loss Factor = .76\t(LLD = 0.90)x(LDD = 0.85)' \
  $'Lamp Lumens = 2850\t   | No of lamps = 2' \
  "Number of Luminaires = 3.0" \
  "Lighting Level = 60 FC" \
  "=============================================================" \
  ""; printf x)
expected=${expected%x}
head -c 30 "$out" | grep -q '^Lighting Calculations - Date: ' || fail "first line: $(head -n 1 "$out")"
first=$(head -n 1 "$out")
[[ "$first" == *$'\r' ]] || fail "the first line does not end with CR LF"
actual=$(tail -n +2 "$out"; printf x)
actual=${actual%x}
if [ "$actual" != "$expected" ]; then
  echo "expected:"; printf '%s' "$expected" | od -c | head -40
  echo "actual:"; printf '%s' "$actual" | od -c | head -40
  fail "the clipboard does not hold the report"
fi
[ "$(grep -c $'\r$' "$out")" = 12 ] || fail "not exactly 12 CR LF pairs"
echo "real clipboard: the report arrived character for character; $first"

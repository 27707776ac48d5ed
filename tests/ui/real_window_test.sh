#!/usr/bin/env bash
# The built calculator in a real X window (run under xvfb-run): a second start shows
# "<name> Already running " and ends while the first keeps running; the close box ends the first.
set -u
app=$1
closer=$2
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'kill $first 2>/dev/null; kill $second 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# Waits until a window with the exact title exists and prints its id.
find_window() {
  local title=$1 id
  for _ in $(seq 100); do
    id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

"$app" & first=$!
main=$(find_window "Candelor - Zonal Cavity Method") || fail "the main window did not appear"

"$app" & second=$!
box=$(find_window "TavrinGroup") || fail "the second start showed no message"
[ "$(xdotool getwindowpid "$box")" = "$second" ] || fail "the message is not the second process's"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"

# Answer the message with Enter: the second process ends, the first keeps running.
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second instance is still running"
wait "$second" || fail "the second instance did not end cleanly"
kill -0 "$first" 2>/dev/null || fail "the first instance ended with the second"
[ "$(xdotool search --name '^Candelor - Zonal Cavity Method$' | wc -l)" = 1 ] ||
  fail "there is not exactly one main window"

# The close box ends the program at once.
"$closer" "$main"
for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first" 2>/dev/null && fail "the close box did not end the program"
wait "$first" || fail "the program did not end cleanly"
echo "real window: single instance and close box work"

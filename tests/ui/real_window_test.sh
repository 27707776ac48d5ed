#!/usr/bin/env bash
# The built calculator in a real X window (run under xvfb-run): a second start shows
# "<name> Already running " and ends while the first keeps running; the close box ends the first.
set -u
app=$1
closer=$2
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'kill $first 2>/dev/null; kill $second 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

source "$(dirname "$0")/x11_helpers.sh"

"$app" & first=$!
main=$(find_window "Candelor - Zonal Cavity Method") || fail "the main window did not appear"

"$app" & second=$!
box=$(find_window "TavrinGroup") || fail "the second start showed no message"
[ "$(xdotool getwindowpid "$box")" = "$second" ] || fail "the message is not the second process's"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"

# Answer the message with Enter: the second process ends, the first keeps running.
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
wait_gone "$second" || fail "the second instance is still running"
wait "$second" || fail "the second instance did not end cleanly"
kill -0 "$first" 2>/dev/null || fail "the first instance ended with the second"
[ "$(count_windows "Candelor - Zonal Cavity Method")" = 1 ] ||
  fail "there is not exactly one main window"

# The close box ends the program at once.
"$closer" "$main"
wait_gone "$first" || fail "the close box did not end the program"
wait "$first" || fail "the program did not end cleanly"
echo "real window: single instance and close box work"

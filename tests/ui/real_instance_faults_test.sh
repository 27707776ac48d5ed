#!/usr/bin/env bash
# Start-up around the faults a desktop has (run under xvfb-run): a lock left by a run that was
# killed, two starts at the same instant, and a runtime directory that cannot hold the lock.
set -u
app=$1
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
source "$(dirname "$0")/x11_helpers.sh"

# A run killed with SIGKILL leaves its lock file behind; the next start takes it over.
"$app" & first=$!; pids+=("$first")
wait_for_windows "Candelor - Zonal Cavity Method" 1 || fail "the first window did not appear"
kill -9 "$first"; wait "$first" 2>/dev/null
ls "$XDG_RUNTIME_DIR"/candelor.lock >/dev/null 2>&1 || fail "the killed run left no lock to recover"
"$app" 2>"$XDG_RUNTIME_DIR/second.err" & second=$!; pids+=("$second")
wait_for_windows "Candelor - Zonal Cavity Method" 1 ||
  fail "a stale lock stopped the next start ($(count_windows TavrinGroup) messages): $(cat "$XDG_RUNTIME_DIR/second.err")"
[ "$(count_windows TavrinGroup)" = 0 ] || fail "a stale lock was taken for a running instance"
kill "$second"; wait "$second" 2>/dev/null

# Two starts at the same instant: exactly one window, the other start says it is running.
"$app" & a=$!; "$app" & b=$!; pids+=("$a" "$b")
wait_for_windows "Candelor - Zonal Cavity Method" 1 || fail "neither start opened a window"
wait_for_windows "TavrinGroup" 1 || fail "the second start showed no message"
sleep 0.5
[ "$(count_windows "Candelor - Zonal Cavity Method")" = 1 ] || fail "two main windows"
box=$(xdotool search --name '^TavrinGroup$' | head -n 1)
loser=$(xdotool getwindowpid "$box")
xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return
wait_gone "$loser" || fail "the second start did not end"
kill "$a" "$b" 2>/dev/null; wait "$a" "$b" 2>/dev/null

# No runtime directory and no temporary directory to fall back on: the lock cannot be made, so
# the calculator starts anyway and says why.
err=$(mktemp)
XDG_RUNTIME_DIR=/proc/version/candelor TMPDIR=/proc/version "$app" 2>"$err" & c=$!; pids+=("$c")
wait_for_windows "Candelor - Zonal Cavity Method" 1 ||
  fail "no window without a lock directory (running: $(kill -0 "$c" 2>/dev/null && echo yes || echo no)): $(cat "$err")"
kill "$c"; wait "$c" 2>/dev/null
grep -q "starting without the single-instance check" "$err" || fail "no word on standard error: $(cat "$err")"
rm -f "$err"
echo "real window: stale lock, simultaneous starts and a missing lock directory handled"

#!/usr/bin/env bash
# Start-up around the faults a desktop has (run under xvfb-run): a lock left by a run that was
# killed, anything else in the lock's place, two starts at the same instant, a runtime directory
# that cannot hold the lock, and no display at all.
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
# Started with standard error closed (as some launchers do) over a stale lock: the window shows,
# and a second start finds it running.
rm -f "$XDG_RUNTIME_DIR/candelor.lock"; : >"$XDG_RUNTIME_DIR/candelor.lock"
"$app" 2>&- & c=$!; pids+=("$c")
wait_for_windows "Candelor - Zonal Cavity Method" 1 || fail "no window with standard error closed"
"$app" 2>/dev/null & q=$!; pids+=("$q")
box=$(find_window "TavrinGroup") || fail "standard error closed: a second start did not find it running"
xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return; wait_gone "$q"
kill "$c"; wait "$c" 2>/dev/null
# A relative runtime directory is ignored: two starts from two folders are one calculator.
here=$(mktemp -d); mkdir "$here/a" "$here/b"
(cd "$here/a" && XDG_RUNTIME_DIR=run TMPDIR=$here exec "$app" 2>/dev/null) & c=$!; pids+=("$c")
wait_for_windows "Candelor - Zonal Cavity Method" 1 || fail "no window with a relative runtime directory"
(cd "$here/b" && XDG_RUNTIME_DIR=run TMPDIR=$here exec "$app" 2>/dev/null) & q=$!; pids+=("$q")
box=$(find_window "TavrinGroup") || fail "a relative runtime directory let a second calculator start"
xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return; wait_gone "$q"
kill "$c"; wait "$c" 2>/dev/null
# A read-only runtime directory: the start says so, in the system's words.
if mount -t tmpfs -o ro,size=64k,mode=700 tmpfs "$here/a" 2>/dev/null; then
  XDG_RUNTIME_DIR=$here/a "$app" 2>"$here/err" & c=$!; pids+=("$c")
  wait_for_windows "Candelor - Zonal Cavity Method" 1 || fail "no window on a read-only runtime directory"
  kill "$c"; wait "$c" 2>/dev/null; umount "$here/a"
  grep -q "Read-only file system" "$here/err" || fail "read-only runtime directory: $(cat "$here/err")"
fi
rm -rf "$here"
# Whatever stands in the lock's place, the calculator starts, follows no link and writes
# through none; once it runs, a second start finds it running.
lock="$XDG_RUNTIME_DIR/candelor.lock"
outside=$(mktemp -d)
for kind in empty garbage unreadable other-live-pid directory dangling-link link-to-file \
            link-to-directory fifo full-directory; do
  rm -rf "$lock" "$outside"/*
  case $kind in
    empty) : >"$lock" ;;
    garbage) head -c 300 /dev/urandom >"$lock" ;;
    unreadable) echo 1 >"$lock"; chmod 000 "$lock" ;;
    other-live-pid) printf '%s\ncandelor\n%s\n' "$$" "$(hostname)" >"$lock" ;;
    directory) mkdir "$lock" ;;
    dangling-link) ln -s "$outside/nowhere" "$lock" ;;
    link-to-file) echo keep >"$outside/file"; ln -s "$outside/file" "$lock" ;;
    link-to-directory) mkdir "$outside/dir"; ln -s "$outside/dir" "$lock" ;;
    fifo) mkfifo "$lock" ;;
    full-directory) mkdir "$lock"; touch "$lock/something" ;;
  esac
  start=$(date +%s%N)
  "$app" 2>"$outside/err" & p=$!; pids+=("$p")
  wait_for_windows "Candelor - Zonal Cavity Method" 1 ||
    fail "$kind: no window (running: $(kill -0 "$p" 2>/dev/null && echo yes || echo no)): $(cat "$outside/err")"
  echo "  $kind: window after $(( ($(date +%s%N) - start) / 1000000 )) ms"
  [ ! -e "$outside/nowhere" ] || fail "$kind: wrote through the link"
  [ "$kind" != link-to-file ] || [ "$(cat "$outside/file")" = keep ] || fail "$kind: the link's target changed"
  [ "$kind" != link-to-directory ] || [ -z "$(ls -A "$outside/dir")" ] || fail "$kind: wrote into the linked directory"
  if [ "$kind" = full-directory ]; then
    grep -q "starting without the single-instance check" "$outside/err" || fail "$kind: no word on standard error"
    [ -e "$lock/something" ] || fail "$kind: removed a directory with contents"
  else
    [ -f "$lock" ] && [ ! -L "$lock" ] || fail "$kind: no lock file of its own"
    "$app" 2>/dev/null & q=$!; pids+=("$q")
    box=$(find_window "TavrinGroup") || fail "$kind: a second start did not find the first running"
    xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return
    wait_gone "$q" || fail "$kind: the second start did not end"
  fi
  kill "$p"; wait "$p" 2>/dev/null
done
rm -rf "$outside" "$lock"

# No display: one line that says what is missing, status 1, no core dump, no lock left behind.
err=$(mktemp)
env -u DISPLAY -u WAYLAND_DISPLAY "$app" 2>"$err"; status=$?
[ "$status" = 1 ] || fail "without a display the status is $status: $(cat "$err")"
[ "$(wc -l <"$err")" = 1 ] && grep -q '^candelor: cannot open a window: no display' "$err" ||
  fail "without a display stderr says: $(cat "$err")"
[ ! -e "$lock" ] || fail "a start without a display left a lock"
DISPLAY=:59999 "$app" 2>"$err"; status=$?
[ "$status" = 1 ] && grep -q 'cannot connect to the display ":59999"' "$err" ||
  fail "with an unreachable display: status $status, $(cat "$err")"
rm -f "$err"
echo "real window: stale or bad locks, simultaneous starts, no lock directory and no display handled"

#!/usr/bin/env bash
# Runs a test as a native Wayland client of weston, which runs as a client of the X server the
# test is given (xvfb-run): weston's X11 backend gives it a real seat, whose keyboard and pointer
# are the X server's, so input faked on the X server reaches the program as a person's would.
#   with_compositor.sh TEST [ARG...]
set -u
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
fi
socket=wayland-candelor-$$
log=$(mktemp)
weston --debug --backend=x11-backend.so --use-pixman --config="$(cd "$(dirname "$0")" && pwd)/weston.ini" --socket="$socket" \
  --width=1024 --height=768 --log="$log" >/dev/null 2>&1 &
compositor=$!
trap 'kill "$compositor" 2>/dev/null; wait "$compositor" 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && grep -q 'launching' "$log" 2>/dev/null && break
  sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "FAIL: weston did not start"; cat "$log"; exit 1; }
# The desktop shell's background is drawn once weston has taken the seat.
sleep 0.3
# The program is a Wayland client only: the X display stays for the test's own input and tools.
# By its full path, so that a test may give the program a runtime directory of its own.
WAYLAND_DISPLAY=$XDG_RUNTIME_DIR/$socket QT_QPA_PLATFORM=wayland CANDELOR_SEAT_DISPLAY=$DISPLAY "$@"

#!/usr/bin/env bash
# Runs a real-window test under a real window manager (openbox) on the X server it is given:
# frames, stacking, activation and transient windows as people have them.
#   with_window_manager.sh TEST [ARG...]
set -u
openbox --sm-disable --config-file "$(dirname "$0")/openbox-rc.xml" >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null' EXIT
# The window manager has taken over once it names itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || {
  echo "FAIL: openbox did not start"
  exit 1
}
"$@"

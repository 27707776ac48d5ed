# Shared by the real-window tests: waiting for windows of the X server the test runs under.
# shellcheck shell=bash

fail() { echo "FAIL: $*"; exit 1; }

# The EGL libraries (Mesa's renderer, its LLVM) mapped in process $1, which a window of widgets
# painted in software never needs.
egl_mapped() { grep -Eo 'libEGL_mesa|libLLVM[^/ ]*|[a-z]+_dri\.so' "/proc/$1/maps" | sort -u | xargs; }

# Waits until a window with the exact title exists and prints its id.
find_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Counts the windows with the exact title; a window that goes away while being listed (a window
# manager's stacking makes that likelier) makes xdotool fail, and the list is taken again.
count_windows() {
  local err out
  err=$(mktemp)
  for _ in 1 2 3 4 5; do
    out=$(xdotool search --name "^$1\$" 2>"$err")
    grep -q 'X Error' "$err" || break
    sleep 0.05
  done
  rm -f "$err"
  if [ -n "$out" ]; then wc -l <<<"$out"; else echo 0; fi
}

# Waits until at least COUNT windows with the exact title exist.
wait_for_windows() {
  for _ in $(seq 100); do
    [ "$(count_windows "$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits until the process has ended.
wait_gone() {
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

# On Wayland (under with_compositor.sh) a test cannot list the program's windows; it reads the
# program's own Wayland log (WAYLAND_DEBUG=client on its standard error) instead.
# Waits until the log has at least COUNT lines matching the pattern.
wait_for_log() {
  for _ in $(seq 100); do
    [ "$(grep -c -- "$2" "$1" 2>/dev/null)" -ge "$3" ] && return 0
    sleep 0.1
  done
  return 1
}
# Waits until the compositor has given the keyboard to one of the program's windows the COUNTth
# time: a window shown and focused.
wait_for_keyboard() { wait_for_log "$1" 'wl_keyboard@[0-9]*\.enter(' "$2"; }


# Shared by the real-window tests: waiting for windows of the X server the test runs under.
# shellcheck shell=bash

fail() { echo "FAIL: $*"; exit 1; }

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

count_windows() { xdotool search --name "^$1\$" 2>/dev/null | wc -l; }

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

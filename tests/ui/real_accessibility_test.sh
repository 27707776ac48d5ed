#!/usr/bin/env bash
# The calculator with Debian's screen reader, Orca, speaking: a private D-Bus session with its
# own accessibility bus, an X server and openbox, then real_accessibility_test.py, which starts
# Orca and the built program and compares what Orca says with its table of steps.
#   real_accessibility_test.sh CANDELOR
set -u
app=$1
here=$(cd "$(dirname "$0")" && pwd)
export XDG_RUNTIME_DIR=$(mktemp -d) HOME=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR" "$HOME"' EXIT
launcher=$(ls /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher 2>/dev/null | head -n 1)
[ -n "$launcher" ] || { echo "FAIL: at-spi-bus-launcher not found"; exit 1; }
# A desktop turns accessibility on when a screen reader runs; here the calculator is told to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
  "$0" --launch-immediately &
  bus=$!
  trap "kill $bus 2>/dev/null" EXIT
  sleep 0.3
  "$1/with_window_manager.sh" /usr/bin/python3 "$1/real_accessibility_test.py" "$2"
' "$launcher" "$here" "$app" 2> >(grep -v "Failed to set fd limit\|SpiRegistry daemon\|Activating service\|Successfully activated" >&2)

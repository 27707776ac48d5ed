#!/usr/bin/env bash
# The calculator through AT-SPI, as a screen reader meets it: a private D-Bus session, its own
# accessibility bus and an X server, then real_accessibility_test.py against the built program.
#   real_accessibility_test.sh CANDELOR
set -u
app=$1
here=$(cd "$(dirname "$0")" && pwd)
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
launcher=$(ls /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher 2>/dev/null | head -n 1)
[ -n "$launcher" ] || { echo "FAIL: at-spi-bus-launcher not found"; exit 1; }
# A desktop turns accessibility on when a screen reader runs; here the calculator is told to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
  "$0" --launch-immediately &
  bus=$!
  trap "kill $bus 2>/dev/null" EXIT
  sleep 0.3
  /usr/bin/python3 "$1" "$2"
' "$launcher" "$here/real_accessibility_test.py" "$app" 2> >(grep -v "Failed to set fd limit\|SpiRegistry daemon\|Activating service\|Successfully activated" >&2)

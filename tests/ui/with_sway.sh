#!/usr/bin/env bash
# Runs a test as a native Wayland client of sway, headless: a compositor that draws the windows'
# title bars itself, as KDE and the other wlroots desktops do. sway will not run as root; there
# it runs as nobody, in a runtime directory of its own.
#   with_sway.sh TEST [ARG...]
set -u
dir=$(mktemp -d)
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown nobody "$dir"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 700 "$dir"
printf 'output HEADLESS-1 resolution 1024x768\n' >"$dir.conf"
chmod 644 "$dir.conf"
XDG_RUNTIME_DIR=$dir WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  "${as_user[@]}" sway --config "$dir.conf" >/dev/null 2>&1 &
compositor=$!
trap 'kill "$compositor" 2>/dev/null; wait "$compositor" 2>/dev/null; rm -rf "$dir" "$dir.conf"' EXIT
for _ in $(seq 100); do
  socket=$(find "$dir" -maxdepth 1 -type s -name 'wayland-*' | head -n 1)
  ipc=$(find "$dir" -maxdepth 1 -type s -name 'sway-ipc.*' | head -n 1)
  [ -n "$socket" ] && [ -n "$ipc" ] && break
  sleep 0.05
done
[ -n "$socket" ] || { echo "FAIL: sway did not start"; exit 1; }
WAYLAND_DISPLAY=$socket SWAYSOCK=$ipc QT_QPA_PLATFORM=wayland "$@"

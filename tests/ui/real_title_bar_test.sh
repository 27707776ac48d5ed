#!/usr/bin/env bash
# Where the compositor draws the title bars (sway, under with_sway.sh), the window has sway's title
# bar with its title, and the program never starts EGL: some 50 MB of Mesa's renderer and LLVM
# that Qt would load only to decide whether to draw a title bar itself.
#   real_title_bar_test.sh CANDELOR
set -u
source "$(dirname "$0")/x11_helpers.sh"
home=$(mktemp -d)
HOME=$home XDG_RUNTIME_DIR=$home "$1" 2>/dev/null &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$home"' EXIT
# The window's border as sway keeps it: "normal" is sway's title bar, "csd" the client's own; and
# the width the program gave it, 443 px (6645 twips), which a title bar of its own would widen.
for _ in $(seq 100); do
  border=$(swaymsg -t get_tree | python3 -c 'import json, sys
def walk(n):
    if n.get("name") == "Candelor - Zonal Cavity Method": print(n["border"], n["geometry"]["width"])
    for c in n.get("nodes", []) + n.get("floating_nodes", []): walk(c)
walk(json.load(sys.stdin))')
  [ -n "$border" ] && break
  sleep 0.1
done
[ "$border" = "normal 443" ] || fail "not sway's title bar alone (border, width: '$border')"
egl=$(egl_mapped $pid)
[ -z "$egl" ] || fail "EGL was started: $egl"
echo "PASS: sway's title bar, and no EGL"

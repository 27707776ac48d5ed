#!/usr/bin/env bash
# Where the compositor draws the title bars (sway, under with_sway.sh), the window has the
# compositor's title bar with its title, and the program never starts EGL: some 50 MB of Mesa's
# renderer and LLVM that Qt would load only to decide whether to draw a title bar itself.
#   real_title_bar_test.sh CANDELOR
set -u
app=$1
home=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
HOME=$home XDG_RUNTIME_DIR=$runtime "$app" 2>/dev/null &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$home" "$runtime"' EXIT
title='Candelor - Zonal Cavity Method'
# The window's border as sway keeps it: "normal" is sway's own title bar, "csd" the client's.
border=
for _ in $(seq 100); do
  border=$(swaymsg -t get_tree 2>/dev/null | python3 -c '
import json, sys
def walk(n):
    if n.get("name") == sys.argv[1] and n.get("pid"):
        print(n.get("border"))
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))' "$title")
  [ -n "$border" ] && break
  sleep 0.1
done
fail=0
[ "$border" = normal ] || { echo "FAIL: no compositor title bar for '$title' (border '$border')"; fail=1; }
if grep -q -E 'libLLVM|libEGL_mesa|_dri\.so' "/proc/$pid/maps"; then
  echo "FAIL: EGL was started: $(grep -o -E '[^/]*(libLLVM|libEGL_mesa|_dri\.so)[^ ]*' "/proc/$pid/maps" | sort -u | tr '\n' ' ')"
  fail=1
fi
[ $fail = 0 ] && echo "PASS: the compositor's title bar, and no EGL"
exit $fail

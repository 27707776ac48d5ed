#!/usr/bin/env bash
# Instructions from process start to the window exposed, counted by callgrind: the start-up goal's
# measure, deterministic where the clock is not. Run under an X server (scripts/bench starts Xvfb).
#   instructions.sh STARTUP_PROBE BARE_WINDOW
set -euo pipefail
probe=$1 bare=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Millions of instructions of one run; a program that quits when exposed is counted to its quit
# (what follows is teardown), one that ends at once is counted whole. Qt forks a helper now and
# then, which callgrind follows into a file of its own: only the program's own pid is read.
count() {
  local name=$1
  shift
  valgrind --tool=callgrind --callgrind-out-file="$out/$name.%p" \
    --dump-before='QCoreApplication::quit*' "$@" >/dev/null 2>&1 &
  local pid=$!
  wait "$pid"
  local part="$out/$name.$pid.1"
  [ -f "$part" ] || part="$out/$name.$pid"
  sed -n 's/^totals: //p' "$part" | awk '{ printf "%.1f", $1 / 1e6 }'
}

calculator=$(count calculator "$probe" --exposed)
text=$(count text "$bare" --text)
controls=$(count controls "$bare" --controls)
groups=$(count groups "$bare" --groups)
awk -v c="$calculator" -v t="$text" -v p="$controls" -v g="$groups" 'BEGIN {
  printf "instructions to the window exposed: calculator %.1f M, bare window with text %.1f M, ", c, t
  printf "ratio %.2f (goal <= 1.10)\n", c / t
  printf "the same controls as plain Qt widgets, no logic: %.1f M, %.2f x the bare window with ", p, p / t
  printf "text; the calculator %.2f x it\n", c / p
  printf "its menu bar and framed groups alone: %.1f M, %.2f x the bare window with text\n", g, g / t
}'

#!/usr/bin/env bash
# Runs the event fuzzer for a bounded time from the seed scenarios. For a long run:
#   tests/fuzz/run_fuzzer.sh build/fuzz/tests/event_fuzzer 3600
set -euo pipefail
fuzzer=$1
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/artifacts"

# Every input that once broke an invariant is replayed first.
"$fuzzer" "$here"/regressions/* 2>&1 | tail -n 3

status=0
"$fuzzer" "$work/corpus" "$here/corpus" -dict="$here/events.dict" -max_total_time="$seconds" \
  -max_len=12000 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" > "$work/log" 2>&1 || status=$?
grep -E '^(invariant broken|SUMMARY|Done|stat::number_of_executed_units|events executed)' "$work/log" || true
if [ "$status" -ne 0 ]; then
  tail -n 60 "$work/log"
  for crash in "$work"/artifacts/*; do
    [ -f "$crash" ] || continue
    kept="${TMPDIR:-/tmp}/candelor-$(basename "$crash")"
    cp "$crash" "$kept"
    echo "--- reproducing input, kept as $kept (add it to tests/fuzz/regressions/):"
    od -c "$crash" | head -n 40
  done
fi
exit "$status"

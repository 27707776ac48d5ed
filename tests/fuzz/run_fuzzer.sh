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
"$fuzzer" "$work/corpus" "$here/corpus" -dict="$here/events.dict" -max_total_time="$seconds" \
  -max_len=12000 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" 2>&1 | tail -n 30
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
  for crash in "$work"/artifacts/*; do
    [ -f "$crash" ] || continue
    echo "--- reproducing input ($crash):"; head -c 2000 "$crash"; echo
  done
fi
exit "$status"

#!/usr/bin/env bash
# Runs one fuzz target for a bounded time from a fresh seed corpus.
# Fails on any crash, sanitizer report, timeout or memory use above 512 MiB.
set -euo pipefail
fuzzer=$1 seeds=$2 kind=$3 work=$4 seconds=$5
dir="$work/$kind"
rm -rf "$dir" && mkdir -p "$dir/seeds" "$dir/corpus"
"$seeds" "$kind" "$dir/seeds"
# The targets write each input (and the saves under test, which are flushed to
# disk) as files; on a memory file system that costs nothing, so the time goes
# into inputs rather than into waiting for the disk.
scratch="$dir"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  scratch=$(mktemp -d /dev/shm/vask-fuzz-"$kind".XXXXXX)
  trap 'rm -rf "$scratch"' EXIT
fi
cd "$scratch"
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=512 -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$dir/" "$dir/corpus" "$dir/seeds" > "$dir/log.txt" 2>&1 || {
  tail -60 "$dir/log.txt"
  echo "fuzz target $kind failed; the crashing input is in $dir/" >&2
  exit 1
}
grep -E "stat::number_of_executed_units|Done" "$dir/log.txt" | tail -2

#!/usr/bin/env bash
# Runs the long soak twice: both runs must pass on their own (no crash, memory
# within 10 % of tick 20,000) and end in the same world.
set -euo pipefail
soak=$1 ticks=$2
first=$("$soak" "$ticks")
echo "$first"
second=$("$soak" "$ticks")
a=$(grep '^hash ' <<<"$first") b=$(grep '^hash ' <<<"$second")
if [ "$a" != "$b" ]; then
  echo "the two runs ended in different worlds: $a / $b" >&2
  exit 1
fi
echo "second run: $b"

#!/usr/bin/env bash
# Counts the differing pixels of every picture two picture_set.sh runs share:
#   tools/bench/picture_diff.sh BEFORE_DIR AFTER_DIR
set -uo pipefail
cd "$1" || exit 2
find . -name '*.png' | sort | while read -r f; do
    if [ ! -f "$2/$f" ]; then echo "$f: missing"; continue; fi
    n=$(compare -metric AE "$f" "$2/$f" null: 2>&1)
    echo "$f: $n"
done

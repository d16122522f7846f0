#!/bin/bash
# startup.sh RUN_DIR [RUNS]: wall time from starting the game to its first menu
# frame on the screen, under Xvfb with software GL and no audio device. Prints
# every run and the median.
set -e
run_dir=$(cd "$1" && pwd)
runs=${2:-5}
if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$run_dir" "$runs"
fi
cd "$run_dir"
times=()
for i in $(seq "$runs"); do
    out=$(mktemp)
    start=$(date +%s.%N)
    VASK_FIRST_FRAME_CLOCK=1 SDL_AUDIODRIVER=dummy ./vask >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 300); do
        grep -q "^first frame at" "$out" && break
        sleep 0.02
    done
    # Processor time used so far (user + system, in clock ticks): steadier
    # than the wall clock on a busy machine.
    cpu=$(awk -v hz="$(getconf CLK_TCK)" '{printf "%.2f", ($14 + $15) / hz}' "/proc/$pid/stat" 2>/dev/null || echo "?")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    at=$(sed -n 's/^first frame at //p' "$out")
    rm -f "$out"
    [ -n "$at" ] || { echo "run $i: no first frame within 6 s"; continue; }
    t=$(awk -v a="$at" -v b="$start" 'BEGIN {printf "%.6f", a - b}')
    printf "run %d: %.3f s (processor %s s)\n" "$i" "$t" "$cpu"
    times+=("$t")
done
[ ${#times[@]} -gt 0 ] || exit 1
printf "%s\n" "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "median %.3f s over %d runs (target <= 1.5 s)\n", a[int((NR+1)/2)], NR}'

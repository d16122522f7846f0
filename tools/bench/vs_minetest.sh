#!/usr/bin/env bash
# Times this game's pictures and Minetest's, alternately, in the same minutes:
#   tools/bench/vs_minetest.sh [ROUNDS] [BUILD_DIR ...]
# Several build folders (say one of the code before a change and one after)
# are timed in turn in every round.
# This game: vask_screenshot --time at 800x600 on the guided map's start view
# and on the skirmish view of docs/PERFORMANCE.md, SHADOWS 0 and 3 (median wall
# time of 40 frames with glFinish, and processor time). Minetest (Debian
# package `minetest`, the game its data package ships, viewing_range 100,
# shaders on, 800x600, fixed map seed): the mean of its own profiler's
# "Game::updateFrame(): update frame [ms]" over the last intervals of a run,
# after the map around the player has been generated. Without Minetest only
# this game is measured. LP_NUM_THREADS, if set, applies to both.
set -uo pipefail
rounds=${1:-3}
shift || true
builds=()
for b in "${@:-build}"; do builds+=("$(cd "$b" && pwd)"); done
export SDL_AUDIODRIVER=dummy
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
"${builds[0]}/tools/render_fixtures/vask_render_fixtures" "$tmp" >/dev/null 2>&1
mt=$(command -v minetest || ls /usr/games/minetest 2>/dev/null)
[ -z "$mt" ] && echo "Minetest is not installed (apt-get install minetest): measuring this game alone"

vask() { # build folder, label, screenshot arguments...
    local run=$1/run shot=$1/tools/screenshot/vask_screenshot label="$1: $2"; shift 2
    local line
    line=$(cd "$run" && xvfb-run -a -s "-screen 0 1024x768x24" "$shot" "$@" --frames 40 --time --out "$tmp/t.png" 2>/dev/null | grep '^frame:')
    echo "$label: $line"
}

minetest_run() {
    mkdir -p "$tmp/mt/world"
    printf 'gameid = minetest_game\nbackend = sqlite3\nplayer_backend = sqlite3\nauth_backend = sqlite3\n' >"$tmp/mt/world/world.mt"
    printf '%s\n' "screen_w = 800" "screen_h = 600" "viewing_range = 100" "enable_shaders = true" \
        "fps_max = 1000" "fps_max_unfocused = 1000" "vsync = false" "profiler_print_interval = 5" \
        "enable_sound = false" "fixed_map_seed = 4242" "enable_damage = false" >"$tmp/mt/mt.conf"
    local seconds=${MT_SECONDS:-60}
    timeout "$seconds" xvfb-run -a -s "-screen 0 1024x768x24" "$mt" --info --go --world "$tmp/mt/world" \
        --config "$tmp/mt/mt.conf" --name bench >"$tmp/mt/out.txt" 2>&1 &
    local runner=$!
    # Processor time of the Minetest process over its last 15 seconds (the
    # last three profiler intervals), for a figure that the machine's load
    # disturbs less than the wall clock.
    sleep $((seconds - 16))
    local pid t0 t1
    pid=$(pgrep -n -x minetest)
    t0=$(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null)
    sleep 15
    t1=$(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null)
    wait "$runner"
    local frames verts count
    frames=$(grep 'Game::updateFrame(): update frame \[ms\]' "$tmp/mt/out.txt" | tail -3 | awk '{print $NF}' | sort -n | sed -n 2p)
    count=$(grep 'Game::updateFrame(): update frame \[ms\]' "$tmp/mt/out.txt" | tail -3 | awk '{sub("x", "", $(NF-1)); n += $(NF-1)} END {print n}')
    verts=$(grep 'renderMap(SOLID): vertices drawn' "$tmp/mt/out.txt" | tail -3 | awk '{print $NF}' | sort -n | sed -n 2p)
    local cpu="?"
    [ -n "$t0" ] && [ -n "$t1" ] && [ "${count:-0}" -gt 0 ] &&
        cpu=$(awk -v a="$t0" -v b="$t1" -v n="$count" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.1f", (b - a) * 1000 / hz / n }')
    echo "minetest viewing_range 100: median of the last three intervals' mean frame ${frames:-?} ms; processor time ${cpu} ms a frame (${count:-?} frames, server thread included); solid vertices drawn ${verts:-?}"
}

date -u
for r in $(seq "$rounds"); do
    echo "round $r (load $(cut -d' ' -f1-3 /proc/loadavg))"
    for b in "${builds[@]}"; do
        for s in 0 3; do
            vask "$b" "guided map start, SHADOWS $s" --map "$b/run/Maps/first_steps.map" --shadows "$s"
            vask "$b" "skirmish view, SHADOWS $s" --map "$tmp/skirmish.map" --yaw 270 --pit 10 --shadows "$s"
        done
    done
    [ -n "$mt" ] && minetest_run
done
date -u

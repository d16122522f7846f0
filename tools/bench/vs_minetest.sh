#!/usr/bin/env bash
# Times this game's pictures and Minetest's, alternately, in the same minutes:
#   tools/bench/vs_minetest.sh [ROUNDS] [BUILD_DIR]
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
build=$(cd "${2:-build}" && pwd)
run="$build/run"; shot="$build/tools/screenshot/vask_screenshot"
export SDL_AUDIODRIVER=dummy
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
"$build/tools/render_fixtures/vask_render_fixtures" "$tmp" >/dev/null 2>&1
mt=$(command -v minetest || ls /usr/games/minetest 2>/dev/null)
[ -z "$mt" ] && echo "Minetest is not installed (apt-get install minetest): measuring this game alone"

vask() { # label, screenshot arguments...
    local label=$1; shift
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
    timeout "${MT_SECONDS:-60}" xvfb-run -a -s "-screen 0 1024x768x24" "$mt" --info --go --world "$tmp/mt/world" \
        --config "$tmp/mt/mt.conf" --name bench >"$tmp/mt/out.txt" 2>&1
    # The last three intervals: the map near the player is made by then.
    local frames verts
    frames=$(grep 'Game::updateFrame(): update frame \[ms\]' "$tmp/mt/out.txt" | tail -3 | awk '{print $NF}' | sort -n | sed -n 2p)
    verts=$(grep 'renderMap(SOLID): vertices drawn' "$tmp/mt/out.txt" | tail -3 | awk '{print $NF}' | sort -n | sed -n 2p)
    echo "minetest viewing_range 100: median of the last three intervals' mean frame ${frames:-?} ms, solid vertices drawn ${verts:-?}"
}

date -u
for r in $(seq "$rounds"); do
    echo "round $r (load $(cut -d' ' -f1-3 /proc/loadavg))"
    for s in 0 3; do
        vask "guided map start, SHADOWS $s" --map "$run/Maps/first_steps.map" --shadows "$s"
        vask "skirmish view, SHADOWS $s" --map "$tmp/skirmish.map" --yaw 270 --pit 10 --shadows "$s"
    done
    [ -n "$mt" ] && minetest_run
done
date -u

#!/usr/bin/env bash
# Measures the game's pace and processor use in a real window under Xvfb:
# the main menu, the guided map (first_steps) while playing and paused, and a
# skirmish world while playing. Prints one line per phase: processor use in
# per cent of one core over SECONDS (default 20) of wall time, and for each
# game the line the game prints when it ends (steps and pictures per second).
#   tools/bench/pace_and_idle.sh build/run build [SHADOWS] [SECONDS]
source "$(dirname "$0")/../../tests/window/lib.sh"
SHADOW_SETTING=${3:-0}
SECONDS_PER_PHASE=${4:-20}
require_drawing
make_run_folder
cp "$RUN_DIR/Maps/first_steps.map" "$GAME/Maps/"
printf 'SHADOWS=%s\nEXTRA_MODES=true\n' "$SHADOW_SETTING" >"$GAME/settings.ini"

# Processor time of the game (user + system, every thread) over $1 seconds.
cpu_use() {
    local hz a b t0 t1
    hz=$(getconf CLK_TCK)
    a=$(awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat")
    t0=$(date +%s.%N)
    sleep "$1"
    b=$(awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat")
    t1=$(date +%s.%N)
    awk -v a="$a" -v b="$b" -v hz="$hz" -v t0="$t0" -v t1="$t1" 'BEGIN { printf "%.1f %%", 100 * (b - a) / hz / (t1 - t0) }'
}

# Pause (Escape again if a conversation took the first), "Quit", then the end
# screen's "Back to Menu"; prints the pace line.
quit_game() { # measure the pause too when $1 is set
    for _ in 1 2 3 4 5; do
        xdotool key Escape
        wait_rows 11 && break
    done
    wait_rows 11 || fail "no pause screen"
    [ -n "${1:-}" ] && echo "paused: $(cpu_use "$SECONDS_PER_PHASE")"
    shot paused
    click_at $WIDGET_X "$(row_y 0)"
    wait_for_change failure paused 180 66 40 34 0.02 100 || fail "no end screen"
    poll 100 grep -q "^Pace:" "$WORK/out.txt" || fail "no pace line"
    grep "^Pace:" "$WORK/out.txt" | tail -1
    click_at $WIDGET_X "$(row_y 0)"
    wait_for_change back failure 500 300 300 300 0.3 100 || fail "'Back to Menu' did not leave the end screen"
}

echo "SHADOWS=$SHADOW_SETTING, load $(cut -d' ' -f1-3 /proc/loadavg)"
open_menu
echo "main menu: $(cpu_use "$SECONDS_PER_PHASE")"

click_until_change $WIDGET_X "$(row_y 0)" menu load 240 163 160 16 || fail "'Demo Maps' did not open"
click_until $WIDGET_X "$(row_y 0)" loading first_steps.map || fail "first_steps was not launched"
point_at 400 300
wait_for_change start load 0 300 800 300 0.3 300 || fail "the guided map did not appear"
# The guided map talks now and then: a key every half second ends each
# conversation at once (in play it only hops).
(while :; do xdotool key space; sleep 0.5; done) &
TALKER=$!
sleep 3
echo "first_steps playing: $(cpu_use "$SECONDS_PER_PHASE")"
kill "$TALKER"
quit_game pause

# The list again: "Back" to the main menu, then "Skirmish" twice.
click_until_change $WIDGET_X "$(row_y 1)" back menu2 240 163 160 16 || fail "'Back' did not leave the map list"
click_until_change $WIDGET_X "$(row_y 2)" menu2 options 240 163 160 16 || fail "'Skirmish' did not open its options"
click_at $WIDGET_X "$(row_y 5)"
wait_for_change skirmish options 0 300 800 300 0.3 600 || fail "the skirmish world did not appear"
sleep 2
shot skirmish
echo "skirmish playing: $(cpu_use "$SECONDS_PER_PHASE")"
quit_game
# Escape leaves the skirmish options for the main menu, and quits there.
xdotool key Escape
sleep 1
kill -0 "$GAME_PID" 2>/dev/null && xdotool key Escape
wait_for_exit 100
echo "load $(cut -d' ' -f1-3 /proc/loadavg)"

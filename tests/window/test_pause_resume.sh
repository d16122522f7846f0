# Pausing in mid-walk: the key let go while the pause menu is up stops the walk,
# and after "Resume" the pointer waits at the window centre. Mouse look turns by
# the pointer's distance from the middle, so a one-pixel move must then turn the
# view by a fraction of a degree, not by the distance to where "Resume" was.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
launch_fixture_map
sleep 0.5

# Takes shots as $1 until two in a row, 0.3 s apart, show the same view.
still() {
    shot "$1"
    for _ in $(seq 1 100); do
        sleep 0.3
        shot still_next
        awk -v d="$(region_diff "$1" still_next 0 150 800 300)" 'BEGIN { exit !(d < 0.002) }' && return 0
        cp "$WORK/still_next.png" "$WORK/$1.png"
    done
    return 1
}

xdotool keydown s
sleep 0.5
xdotool key Escape
shot walking
wait_for_change paused walking 200 60 250 120 0.05 100 || fail "no pause screen"
xdotool keyup s
sleep 0.3
click_at $WIDGET_X "$(row_y 1)"  # "Resume"
wait_for_change resumed paused 200 60 250 120 0.05 100 || fail "'Resume' did not close the pause screen"

eval "$(xdotool getmouselocation --shell)"
[ "$X" -eq $((WX + 400)) ] && [ "$Y" -eq $((WY + 300)) ] ||
    fail "the pointer stayed at $X,$Y instead of the window centre $((WX + 400)),$((WY + 300))"

# The player stands still once the step's momentum has died away: the striped
# wall ahead does not move.
sleep 4
shot still1
sleep 1.5
shot still2
moved=$(region_diff still1 still2 100 100 600 350)
echo "after resuming: moved $moved"
awk -v d="$moved" 'BEGIN { exit !(d < 0.02) }' || fail "the player walks on after the key was let go ($moved)"

still rest || fail "the view never came to rest"
xdotool mousemove_relative 1 0
sleep 1
still nudged || fail "the view never came to rest after the move"
turned=$(region_diff rest nudged 0 150 800 300)
echo "after the nudge: turned $turned"
awk -v d="$turned" 'BEGIN { exit !(d < 0.05) }' || fail "the view jumped after resuming ($turned)"
kill -0 "$GAME_PID" || fail "the game ended"
echo PASS

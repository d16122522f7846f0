# After a panel closes, mouse look follows the mouse's movement, not where the
# pointer was left: the first small move after "Resume" (clicked far from the
# middle) must not jerk the view. The player starts above the ground and falls,
# so the test first waits for the view to rest.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
launch_fixture_map
wait_for_change start menu 0 300 800 300 0.3 100 || fail "the game view did not appear"
wait_still before 200 150 400 270 || fail "the view never came to rest"

xdotool key Escape
wait_for_change paused before 200 60 250 120 0.05 100 || fail "no pause screen"
click_at $WIDGET_X "$(row_y 1)"  # "Resume"
for _ in $(seq 1 100); do
    shot resumed
    awk -v d="$(region_diff before resumed 0 60 450 130)" 'BEGIN { exit !(d < 0.01) }' && break
    sleep 0.1
done
awk -v d="$(region_diff before resumed 0 60 450 130)" 'BEGIN { exit !(d < 0.01) }' || fail "'Resume' did not close the pause screen"

# A one-pixel move of the mouse turns the view by a fraction of a degree.
xdotool mousemove_relative 1 0
sleep 1
wait_still after 200 150 400 270 || fail "the view never came to rest after the move"
turned=$(region_diff before after 200 150 400 270)
awk -v d="$turned" 'BEGIN { exit !(d < 0.05) }' || fail "the view jumped after the panel closed ($turned)"
kill -0 "$GAME_PID" || fail "the game ended"
echo PASS

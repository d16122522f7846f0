# Pausing in mid-walk: the key let go while the pause menu is up stops the walk,
# and after "Resume" the first nudge of the mouse turns the view a little (look
# follows the mouse's movement, not where the pointer was left on the panel).
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
launch_fixture_map
wait_for_change start menu 0 300 800 300 0.3 100 || fail "the game view did not appear"
sleep 0.5

xdotool keydown s
sleep 0.5
xdotool key Escape
# The pause screen's two buttons, Quit and Resume, on their rows (a fast frame
# may show them before any screenshot of the walk could be taken).
wait_rows 11 || fail "no pause screen"
shot paused
xdotool keyup s
sleep 0.3
click_at $WIDGET_X "$(row_y 1)"  # "Resume"
wait_for_change resumed paused 200 60 250 120 0.05 100 || fail "'Resume' did not close the pause screen"

# The player comes to rest once the step's momentum has died away (however
# slowly a loaded machine runs): the middle of the striped wall ahead stops
# moving (the vask growing at its side goes on).
wait_still still2 200 150 400 270 || fail "the player walks on after the key was let go"

# A small nudge of the mouse turns the view by a fraction of a degree only.
xdotool mousemove_relative 4 0
sleep 1
shot nudged
turned=$(region_diff still2 nudged 100 100 600 350)
echo "after the nudge: turned $turned"
awk -v d="$turned" 'BEGIN { exit !(d < 0.3) }' || fail "the view jumped after resuming ($turned)"
echo PASS

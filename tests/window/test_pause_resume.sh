# Pausing in mid-walk: the key let go while the pause menu is up stops the walk,
# and after "Resume" the pointer waits at the window centre, so the first nudge
# of the mouse turns the view a little instead of jumping by the distance to
# where the "Resume" button was.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
launch_fixture_map
wait_for_change start menu 0 300 800 300 0.3 100 || fail "the game view did not appear"
sleep 0.5

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

# A small nudge of the mouse turns the view by a fraction of a degree only.
xdotool mousemove_relative 4 0
sleep 1
shot nudged
turned=$(region_diff still2 nudged 100 100 600 350)
echo "after the nudge: turned $turned"
awk -v d="$turned" 'BEGIN { exit !(d < 0.3) }' || fail "the view jumped after resuming ($turned)"
echo PASS
